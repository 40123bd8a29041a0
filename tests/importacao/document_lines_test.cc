// The lines, lots and serial entries that sales, purchases and transfers put on the document.

#include <gtest/gtest.h>

#include "importacao/mov_importacao.h"
#include "runtime/convert.h"
#include "runtime/date.h"
#include "runtime/error.h"
#include "tests/importacao/import_fixtures.h"
#include "tests/importacao/lines_fixtures.h"

namespace pellora::testing {
namespace {

using Texts = std::vector<std::string>;

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
  Texts Lines(const std::string& member) { return Members(documento().lines, member); }
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
  // A column of a recordset, row by row ("NULL" for Null).
  static Texts Column(Recordset& rows, const char* field) {
    Texts texts;
    for (rows.MoveFirst(); !rows.Eof(); rows.MoveNext()) {
      const Variant value = rows[field].Value();
      texts.push_back(value.IsNull() ? "NULL" : CStr(value));
    }
    return texts;
  }

  ImportBench bench;
  MovImportacao import;
  RecordsetPtr originais;
};

TEST_F(DocumentLinesTest, SerialReadingsOfOneLineJoinItAndOthersMakeALineEach) {
  bench.Readings({Leitura{.pr_venda = 3.0, .numero_serie = "S1"},
                  Leitura{.pr_venda = 3.0, .numero_serie = "S2"}, Leitura{}, Leitura{}});
  ASSERT_EQ(Run(TI_Venda).Tipo(), Sucesso);
  EXPECT_EQ(Lines("Quantidade"), (Texts{"2", "1", "1"}));
  EXPECT_EQ(Lines("PrecoUnitario").at(0), "3");
  EXPECT_EQ(documento().lines.at(0)->Get("EcotaxaProcessada"), Variant(true));
  EXPECT_EQ(Members(documento().serials, "NumeroLinhaDocComercial"), (Texts{"1", "1"}));
  EXPECT_EQ(Members(documento().serials, "campos.Noserie"), (Texts{"S1", "S2"}));
}

TEST_F(DocumentLinesTest, ArticleWithoutQuantityMakesNothingButALineWithoutArticleDoes) {
  ReadingsWith(
      bench,
      {Leitura{.quantidade = 0}, Leitura{.artigo = "", .quantidade = 0}, Leitura{.artigo = "A2"}},
      {{3, "Quantidade", Variant::Null()}});
  ASSERT_EQ(Run(TI_Venda).Tipo(), Sucesso);
  EXPECT_EQ(Lines("Artigo"), Texts{""});
}

TEST_F(DocumentLinesTest, PackingUnitGivesTheLineFactorAndMultipliesTheLot) {
  bench.data->Answer("FROM     ARTIGOS",
                     Tabela({"CODIGO", "UNEMB", "FACTEMB", "UNTRANS", "FACTTRA"},
                            {{"A'1", "CX", 12.0, "PAL", 0.0}}));
  bench.Readings({Leitura{.artigo = "A'1", .unidade = "cx", .quantidade = 2, .nosso_lote = "L1"}});
  ASSERT_EQ(Run(TI_Venda).Tipo(), Sucesso);
  EXPECT_EQ(Lines("Factor"), Texts{"12"});
  EXPECT_EQ(Members(documento().lots, "QuantidadeMovimentada"), Texts{"24"});
  EXPECT_EQ(bench.data->CallsWith("CODIGO='A''1'").size(), 1u);
  // A purchase-only field stays unset on a sale.
  EXPECT_TRUE(documento().lots[0]->Object("campos").Get("DATAVALIDADE").IsEmpty());
}

// The whole sale of a larger reading checks the split itself; here, what the original gives.
TEST_F(DocumentLinesTest, ReadingLargerThanItsOriginalLineIsPlacedInTwoLines) {
  Original({{.numlinha = 1, .quant = 6}});
  bench.Readings({DaEncomenda(5, 10)});
  ASSERT_EQ(Run(TI_Venda).Tipo(), Sucesso);
  EXPECT_EQ(Lines("Quantidade").at(0), "0");
  EXPECT_EQ(Lines("OrNum"), (Texts{"", "5", ""}));
  EXPECT_EQ(Lines("Descricao").at(1), "Caixa");
  EXPECT_EQ(Lines("TaxaDesconto").at(1), "10");
  EXPECT_EQ(Lines("PrecoUnitario").at(2), "2,5");
  EXPECT_EQ(Column(*originais, "QUANT"), Texts{"0"});
}

TEST_F(DocumentLinesTest, EveryFurtherOriginalGetsASeparatorAndItsDescription) {
  Original({{.numlinha = 1, .quant = 9}});
  bench.Readings({DaEncomenda(5, 1), DaEncomenda(6, 1)});
  ASSERT_EQ(Run(TI_Venda).Tipo(), Sucesso);
  EXPECT_EQ(Lines("Artigo").at(2), "");
  EXPECT_EQ(Lines("Descricao").at(2), "");
  EXPECT_EQ(Lines("Descricao").at(3), "ECL-A-6-2025 em 01-05-2025");
  EXPECT_EQ(Lines("OrNum").at(4), "6");
}

// A line without article against a used-up original line takes its whole quantity at once
// instead of being placed again and again.
TEST_F(DocumentLinesTest, LineWithoutArticleAgainstAUsedUpOriginalLineEnds) {
  Original({{.numlinha = 1, .quant = 0, .descr = "Nota"}});
  bench.Readings({DaEncomenda(5, 2, "")});
  ASSERT_EQ(Run(TI_Venda).Tipo(), Sucesso);
  EXPECT_EQ(Lines("Descricao").at(1), "Nota");
  EXPECT_EQ(Lines("Quantidade"), (Texts{"0", "2"}));
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
  EXPECT_EQ(Lines("PrecoUnitario").at(1), "2,5");
  EXPECT_TRUE(documento().lines.at(1)->Get("OrDoc").IsEmpty());
  EXPECT_EQ(Column(*consumidas, "QTDORIG"), (Texts{"4", "0"}));
  EXPECT_EQ(Column(*consumidas, "QUANT"), (Texts{"2", "3"}));
  EXPECT_EQ(Column(*consumidas, "IDLINDOC"), (Texts{"NULL", "NULL"}));
}

}  // namespace
}  // namespace pellora::testing
