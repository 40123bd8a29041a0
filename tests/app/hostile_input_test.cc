// pellora import against bad sets, bad readings, bad company files and bad configuration files:
// each is refused with a Portuguese message and exit 1 or 2, and the company is left unchanged.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/app/pellora_process.h"
#include "tests/company_database.h"
#include "tests/company_snapshot.h"
#include "tests/temp_folder.h"

namespace pellora::app {
namespace {

using Texts = std::vector<std::string>;
namespace fs = std::filesystem;

struct Refusal {
  std::string change;   // the SET list of an UPDATE of one reading
  std::string message;  // a text the output holds
};

class HostileInput : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(Pellora(OnDemo(Dir()) + "demo").status, 0);
    const Texts sets = PendingSets(OnDemo(Dir()), "I");
    ASSERT_FALSE(sets.empty());
    set_ = sets[0];
    fs::copy_file(Company(), Pristine());
  }

  std::string Dir() const { return folder_.path().string(); }
  fs::path Company() const { return folder_.path() / "DEMO.db"; }
  std::string Import(const std::string& kind = "inventario") const {
    return "import --kind " + kind + " --set '" + set_ + "'";
  }
  // The first reading of the inventory set, as an SQL condition.
  std::string FirstReading() const {
    const std::string in_set = "TerminalId || '|' || DataSync = '" + set_ + "'";
    return " WHERE " + in_set +
           " AND NumeroLinha = (SELECT MIN(NumeroLinha) FROM oru_ARM_Picking_Movimentos WHERE " +
           in_set + ")";
  }
  void Change(const std::string& sql) { ASSERT_EQ(testing::RunSqlOnFile(Company(), sql), ""); }
  fs::path Pristine() const { return folder_.path() / "pristine.db"; }
  // The company as the demo made it.
  void Restore() {
    for (const char* suffix : {"-wal", "-shm"}) fs::remove(Company().string() + suffix);
    fs::permissions(Company(), fs::perms::owner_read | fs::perms::owner_write);
    fs::copy_file(Pristine(), Company(), fs::copy_options::overwrite_existing);
  }

  // Runs `args` and expects it refused with `status` and a line holding `message`, the
  // company as it was.
  void ExpectRefused(const std::string& args, int status, const std::string& message) {
    const Texts before = testing::CompanySnapshot(Company());
    const Outcome run = Pellora(OnDemo(Dir()) + args);
    EXPECT_EQ(run.status, status) << args << "\n" << run.out;
    EXPECT_NE(run.out.find(message), std::string::npos) << args << "\n" << run.out;
    EXPECT_EQ(testing::CompanySnapshot(Company()), before) << args;
  }

  // Each change made to the first reading alone is refused with exit 1.
  void ExpectEachRefused(const std::vector<Refusal>& refusals) {
    for (const Refusal& refusal : refusals) {
      Change("UPDATE oru_ARM_Picking_Movimentos SET " + refusal.change + FirstReading());
      ExpectRefused(Import(), 1, refusal.message);
      Restore();
    }
  }

  testing::TempFolder folder_;
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

TEST_F(HostileInput, ReadingsWithoutSoundArticleWarehouseUnitOrQuantity) {
  const std::string line = "Conjunto " + set_ + ", linha ";
  const std::vector<Refusal> refusals = {
      {"Artigo = NULL", "a leitura não indica o artigo."},
      {"Artigo = 'NADA'", "o artigo NADA não existe."},
      {"Armazem = NULL", "a leitura não indica o armazém."},
      {"Armazem = 'ZZ'", "o armazém ZZ não existe."},
      {"Unidade = NULL", "a leitura não indica a unidade."},
      {"Unidade = 'XPTO'", "a unidade XPTO não é do artigo"},
      {"Quantidade = 0", "a quantidade 0 não é válida: deve ser positiva."},
      {"Quantidade = -5", "a quantidade -5 não é válida: deve ser positiva."},
      {"Quantidade = 1e308", "a quantidade 1E+308 é demasiado grande."},
      {"Quantidade = 'NaN'", "a quantidade NaN não é um número."},
      {"Quantidade = NULL", "a leitura não indica a quantidade."},
  };
  ExpectEachRefused(refusals);
}

TEST_F(HostileInput, TextsLongerThanTheirColumnsOrWithControlCharacters) {
  const std::string emoji = "\U0001F4E6";  // beyond the BMP: two UTF-16 units, as nvarchar counts
  std::string sixteen_boxes;
  for (int i = 0; i < 16; ++i) sixteen_boxes += emoji;
  const std::vector<Refusal> refusals = {
      {"NossoLote = '" + std::string(31, 'L') + "'", "o campo NossoLote tem mais de 30 caracteres"},
      {"NossoLote = '" + sixteen_boxes + "'", "o campo NossoLote tem mais de 30 caracteres"},
      {"VossoLote = 'A' || char(0) || 'B'", "o campo VossoLote tem caracteres de controlo."},
      {"Localizacao = 'A' || char(10) || 'B'", "o campo Localizacao tem caracteres de controlo."},
  };
  ExpectEachRefused(refusals);
}

// What fits is stored as read, whatever its characters.
TEST_F(HostileInput, OddTextsThatFitAreStoredAsRead) {
  const std::string lot = "L'1%_[x]--;" + std::string("\U0001F4E6");
  Change(
      "UPDATE ARTIGOS SET CTLOTES = 1 WHERE CODIGO = (SELECT Artigo FROM "
      "oru_ARM_Picking_Movimentos" +
      FirstReading() + "); UPDATE oru_ARM_Picking_Movimentos SET NossoLote = '" +
      std::string("L''1%_[x]--;") + "\U0001F4E6'" + FirstReading());
  const Outcome run = Pellora(OnDemo(Dir()) + Import());
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(
      testing::RowsOnFile(Company(),
                          "SELECT LOTE, TPDOC FROM LOTESMOV WHERE LOTE = 'L''1%_[x]--;\U0001F4E6'"),
      Texts{lot + "|INV"});
}

TEST_F(HostileInput, CompanyFilesThatCannotServe) {
  testing::TempFolder::Write(Company().string(), "isto não é uma base de dados\n");
  const Outcome not_a_database = Pellora(OnDemo(Dir()) + Import());
  EXPECT_EQ(not_a_database.status, 2);
  EXPECT_EQ(not_a_database.out, "O ficheiro " + Company().string() +
                                    " da empresa DEMO está danificado ou não é uma base de "
                                    "dados.\n");

  Restore();
  fs::resize_file(Company(), 8192);
  const Outcome truncated = Pellora(OnDemo(Dir()) + Import());
  EXPECT_EQ(truncated.status, 2);
  EXPECT_NE(truncated.out.find("está danificado ou não é uma base de dados"), std::string::npos)
      << truncated.out;

  Restore();
  Change("DROP TABLE ARTARM");
  ExpectRefused(Import(), 2,
                "A base de dados da empresa DEMO não tem a tabela ARTARM: não é uma empresa "
                "completa.");

  Restore();
  fs::permissions(Company(),
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  // Root writes whatever the permissions say: the workstation's user is an ordinary one.
  const std::string as_user = geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 "
                                               "--clear-groups "
                                             : "";
  const Outcome read_only = RunShell(as_user + PELLORA_BINARY + " " + OnDemo(Dir()) + Import());
  EXPECT_EQ(read_only.status, 2);
  EXPECT_NE(read_only.out.find("não pode ser alterado (só de leitura ou sem permissão)."),
            std::string::npos)
      << read_only.out;
  Restore();
}

TEST_F(HostileInput, ConfigurationFilesWithMissingKeysOrAnotherCompany) {
  const std::string configuration = folder_.File("orudados/PICKING.DEMO");
  const std::string text = testing::TempFolder::Read(configuration);
  auto without = [&](const std::string& line) {
    std::string changed = text;
    changed.erase(changed.find(line), line.size());
    testing::TempFolder::Write(configuration, changed);
  };
  without("Login=picagens\n");
  ExpectRefused(Import(), 2,
                "O ficheiro de configuração " + configuration +
                    " não indica Login e Empresa na secção [Api Vela].");
  testing::TempFolder::Write(configuration, text);
  std::string other = text;
  other.replace(other.find("Empresa=DEMO"), 12, "Empresa=NADA");
  testing::TempFolder::Write(configuration, other);
  ExpectRefused(
      Import(), 2,
      "O ficheiro de configuração " + configuration + " é da empresa NADA, não da empresa DEMO.");
  testing::TempFolder::Write(configuration, text);
  ExpectRefused("--company NADA " + Import(), 2, "A empresa NADA não existe em " + Dir() + ".");
  ExpectRefused("--busy-timeout abc " + Import(), 2,
                "--busy-timeout deve ser um número de segundos entre 0 e 86400: abc.");
}

}  // namespace
}  // namespace pellora::app
