// The header of the documents an import makes, and the outcome of their creation.

#include <gtest/gtest.h>

#include "importacao/mov_importacao.h"
#include "runtime/convert.h"
#include "runtime/date.h"
#include "runtime/workstation.h"
#include "tests/importacao/import_fixtures.h"
#include "tests/importacao/lines_fixtures.h"

namespace pellora::testing {
namespace {

class HeaderTest : public ::testing::Test {
 protected:
  void SetUp() override { bench.Readings({Leitura{.terceiro = "C'1"}}); }
  Result Run(int32_t tipo) {
    import.SetCabTipoImportacao(tipo);
    import.SetCabTipoDocumento("FAC");
    import.SetCabSerie("A");
    import.SetCabSector("S9");
    import.SetCabData(DateFromParts({2025, 5, 6}));
    import.SetCabMoeda("EUR");
    import.SetCabIvaIncluido(true);
    return bench.Run(import);
  }
  LateBoundObject& cab() { return bench.host->last().header; }
  void WithOriginal(Variant feglnempresa, Variant docref) {
    bench.Readings({Leitura{.doc_orig_tipo = "ECL",
                            .doc_orig_serie = "A",
                            .doc_orig_numero = 5,
                            .doc_orig_ano = 2025}});
    bench.data->Answer(
        "FROM       [DOCGCCAB]",
        CabecalhoOriginal(DateFromParts({2025, 5, 1}), {{"MORADADSG", "Rua 1"},
                                                        {"LOCALCG", "Porto"},
                                                        {"VNUMDOC", "PO-77"},
                                                        {"VENDEDOR", Variant::Null()},
                                                        {"DOCREFNUMBER_ORIGINAL", docref},
                                                        {"FEGLNEMPRESA", feglnempresa}}));
    bench.data->Answer("FROM       [DOCGCLIN]", LinhasOriginais({{.quant = 5}}));
    bench.data->Answer("TIPODOC='ECL' AND NDOC", Linha({{"TIPODOC", "ECL"},
                                                        {"NDOC", 5.0},
                                                        {"SERIE", "A"},
                                                        {"ANO", 2025.0},
                                                        {"MATRICULA", "AA-00-BB"}}));
    bench.data->Answer(
        "TIPODOC='FAC' AND NDOC",
        Linha({{"TIPODOC", ""}, {"NDOC", 0.0}, {"SERIE", ""}, {"ANO", 0.0}, {"MATRICULA", ""}},
              false));
  }

  ImportBench bench;
  const WorkstationScope late_evening{{.clock = [] {
    return DateFromParts({2025, 5, 6, 23, 45, 10});
  }}};
  MovImportacao import;
};

TEST_F(HeaderTest, HeaderMembersComeFromTheImportProperties) {
  ASSERT_EQ(Run(TI_Compra).Tipo(), Sucesso);
  EXPECT_EQ(cab().Get("TipoDocumento"), Variant("FAC"));
  EXPECT_EQ(cab().Get("Terceiro"), Variant("C'1"));
  EXPECT_EQ(cab().Get("Data"), Variant("06-05-2025"));
  EXPECT_EQ(cab().Get("DataCarga"), Variant("06-05-2025"));
  EXPECT_EQ(cab().Get("HoraCarga"), Variant("00:15"));  // 30 minutes on, past midnight
  EXPECT_EQ(cab().Get("IvaIncluido"), Variant(static_cast<int16_t>(-1)));
  EXPECT_EQ(cab().Get("Moeda"), Variant("EUR"));
  // Validated once by the header builder (answer unused) and once before insertion.
  EXPECT_EQ(bench.host->last().validar_calls, 2);
}

TEST_F(HeaderTest, SaleWithoutOriginalTakesDiscountAndSalesmanFromTheCustomer) {
  bench.data->Answer("FROM     CLIENTES", Linha({{"DESCCOMP", " 7.5 %"}, {"VENDEDOR", "V2"}}));
  Run(TI_Venda);
  EXPECT_EQ(cab().Get("DescontoCabecalho"), Variant(7.5));
  EXPECT_EQ(cab().Get("Vendedor"), Variant("V2"));
  EXPECT_EQ(bench.data->CallsWith("CODIGO='C''1'").size(), 1u);
}

TEST_F(HeaderTest, PurchaseTakesTheSupplierDiscountOnly) {
  bench.data->Answer("FROM     FORNEC", Linha({{"DESCCOM", "abc"}, {"VENDEDOR", "V2"}}));
  Run(TI_Compra);
  EXPECT_EQ(cab().Get("DescontoCabecalho"), Variant(0.0));
  EXPECT_TRUE(cab().Get("Vendedor").IsEmpty());
}

TEST_F(HeaderTest, TransferTakesTheLoadingPlaceFromTheSector) {
  bench.data->Answer("FROM     SECTORES", Linha({{"LOCALIDA", "Guimarães"}}));
  Run(TI_TransferenciasArm);
  EXPECT_EQ(cab().Get("LocalCarga"), Variant("Guimarães"));
  EXPECT_EQ(bench.data->CallsWith("WHERE   CODIGO='S9' ").size(), 1u);
}

TEST_F(HeaderTest, OriginalHeaderIsCopiedAndTheCustomerIsNotRead) {
  WithOriginal("", "");
  ASSERT_EQ(Run(TI_Venda).Tipo(), Sucesso) << bench.host->last().ultima_mensagem;
  EXPECT_EQ(cab().Get("MoradaDescarga"), Variant("Rua 1"));
  EXPECT_EQ(cab().Get("LocalCarga"), Variant("Porto"));
  EXPECT_EQ(cab().Get("VossoNoDocumento"), Variant("PO-77"));
  EXPECT_TRUE(cab().Get("Vendedor").IsNull());
  EXPECT_EQ(cab().Get("DocRefNumberOriginal"), Variant(""));
  EXPECT_TRUE(bench.data->CallsWith("CLIENTES").empty());
}

TEST_F(HeaderTest, ElectronicInvoiceOriginalReferencesItsNumber) {
  WithOriginal("5600000000000", Variant::Null());
  Run(TI_Venda);
  EXPECT_EQ(cab().Get("DocRefNumberOriginal"), Variant("PO-77"));
  EXPECT_EQ(cab().Get("DocRefNumberCodeOriginal"), Variant(static_cast<int16_t>(1)));
}

TEST_F(HeaderTest, FreeFieldsOfTheOriginalAreSavedUnderTheNewKey) {
  WithOriginal("", "");
  bench.host->configure = [](FakeDocument& document) { document.numero_dado = 31; };
  const Result result = Run(TI_Venda);
  ASSERT_EQ(result.Tipo(), Sucesso) << result.Mensagem();
  ASSERT_TRUE(bench.data->saved);
  Recordset& saved = *bench.data->saved;
  saved.MoveLast();
  EXPECT_EQ(CStr(saved["TIPODOC"].Value()), "FAC");
  EXPECT_EQ(CLng(saved["NDOC"].Value()), 31);
  EXPECT_EQ(CStr(saved["MATRICULA"].Value()), "AA-00-BB");
}

// A sale into an order series is made with origin 3; other kinds keep origin 1.
TEST_F(HeaderTest, OrderSeriesGivesOriginThreeToSalesOnly) {
  bench.data->Answer("FROM     NOMSERIE", Linha({{"ORIGEM", 1.0}}));
  for (const auto& [tipo, origem] : {std::pair{TI_Venda, 3}, std::pair{TI_TransferenciasArm, 1}}) {
    Run(tipo);
    EXPECT_EQ(bench.host->last().origem, origem) << tipo;
  }
  EXPECT_EQ(bench.data->CallsWith("WHERE   TIPODOC='FAC' and SERIE='A' ").size(), 3u);
}

TEST_F(HeaderTest, DocumentWithoutLinesIsNotCreated) {
  bench.Readings({Leitura{.quantidade = 0}});  // an article read with no quantity
  const Result result = Run(TI_Compra);
  EXPECT_EQ(result.Tipo(), Sucesso);
  EXPECT_EQ(result.Mensagem(), "Não foi necessário criar documento FAC-A");
  EXPECT_EQ(bench.host->last().inserir_calls, 0);
}

TEST_F(HeaderTest, HostRefusalOnInsertComesBackAsTheResult) {
  bench.host->configure = [](FakeDocument& document) {
    document.inserir_answer = 2;
    document.ultima_mensagem = "Série fechada";
  };
  const Result result = Run(TI_Compra);
  EXPECT_EQ(result.Tipo(), Erro);
  EXPECT_EQ(result.ErroNum(), 0);
  EXPECT_EQ(result.Mensagem(), "Série fechada");
}

}  // namespace
}  // namespace pellora::testing
