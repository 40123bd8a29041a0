#include <cstdint>
#include <deque>
#include <iostream>
#include <limits>
#include <memory>
#include <ostream>
#include <string>

#include "app/commands.h"
#include "app/recordset_text.h"
#include "platform/console/console_dialogs.h"
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

// A whole number from the command line, within [lowest, highest].
int32_t WholeNumber(const std::string& text, const std::string& what, long lowest, long highest) {
  size_t used = 0;
  long value = 0;
  try {
    value = std::stol(text, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used == 0 || used != text.size() || value < lowest || value > highest) {
    throw UsageError(what + " deve ser um número inteiro: " + text);
  }
  return static_cast<int32_t>(value);
}

int16_t Kind(const CommandLine& line) {
  const auto text = line.Get("kind");
  if (!text) return kDefaultKind;
  return static_cast<int16_t>(WholeNumber(*text, "--kind", std::numeric_limits<int16_t>::min(),
                                          std::numeric_limits<int16_t>::max()));
}

int32_t DocumentNumber(const std::string& text) {
  return WholeNumber(text, "O número do documento", std::numeric_limits<int32_t>::min(),
                     std::numeric_limits<int32_t>::max());
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
  context.err << "O documento " << number << " não existe.\n";
  return 1;
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
  const int status = RunAction(context, arquivo, *shell, action, numbered ? words[1] : "");
  arquivo.bd()->CloseConnection();
  return status;
}

}  // namespace pellora::app
