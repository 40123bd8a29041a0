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
  // The header's members as text, joined by "|" (Empty as "-").
  std::string Members(std::initializer_list<const char*> names) {
    std::string texts;
    for (const char* name : names) {
      texts +=
          (texts.empty() ? "" : "|") + (cab().Get(name).IsEmpty() ? "-" : CStr(cab().Get(name)));
    }
    return texts;
  }
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

// Validated once by the header builder (answer unused) and once before insertion; loaded 30
// minutes on, past midnight.
TEST_F(HeaderTest, HeaderMembersComeFromTheImportProperties) {
  ASSERT_EQ(Run(TI_Compra).Tipo(), Sucesso);
  EXPECT_EQ(Members({"TipoDocumento", "Terceiro", "Data", "DataCarga", "HoraCarga", "IvaIncluido",
                     "Moeda"}),
            "FAC|C'1|06-05-2025|06-05-2025|00:15|-1|EUR");
  EXPECT_EQ(bench.host->last().validar_calls, 2);
}

// A sale takes discount and salesman from its customer, a purchase the discount alone from its
// supplier (a discount that is no number counting zero), a transfer the loading place from its
// sector.
TEST_F(HeaderTest, EachKindTakesItsDefaultsFromItsThirdPartyOrSector) {
  const struct {
    int32_t tipo;
    const char* table;
    RecordsetPtr row;
    const char* read;
    const char* members;
  } cases[] = {
      {TI_Venda, "FROM     CLIENTES", Linha({{"DESCCOMP", " 7.5 %"}, {"VENDEDOR", "V2"}}),
       "CODIGO='C''1'", "7,5|V2|-"},
      {TI_Compra, "FROM     FORNEC", Linha({{"DESCCOM", "abc"}, {"VENDEDOR", "V2"}}), "FORNEC",
       "0|-|-"},
      {TI_TransferenciasArm, "FROM     SECTORES", Linha({{"LOCALIDA", "Guimarães"}}),
       "WHERE   CODIGO='S9' ", "0|-|Guimarães"},
  };
  for (const auto& given : cases) {
    bench.data->Answer(given.table, given.row);
    Run(given.tipo);
    EXPECT_EQ(Members({"DescontoCabecalho", "Vendedor", "LocalCarga"}), given.members)
        << given.table;
    EXPECT_EQ(bench.data->CallsWith(given.read).size(), 1u) << given.table;
  }
}

TEST_F(HeaderTest, OriginalHeaderIsCopiedAndTheCustomerIsNotRead) {
  WithOriginal("", "");
  bench.host->configure = [](FakeDocument& document) { document.numero_dado = 31; };
  ASSERT_EQ(Run(TI_Venda).Tipo(), Sucesso) << bench.host->last().ultima_mensagem;
  EXPECT_EQ(Members({"MoradaDescarga", "LocalCarga", "VossoNoDocumento", "DocRefNumberOriginal"}),
            "Rua 1|Porto|PO-77|");
  EXPECT_TRUE(cab().Get("Vendedor").IsNull());
  EXPECT_TRUE(bench.data->CallsWith("CLIENTES").empty());
  // Its free fields are saved under the new key.
  ASSERT_TRUE(bench.data->saved);
  Recordset& saved = *bench.data->saved;
  saved.MoveLast();
  EXPECT_EQ(CStr(saved["TIPODOC"].Value()) + "|" + CStr(saved["NDOC"].Value()) + "|" +
                CStr(saved["MATRICULA"].Value()),
            "FAC|31|AA-00-BB");
}

TEST_F(HeaderTest, ElectronicInvoiceOriginalReferencesItsNumber) {
  WithOriginal("5600000000000", Variant::Null());
  Run(TI_Venda);
  EXPECT_EQ(Members({"DocRefNumberOriginal", "DocRefNumberCodeOriginal"}), "PO-77|1");
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
