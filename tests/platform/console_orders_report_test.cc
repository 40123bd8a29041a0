#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/console/html_orders_report.h"
#include "tests/platform/sqlite_test_company.h"
#include "tests/runtime/error_number_of.h"
#include "tests/temp_folder.h"

namespace pellora::console {
namespace {

// The company's open orders: ECL 1 has a line partly delivered and one delivered, EFO 1 a line
// not delivered yet; the delivered order ECL 2 and the invoice FA 1 are not listed. The pellora
// command's test checks the quantities of a served order; here, escaping, suppliers and what
// is left out.
constexpr char kOrders[] = R"sql(
INSERT INTO TPDOC (CODIGO, DESCR, AREAG, TPOPER, ENTIDADE) VALUES
  ('ECL', 'Encomenda de Cliente', 3, 2, 2), ('EFO', 'Encomenda a Fornecedor', 3, 1, 1),
  ('FA', 'Fatura', 4, 2, 2);
INSERT INTO CLIENTES (CODIGO, NOME) VALUES ('C0001', 'Sousa & Filhos <Lda>');
INSERT INTO FORNEC (CODIGO, NOME) VALUES ('F0001', 'Ferragens do Norte');
INSERT INTO DOCGCCAB (TPDOC, SERIE, ANO, NNUMDOC, DATA, TPTERC, TERCEIRO, AREAG, TPOPER,
                      [CONVERT]) VALUES
  ('ECL', '1', 2026, 1, '2026-03-02 00:00:00', 2, 'C0001', 3, 2, 0),
  ('ECL', '1', 2026, 2, '2026-03-03 00:00:00', 2, 'C0001', 3, 2, -1),
  ('EFO', '1', 2026, 1, '2026-03-01 00:00:00', 1, 'F0001', 3, 1, 0),
  ('FA', '1', 2026, 1, '2026-03-04 00:00:00', 2, 'C0001', 4, 2, 0);
INSERT INTO DOCGCLIN (TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA, ORDENACA, ARTIGO, DESCR, ARMAZEM,
                      QTDINTRO, QUANT) VALUES
  ('ECL', '1', 2026, 1, 1, 1, 'PAR-001', 'Parafuso "M8"', 'A01', 10, 6),
  ('ECL', '1', 2026, 1, 2, 2, 'POR-002', 'Porca', 'A01', 5, 0),
  ('ECL', '1', 2026, 2, 1, 1, 'ANI-003', 'Anilha', 'A01', 8, 0),
  ('EFO', '1', 2026, 1, 1, 1, 'BUC-004', 'Bucha', 'A01', 20, 20),
  ('FA', '1', 2026, 1, 1, 1, 'CAV-005', 'Cavilha', 'A01', 3, 3);
)sql";

class HtmlOrdersReportTest : public sqlite::SqliteCompanyTest {
 protected:
  void SetUp() override {
    SqliteCompanyTest::SetUp();
    Prepare(testing::TempFolder::Read(PELLORA_SOURCE_DIR "/schema/company.sql"));
    Prepare(kOrders);
  }

  // The report component set up as the add-in does, on the test company.
  HtmlOrdersReport Report(const std::string& report_file) {
    HtmlOrdersReport report(
        out_, [] { return std::make_shared<sqlite::SqliteDataAccess>(); },
        [](const std::string& server) { return std::filesystem::path(server); });
    report.SetReportFile(report_file);
    report.SetDatabaseKind(2);
    report.SetServer(folder_.string());
    report.SetDatabase("EMP1");
    return report;
  }

  std::ostringstream out_;
};

TEST_F(HtmlOrdersReportTest, ListsOpenOrderLinesAsAnEscapedHtmlTable) {
  HtmlOrdersReport report = Report(PELLORA_SOURCE_DIR "/reports\\oru_BC_Encomendas.rpt");
  report.Generate(0);
  EXPECT_EQ(report.Show(), 3);
  const std::string page =
      testing::TempFolder::Read((folder_ / "relatorios" / "oru_BC_Encomendas.html").string());
  EXPECT_NE(page.find("<h1>Encomendas em Aberto de Clientes e Fornecedores</h1>"),
            std::string::npos);
  EXPECT_NE(page.find("<tr><td>Cliente</td><td>ECL-1-1-2026</td><td>02-03-2026</td>"
                      "<td>C0001</td><td>Sousa &amp; Filhos &lt;Lda&gt;</td><td>PAR-001</td>"
                      "<td>Parafuso &quot;M8&quot;</td><td>A01</td><td>10</td><td>4</td>"
                      "<td>6</td></tr>"),
            std::string::npos)
      << page;
  EXPECT_NE(page.find("<td>Fornecedor</td><td>EFO-1-1-2026</td>"), std::string::npos) << page;
  for (const char* absent : {"ANI-003", "CAV-005"})
    EXPECT_EQ(page.find(absent), std::string::npos) << absent;
}

// The report file must exist and define its columns and query, the company database must open.
TEST_F(HtmlOrdersReportTest, AMissingFileQueryOrDatabaseIsAnError) {
  EXPECT_EQ(ErrorNumberOf([&] { Report((folder_ / "falta.rpt").string()).Generate(0); }), 53);
  const std::string no_query = (folder_ / "vazio.rpt").string();
  testing::TempFolder::Write(no_query, "[Relatorio]\nTitulo=T\n[Colunas]\nA=A\n");
  EXPECT_EQ(ErrorNumberOf([&] { Report(no_query).Generate(0); }), kInvalidProcedureCall);
  const std::string file = (folder_ / "simples.rpt").string();
  testing::TempFolder::Write(file, "[Colunas]\nN=Número\n[SQL]\nSELECT 1 AS N\n");
  HtmlOrdersReport report = Report(file);
  report.SetDatabase("OUTRA");
  try {
    report.Generate(0);
    FAIL() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.description(), "Não foi possível abrir a base de dados OUTRA.");
  }
  EXPECT_EQ(ErrorNumberOf([&] { report.Show(); }), kObjectNotSet);
}

}  // namespace
}  // namespace pellora::console
