#include <gtest/gtest.h>

#include <functional>

#include "runtime/error.h"
#include "tests/platform/vela_test_company.h"
#include "tests/runtime/error_number_of.h"

namespace pellora::vela {
namespace {

using VelaDocumentTest = VelaCompanyTest;

// A line's members as text joined by '|', a member never set as "-".
std::string Members(const LateBoundPtr& line, std::initializer_list<const char*> names) {
  std::string text;
  for (const char* name : names) {
    const Variant value = line->Get(name);
    text += (text.empty() ? "" : "|") + (value.IsEmpty() ? "-" : CStr(value));
  }
  return text;
}

TEST_F(VelaDocumentTest, SuggestsTheArticleValuesOfTheDocumentSide) {
  auto sale = NewDocument("FAC", "C1");
  LateBoundPtr line = NewLine();
  line->Set("Artigo", "p1");
  sale->SugereValoresLin(line);
  EXPECT_EQ(Members(line, {"Descricao", "Unidade", "Factor", "TaxaIva", "PrecoUnitario",
                           "PrecoUnitarioIntroduzido"}),
            "Parafuso|UN|1|23|10|10");
  sale->cab().Set("IvaIncluido", int16_t{-1});
  sale->SugereValoresLin(line);
  EXPECT_EQ(CStr(line->Get("PrecoUnitario")), "12,3");
  NewDocument("VFA", "F1")->SugereValoresLin(line);
  EXPECT_EQ(CStr(line->Get("PrecoUnitario")), "6");
}

TEST_F(VelaDocumentTest, LeavesTextLinesAndUnknownArticlesAsTheyAre) {
  LateBoundPtr text_line = NewLine();
  text_line->Set("Artigo", "");
  LateBoundPtr unknown = NewLine();
  unknown->Set("Artigo", "XX");
  unknown->Set("Descricao", "mantém");
  for (const LateBoundPtr& line : {text_line, unknown})
    NewDocument("FAC", "C1")->SugereValoresLin(line);
  EXPECT_EQ(Members(text_line, {"Descricao", "PrecoUnitario"}), "-|-");
  EXPECT_EQ(Members(unknown, {"Descricao", "Unidade"}), "mantém|-");
}

TEST_F(VelaDocumentTest, NumbersLinesInTheOrderTheyAreAdded) {
  auto document = NewDocument("FAC", "C1");
  EXPECT_EQ(document->LinhasCount(), 0);
  EXPECT_EQ(AddLine(*document, "P1", "A1", 1), 1);
  EXPECT_EQ(AddLine(*document, "", "", 0), 2);
  EXPECT_EQ(document->LinhasCount(), 2);
  EXPECT_EQ(document->Linha(1)->Get("Artigo"), Variant("P1"));
  EXPECT_EQ(document->Linha(2)->Get("NumeroDaLinha"), Variant(int32_t{2}));
  for (int32_t missing : {0, 3}) {
    EXPECT_EQ(ErrorNumberOf([&] { document->Linha(missing); }), kSubscriptOutOfRange) << missing;
  }
}

TEST_F(VelaDocumentTest, HostObjectsKnowOnlyTheirMembers) {
  auto document = NewDocument("FAC", "C1");
  EXPECT_EQ(ErrorNumberOf([&] { document->cab().Set("Desconhecido", 1); }), kMemberNotFound);
  EXPECT_THROW(NewLine()->Get("Lote"), Error);
  EXPECT_THROW(NewLot()->Object("campos").Set("Noserie", "X"), Error);
  EXPECT_NO_THROW(NewSerial()->Object("campos").Set("Noserie", "X"));
}

// Each document the host refuses, made from a type and a third party, and the reason given.
TEST_F(VelaDocumentTest, RefusesEachDocumentNamingWhy) {
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

TEST_F(VelaDocumentTest, InserirRefusesWhatValidarRefuses) {
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
