#include <cstdint>
#include <deque>
#include <iostream>
#include <limits>
#include <memory>
#include <ostream>
#include <string>

#include "app/commands.h"
#include "app/recordset_text.h"
#include "app/typed_number.h"
#include "dal/sql_text.h"
#include "platform/console/console_dialogs.h"
#include "runtime/field_values.h"
#include "support/cl_arquivo_digital.h"

namespace pellora::app {
namespace {

constexpr char kArchiveUsage[] =
    "Utilização: pellora archive languages | list --article A [--kind N] | "
    "add --article A --language L --file FICHEIRO --title T [--kind N] [--number NUM] | "
    "rename NUM --title T | remove NUM | open NUM --to PASTA/";

// The owner kind the archive is used with when none is given.
constexpr int16_t kDefaultKind = 1;

// Names the written document instead of handing it to a desktop program.
class PathShell : public Shell {
 public:
  explicit PathShell(std::ostream& out) : out_(out) {}
  long Open(const std::string& file) override {
    out_ << file << '\n';
    opened_ = true;
    return 33;  // above 32: opened
  }
  bool opened() const { return opened_; }

 private:
  std::ostream& out_;
  bool opened_ = false;
};

int16_t Kind(const CommandLine& line) {
  const auto text = line.Get("kind");
  if (!text) return kDefaultKind;
  return static_cast<int16_t>(WholeNumber(*text, "--kind", std::numeric_limits<int16_t>::min(),
                                          std::numeric_limits<int16_t>::max()));
}

int32_t DocumentNumber(const std::string& text) {
  return static_cast<int32_t>(WholeNumber(text, "O número do documento",
                                          std::numeric_limits<int32_t>::min(),
                                          std::numeric_limits<int32_t>::max()));
}

int PrintList(const RecordsetPtr& rows, std::ostream& out) {
  if (!rows) return 1;
  PrintNamesHeader(*rows, out);
  PrintRows(*rows, out);
  return 0;
}

int PrintFlag(bool flag, std::ostream& out) {
  out << (flag ? "True" : "False") << '\n';
  return flag ? 0 : 1;
}

// Writes the document into the --to folder (a separator is added when missing) and names it.
int OpenDocument(const CommandContext& context, Cl_ArquivoDigital& arquivo, PathShell& shell,
                 const std::string& number) {
  std::string folder = context.line.Require("to");
  if (!folder.ends_with('/')) folder += '/';
  arquivo.VisalizarDocumento(DocumentNumber(number), 0, folder);
  if (shell.opened()) return 0;
  context.err << "Não foi possível escrever o documento " << number << " em " << folder << ".\n";
  return 1;
}

bool Finds(DataAccess& data_access, const std::string& sql) {
  RecordsetPtr rows;
  data_access.OpenRecordset("ArchiveCommand", sql, rows, true, 0);
  return HasRows(rows);
}

// What the company lacks for the action, which the archive itself would not check: the article
// and the language an added document hangs on, the document a numbered action works on. Empty
// when nothing is lacking.
std::string Lacking(DataAccess& data_access, const CommandLine& line, const std::string& action,
                    const std::string& number) {
  if (action == "add") {
    const std::string article = line.Require("article");
    const std::string language = line.Require("language");
    if (!Finds(data_access,
               "SELECT CODIGO FROM ARTIGOS WHERE CODIGO = N'" + SqlText(article) + "'")) {
      return "O artigo " + article + " não existe.";
    }
    if (!Finds(data_access,
               "SELECT CODIGO FROM IDIOMAS WHERE CODIGO = N'" + SqlText(language) + "'")) {
      return "O idioma " + language + " não existe (pellora archive languages lista-os).";
    }
  } else if (!number.empty() && !Finds(data_access,
                                       "SELECT oru_ArquivoDigital_Id FROM oru_ArquivoDigital WHERE "
                                       "oru_ArquivoDigital_Id = " +
                                           std::to_string(DocumentNumber(number)))) {
    return "O documento " + number + " não existe.";
  }
  return "";
}

// The action `action` of the archive on the open company, with `number` its document number
// when it takes one.
int RunAction(const CommandContext& context, Cl_ArquivoDigital& arquivo, PathShell& shell,
              const std::string& action, const std::string& number) {
  const CommandLine& line = context.line;
  if (action == "languages") return PrintList(arquivo.ListaDeIdiomas(), context.out);
  if (action == "list") {
    return PrintList(arquivo.ListaDeDocumentos(line.Require("article"), Kind(line)), context.out);
  }
  if (action == "add") {
    const int32_t existing = DocumentNumber(line.Get("number").value_or("0"));
    return PrintFlag(
        arquivo.Add(line.Require("language"), line.Require("file"), line.Require("article"),
                    Kind(line), existing, line.Require("title")),
        context.out);
  }
  if (action == "rename") {
    const Variant renamed = arquivo.MudaNomeDocumento(DocumentNumber(number));
    return PrintFlag(!renamed.IsEmpty() && renamed.AsBoolean(), context.out);
  }
  if (action == "remove") {
    return PrintFlag(arquivo.RemoverDocumento(DocumentNumber(number)), context.out);
  }
  return OpenDocument(context, arquivo, shell, number);
}

}  // namespace

// pellora archive ACTION ...: the digital archive of the articles' technical sheets.
int ArchiveCommand(const CommandContext& context) {
  const CommandLine& line = context.line;
  line.CheckKnown({"article", "kind", "language", "file", "title", "number", "to"});
  const auto& words = line.positionals();
  const std::string action = words.empty() ? "" : words.front();
  const bool numbered = action == "rename" || action == "remove" || action == "open";
  const bool plain = action == "languages" || action == "list" || action == "add";
  if (!(plain && words.size() == 1) && !(numbered && words.size() == 2)) {
    throw UsageError(kArchiveUsage);
  }
  // The new title of a rename is the input box's scripted answer.
  std::deque<std::string> answers;
  if (action == "rename") answers.push_back(line.Require("title"));
  auto dialogs = std::make_shared<console::ConsoleDialogs>(
      console::ConsoleTerminal{std::cin, context.err, false}, std::move(answers));
  auto shell = std::make_shared<PathShell>(context.out);
  Cl_ArquivoDigital arquivo(dialogs, shell);
  arquivo.Setbd(context.OpenCompany());
  const std::string number = numbered ? words[1] : "";
  if (const std::string lacking = Lacking(*arquivo.bd(), line, action, number); !lacking.empty()) {
    context.err << lacking << '\n';
    arquivo.bd()->CloseConnection();
    return 1;
  }
  const int status = RunAction(context, arquivo, *shell, action, number);
  arquivo.bd()->CloseConnection();
  return status;
}

}  // namespace pellora::app
