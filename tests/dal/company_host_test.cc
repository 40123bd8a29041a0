// Document, catalogue and order-settlement operations on a real company.

#include <gtest/gtest.h>

#include "dal/dal_comandos.h"
#include "tests/dal/company_fixture.h"

namespace pellora {
namespace {

using CompanyHost = testing::CompanyTest;
using testing::OrderLines;

TEST_F(CompanyHost, DocumentHeaderFreeFieldsAndLiveLinesInOrder) {
  Exec(
      "INSERT INTO DOCGCCAB (TPDOC, SERIE, ANO, NNUMDOC, DATA, AREAG, TPOPER) VALUES "
      "('ECL', 'A', 2024, 7, '2024-03-01 00:00:00', 4, 2);"
      "INSERT INTO CLDOCGC (TIPODOC, SERIE, ANO, NDOC, OBSERV) VALUES ('ECL', 'A', 2024, 7, 'x');"
      "INSERT INTO DOCGCLIN (TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA, ORDENACA, LINANU, ARTIGO) "
      "VALUES ('ECL', 'A', 2024, 7, 1, 20, 0, 'B'), ('ECL', 'A', 2024, 7, 2, 10, 0, 'A'), "
      "('ECL', 'A', 2024, 7, 3, 5, 1, 'C');");
  EXPECT_EQ(HlpDb_DocGcCab("ECL", 7, "A", 2024)->RecordCount(), 1);
  RecordsetPtr lines = HlpDb_DocGcLin("ECL", 7, "A", 2024);
  ASSERT_EQ(lines->RecordCount(), 2);
  EXPECT_EQ((*lines)["ARTIGO"].Value(), Variant("A"));

  RecordsetPtr free_fields = HlpDb_DocGcCabCpLivresGet("ECL", 7, "A", 2024);
  (*free_fields)["OBSERV"].SetValue(Variant("entregar de manhã"));
  free_fields->Update();
  HlpDb_DocGcCabCpLivresSave(free_fields);
  EXPECT_EQ(Text("SELECT OBSERV FROM CLDOCGC"), "entregar de manhã");
  EXPECT_TRUE(HlpDb_DocGcCab("ECL", 7, "Z", 2024)->Eof());
}

TEST_F(CompanyHost, CatalogueFiltersAndOrders) {
  Exec(
      "INSERT INTO NOMSERIE (TIPODOC, SERIE, DESCR) VALUES ('ECL', 'B', 'b'), ('ECL', 'A', 'a'), "
      "('FAC', 'A', 'f');"
      "INSERT INTO CLIENTES (CODIGO, NOME) VALUES ('C''1', 'O''Neill'), ('C2', 'Ana');");
  RecordsetPtr series = HlpDb_SeriesGet("TIPODOC='ECL'", "SERIE");
  ASSERT_EQ(series->RecordCount(), 2);
  EXPECT_EQ((*series)["SERIE"].Value(), Variant("A"));
  RecordsetPtr customers = HlpDb_ClientesReduzidoGet("", "NOME");
  EXPECT_EQ(customers->FieldCount(), 2u);
  EXPECT_EQ((*customers)["NOME"].Value(), Variant("Ana"));
  EXPECT_EQ(HlpDb_ClientesGet("CODIGO='C''1' ", "")->RecordCount(), 1);
  EXPECT_TRUE(HlpDb_ArmazensGet("", "")->Eof());
}

class CompanySettlement : public testing::CompanyTest {
 protected:
  void SetUp() override {
    CompanyTest::SetUp();
    Exec(
        "INSERT INTO DOCGCCAB (TPDOC, SERIE, ANO, NNUMDOC, DATA, AREAG, TPOPER) VALUES "
        "('ECL', 'A', 2024, 12, '2024-03-01 00:00:00', 4, 2);"
        "INSERT INTO DOCGCLIN (TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA, ORDENACA, ARTIGO, "
        "ARMAZEM, QUANT) VALUES ('ECL', 'A', 2024, 12, 1, 1, 'A1', 'W1', 5), "
        "('ECL', 'A', 2024, 12, 2, 2, 'A''Q', 'W1', 3);"
        "INSERT INTO ARTIGOS (CODIGO, NOME, UNIDADE, TOTENCCL) VALUES ('A1', 'a', 'UN', 10), "
        "('A''Q', 'q', 'UN', 3);"
        "INSERT INTO ARTARM (ARTIGO, ARMAZEM, ARMENCCL) VALUES ('A1', 'W1', 10), "
        "('A''Q', 'W1', 3);");
  }

  RecordsetPtr Lines(double keep_first, double keep_second) {
    return OrderLines(
        {{1, keep_first, 5 - keep_first, "A1"}, {2, keep_second, 3 - keep_second, "A'Q"}});
  }
  RecordsetPtr headers;
};

// An order with quantity left stays open; with nothing left it is marked converted.
TEST_F(CompanySettlement, AnOrderIsMarkedConvertedOnceNothingIsLeft) {
  RecordsetPtr lines = Lines(0, 0.5);
  HlpDb_DocOrigQuantidadesSet(headers, lines);
  EXPECT_EQ(Text("SELECT QUANT FROM DOCGCLIN WHERE NUMLINHA = 2"), "0.5");
  EXPECT_EQ(Text("SELECT TOTENCCL FROM ARTIGOS WHERE CODIGO = 'A1'"), "5");
  EXPECT_EQ(Text("SELECT ARMENCCL FROM ARTARM WHERE ARTIGO = 'A''Q'"), "0.5");
  EXPECT_EQ(Text("SELECT \"convert\" FROM DOCGCCAB"), "0");
  lines = OrderLines({{2, 0, 0.5, "A'Q"}});
  HlpDb_DocOrigQuantidadesSet(headers, lines);
  EXPECT_EQ(Text("SELECT SUM(QUANT) FROM DOCGCLIN"), "0");
  EXPECT_EQ(Text("SELECT \"convert\" FROM DOCGCCAB"), "-1");
}

}  // namespace
}  // namespace pellora
