// Unit price checks, the original document of the readings, the key list and computed prices.

#include <string>

#include <gtest/gtest.h>

#include "importacao/mov_importacao.h"
#include "runtime/convert.h"
#include "tests/importacao/import_fixtures.h"

namespace pellora::testing {
namespace {

std::string FaultLines(int count) {
  std::string lines;
  for (int i = 1; i <= count; ++i) {
    lines += "Artigo: A1 na linha: " + std::to_string(i) +
             " não tem Preço Unitário (ou está inválido).\r\n";
  }
  return lines;
}

Result InitialInventory(ImportBench& bench, int faulty) {
  std::vector<Leitura> leituras;
  for (int i = 1; i <= faulty; ++i) {
    leituras.push_back(Leitura{.numero_linha = i, .preco_unitario = 0.0});
  }
  leituras.push_back(Leitura{.numero_linha = 99, .preco_unitario = Variant::Null()});
  bench.Readings(leituras);
  MovImportacao import;
  import.SetCabTipoImportacao(TI_InventarioInicial);
  return bench.Run(import);
}

TEST(UnitPriceCheck, FifteenFaultsListTenAndCountTheRest) {
  ImportBench bench;
  const Result result = InitialInventory(bench, 15);
  EXPECT_EQ(result.Tipo(), Erro);
  EXPECT_EQ(result.Mensagem(),
            "Erro na Validação do Conjunto de Leituras.\r\n\r\n" + FaultLines(10) +
                "\r\n\r\nExistem mais 5 artigos sem Preço Unitário (ou inválido)!");
  EXPECT_TRUE(bench.host->documents.empty());
}

TEST(UnitPriceCheck, TenFaultsHaveNoClosingSentence) {
  ImportBench bench;
  EXPECT_EQ(InitialInventory(bench, 10).Mensagem(),
            "Erro na Validação do Conjunto de Leituras.\r\n\r\n" + FaultLines(10));
}

TEST(UnitPriceCheck, NullPricePasses) {
  ImportBench bench;
  EXPECT_EQ(InitialInventory(bench, 0).Tipo(), Sucesso);
}

class PreparationTest : public ::testing::Test {
 protected:
  // Runs the import and gives the readings' PrUnitCalculado as the loader's recordset holds it.
  double ComputedPrice(int32_t tipo, const Leitura& leitura) {
    RecordsetPtr leituras = Leituras({leitura});
    bench.data->Answer("oru_ARM_Picking_Movimentos] AS MO", leituras);
    MovImportacao import;
    import.SetCabTipoImportacao(tipo);
    bench.Run(import);
    leituras->MoveFirst();
    return CDbl(leituras->Fields("PrUnitCalculado").Value());
  }

  ImportBench bench;
};

TEST_F(PreparationTest, PurchasePriceInThePackingUnit) {
  EXPECT_DOUBLE_EQ(
      ComputedPrice(
          TI_Compra,
          Leitura{.unidade = "cx", .ultprcbr = 2.5, .un_embalagem = "CX", .factor_embalagem = 6.0}),
      15);
}

TEST_F(PreparationTest, TransportUnitWinsAndFactorZeroCountsAsOne) {
  EXPECT_DOUBLE_EQ(ComputedPrice(TI_Venda, Leitura{.unidade = "PAL",
                                                   .pr_venda = 3.0,
                                                   .un_embalagem = "PAL",
                                                   .factor_embalagem = 6.0,
                                                   .un_transporte = "pal",
                                                   .factor_transporte = 0.0}),
                   3);
}

TEST_F(PreparationTest, AdjustmentPriceIsStockValuePerUnit) {
  EXPECT_DOUBLE_EQ(
      ComputedPrice(TI_AcertoInventario, Leitura{.stock_tot = 40.0, .val_existencia = 100.0}), 2.5);
  EXPECT_DOUBLE_EQ(
      ComputedPrice(TI_AcertoInventario, Leitura{.stock_tot = 0.0, .val_existencia = 100.0}), 0);
}

TEST_F(PreparationTest, TransferTestsWarehouseStockButDividesByTotalStock) {
  EXPECT_DOUBLE_EQ(
      ComputedPrice(TI_TransferenciasArm,
                    Leitura{.stock_arm = 2, .stock_tot = 50.0, .val_existencia = 100.0}),
      2);
  EXPECT_DOUBLE_EQ(
      ComputedPrice(TI_TransferenciasArm,
                    Leitura{.stock_arm = 0, .stock_tot = 50.0, .val_existencia = 100.0}),
      0);
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
  MovImportacao import;
  import.SetCabTipoImportacao(TI_Venda);
  const Result result = bench.Run(import);
  EXPECT_NE(result.Mensagem().find("Documento Original não existe. Tipo ECL Numero 7 Série A Ano "
                                   "2025"),
            std::string::npos);
  EXPECT_EQ(bench.data->CallsWith("[DOCGCCAB]").size(), 1u);
}

TEST(OriginalKeys, NewListHasTheFourKeyFields) {
  MovImportacao import;
  RecordsetPtr chaves = import.LeitDocOriginaisBuid();
  ASSERT_EQ(chaves->FieldCount(), 4u);
  EXPECT_EQ(chaves->FieldDefAt(0).name, "Tipo");
  EXPECT_EQ(chaves->FieldDefAt(0).defined_size, 3);
  EXPECT_EQ(chaves->FieldDefAt(1).defined_size, 10);
  EXPECT_EQ(chaves->FieldDefAt(3).type, adInteger);
  EXPECT_TRUE(chaves->IsOpen());
  EXPECT_EQ(chaves->RecordCount(), 0);
}

TEST_F(PreparationTest, OriginalWithoutLinesFails) {
  bench.Readings({Leitura{
      .doc_orig_tipo = "ECL", .doc_orig_serie = "A", .doc_orig_numero = 7, .doc_orig_ano = 2025}});
  bench.data->Answer("FROM       [DOCGCCAB]", Linha({{"TPDOC", "ECL"}}));
  MovImportacao import;
  import.SetCabTipoImportacao(TI_Compra);
  EXPECT_EQ(bench.Run(import).Mensagem(),
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

TEST(TerceiroGet, UpperCasesTheFirstReadingsThirdParty) {
  ImportBench bench;
  bench.Readings({Leitura{.terceiro = "cliénte"}});
  MovImportacao import;
  import.SetCabTipoImportacao(TI_Venda);
  EXPECT_EQ(import.TerceiroGet("T9", "2025"), "CLIÉNTE");
  EXPECT_EQ(bench.data->CallsWith("'T9'").size(), 1u);
}

TEST(TerceiroGet, NullOrNoReadingGivesEmptyText) {
  ImportBench bench;
  bench.Readings({Leitura{.terceiro = Variant::Null()}});
  MovImportacao import;
  EXPECT_EQ(import.TerceiroGet("T1", "1"), "");
  bench.Readings({});
  EXPECT_EQ(import.TerceiroGet("T1", "1"), "");
}

}  // namespace
}  // namespace pellora::testing
