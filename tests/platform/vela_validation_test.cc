#include <functional>

#include <gtest/gtest.h>

#include "tests/platform/vela_test_company.h"

namespace pellora::vela {
namespace {

using VelaValidationTest = VelaCompanyTest;

// Each document the host refuses, made from a type and a third party, and the reason given.
TEST_F(VelaValidationTest, RefusesEachDocumentNamingWhy) {
  using Fill = std::function<void(VelaDocument&)>;
  const struct {
    const char* type;
    const char* third_party;
    Fill fill;
    const char* message;
  } cases[] = {
      {"ZZZ", "C1", [](VelaDocument&) {}, "O tipo de documento ZZZ não existe."},
      {"FAC", "C1", [](VelaDocument& d) { d.cab().Set("Serie", "B"); },
       "A série B não existe para o tipo de documento FAC."},
      {"FAC", "C1", [](VelaDocument& d) { d.cab().Set("Data", "31-02-2026"); },
       "A data do documento não é válida."},
      {"FAC", "F1", [](VelaDocument&) {}, "O cliente F1 não existe."},
      {"VFA", "C1", [](VelaDocument&) {}, "O fornecedor C1 não existe."},
      {"TRA", "A9", [](VelaDocument&) {}, "O armazém de destino A9 não existe."},
      {"FAC", "C1",
       [this](VelaDocument& d) {
         AddLine(d, "P1", "A1", 1);
         AddLine(d, "XX", "A1", 1);
       },
       "Linha 2: o artigo XX não existe."},
      {"FAC", "C1", [this](VelaDocument& d) { AddLine(d, "P1", "A9", 1); },
       "Linha 1: o armazém A9 não existe."},
      {"VFA", "F1",
       [this](VelaDocument& d) {
         AddLine(d, "L1", "A1", 1);
         AddLot(d, 2, "LT1", 1);
       },
       "O lote LT1 não está associado a nenhuma linha do documento."},
      {"VFA", "F1",
       [this](VelaDocument& d) {
         AddLine(d, "S1", "A1", 1);
         AddSerial(d, 0, "S1", "A1", "SN9");
       },
       "O número de série SN9 não está associado a nenhuma linha do documento."},
      {"FAC", "C1",
       [this](VelaDocument& d) { AddSerial(d, AddLine(d, "S1", "A2", 1), "S1", "A2", "SN1"); },
       "O número de série SN1 do artigo S1 não existe no armazém A2."},
  };
  for (const auto& refused : cases) {
    auto document = NewDocument(refused.type, refused.third_party);
    refused.fill(*document);
    EXPECT_NE(document->Validar(), 0) << refused.message;
    EXPECT_EQ(document->UltimaMensagem(), refused.message);
  }
}

TEST_F(VelaValidationTest, InserirRefusesWhatValidarRefuses) {
  auto document = NewDocument("FAC", "C1");
  AddLine(*document, "P1", "A1", 1);
  ASSERT_EQ(document->Validar(), 0);
  Prepare("DELETE FROM ARTIGOS WHERE CODIGO = 'P1';");
  EXPECT_NE(document->Inserir(), 0);
  EXPECT_EQ(document->UltimaMensagem(), "Linha 1: o artigo P1 não existe.");
  EXPECT_EQ(Row("SELECT COUNT(*) FROM DOCGCCAB"), "0");
  EXPECT_TRUE(document->cab().Get("NossoNoDocumento").IsEmpty());
}

}  // namespace
}  // namespace pellora::vela
