// pellora import against bad sets, bad readings, bad configuration files and, on SQLite, company
// files that cannot serve, on the test program's engine: each is refused with a Portuguese message
// and exit 1 or 2, and the company is left unchanged.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/app/demo_on_engine.h"
#include "tests/temp_folder.h"

namespace pellora::app {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

struct Refusal {
  std::string change;   // the SET list of an UPDATE of the inventory set's first reading
  std::string message;  // a text the output holds
};

// A demo company and a pristine copy of it; the first inventory set's Id in `set_`.
class HostileInput : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(demo_.Create().status, 0);
    const Texts sets = demo_.Sets("I");
    ASSERT_FALSE(sets.empty());
    set_ = sets[0];
    pristine_.engine().ReplaceWith(demo_.engine());
  }

  std::string Import(const std::string& kind = "inventario") const {
    return "import --kind " + kind + " --set '" + set_ + "'";
  }
  // The company as the demo made it.
  void Restore() { demo_.engine().ReplaceWith(pristine_.engine()); }

  // The first reading of the inventory set, as an SQL condition.
  std::string FirstReading() const {
    const std::string in_set = "TerminalId || '|' || DataSync = '" + set_ + "'";
    return " WHERE " + in_set +
           " AND NumeroLinha = (SELECT MIN(NumeroLinha) FROM oru_ARM_Picking_Movimentos WHERE " +
           in_set + ")";
  }

  // Runs `args`, as the user `as` when given, and expects it refused with `status` and a line
  // holding `message`, the company as it was.
  void ExpectRefused(const std::string& args, int status, const std::string& message,
                     const std::string& as = "") {
    const Texts before = demo_.Snapshot();
    const Outcome run = RunShell(as + PELLORA_BINARY + " " + demo_.Options() + args);
    EXPECT_EQ(run.status, status) << args << "\n" << run.out;
    EXPECT_NE(run.out.find(message), std::string::npos) << args << "\n" << run.out;
    EXPECT_EQ(demo_.Snapshot(), before) << args;
  }

  // Each change made to the first reading alone is refused with exit 1.
  void ExpectEachRefused(const std::vector<Refusal>& refusals) {
    for (const Refusal& refusal : refusals) {
      demo_.Exec("UPDATE oru_ARM_Picking_Movimentos SET " + refusal.change + FirstReading());
      ExpectRefused(Import(), 1, refusal.message);
      Restore();
    }
  }

  testing::TempFolder folder_;
  DemoOnEngine demo_{folder_.path().string()};
  DemoOnEngine pristine_{folder_.path().string(), "PRISTINE"};
  std::string set_;
};

TEST_F(HostileInput, SetsThatDoNotExistOrHoldAnotherKind) {
  ExpectRefused("import --kind inventario --set 'PDA09|20990101000000'", 2,
                "O conjunto PDA09|20990101000000 não existe.");
  ExpectRefused(Import("transferencia"), 2,
                "O conjunto " + set_ + " tem leituras do tipo I, não de transferência (T).");
  ExpectRefused("import --kind inventario --set PDA01", 2, "Conjunto inválido: PDA01");
  // Quotes and the characters of LIKE patterns, comments and batches are only text.
  for (const std::string id : {"PDA01|2026' OR ''='", "PDA%|%", "PDA0_|2026120108182_",
                               "[PDA01]|[2]", "PDA01|1; DROP TABLE ARTIGOS; --"}) {
    ExpectRefused("import --kind inventario --set \"" + id + "\"", 2,
                  "O conjunto " + id + " não existe.");
  }
}

TEST_F(HostileInput, ReadingsWithoutSoundArticleWarehouseUnitOrQuantityOrWithOverlongTexts) {
  const std::string box = "\U0001F4E6";  // beyond the BMP: two UTF-16 units, as nvarchar counts
  std::string sixteen_boxes;
  for (int i = 0; i < 16; ++i) sixteen_boxes += box;
  ExpectEachRefused({
      {"Artigo = NULL", "a leitura não indica o artigo."},
      {"Artigo = 'NADA'", "o artigo NADA não existe."},
      {"Armazem = NULL", "a leitura não indica o armazém."},
      {"Armazem = 'ZZ'", "o armazém ZZ não existe."},
      {"Unidade = NULL", "a leitura não indica a unidade."},
      {"Quantidade = -5", "a quantidade -5 não é válida: não pode ser negativa."},
      {"Quantidade = 1e308", "a quantidade 1E+308 é demasiado grande."},
      {"Quantidade = 'NaN'", "a quantidade NaN não é um número."},
      {"Quantidade = NULL", "a leitura não indica a quantidade."},
  });
  // The server refuses such texts itself, and its texts hold no NUL.
  if (!demo_.engine().DemoOptions().empty()) return;
  ExpectEachRefused({
      {"NossoLote = '" + std::string(31, 'L') + "'", "o campo NossoLote tem mais de 30 caracteres"},
      {"NossoLote = '" + sixteen_boxes + "'", "o campo NossoLote tem mais de 30 caracteres"},
      {"VossoLote = 'A' || char(0) || 'B'", "o campo VossoLote tem caracteres de controlo."},
      {"Localizacao = 'A' || char(10) || 'B'", "o campo Localizacao tem caracteres de controlo."},
  });
}

// What fits is stored as read, whatever its characters.
TEST_F(HostileInput, OddTextsThatFitAreStoredAsRead) {
  demo_.Exec(
      "UPDATE ARTIGOS SET CTLOTES = 1 WHERE CODIGO = (SELECT Artigo FROM "
      "oru_ARM_Picking_Movimentos" +
      FirstReading() +
      "); UPDATE oru_ARM_Picking_Movimentos SET NossoLote = 'L''1%_[x]--;\U0001F4E6'" +
      FirstReading());
  const Outcome run = demo_.Run(Import());
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(demo_.Rows("SELECT LOTE, TPDOC FROM LOTESMOV WHERE LOTE = 'L''1%_[x]--;\U0001F4E6'"),
            Texts{"L'1%_[x]--;\U0001F4E6|INV"});
}

TEST_F(HostileInput, ConfigurationFilesWithMissingKeysOrAnotherCompany) {
  const std::string configuration = folder_.File("orudados/PICKING.DEMO");
  const std::string text = testing::TempFolder::Read(configuration);
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string changed = text;
    testing::TempFolder::Write(configuration, changed.replace(changed.find(from), from.size(), to));
  };
  replaced("Login=picagens\n", "");
  ExpectRefused(Import(), 2,
                "O ficheiro de configuração " + configuration +
                    " não indica Login e Empresa na secção [Api Vela].");
  replaced("Empresa=DEMO", "Empresa=NADA");
  ExpectRefused(
      Import(), 2,
      "O ficheiro de configuração " + configuration + " é da empresa NADA, não da empresa DEMO.");
  testing::TempFolder::Write(configuration, text);
  ExpectRefused("--busy-timeout abc " + Import(), 2,
                "--busy-timeout, em segundos, deve ser um número inteiro de 0 a 86400: abc.");
}

// The server keeps no files of a company.
TEST_F(HostileInput, CompanyFilesThatCannotServe) {
  if (!demo_.engine().DemoOptions().empty()) GTEST_SKIP() << "no company file on a server";
  const std::string company = folder_.File("DEMO.db");
  const std::string damaged =
      "O ficheiro " + company + " da empresa DEMO está danificado ou não é uma base de dados.\n";
  for (const bool truncated : {false, true}) {
    if (truncated) {
      fs::resize_file(company, 8192);
    } else {
      testing::TempFolder::Write(company, "isto não é uma base de dados\n");
    }
    const Outcome run = demo_.Run(Import());
    EXPECT_EQ(run.status, 2) << truncated;
    EXPECT_NE(run.out.find(damaged), std::string::npos) << run.out;
    Restore();
  }
  demo_.Exec("DROP TABLE ARTARM");
  ExpectRefused(Import(), 2,
                "A base de dados da empresa DEMO não tem a tabela ARTARM: não é uma empresa "
                "completa.");
  Restore();
  fs::permissions(company, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  // Root writes whatever the permissions say: the workstation's user is an ordinary one.
  ExpectRefused(Import(), 2, "não pode ser alterado (só de leitura ou sem permissão).",
                geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "");
  Restore();
}

}  // namespace
}  // namespace pellora::app
