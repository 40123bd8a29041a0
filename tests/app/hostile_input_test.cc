// pellora import against bad sets, bad readings and bad configuration files, on the test
// program's engine: each is refused with a Portuguese message and exit 1 or 2, and the company is
// left unchanged.
#include "tests/app/hostile_input.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pellora::app {
namespace {

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
      {"Quantidade = -5", "a quantidade -5 não é válida: não pode ser negativa."},
      {"Quantidade = 1e308", "a quantidade 1E+308 é demasiado grande."},
      {"Quantidade = 'NaN'", "a quantidade NaN não é um número."},
      {"Quantidade = NULL", "a leitura não indica a quantidade."},
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
  const Outcome run = demo_.Run(Import());
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(demo_.Rows("SELECT LOTE, TPDOC FROM LOTESMOV WHERE LOTE = 'L''1%_[x]--;\U0001F4E6'"),
            Texts{lot + "|INV"});
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
                "--busy-timeout, em segundos, deve ser um número inteiro de 0 a 86400: abc.");
}

}  // namespace
}  // namespace pellora::app
