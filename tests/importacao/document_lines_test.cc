// The lines, lots and serial entries that sales, purchases and transfers put on the document.

#include <gtest/gtest.h>

#include "importacao/mov_importacao.h"
#include "runtime/date.h"
#include "runtime/error.h"
#include "tests/importacao/import_fixtures.h"
#include "tests/importacao/lines_fixtures.h"

namespace pellora::testing {
namespace {

class DocumentLinesTest : public ::testing::Test {
 protected:
  Result Run(int32_t tipo) {
    import.SetCabTipoImportacao(tipo);
    import.SetCabTipoDocumento("FAC");
    import.SetCabSerie("A");
    import.SetCabData(DateFromParts({2025, 5, 6}));
    return bench.Run(import);
  }
  FakeDocument& documento() { return bench.host->last(); }
  LateBoundObject& linha(size_t numero) { return *documento().lines.at(numero - 1); }
  // Readings that refer to the order ECL-A-5-2025 of 1 May 2025 with these lines.
  void Original(const std::vector<LinhaOriginal>& linhas) {
    bench.data->Answer("FROM       [DOCGCCAB]", CabecalhoOriginal(DateFromParts({2025, 5, 1})));
    bench.data->Answer("FROM       [DOCGCLIN]", originais = LinhasOriginais(linhas));
  }
  static Leitura DaEncomenda(int32_t numero, double quantidade, std::string artigo = "A1") {
    return Leitura{.artigo = artigo,
                   .quantidade = quantidade,
                   .doc_orig_tipo = "ECL",
                   .doc_orig_serie = "A",
                   .doc_orig_numero = numero,
                   .doc_orig_ano = 2025};
  }

  ImportBench bench;
  MovImportacao import;
  RecordsetPtr originais;
};

TEST_F(DocumentLinesTest, SerialReadingsOfOneLineJoinItAndOthersMakeALineEach) {
  bench.Readings({Leitura{.pr_venda = 3.0, .numero_serie = "S1"},
                  Leitura{.pr_venda = 3.0, .numero_serie = "S2"}, Leitura{}, Leitura{}});
  ASSERT_EQ(Run(TI_Venda).Tipo(), Sucesso);
  ASSERT_EQ(documento().lines.size(), 3u);
  EXPECT_EQ(Numero(linha(1), "Quantidade"), 2);
  EXPECT_EQ(Numero(linha(1), "PrecoUnitario"), 3);
  EXPECT_EQ(linha(1).Get("EcotaxaProcessada"), Variant(true));
  EXPECT_EQ(Numero(linha(2), "Quantidade"), 1);
  EXPECT_EQ(Numero(linha(3), "Quantidade"), 1);
  ASSERT_EQ(documento().serials.size(), 2u);
  EXPECT_EQ(Numero(*documento().serials[1], "NumeroLinhaDocComercial"), 1);
  EXPECT_EQ(Texto(documento().serials[1]->Object("campos"), "Noserie"), "S2");
}

TEST_F(DocumentLinesTest, ArticleWithoutQuantityMakesNothingButALineWithoutArticleDoes) {
  ReadingsWith(
      bench,
      {Leitura{.quantidade = 0}, Leitura{.artigo = "", .quantidade = 0}, Leitura{.artigo = "A2"}},
      {{3, "Quantidade", Variant::Null()}});
  ASSERT_EQ(Run(TI_Venda).Tipo(), Sucesso);
  ASSERT_EQ(documento().lines.size(), 1u);
  EXPECT_EQ(Texto(linha(1), "Artigo"), "");
}

TEST_F(DocumentLinesTest, PackingUnitGivesTheLineFactorAndMultipliesTheLot) {
  bench.data->Answer("FROM     ARTIGOS",
                     Tabela({"CODIGO", "UNEMB", "FACTEMB", "UNTRANS", "FACTTRA"},
                            {{"A'1", "CX", 12.0, "PAL", 0.0}}));
  bench.Readings({Leitura{.artigo = "A'1", .unidade = "cx", .quantidade = 2, .nosso_lote = "L1"}});
  ASSERT_EQ(Run(TI_Venda).Tipo(), Sucesso);
  EXPECT_EQ(Numero(linha(1), "Factor"), 12);
  EXPECT_EQ(Numero(*documento().lots.at(0), "QuantidadeMovimentada"), 24);
  EXPECT_EQ(bench.data->CallsWith("CODIGO='A''1'").size(), 1u);
  // A purchase-only field stays unset on a sale.
  EXPECT_TRUE(documento().lots[0]->Object("campos").Get("DATAVALIDADE").IsEmpty());
}

TEST_F(DocumentLinesTest, ReadingLargerThanItsOriginalLineIsPlacedInTwoLines) {
  Original({{.numlinha = 1, .quant = 6}});
  bench.Readings({DaEncomenda(5, 10)});
  ASSERT_EQ(Run(TI_Venda).Tipo(), Sucesso);
  ASSERT_EQ(documento().lines.size(), 3u);
  // The whole sale of a larger reading checks the split itself; here, what the original gives.
  EXPECT_EQ(Numero(linha(1), "Quantidade"), 0);
  EXPECT_EQ(Numero(linha(2), "OrNum"), 5);
  EXPECT_EQ(Texto(linha(2), "Descricao"), "Caixa");
  EXPECT_EQ(Numero(linha(2), "TaxaDesconto"), 10);
  EXPECT_EQ(Numero(linha(3), "PrecoUnitario"), 2.5);
  originais->MoveFirst();
  EXPECT_EQ(CDbl((*originais)["QUANT"].Value()), 0);
}

TEST_F(DocumentLinesTest, EveryFurtherOriginalGetsASeparatorAndItsDescription) {
  Original({{.numlinha = 1, .quant = 9}});
  bench.Readings({DaEncomenda(5, 1), DaEncomenda(6, 1)});
  ASSERT_EQ(Run(TI_Venda).Tipo(), Sucesso);
  ASSERT_EQ(documento().lines.size(), 5u);
  EXPECT_EQ(Texto(linha(3), "Artigo"), "");
  EXPECT_EQ(Texto(linha(3), "Descricao"), "");
  EXPECT_EQ(Texto(linha(4), "Descricao"), "ECL-A-6-2025 em 01-05-2025");
  EXPECT_EQ(Numero(linha(5), "OrNum"), 6);
}

// A line without article against a used-up original line takes its whole quantity at once
// instead of being placed again and again.
TEST_F(DocumentLinesTest, LineWithoutArticleAgainstAUsedUpOriginalLineEnds) {
  Original({{.numlinha = 1, .quant = 0, .descr = "Nota"}});
  bench.Readings({DaEncomenda(5, 2, "")});
  ASSERT_EQ(Run(TI_Venda).Tipo(), Sucesso);
  ASSERT_EQ(documento().lines.size(), 2u);
  EXPECT_EQ(Texto(linha(2), "Descricao"), "Nota");
  EXPECT_EQ(Numero(linha(2), "Quantidade"), 2);
}

TEST_F(DocumentLinesTest, ReadingOfALineTheOriginalDoesNotHaveStopsTheImport) {
  Original({{.numlinha = 1, .quant = 6}});
  Leitura leitura = DaEncomenda(5, 1);
  leitura.numero_linha = 9;
  bench.Readings({leitura});
  const Result result = Run(TI_Venda);
  EXPECT_EQ(result.Tipo(), Erro);
  EXPECT_EQ(result.ErroNum(), kAdoNoCurrentRecord);
  EXPECT_EQ(result.Mensagem(),
            "A linha 9 do documento original ECL-A-5-2025 não existe (leitura do artigo A1).");
  EXPECT_EQ(documento().inserir_calls, 0);
  EXPECT_TRUE(bench.Marks().empty());
}

TEST_F(DocumentLinesTest, TransferConsumesOriginalLinesAtTheComputedPrice) {
  Original({{.numlinha = 1, .quant = 6}, {.numlinha = 2, .quant = 3}});
  RecordsetPtr consumidas = LinhasOriginais({});
  bench.data->rules.insert(bench.data->rules.begin(), {"TPDOCUM='-1'", consumidas});
  Leitura leitura = DaEncomenda(5, 4);
  leitura.stock_arm = 5;
  leitura.stock_tot = 40.0;
  leitura.val_existencia = 100.0;
  bench.Readings({leitura});
  const Result r = Run(TI_TransferenciasArm);
  ASSERT_EQ(r.Tipo(), Sucesso) << r.Mensagem();
  EXPECT_EQ(Numero(linha(2), "PrecoUnitario"), 2.5);
  EXPECT_TRUE(linha(2).Get("OrDoc").IsEmpty());
  ASSERT_EQ(consumidas->RecordCount(), 2);
  consumidas->MoveFirst();
  EXPECT_EQ(CDbl((*consumidas)["QTDORIG"].Value()), 4);
  EXPECT_EQ(CDbl((*consumidas)["QUANT"].Value()), 2);
  EXPECT_TRUE((*consumidas)["IDLINDOC"].Value().IsNull());
  consumidas->MoveNext();
  EXPECT_EQ(CDbl((*consumidas)["QTDORIG"].Value()), 0);
}

}  // namespace
}  // namespace pellora::testing
