#include <gtest/gtest.h>

#include "runtime/error.h"
#include "tests/platform/vela_test_company.h"
#include "tests/runtime/error_number_of.h"

namespace pellora::vela {
namespace {

using VelaLineDefaultsTest = VelaCompanyTest;

// A line's members as text joined by '|', a member never set as "-".
std::string Members(const LateBoundPtr& line, std::initializer_list<const char*> names) {
  std::string text;
  for (const char* name : names) {
    const Variant value = line->Get(name);
    text += (text.empty() ? "" : "|") + (value.IsEmpty() ? "-" : CStr(value));
  }
  return text;
}

TEST_F(VelaLineDefaultsTest, SuggestsTheArticleValuesOfTheDocumentSide) {
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

TEST_F(VelaLineDefaultsTest, LeavesTextLinesAndUnknownArticlesAsTheyAre) {
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

using VelaDocumentLinesTest = VelaCompanyTest;

TEST_F(VelaDocumentLinesTest, NumbersLinesInTheOrderTheyAreAdded) {
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

TEST_F(VelaDocumentLinesTest, HostObjectsKnowOnlyTheirMembers) {
  auto document = NewDocument("FAC", "C1");
  EXPECT_EQ(ErrorNumberOf([&] { document->cab().Set("Desconhecido", 1); }), kMemberNotFound);
  EXPECT_THROW(NewLine()->Get("Lote"), Error);
  EXPECT_THROW(NewLot()->Object("campos").Set("Noserie", "X"), Error);
  EXPECT_NO_THROW(NewSerial()->Object("campos").Set("Noserie", "X"));
}

}  // namespace
}  // namespace pellora::vela
