// Whole imports on a company with the host stand-in: the rows each one leaves behind, on the
// engine of the test program.

#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "importacao/mov_importacao.h"
#include "runtime/date.h"
#include "tests/failing_statements.h"
#include "tests/importacao/e2e_company.h"

namespace pellora::testing {

using Texts = std::vector<std::string>;

using E2eImport = ImportCompanyTest;

// The end of the transaction decides what the operator hears: a COMMIT that fails undoes the
// import and lets the company go at once, though the window that ran it stays open, and what
// committed is done even when the connection is lost right after.
TEST_F(E2eImport, TheCommitDecidesTheOutcomeAndNeverKeepsTheCompany) {
  Reading(1, "I", "P1", 7, ", PrecoUnitario", ", 2.5");
  Connect(std::make_shared<FailingStatements>("COMMIT"));
  EXPECT_EQ(Run(TI_InventarioInicial, "", "", false).Tipo(), Erro);
  EXPECT_EQ(States(), Texts{"0"});
  Exec("UPDATE oru_ARM_Picking_Movimentos SET Ordenaca = 2;");  // another workstation writes
  EXPECT_TRUE(Run(TI_InventarioInicial, "", "", false).IsSucesso());
  EXPECT_EQ(States(), Texts{"1"});

  Reading(2, "I", "P1", 3, ", PrecoUnitario", ", 2.5");
  Connect(std::make_shared<FailingStatements>());
  const Result result = Run(TI_InventarioInicial, "", "", false);
  EXPECT_TRUE(result.IsSucesso()) << result.Mensagem();
  EXPECT_EQ(States(), (Texts{"1", "1"}));
}

// A statement that fails while the readings are marked undoes the document already inserted.
TEST_F(E2eImport, AFailedMarkingUndoesTheDocument) {
  Reading(1, "I", "P1", 7, ", PrecoUnitario", ", 2.5");
  Connect(std::make_shared<FailingStatements>("UPDATE oru_ARM_Picking_Movimentos"));
  const Result result = Run(TI_InventarioInicial, "", "", false);
  EXPECT_TRUE(result.Mensagem().starts_with("Execute::Falha simulada em UPDATE"))
      << result.Mensagem();
  EXPECT_EQ(Value("SELECT COUNT(*) FROM DOCGCCAB WHERE TPDOC='INV'"), "0");
  EXPECT_EQ(States(), Texts{"0"});
}

TEST_F(E2eImport, SaleServesAnOrderWithALargerReading) {
  Reading(1, "S", "P1", 6, kOrderKey, kOrderValues);
  const Result result = Run(TI_Venda, "FAC", "");
  ASSERT_EQ(result.Tipo(), Sucesso) << result.Mensagem();
  EXPECT_EQ(result.Mensagem(), "Foi criado com sucesso o documento FAC-A-1-2026");
  EXPECT_EQ(Value("SELECT TERCEIRO, VNUMDOC, MORADADSG, DESCCAB FROM DOCGCCAB WHERE TPDOC='FAC'"),
            "C1|PO-9|Rua Nova|0");
  EXPECT_EQ(Rows("SELECT ARTIGO, QUANT, PRUNIT, ORDOC, LINORIG FROM DOCGCLIN WHERE "
                 "TPDOCUM='FAC' AND ARTIGO<>'' ORDER BY NUMLINHA"),
            (Texts{"P1|4|9|ECL|1", "P1|2|9|NULL|NULL"}));
  EXPECT_EQ(Value("SELECT DESCR FROM DOCGCLIN WHERE TPDOCUM='FAC' AND NUMLINHA=1"),
            "ECL-A-1-2026 em 01-12-2026");
  EXPECT_EQ(Value("SELECT MATRICULA FROM CLDOCGC WHERE TIPODOC='FAC'"), "AA-11-BB");
  EXPECT_EQ(Value("SELECT EXISTENC FROM ARTARM WHERE ARTIGO='P1' AND ARMAZEM='A1'"), "14");
  EXPECT_EQ(States(), Texts{"1"});
}

TEST_F(E2eImport, PurchaseWithLotAndExpiry) {
  Reading(1, "E", "L1", 5, ", NossoLote, DataValidade, Tpterc, Terceiro",
          ", 'LT1', '20270131', 1, 'F1'");
  const Result result = Run(TI_Compra, "VFA", "");
  ASSERT_EQ(result.Tipo(), Sucesso) << result.Mensagem();
  EXPECT_EQ(Value("SELECT TERCEIRO, DESCCAB FROM DOCGCCAB WHERE TPDOC='VFA'"), "F1|2.5");
  EXPECT_EQ(Value("SELECT QUANT, PRUNIT FROM DOCGCLIN WHERE TPDOCUM='VFA'"), "5|3");
  EXPECT_EQ(
      Value("SELECT LOTE, VOSSOLOTE, FORNECEDOR, substr(CAST(DATAVAL AS TEXT), 1, 10), QUANT FROM "
            "LOTESMOV"),
      "LT1|VL|F1|2027-01-31|5");
  EXPECT_EQ(Value("SELECT EXISTENC FROM ARTARM WHERE ARTIGO='L1' AND ARMAZEM='A1'"), "15");
  EXPECT_EQ(States(), Texts{"1"});
}

TEST_F(E2eImport, TransferSettlesTheOrderItServes) {
  Reading(1, "T", "P1", 4, kOrderKey, kOrderValues);
  const Result result = Run(TI_TransferenciasArm, "TRA", "A2");
  ASSERT_EQ(result.Tipo(), Sucesso) << result.Mensagem();
  EXPECT_EQ(Value("SELECT TIPOPRECO, LOCALCG FROM DOCGCCAB WHERE TPDOC='TRA'"), "6|NULL");
  EXPECT_EQ(Value("SELECT QUANT FROM DOCGCLIN WHERE TPDOCUM='ECL'"), "0");
  EXPECT_EQ(Value("SELECT \"convert\" FROM DOCGCCAB WHERE TPDOC='ECL'"), "-1");
  EXPECT_EQ(Value("SELECT TOTENCCL FROM ARTIGOS WHERE CODIGO='P1'"), "0");
  EXPECT_EQ(Rows("SELECT ARMAZEM, EXISTENC FROM ARTARM WHERE ARTIGO='P1' ORDER BY ARMAZEM"),
            (Texts{"A1|16", "A2|14"}));
  EXPECT_EQ(States(), Texts{"1"});
}

TEST_F(E2eImport, CreditNoteReportsTheReminder) {
  Reading(1, "E", "P1", 1, ", Tpterc, Terceiro", ", 2, 'C1'");
  const Result result = Run(TI_Venda, "NCR", "");
  ASSERT_EQ(result.Tipo(), Sucesso) << result.Mensagem();
  EXPECT_EQ(result.Mensagem(),
            "Foi criado com sucesso o documento NCR-A-1-2026\r\n Na Nota de Crédito deve "
            "preencher os campos que referenciam o documento retificativo.");
  EXPECT_EQ(Value("SELECT REFERENCIA, MOTIVO, VENDEDOR, DESCCAB FROM DOCGCCAB WHERE TPDOC='NCR'"),
            "Deve indicar a referencia à fatura rectificada.|Indicar o motivo de crédito.|V1|5");
}

TEST_F(E2eImport, HostRefusalComesBackAndLeavesTheReadingsPending) {
  Reading(1, "S", "P1", 1, ", Tpterc, Terceiro", ", 2, 'ZZ'");
  const Result result = Run(TI_Venda, "FAC", "");
  EXPECT_EQ(result.Tipo(), Erro);
  EXPECT_EQ(result.Mensagem(), "O cliente ZZ não existe.");
  EXPECT_EQ(Value("SELECT COUNT(*) FROM DOCGCCAB WHERE TPDOC='FAC'"), "0");
  EXPECT_EQ(States(), Texts{"0"});
}

TEST_F(E2eImport, InitialInventoryWithoutPricesListsTenReadings) {
  for (int line = 1; line <= 12; ++line) {
    Reading(line, "I", "P1", 1, ", PrecoUnitario", ", 0");
  }
  const Result result = Run(TI_InventarioInicial, "", "");
  EXPECT_EQ(result.Tipo(), Erro);
  EXPECT_TRUE(result.Mensagem().starts_with(
      "Erro na Validação do Conjunto de Leituras.\r\n\r\nArtigo: P1 na linha: 1 não tem "
      "Preço Unitário (ou está inválido).\r\n"));
  EXPECT_NE(result.Mensagem().find("linha: 10 não"), std::string::npos);
  EXPECT_EQ(result.Mensagem().find("linha: 11 não"), std::string::npos);
  EXPECT_TRUE(result.Mensagem().ends_with(
      "\r\n\r\nExistem mais 2 artigos sem Preço Unitário (ou inválido)!"));
  EXPECT_EQ(Value("SELECT COUNT(*) FROM DOCGCCAB WHERE TPDOC='INV'"), "0");
}

// The inventory's series, sector and third party are the parameters', whatever the header says.
TEST_F(E2eImport, InitialInventoryEntersTheCountedStock) {
  Exec(
      "INSERT INTO NOMSERIE (TIPODOC, SERIE, DESCR) VALUES ('INV', 'B', 'Série B');"
      "UPDATE oru_PARAMETROSEXP SET INVENTSER = 'B';");
  Reading(1, "I", "L1", 7, ", PrecoUnitario", ", 2.5");
  const Result result = Run(TI_InventarioInicial, "", "");
  ASSERT_EQ(result.Tipo(), Sucesso) << result.Mensagem();
  EXPECT_EQ(Value("SELECT SERIE, SECTOR, TERCEIRO FROM DOCGCCAB WHERE TPDOC='INV'"), "B|S1|S1");
  EXPECT_EQ(Value("SELECT QUANT, PRUNIT FROM DOCGCLIN WHERE TPDOCUM='INV'"), "7|2.5");
  EXPECT_EQ(Value("SELECT EXISTENC FROM ARTARM WHERE ARTIGO='L1' AND ARMAZEM='A1'"), "17");
}

TEST_F(E2eImport, AdjustmentMakesBreakageSurplusAndFinalDocuments) {
  Exec("UPDATE ARTARM SET EXISTENC = -3 WHERE ARTIGO='P1' AND ARMAZEM='A2';");
  Reading(1, "A", "P1", 18);
  Reading(2, "A", "P1", 2);
  Exec("UPDATE oru_ARM_Picking_Movimentos SET Armazem='A2' WHERE NumeroLinha=2;");
  const Result result = Run(TI_AcertoInventario, "", "");
  ASSERT_EQ(result.Tipo(), Sucesso) << result.Mensagem();
  EXPECT_EQ(
      Rows("SELECT TPDOC, NNUMDOC, substr(CAST(DATA AS TEXT), 1, 10) FROM DOCGCCAB WHERE TPDOC IN "
           "('QUE', 'SOB') ORDER BY TPDOC, NNUMDOC"),
      (Texts{"QUE|1|2026-12-04", "SOB|1|2026-12-04", "SOB|2|2026-12-05"}));
  EXPECT_EQ(Value("SELECT ARMAZEM, QUANT FROM DOCGCLIN WHERE TPDOCUM='QUE'"), "A1|20");
  EXPECT_EQ(Value("SELECT ARMAZEM, QUANT FROM DOCGCLIN WHERE TPDOCUM='SOB' AND NNUMDOC=1"), "A2|3");
  EXPECT_EQ(result.Mensagem(),
            "Foi criado com sucesso o documento QUE-A-1-2026\r\n"
            "Foi criado com sucesso o documento SOB-A-1-2026\r\n"
            "Foi criado com sucesso o documento SOB-A-2-2026");
  EXPECT_EQ(States(), (Texts{"1", "1"}));
}

TEST_F(E2eImport, CancellingMarksTheReadingsFive) {
  Reading(1, "S", "P1", 1);
  Reading(2, "S", "P1", 2);
  const Result result = Run(TI_AnularPicagens, "", "");
  EXPECT_EQ(result.Mensagem(), "Anulação de Picagens terminou com êxito.");
  EXPECT_EQ(States(), (Texts{"5", "5"}));
  EXPECT_EQ(Value("SELECT COUNT(*) FROM DOCGCCAB"), "1");  // the order only
}

// Lot entries carry the line's quantity in the base unit: a box of 12 and a pallet of 720 move
// as many units of lot stock as of article stock, whatever the document; an adjustment's lines
// are in the base unit themselves.
TEST_F(E2eImport, LotsInPackingAndTransportUnitsMoveTheStockOfTheirLines) {
  Exec(
      "UPDATE ARTIGOS SET UNEMB='CX', FACTEMB=12, UNTRANS='PAL', FACTTRA=720 "
      "WHERE CODIGO='L1';");
  auto run = [&](int32_t tipo, const std::string& documento, const std::string& terceiro) {
    const Result result = Run(tipo, documento, terceiro, tipo == TI_Compra);
    ASSERT_EQ(result.Tipo(), Sucesso) << result.Mensagem();
  };
  Reading(1, "E", "L1", 2, ", NossoLote, Tpterc, Terceiro", ", 'LA', 1, 'F1'", "CX");
  run(TI_Compra, "VFA", "");
  Reading(2, "I", "L1", 1, ", NossoLote, PrecoUnitario", ", 'LB', 2.5", "PAL");
  run(TI_InventarioInicial, "", "");
  // Counted after both documents, so that no movement since the count changes the final line.
  Reading(3, "A", "L1", 3, ", NossoLote", ", 'LA'", "CX");
  Exec("UPDATE oru_ARM_Picking_Movimentos SET Data='20261205110000' WHERE NumeroLinha=3;");
  run(TI_AcertoInventario, "", "");
  EXPECT_EQ(Rows("SELECT TPDOCUM, QUANT, UNIDADE, FACTOR FROM DOCGCLIN WHERE TPDOCUM<>'ECL' "
                 "ORDER BY CASE TPDOCUM WHEN 'VFA' THEN 1 WHEN 'INV' THEN 2 WHEN 'QUE' THEN 3 "
                 "ELSE 4 END"),
            (Texts{"VFA|2|CX|12", "INV|1|PAL|720", "QUE|754|UN|1", "SOB|36|UN|1"}));
  EXPECT_EQ(Rows("SELECT TPDOC, LOTE, QUANT FROM LOTESMOV ORDER BY ID"),
            (Texts{"VFA|LA|24", "INV|LB|720", "QUE|LA|-754", "SOB|LA|36"}));
  // 10 units were in stock before any lot was recorded.
  EXPECT_EQ(Value("SELECT EXISTENC FROM ARTARM WHERE ARTIGO='L1' AND ARMAZEM='A1'"), "36");
  EXPECT_EQ(Value("SELECT SUM(QUANT) FROM LOTESMOV WHERE ARTIGO='L1' AND ARMAZEM='A1'"), "26");
}

// An adjustment counts in the article's base unit. Five boxes of 12 counted, with two boxes and
// 24 units entered since, leave 108 units; a later reading of the article in the same warehouse
// adds its own count and nothing more; the breakage writes the warehouse's stock off once, in
// units at the unit's price.
TEST_F(E2eImport, AdjustmentCountsInTheArticlesBaseUnit) {
  Exec("UPDATE ARTIGOS SET UNEMB='CX', FACTEMB=12, VLREXIST=312 WHERE CODIGO='P1';");
  Reading(1, "I", "P1", 2, ", PrecoUnitario", ", 2.5", "CX");
  Reading(2, "I", "P1", 24, ", PrecoUnitario", ", 2.5");
  ASSERT_EQ(Run(TI_InventarioInicial, "", "", false).Tipo(), Sucesso);
  // Counted at 09:15, before the inventory was entered.
  Reading(3, "A", "P1", 5, ", PrecoUnitario", ", 3", "CX");  // a price per unit
  Reading(4, "A", "L1", 10, ", NossoLote", ", 'LA'");
  Reading(5, "A", "P1", 24);
  const Result result = Run(TI_AcertoInventario, "", "", false);
  ASSERT_EQ(result.Tipo(), Sucesso) << result.Mensagem();
  EXPECT_EQ(Rows("SELECT TPDOCUM, ARTIGO, QUANT, UNIDADE, FACTOR, PRUNIT FROM DOCGCLIN "
                 "WHERE TPDOCUM IN ('QUE', 'SOB') ORDER BY TPDOCUM, NUMLINHA"),
            (Texts{"QUE|P1|68|UN|1|4", "QUE|L1|10|UN|1|3", "SOB|P1|108|UN|1|3", "SOB|L1|10|UN|1|3",
                   "SOB|P1|24|UN|1|4"}));
  EXPECT_EQ(Value("SELECT EXISTENC FROM ARTARM WHERE ARTIGO='P1' AND ARMAZEM='A1'"), "132");
}

// A surplus that cannot be made undoes the breakage document made before it: the company is as
// it was and the readings stay pending.
TEST_F(E2eImport, AFailedAdjustmentLeavesNoDocument) {
  Exec("INSERT INTO ARTARM (ARTIGO, ARMAZEM, EXISTENC) VALUES ('L1', 'A2', -3);");
  Reading(1, "A", "P1", 18);
  Reading(2, "A", "L1", 2, ", NossoLote", ", 'LA'");
  Exec("UPDATE oru_ARM_Picking_Movimentos SET Armazem='A2' WHERE NumeroLinha=2;");
  const std::vector<std::string> stock = Rows("SELECT * FROM ARTARM ORDER BY ARTIGO, ARMAZEM");
  const Result result = Run(TI_AcertoInventario, "", "", false);
  EXPECT_EQ(result.Tipo(), Erro);
  EXPECT_NE(result.Mensagem().find("Não é possivel fazer sobras para o artigo L1 no armazem A2. "
                                   "Necessita Lotes."),
            std::string::npos)
      << result.Mensagem();
  EXPECT_EQ(Value("SELECT COUNT(*) FROM DOCGCCAB WHERE TPDOC <> 'ECL'"), "0");
  EXPECT_EQ(Rows("SELECT * FROM ARTARM ORDER BY ARTIGO, ARMAZEM"), stock);
  EXPECT_EQ(States(), (Texts{"0", "0"}));
}

// The host numbers lines as 16-bit integers: an import that needs more lines is refused before
// any document is begun.
TEST_F(E2eImport, ADocumentBeyondTheLineLimitIsRefusedUpFront) {
  Exec(
      "INSERT INTO oru_ARM_Picking_Movimentos (TerminalId, DataSync, Data, NumeroLinha, TipoMov, "
      "Artigo, Unidade, Armazem, NumeroSerie, NossoLote, VossoLote, Quantidade, Ordenaca, "
      "PrecoUnitario) WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE "
      "i < 32768) SELECT 'T1', '20261205093000', '20261205091500', i, 'I', 'P1', 'UN', 'A1', "
      "'', 'L' || i, '', 1, i, 2 FROM n;");
  const Result result = Run(TI_InventarioInicial, "", "", false);
  EXPECT_EQ(result.Tipo(), Erro);
  EXPECT_EQ(result.Mensagem(),
            "O documento teria 32768 linhas; o máximo é 32767. Importe menos conjuntos de cada "
            "vez.");
  EXPECT_EQ(Value("SELECT COUNT(*) FROM DOCGCCAB WHERE TPDOC = 'INV'"), "0");
  EXPECT_EQ(Value("SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos WHERE Estado <> 0"), "0");
}

// The count follows the builders: a sale reading larger than what its order line has pending
// takes two lines, after its order's separator and description lines. 8,193 readings, each of
// its own order, three of them not larger, need one line more than a document may hold.
TEST_F(E2eImport, ReadingsThatSplitAcrossOrderLinesAreCountedUpFront) {
  auto each = [this](const std::string& insert, const std::string& select) {
    Exec(insert + " WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE " +
         "i < 8193) " + select + " FROM n;");
  };
  each("INSERT INTO DOCGCCAB (TPDOC, SERIE, ANO, NNUMDOC, DATA, TPTERC, TERCEIRO, AREAG, TPOPER)",
       "SELECT 'ECL', 'A', 2026, i + 1, '2026-12-01', 2, 'C1', 4, 2");
  each(
      "INSERT INTO DOCGCLIN (TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA, ORDENACA, ARTIGO, ARMAZEM, "
      "UNIDADE, QUANT, QTDORIG, PRUNIT)",
      "SELECT 'ECL', 'A', 2026, i + 1, i, i, 'P1', 'A1', 'UN', 1, 1, 9");
  each(
      "INSERT INTO oru_ARM_Picking_Movimentos (TerminalId, DataSync, Data, NumeroLinha, TipoMov, "
      "Artigo, Unidade, Armazem, NumeroSerie, VossoLote, Quantidade, Ordenaca, TpDoc, Serie, "
      "Numero, Ano, Tpterc, Terceiro)",
      "SELECT 'T1', '20261205093000', '20261205091500', i, 'S', 'P1', 'UN', 'A1', '', '', "
      "CASE WHEN i <= 3 THEN 1 ELSE 2 END, i, 'ECL', 'A', i + 1, 2026, 2, 'C1'");
  const Result result = Run(TI_Venda, "FAC", "", false);
  EXPECT_EQ(result.Mensagem(),
            "O documento teria 32768 linhas; o máximo é 32767. Importe menos conjuntos de cada "
            "vez.");
  EXPECT_EQ(Value("SELECT COUNT(*), SUM(QUANT) FROM DOCGCLIN"), "8194|8197");
  EXPECT_EQ(Value("SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos WHERE Estado <> 0"), "0");
}

// Another workstation imported the chosen readings after the operator chose them: the import
// finds nothing pending and makes no document.
TEST_F(E2eImport, ReadingsImportedElsewhereMakeNoDocument) {
  Reading(1, "I", "P1", 7, ", PrecoUnitario", ", 2.5");
  Reading(2, "S", "P1", 6, kOrderKey, kOrderValues);
  Reading(3, "A", "P1", 18);
  Reading(4, "T", "P1", 4);
  Exec("UPDATE oru_ARM_Picking_Movimentos SET Estado = 1;");
  const std::vector<std::string> before = Rows("SELECT COUNT(*) FROM DOCGCCAB");
  for (const auto& [tipo, documento, terceiro] :
       {std::tuple{TI_InventarioInicial, "", ""}, std::tuple{TI_Venda, "FAC", "C1"},
        std::tuple{TI_AcertoInventario, "", ""}, std::tuple{TI_TransferenciasArm, "TRA", "A2"}}) {
    const Result result = Run(tipo, documento, terceiro, tipo == TI_Venda);
    EXPECT_NE(result.Mensagem().find("Não foi necessário criar documento"), std::string::npos)
        << tipo << ": " << result.Mensagem();
    EXPECT_EQ(Rows("SELECT COUNT(*) FROM DOCGCCAB"), before) << tipo;
  }
}

}  // namespace pellora::testing
