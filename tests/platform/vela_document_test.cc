#include <gtest/gtest.h>

#include "platform/vela/picking_api.h"
#include "runtime/error.h"
#include "tests/platform/vela_test_company.h"
#include "tests/runtime/error_number_of.h"

namespace pellora::vela {
namespace {

using VelaLineDefaultsTest = VelaCompanyTest;

TEST_F(VelaLineDefaultsTest, SuggestsTheArticleValuesOfTheDocumentSide) {
  auto sale = NewDocument("FAC", "C1");
  LateBoundPtr line = NewLine();
  line->Set("Artigo", "p1");
  sale->SugereValoresLin(line);
  EXPECT_EQ(line->Get("Descricao"), Variant("Parafuso"));
  EXPECT_EQ(line->Get("Unidade"), Variant("UN"));
  EXPECT_EQ(CDbl(line->Get("Factor")), 1);
  EXPECT_EQ(CDbl(line->Get("TaxaIva")), 23);
  EXPECT_EQ(CDbl(line->Get("PrecoUnitario")), 10);
  EXPECT_EQ(CDbl(line->Get("PrecoUnitarioIntroduzido")), 10);

  sale->cab().Set("IvaIncluido", int16_t{-1});
  sale->SugereValoresLin(line);
  EXPECT_DOUBLE_EQ(CDbl(line->Get("PrecoUnitario")), 12.3);

  auto purchase = NewDocument("VFA", "F1");
  purchase->SugereValoresLin(line);
  EXPECT_EQ(CDbl(line->Get("PrecoUnitario")), 6);
}

TEST_F(VelaLineDefaultsTest, LeavesTextLinesAndUnknownArticlesAsTheyAre) {
  auto sale = NewDocument("FAC", "C1");
  LateBoundPtr text_line = NewLine();
  text_line->Set("Artigo", "");
  sale->SugereValoresLin(text_line);
  LateBoundPtr unknown = NewLine();
  unknown->Set("Artigo", "XX");
  unknown->Set("Descricao", "mantém");
  sale->SugereValoresLin(unknown);
  EXPECT_TRUE(text_line->Get("Descricao").IsEmpty());
  EXPECT_TRUE(text_line->Get("PrecoUnitario").IsEmpty());
  EXPECT_EQ(unknown->Get("Descricao"), Variant("mantém"));
  EXPECT_TRUE(unknown->Get("Unidade").IsEmpty());
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

TEST_F(VelaDocumentLinesTest, KnowsCreditNotesByTheirType) {
  EXPECT_TRUE(NewDocument("NCR", "C1")->IsNotaCredito());
  EXPECT_FALSE(NewDocument("FAC", "C1")->IsNotaCredito());
  EXPECT_FALSE(NewDocument("ZZZ", "C1")->IsNotaCredito());
}

using VelaPickingApiTest = VelaCompanyTest;

// The API logs in with an existing configuration file and makes documents only while logged in
// with a data access.
TEST_F(VelaPickingApiTest, MakesDocumentsOnlyWhenLoggedInWithADataAccess) {
  VelaPickingApi api;
  api.SetIdentificadorAplicacao("PELLORA");
  EXPECT_FALSE(api.Login((folder_ / "PICKING.NADA").string()));
  const std::string file = (folder_ / "PICKING.EMP1").string();
  std::ofstream(file) << "[Api Vela]\nLogin=operador\npassword=x\nEmpresa=EMP1\n";
  EXPECT_THROW(api.NovoDocumento(), Error);
  ASSERT_TRUE(api.Login(file));
  EXPECT_EQ(api.user() + "|" + api.company(), "operador|EMP1");
  EXPECT_THROW(api.NovoDocumento(), Error);
  api.SetDataAccess(data_);
  HostDocumentPtr document = api.NovoDocumento();
  document->cab().Set("TipoDocumento", "FAC");
  LateBoundPtr line = api.NovaLinha();
  line->Set("Artigo", "P1");
  document->SugereValoresLin(line);
  EXPECT_EQ(line->Get("Descricao"), Variant("Parafuso"));
  api.Logout();
  EXPECT_THROW(api.NovoDocumento(), Error);
}

}  // namespace
}  // namespace pellora::vela
