#ifndef PELLORA_TESTS_SOLUCAO_SOLUCAO_COMPANY_H_
#define PELLORA_TESTS_SOLUCAO_SOLUCAO_COMPANY_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "dal/definitions.h"
#include "platform/vela/host_view.h"
#include "solucao/solucao.h"
#include "tests/company_test.h"
#include "tests/parameter_columns.h"
#include "tests/solucao/solucao_fakes.h"

namespace pellora::solucao_testing {

using Texts = std::vector<std::string>;

// The company (its file, on SQLite, in folder "dados"), an add-in folder "addin" that holds
// PICKING.EMP1, and the maker's common folder "comum" (without "orudados" until a test makes it).
// The connection settings name the company. P1 was last bought at 20 (ULTPRCBR 21, ULTPMP 19);
// more articles: I1 (inactive), N1 (INACTIVO NULL), Z1 (no stock).
class SolucaoCompanyTest : public testing::CompanyTest {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(Dados());
    std::filesystem::create_directories(Addin());
    std::filesystem::create_directories(folder_.File("comum"));
    MakeCompany(Dados(),
                "UPDATE ARTIGOS SET ULTPRCOM = 20, ULTPRCBR = 21, ULTPMP = 19 WHERE CODIGO = 'P1';"
                "INSERT INTO ARTIGOS (CODIGO, NOME, UNIDADE, ULTPRCOM, ULTPRCBR, ULTPMP, STDISP, "
                "VLREXIST, INACTIVO) VALUES ('I1', 'Inativo', 'UN', 0, 0, 0, 0, 0, 1), ('N1', "
                "'Sem estado', 'UN', 0, 0, 0, 0, 0, NULL), ('Z1', 'Sem stock', 'UN', 5, 5, 5, 0, "
                "0, 0);");
    factory_.common_folder = folder_.File("comum");
    factory_.settings->values = {engine_->Server(), "EMP1", "sa", "segredo"};
    factory_.new_data_access = [engine = engine_.get()] { return engine->NewDataAccess(); };
    Configuracao("");
  }
  void TearDown() override {
    solucao_.reset();
    CompanyTest::TearDown();
  }

  std::string Dados() const { return folder_.File("dados"); }
  std::string Addin() const { return folder_.File("addin"); }
  // Writes PICKING.EMP1 in `folder` with an "Api Vela" section and `more` after it.
  void Configuracao(const std::string& more, const std::string& folder = "") {
    testing::TempFolder::Write((folder.empty() ? Addin() : folder) + "/PICKING.EMP1",
                               "[Api Vela]\nLogin=picking\nEmpresa=EMP1\n" + more);
  }

  Solucao& Open() {
    solucao_ = std::make_unique<Solucao>(factory_, Addin());
    EXPECT_TRUE(solucao_->ConnectionOpen("EMP1", "ana"));
    return *solucao_;
  }
  const Texts& Messages() const { return factory_.dialogs->messages; }

  // The parameters row, inventory group INV / A / S1, every other parameter empty.
  void Parametros() {
    Exec(testing::ParametersInsert([](const std::string& column) -> std::string {
      if (column == "INVENTDOC") return "'INV'";
      if (column == "INVENTSER") return "'A'";
      return column == "INVENTSEC" ? "'S1'" : "''";
    }));
  }

  FakeFactory factory_;
  std::unique_ptr<Solucao> solucao_;
};

}  // namespace pellora::solucao_testing

#endif  // PELLORA_TESTS_SOLUCAO_SOLUCAO_COMPANY_H_
