#include <filesystem>
#include <string>
#include <tuple>

#include "dal/definitions.h"
#include "tests/solucao/solucao_company.h"

namespace pellora::solucao_testing {
namespace {

using SolucaoConnection = SolucaoCompanyTest;

// The maker's common folder is preferred to the add-in's; "Sim" is not "s". The parameters table
// is made, empty.
TEST_F(SolucaoConnection, OpensTheCompanyWithTheConfigurationOfItsFolder) {
  const std::string common = folder_.File("comum") + "/orudados";
  for (const std::string& folder : {Addin(), common}) {
    std::filesystem::create_directories(folder);
    const bool own = folder == Addin();
    Configuracao(
        own ? "[Parametros]\nMostraUltimaVenda=s\n[V3U]\nTipoDocNaoMovimentaInativos=  \n"
            : "[Parametros]\nMostraUltimaVenda=Sim\n[V3U]\nTipoDocNaoMovimentaInativos=FA\n",
        folder);
    Solucao& solucao = Open();
    const std::string file = folder + "/PICKING.EMP1";
    const FakePickingApi& api = *factory_.apis.back();
    EXPECT_EQ(
        std::tuple(factory_.settings->file, api.logins, api.identifier(), api.given_data_access,
                   solucao.CanViewUltimaVenda(), solucao.CanMovArtigosInativos()),
        std::tuple(file, Texts{file}, "Pellora", true, own, !own));
  }
  EXPECT_EQ(gDataAccess(), factory_.data_accesses.back());
  EXPECT_EQ(factory_.settings->configure_calls, 0);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM oru_PARAMETROSEXP"), Texts{"0"});
}

TEST_F(SolucaoConnection, BuildsBothFormsOfTheConnectionString) {
  const std::string head = "Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=" + Dados() +
                           ";Initial Catalog=EMP1";
  Open();
  EXPECT_EQ(factory_.data_accesses.back()->opened, Texts{head + ";User Id=sa;Password=segredo; "});
  // Without a user the settings are configured again, without asking to save.
  factory_.settings->values = {Dados(), "EMP1", "", "segredo"};
  factory_.settings->configured = {Dados(), "EMP1", "", ""};
  Open();
  EXPECT_EQ(factory_.settings->configure_calls, 1);
  EXPECT_EQ(factory_.settings->confirm_save, false);
  EXPECT_EQ(factory_.data_accesses.back()->opened, Texts{head + ";Integrated Security=SSPI;"});
  factory_.settings->values = factory_.settings->configured = {Dados(), "EMP1", "", "segredo"};
  Open();
  EXPECT_EQ(factory_.data_accesses.back()->opened, Texts{head + ";User Id=;Password=segredo; "});
}

TEST_F(SolucaoConnection, AFailingPickingLoginClosesTheDatabase) {
  factory_.login_answer = false;
  Solucao solucao(factory_, Addin());
  EXPECT_FALSE(solucao.ConnectionOpen("EMP1", "ana"));
  EXPECT_EQ(Messages(), Texts{"[Ligação ao Servidor/Vela] Erro. Não foi possivel ligar ao Vela"});
  EXPECT_EQ(factory_.dialogs->styles, std::vector<int>{vbExclamation});
  EXPECT_EQ(factory_.data_accesses.back()->closes, 1);
  EXPECT_EQ(gDataAccess(), nullptr);
  EXPECT_TRUE(Rows("SELECT name FROM sqlite_master WHERE name='oru_PARAMETROSEXP'").empty());
}

TEST_F(SolucaoConnection, ADatabaseThatDoesNotOpenAnswersFalseSilently) {
  factory_.settings->values = {Dados(), "OUTRA", "sa", "x"};
  Solucao solucao(factory_, Addin());
  EXPECT_FALSE(solucao.ConnectionOpen("EMP1", "ana"));
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(factory_.apis.empty());
}

TEST_F(SolucaoConnection, ConvertsIntegerSeriesColumnsOnce) {
  std::string columns = "ID INTEGER PRIMARY KEY";
  for (const char* name : {"LBXENCFORSER", "LBXCOMFORSER", "LBXSERIEPART", "BRGENCCLISER",
                           "BRGSERIEPART", "INVENTSER", "QUEBRASER", "SOBRASER", "TRANSFSER"}) {
    columns += std::string(", ") + name + " int NOT NULL";
  }
  Exec("CREATE TABLE oru_PARAMETROSEXP (" + columns +
       ", INVENTDOC nvarchar(3) NOT NULL);"
       "INSERT INTO oru_PARAMETROSEXP VALUES (1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 'INV');");
  Open();
  EXPECT_TRUE(Messages().empty()) << Messages().front();
  EXPECT_EQ(Rows("SELECT typeof(LBXENCFORSER), LBXENCFORSER, INVENTSER FROM oru_PARAMETROSEXP"),
            Texts{"text|1|6"});
  solucao_->ConnectionClose();
  Open();
  EXPECT_TRUE(Messages().empty());
}

TEST_F(SolucaoConnection, ValidatesTheCompany) {
  Solucao& solucao = Open();
  EXPECT_TRUE(solucao.ConnectionValidate("EMP1", "ana"));
  EXPECT_TRUE(Messages().empty());

  const std::string first =
      "[Validação da ligação ao Servidor] Erro. EMP2 Não está configurada "
      "para a solução.\r\nA Solução vao ser desactivada.";
  // The settings still name a database that opens.
  testing::TempFolder::Write(Addin() + "/PICKING.EMP2", "[Api Vela]\n");
  EXPECT_TRUE(solucao.ConnectionValidate("EMP2", "ana"));
  EXPECT_EQ(Messages(), Texts{first});
  EXPECT_EQ(factory_.apis[0]->logouts, 1);

  factory_.settings->values.database = "NENHUMA";
  EXPECT_FALSE(solucao.ConnectionValidate("EMP1", "ana"));
  EXPECT_EQ(Messages(),
            (Texts{first,
                   "[Validação da ligação ao Servidor] Erro. EMP1 Não está configurada para a "
                   "solução.\r\nA Solução vao ser desactivada.",
                   "[Validação da ligação ao Servidor] Erro. Não foi possivel estabelecer a "
                   "ligação à empresa EMP1.\r\nA Solução vao ser desactivada."}));
  EXPECT_EQ(factory_.dialogs->styles, std::vector<int>(3, vbExclamation));
}

}  // namespace
}  // namespace pellora::solucao_testing
