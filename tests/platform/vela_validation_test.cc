#include <gtest/gtest.h>

#include "tests/platform/vela_test_company.h"

namespace pellora::vela {
namespace {

using VelaValidationTest = VelaCompanyTest;

TEST_F(VelaValidationTest, AcceptsACompleteDocument) {
  auto sale = NewDocument("FAC", "C1");
  const int32_t line = AddLine(*sale, "S1", "A1", 1);
  AddLine(*sale, "", "", 0);
  AddSerial(*sale, line, "S1", "A1", "SN1");
  EXPECT_EQ(sale->Validar(), 0) << sale->UltimaMensagem();
  EXPECT_EQ(sale->UltimaMensagem(), "");
}

TEST_F(VelaValidationTest, RefusesAnUnknownTypeSeriesOrDate) {
  auto document = NewDocument("ZZZ", "C1");
  EXPECT_NE(document->Validar(), 0);
  EXPECT_EQ(document->UltimaMensagem(), "O tipo de documento ZZZ não existe.");

  document = NewDocument("FAC", "C1");
  document->cab().Set("Serie", "B");
  EXPECT_NE(document->Validar(), 0);
  EXPECT_EQ(document->UltimaMensagem(), "A série B não existe para o tipo de documento FAC.");

  document = NewDocument("FAC", "C1");
  document->cab().Set("Data", "31-02-2026");
  EXPECT_NE(document->Validar(), 0);
  EXPECT_EQ(document->UltimaMensagem(), "A data do documento não é válida.");
}

TEST_F(VelaValidationTest, RefusesAThirdPartyOfTheWrongKind) {
  struct Case {
    const char* type;
    const char* third_party;
    const char* message;
  };
  const Case cases[] = {
      {"FAC", "F1", "O cliente F1 não existe."},
      {"VFA", "C1", "O fornecedor C1 não existe."},
      {"TRA", "A9", "O armazém de destino A9 não existe."},
  };
  for (const Case& c : cases) {
    auto document = NewDocument(c.type, c.third_party);
    EXPECT_NE(document->Validar(), 0) << c.type;
    EXPECT_EQ(document->UltimaMensagem(), c.message);
  }
  // A breakage document has no third party to check.
  EXPECT_EQ(NewDocument("QUE", "")->Validar(), 0);
}

TEST_F(VelaValidationTest, RefusesUnknownArticlesAndWarehouses) {
  auto document = NewDocument("FAC", "C1");
  AddLine(*document, "P1", "A1", 1);
  AddLine(*document, "XX", "A1", 1);
  EXPECT_NE(document->Validar(), 0);
  EXPECT_EQ(document->UltimaMensagem(), "Linha 2: o artigo XX não existe.");

  document = NewDocument("FAC", "C1");
  AddLine(*document, "P1", "A9", 1);
  EXPECT_NE(document->Validar(), 0);
  EXPECT_EQ(document->UltimaMensagem(), "Linha 1: o armazém A9 não existe.");
}

TEST_F(VelaValidationTest, RefusesEntriesTiedToNoLine) {
  auto document = NewDocument("VFA", "F1");
  AddLine(*document, "L1", "A1", 1);
  AddLot(*document, 2, "LT1", 1);
  EXPECT_NE(document->Validar(), 0);
  EXPECT_EQ(document->UltimaMensagem(),
            "O lote LT1 não está associado a nenhuma linha do documento.");

  document = NewDocument("VFA", "F1");
  AddLine(*document, "S1", "A1", 1);
  AddSerial(*document, 0, "S1", "A1", "SN9");
  EXPECT_NE(document->Validar(), 0);
  EXPECT_EQ(document->UltimaMensagem(),
            "O número de série SN9 não está associado a nenhuma linha do documento.");
}

TEST_F(VelaValidationTest, RefusesSerialNumbersLeavingAWarehouseWithoutThem) {
  auto sale = NewDocument("FAC", "C1");
  const int32_t line = AddLine(*sale, "S1", "A2", 1);
  AddSerial(*sale, line, "S1", "A2", "SN1");
  EXPECT_NE(sale->Validar(), 0);
  EXPECT_EQ(sale->UltimaMensagem(), "O número de série SN1 do artigo S1 não existe no armazém A2.");

  // An entry brings new serial numbers in.
  auto purchase = NewDocument("VFA", "F1");
  AddSerial(*purchase, AddLine(*purchase, "S1", "A2", 1), "S1", "A2", "SN3");
  EXPECT_EQ(purchase->Validar(), 0) << purchase->UltimaMensagem();
}

TEST_F(VelaValidationTest, InserirRefusesWhatValidarRefuses) {
  auto document = NewDocument("FAC", "C1");
  AddLine(*document, "P1", "A1", 1);
  ASSERT_EQ(document->Validar(), 0);
  Prepare("DELETE FROM ARTIGOS WHERE CODIGO = 'P1';");
  EXPECT_NE(document->Inserir(), 0);
  EXPECT_EQ(document->UltimaMensagem(), "Linha 1: o artigo P1 não existe.");
  EXPECT_EQ(Value("SELECT COUNT(*) FROM DOCGCCAB"), "0");
  EXPECT_TRUE(document->cab().Get("NossoNoDocumento").IsEmpty());
}

}  // namespace
}  // namespace pellora::vela
