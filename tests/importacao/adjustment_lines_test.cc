// The lines of the inventory adjustment's breakage, surplus and final documents.

#include <gtest/gtest.h>

#include "importacao/mov_importacao.h"
#include "runtime/convert.h"
#include "runtime/date.h"
#include "tests/importacao/import_fixtures.h"
#include "tests/importacao/lines_fixtures.h"

namespace pellora::testing {
namespace {

using Texts = std::vector<std::string>;

class AdjustmentLinesTest : public ::testing::Test {
 protected:
  Result Run() {
    import.SetCabTipoImportacao(TI_AcertoInventario);
    import.SetCabData(DateFromParts({2025, 5, 6}));
    return bench.Run(import);
  }
  FakeDocument& documento(size_t n) { return *bench.host->documents.at(n); }
  Texts Types() {
    Texts types;
    for (const auto& document : bench.host->documents) {
      types.push_back(CStr(document->header.Get("TipoDocumento")));
    }
    return types;
  }
  void SeriesEmStock(int quantas) {
    std::vector<std::vector<Variant>> series;
    for (int n = 1; n <= quantas; ++n) series.push_back({"1", "A1", "N" + std::to_string(n)});
    bench.data->Answer("[NSEREXIS]", Tabela({"ARMAZEM", "ARTIGO", "NUMSER"}, series));
  }

  ImportBench bench;
  MovImportacao import;
};

TEST_F(AdjustmentLinesTest, BreakageWritesOffTheFirstSerialsInStock) {
  SeriesEmStock(5);
  bench.Readings({Leitura{.stock_arm = 2, .numero_serie = "X"}});
  ASSERT_EQ(Run().Tipo(), Sucesso);
  EXPECT_EQ(Members(documento(0).lines, "Quantidade"), Texts{"2"});
  EXPECT_EQ(Members(documento(0).serials, "campos.Noserie"), (Texts{"N1", "N2"}));
}

TEST_F(AdjustmentLinesTest, BreakageWithTooFewSerialsInStockFailsAndStops) {
  SeriesEmStock(2);
  bench.Readings({Leitura{.stock_arm = 3, .numero_serie = "X"}});
  const Result result = Run();
  EXPECT_EQ(result.Tipo(), Erro);
  EXPECT_EQ(result.ErroNum(), 0);
  EXPECT_EQ(result.Mensagem(),
            "Não existem numeros de série suficientes para quebrar o artigo A1 no armazem 1");
  EXPECT_EQ(Types(), Texts{"QBR"});
  EXPECT_EQ(Members(documento(0).lines, "Quantidade"), Texts{"3"});
  EXPECT_TRUE(documento(0).serials.empty());
}

// However its readings follow one another, with or without lot, an article's stock in a
// warehouse is written off once, with the lot of its first reading.
TEST_F(AdjustmentLinesTest, BreakageWritesOffEachArticleAndWarehouseOnce) {
  bench.Readings({Leitura{.stock_arm = 2}, Leitura{.stock_arm = 2},
                  Leitura{.artigo = "A2", .stock_arm = 1, .nosso_lote = "L2"},
                  Leitura{.stock_arm = 2, .nosso_lote = "L1"}, Leitura{.stock_arm = 2}});
  ASSERT_EQ(Run().Tipo(), Sucesso);
  EXPECT_EQ(Members(documento(0).lines, "Artigo"), (Texts{"A1", "A2"}));
  EXPECT_EQ(Members(documento(0).lines, "Quantidade"), (Texts{"2", "1"}));
  const auto& lots = documento(0).lots;
  EXPECT_EQ(Members(lots, "campos.CodigoLote"), Texts{"L2"});
  EXPECT_EQ(Members(lots, "campos.VossoLote"), Texts{"VL"});
  EXPECT_EQ(Members(lots, "NumeroLinhaDocComercial"), Texts{"2"});
}

TEST_F(AdjustmentLinesTest, SurplusOfSerialsOrLotsIsRefusedWithTheLastMessage) {
  const std::string sobras =
      "Não é possivel fazer sobras para o artigo A1 no armazem 1. Necessita ";
  const struct {
    std::string numero_serie;
    std::string nosso_lote;
    std::string mensagem;
  } casos[] = {{"", "L1", sobras + "Lotes."},
               {"S1", "", sobras + "Nº de Série."},
               {"S1", "L1", sobras + "Lotes."}};
  for (const auto& caso : casos) {
    ImportBench banco;
    banco.Readings({Leitura{
        .stock_arm = -4, .numero_serie = caso.numero_serie, .nosso_lote = caso.nosso_lote}});
    EXPECT_EQ(banco.Run(TI_AcertoInventario).Mensagem(), caso.mensagem);
    ASSERT_EQ(banco.host->documents.size(), 1u);
    EXPECT_EQ(CStr(banco.host->last().header.Get("TipoDocumento")), "SOB");
    EXPECT_EQ(Members(banco.host->last().lines, "Quantidade"), Texts{"4"});
  }
}

// The final line is the count less the movements since; its price the reading's, else the
// computed one, else the last purchase price.
TEST_F(AdjustmentLinesTest, FinalLineQuantityAndPrice) {
  ReadingsWith(
      bench,
      {Leitura{.quantidade = 5}, Leitura{.artigo = "A2", .quantidade = 5},
       Leitura{.artigo = "A3", .preco_unitario = Variant::Null()},
       Leitura{.artigo = "A4", .preco_unitario = 0.0, .stock_tot = 40.0, .val_existencia = 100.0}},
      {{1, "EntMaisSaidas", -7.0},
       {2, "EntMaisSaidas", -5.0},
       {3, "UltPrCom", 4.5},
       {1, "PrecoUnitario", 3.0}});
  ASSERT_EQ(Run().Tipo(), Sucesso);
  EXPECT_EQ(Types(), Texts{"SOB"});
  EXPECT_EQ(Members(documento(0).lines, "Artigo"), (Texts{"A1", "A3", "A4"}));
  EXPECT_EQ(Members(documento(0).lines, "Quantidade").at(0), "2");
  EXPECT_EQ(Members(documento(0).lines, "PrecoUnitario"), (Texts{"3", "4,5", "2,5"}));
}

// A serial reading joins the line before when its NumeroLinha is the Ordenaca of the reading
// before. Each serial reading is one unit: the movements since the count, which name no serial
// number, are not added to it.
TEST_F(AdjustmentLinesTest, FinalSerialReadingsJoinTheLineOfThePreviousOrder) {
  ReadingsWith(bench,
               {Leitura{.numero_serie = "S1"}, Leitura{.numero_serie = "S2"},
                Leitura{.numero_linha = 3, .numero_serie = "S3"}},
               {{1, "EntMaisSaidas", 4.0}, {2, "EntMaisSaidas", 0.0}, {3, "EntMaisSaidas", 0.0}});
  ASSERT_EQ(Run().Tipo(), Sucesso);
  EXPECT_EQ(Members(documento(0).lines, "Quantidade"), (Texts{"2", "1"}));
  EXPECT_EQ(Members(documento(0).serials, "NumeroLinhaDocComercial"), (Texts{"1", "1", "2"}));
}

}  // namespace
}  // namespace pellora::testing
