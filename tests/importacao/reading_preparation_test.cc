// The original document of the readings, the key list, the third party and computed prices.

#include <string>

#include <gtest/gtest.h>

#include "importacao/mov_importacao.h"
#include "runtime/convert.h"
#include "tests/importacao/import_fixtures.h"

namespace pellora::testing {
namespace {

class PreparationTest : public ::testing::Test {
 protected:
  // Runs the import and gives the readings' PrUnitCalculado as the loader's recordset holds it.
  double ComputedPrice(int32_t tipo, const Leitura& leitura) {
    RecordsetPtr leituras = Leituras({leitura});
    bench.data->Answer("oru_ARM_Picking_Movimentos] AS MO", leituras);
    bench.Run(tipo);
    leituras->MoveFirst();
    return CDbl(leituras->Fields("PrUnitCalculado").Value());
  }

  ImportBench bench;
};

// The computed price of each kind: a purchase's last price and a sale's price in the unit read
// (the transport unit wins over the packing unit, a factor of zero counting as one); an
// adjustment's and a transfer's stock value per unit of total stock, zero without stock (for a
// transfer, without stock in the warehouse).
TEST_F(PreparationTest, ComputedPriceOfEachKind) {
  const struct {
    int32_t tipo;
    Leitura leitura;
    double price;
  } cases[] = {
      {TI_Compra,
       Leitura{.unidade = "cx", .ultprcbr = 2.5, .un_embalagem = "CX", .factor_embalagem = 6.0},
       15},
      {TI_Venda,
       Leitura{.unidade = "PAL",
               .pr_venda = 3.0,
               .un_embalagem = "PAL",
               .factor_embalagem = 6.0,
               .un_transporte = "pal",
               .factor_transporte = 0.0},
       3},
      {TI_AcertoInventario, Leitura{.stock_tot = 40.0, .val_existencia = 100.0}, 2.5},
      {TI_AcertoInventario, Leitura{.stock_tot = 0.0, .val_existencia = 100.0}, 0},
      {TI_TransferenciasArm, Leitura{.stock_arm = 2, .stock_tot = 50.0, .val_existencia = 100.0},
       2},
      {TI_TransferenciasArm, Leitura{.stock_arm = 0, .stock_tot = 50.0, .val_existencia = 100.0},
       0},
  };
  for (const auto& given : cases) {
    SCOPED_TRACE(given.tipo);
    EXPECT_DOUBLE_EQ(ComputedPrice(given.tipo, given.leitura), given.price);
  }
}

TEST_F(PreparationTest, TwoOriginalsLoadTheFirstAndListBothKeysOnce) {
  auto original = [](int32_t numero, int32_t linha) {
    return Leitura{.numero_linha = linha,
                   .doc_orig_tipo = "ECL",
                   .doc_orig_serie = "A",
                   .doc_orig_numero = numero,
                   .doc_orig_ano = 2025};
  };
  bench.Readings({original(7, 1), original(7, 2), original(9, 3)});
  bench.data->Answer("FROM       [DOCGCCAB]", Linha({{"TPDOC", "ECL"}}, false));
  const Result result = bench.Run(TI_Venda);
  EXPECT_EQ(result.Mensagem(),
            "Erro na Preparação do Conjunto de Leituras.\r\nDocumento Original não existe. "
            "Tipo ECL Numero 7 Série A Ano 2025");
  EXPECT_EQ(bench.data->CallsWith("[DOCGCCAB]").size(), 1u);
  EXPECT_TRUE(bench.host->documents.empty());
  EXPECT_TRUE(bench.Marks().empty());
}

TEST_F(PreparationTest, OriginalWithoutLinesFails) {
  bench.Readings({Leitura{
      .doc_orig_tipo = "ECL", .doc_orig_serie = "A", .doc_orig_numero = 7, .doc_orig_ano = 2025}});
  bench.data->Answer("FROM       [DOCGCCAB]", Linha({{"TPDOC", "ECL"}}));
  EXPECT_EQ(bench.Run(TI_Compra).Mensagem(),
            "Erro na Preparação do Conjunto de Leituras.\r\nDocumento Original não tem linhas. "
            "Tipo ECL Numero 7 Série A Ano 2025");
}

TEST_F(PreparationTest, ThirdPartyComesFromTheFirstReadingAsIs) {
  bench.Readings({Leitura{.terceiro = "forn1"}});
  MovImportacao import;
  import.SetCabTipoImportacao(TI_Compra);
  import.SetCabTerceiro("OUTRO");
  bench.Run(import);
  EXPECT_EQ(bench.host->last().header.Get("Terceiro"), Variant("forn1"));
}

// The first reading's third party in upper case; none for a Null or no reading.
TEST(TerceiroGet, UpperCasesTheFirstReadingsThirdParty) {
  ImportBench bench;
  bench.Readings({Leitura{.terceiro = "cliénte"}});
  MovImportacao import;
  import.SetCabTipoImportacao(TI_Venda);
  EXPECT_EQ(import.TerceiroGet("T9", "2025"), "CLIÉNTE");
  EXPECT_EQ(bench.data->CallsWith("'T9'").size(), 1u);
  bench.Readings({Leitura{.terceiro = Variant::Null()}});
  EXPECT_EQ(import.TerceiroGet("T1", "1"), "");
  bench.Readings({});
  EXPECT_EQ(import.TerceiroGet("T1", "1"), "");
}

}  // namespace
}  // namespace pellora::testing
