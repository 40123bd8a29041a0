// The import driver over a scripted data access and the fake host: prefixes of failed steps,
// headers from the parameters, marking of the readings and the adjustment's documents.

#include <gtest/gtest.h>

#include "importacao/mov_importacao.h"
#include "runtime/convert.h"
#include "runtime/date.h"
#include "runtime/error.h"
#include "tests/importacao/import_fixtures.h"

namespace pellora::testing {
namespace {

Date Dia(int year, int month, int day) {
  return DateFromParts({year, month, day});
}

// A failure while the readings load carries the step's prefix; one before the steps, Execute's.
TEST(ExecuteFailures, FailuresCarryTheirStepsPrefixAndKeepTheirNumber) {
  const struct {
    const char* fail_on;
    const char* message;
  } cases[] = {{"Picking_Movimentos", "Erro ao Ler Conjunto de Leituras.\r\nfalhou"},
               {"oru_PARAMETROSEXP", "Execute::falhou"}};
  for (const auto& given : cases) {
    SCOPED_TRACE(given.fail_on);
    ImportBench bench;
    bench.data->fail_with = Error(kDatabaseError, "SQLite", "falhou");
    bench.data->fail_on = given.fail_on;
    const Result result = bench.Run(TI_Venda);
    EXPECT_EQ(result.Tipo(), Erro);
    EXPECT_EQ(result.Mensagem(), given.message);
    EXPECT_EQ(result.ErroNum(), kDatabaseError);
  }
}

TEST(ExecuteFailures, FailedMarkingRollsBackAndReportsTheError) {
  ImportBench bench;
  bench.Readings({Leitura{}, Leitura{.numero_linha = 2}});
  bench.data->fail_with = Error(kDatabaseError, "SQLite", "disk I/O error");
  bench.data->fail_on = "NumeroLinha=2";
  const Result result = bench.Run(TI_Venda);
  EXPECT_EQ(result.Mensagem(), "Execute::disk I/O error");
  // The marking's own level, then the whole import's.
  EXPECT_EQ(bench.data->CallsWith("Transaction"),
            (std::vector<std::string>{"BeginTransaction", "BeginTransaction", "RollbackTransaction",
                                      "RollbackTransaction"}));
}

TEST(ExecuteMarking, SuccessfulSaleMarksEveryReadingInOneTransaction) {
  ImportBench bench;
  bench.Readings({Leitura{}, Leitura{.numero_linha = 2, .artigo = "A2"}});
  const Result result = bench.Run(TI_Venda);
  ASSERT_EQ(result.Tipo(), Sucesso) << result.Mensagem();
  const std::vector<std::string> marks = bench.Marks();
  ASSERT_EQ(marks.size(), 2u);
  EXPECT_NE(marks[0].find("SET      [Estado] = 1"), std::string::npos);
  EXPECT_NE(marks[1].find("NumeroLinha=2 "), std::string::npos);
  // The whole import is one transaction, taken before anything is read; the marking nests in it.
  EXPECT_EQ(bench.data->calls.front().member, "BeginTransaction");
  EXPECT_EQ(bench.data->CallsWith("Transaction"),
            (std::vector<std::string>{"BeginTransaction", "BeginTransaction", "CommitTransaction",
                                      "CommitTransaction"}));
}

// A document of several sets marks every reading it loaded, those of each set, in one statement.
TEST(ExecuteMarking, SaleOfSeveralSetsMarksThePendingReadingsOfEveryChosenSet) {
  ImportBench bench;
  bench.terminais = {"", "T1", "T2"};
  bench.conjuntos = {"", "S1", "S2"};
  bench.Readings({Leitura{}, Leitura{.numero_linha = 2, .artigo = "A2"}});
  ASSERT_EQ(bench.Run(TI_Venda).Tipo(), Sucesso);
  EXPECT_EQ(bench.Marks(),
            std::vector<std::string>{
                "ExecuteCommand: UPDATE   oru_ARM_Picking_Movimentos  \r\nSET      [Estado] = 1  "
                "\r\nWHERE    TerminalId in('T1','T2') AND DataSync in ('S1','S2') AND Estado = 0 "
                "\r\n"});
}

TEST(ExecuteMarking, RefusedDocumentLeavesTheReadingsPending) {
  ImportBench bench;
  bench.Readings({Leitura{}});
  bench.host->configure = [](FakeDocument& document) {
    document.validar_answer = 1;
    document.ultima_mensagem = "Terceiro inexistente";
  };
  const Result result = bench.Run(TI_Compra);
  EXPECT_EQ(result.Tipo(), Erro);
  EXPECT_EQ(result.Mensagem(), "Terceiro inexistente");
  EXPECT_TRUE(bench.Marks().empty());
  EXPECT_EQ(bench.data->CallsWith("Transaction"),
            (std::vector<std::string>{"BeginTransaction", "RollbackTransaction"}));
}

// Cancelling with nothing pending still succeeds, making no document.
TEST(ExecuteMarking, CancellingWithNothingPendingSucceeds) {
  ImportBench bench;
  bench.Readings({});
  const Result result = bench.Run(TI_AnularPicagens);
  EXPECT_EQ(result.Tipo(), Sucesso);
  EXPECT_EQ(result.Mensagem(), "Anulação de Picagens terminou com êxito.");
  EXPECT_TRUE(bench.host->documents.empty());
  EXPECT_TRUE(bench.Marks().empty());
}

TEST(ExecuteHeaders, InitialInventoryTakesItsHeaderFromTheParameters) {
  ImportBench bench;
  bench.Readings({Leitura{}});
  MovImportacao import;
  import.SetCabTipoImportacao(TI_InventarioInicial);
  import.SetCabTipoPreco(tpManual);
  ASSERT_EQ(bench.Run(import).Tipo(), Sucesso);
  LateBoundObject& cab = bench.host->last().header;
  EXPECT_EQ(cab.Get("TipoDocumento"), Variant("INV"));
  EXPECT_EQ(cab.Get("Serie"), Variant("1"));
  EXPECT_EQ(cab.Get("Sector"), Variant("S1"));
  EXPECT_EQ(cab.Get("Terceiro"), Variant("S1"));
  EXPECT_EQ(cab.Get("TipoPreco"), Variant(static_cast<int16_t>(tpDefault)));
}

TEST(ExecuteHeaders, NullParameterGivesAnEmptyHeaderField) {
  ImportBench bench;
  bench.data->rules.clear();
  bench.data->Answer("oru_PARAMETROSEXP", Linha({{"INVENTDOC", "INV"},
                                                 {"INVENTSER", Variant::Null()},
                                                 {"INVENTSEC", Variant::Null()}}));
  bench.Readings({Leitura{}});
  bench.Run(TI_InventarioInicial);
  ASSERT_FALSE(bench.host->documents.empty());
  EXPECT_EQ(bench.host->last().header.Get("Serie"), Variant(""));
  EXPECT_EQ(bench.host->last().header.Get("Sector"), Variant(""));
}

TEST(ExecuteHeaders, TransferUsesFloatingAverageCostAndAnEmptyConsumedLineSet) {
  ImportBench bench;
  bench.Readings({Leitura{}});
  MovImportacao import;
  import.SetCabTipoImportacao(TI_TransferenciasArm);
  import.SetCabTipoPreco(tpManual);
  ASSERT_EQ(bench.Run(import).Tipo(), Sucesso);
  EXPECT_EQ(bench.host->last().header.Get("TipoPreco"),
            Variant(static_cast<int16_t>(tpCustoMedioFlutuante)));
  EXPECT_EQ(bench.data->CallsWith("TPDOCUM='-1' AND NNUMDOC=-1 AND SERIE ='-1' AND ANO =-1").size(),
            1u);
}

class AdjustmentTest : public ::testing::Test {
 protected:
  void SetUp() override { import.SetCabTipoImportacao(TI_AcertoInventario); }
  Result Run(const std::vector<Leitura>& leituras) {
    bench.Readings(leituras);
    import.SetCabData(Dia(2025, 3, 1));
    return bench.Run(import);
  }
  std::vector<std::string> Types() const {
    std::vector<std::string> types;
    for (const auto& document : bench.host->documents) {
      types.push_back(CStr(document->header.Get("TipoDocumento")));
    }
    return types;
  }

  ImportBench bench;
  MovImportacao import;
};

TEST_F(AdjustmentTest, WithoutStockOnlyTheFinalDocumentIsMade) {
  const Result result = Run({Leitura{.quantidade = 3}});
  ASSERT_EQ(result.Tipo(), Sucesso) << result.Mensagem();
  EXPECT_EQ(Types(), std::vector<std::string>{"SOB"});
  EXPECT_EQ(result.Mensagem(), "\r\nFoi criado com sucesso o documento SOB-O-1-2025");
  EXPECT_EQ(bench.Marks().size(), 1u);
}

TEST_F(AdjustmentTest, FailedBreakageStopsTheLaterDocumentsAndMarksNothing) {
  bench.host->configure = [](FakeDocument& document) {
    document.inserir_answer = 3;
    document.ultima_mensagem = "Armazém bloqueado";
  };
  const Result result = Run({Leitura{.stock_arm = 5}, Leitura{.numero_linha = 2, .stock_arm = -1}});
  EXPECT_EQ(result.Mensagem(), "Armazém bloqueado");
  EXPECT_EQ(Types(), std::vector<std::string>{"QBR"});
  EXPECT_TRUE(bench.Marks().empty());
}

TEST_F(AdjustmentTest, NegativePriceIsRefusedButZeroPasses) {
  EXPECT_EQ(Run({Leitura{.preco_unitario = 0.0}}).Tipo(), Sucesso);
  EXPECT_EQ(Run({Leitura{.artigo = "NEG", .preco_unitario = -1.0}}).Mensagem(),
            "Artigo: NEG na linha: 1 não tem Preço Unitário (ou está inválido).\r\n");
}

}  // namespace
}  // namespace pellora::testing
