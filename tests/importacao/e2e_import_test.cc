// Whole imports on a company with the host stand-in: the rows each one leaves behind, on the
// engine of the test program.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "importacao/mov_importacao.h"
#include "tests/company_test.h"
#include "tests/failing_statements.h"

namespace pellora::testing {

using E2eImport = ImportCompanyTest;

// The end of the transaction decides what the operator hears: a COMMIT that fails undoes the
// import and lets the company go at once, though the window that ran it stays open, and what
// committed is done even when the connection is lost right after.
TEST_F(E2eImport, TheCommitDecidesTheOutcomeAndNeverKeepsTheCompany) {
  const std::string states = "SELECT Estado FROM oru_ARM_Picking_Movimentos ORDER BY Id";
  Reading({1, "I", "P1", 7, ", PrecoUnitario", ", 2.5"});
  Connect(std::make_shared<FailingStatements>("COMMIT"));
  EXPECT_EQ(Run(kInventory).Tipo(), Erro);
  EXPECT_EQ(Rows(states), Texts{"0"});
  Exec("UPDATE oru_ARM_Picking_Movimentos SET Ordenaca = 2;");  // another workstation writes
  EXPECT_TRUE(Run(kInventory).IsSucesso());
  EXPECT_EQ(Rows(states), Texts{"1"});

  Reading({2, "I", "P1", 3, ", PrecoUnitario", ", 2.5"});
  Connect(std::make_shared<FailingStatements>());
  EXPECT_TRUE(Run(kInventory).IsSucesso());
  EXPECT_EQ(Rows(states), (Texts{"1", "1"}));
}

TEST_F(E2eImport, InitialInventoryWithoutPricesListsTenReadings) {
  for (int line = 1; line <= 12; ++line) {
    Reading({line, "I", "P1", 1, ", PrecoUnitario, NossoLote",
             ", 0, 'L" + std::to_string(line + 10) + "'"});
  }
  std::string listed = "Erro na Validação do Conjunto de Leituras.\r\n\r\n";
  for (int line = 1; line <= 10; ++line) {
    listed += "Artigo: P1 na linha: " + std::to_string(line) +
              " não tem Preço Unitário (ou está inválido).\r\n";
  }
  EXPECT_EQ(Run(kInventory).Mensagem(),
            listed + "\r\n\r\nExistem mais 2 artigos sem Preço Unitário (ou inválido)!");
  EXPECT_EQ(Rows("SELECT COUNT(*) FROM DOCGCCAB WHERE TPDOC='INV'"), Texts{"0"});
}

// Lot entries carry the line's quantity in the base unit: a box of 12 and a pallet of 720 move
// as many units of lot stock as of article stock, whatever the document; an adjustment's lines
// are in the base unit themselves.
TEST_F(E2eImport, LotsInPackingAndTransportUnitsMoveTheStockOfTheirLines) {
  Exec(
      "UPDATE ARTIGOS SET UNEMB='CX', FACTEMB=12, UNTRANS='PAL', FACTTRA=720 "
      "WHERE CODIGO='L1';");
  Reading({1, "E", "L1", 2, ", NossoLote, Tpterc, Terceiro", ", 'LA', 1, 'F1'", "CX"});
  ASSERT_TRUE(Run(kPurchase).IsSucesso());
  Reading({2, "I", "L1", 1, ", NossoLote, PrecoUnitario", ", 'LB', 2.5", "PAL"});
  ASSERT_TRUE(Run(kInventory).IsSucesso());
  // Counted after both documents, so that no movement since the count changes the final line.
  Reading({3, "A", "L1", 3, ", NossoLote", ", 'LA'", "CX"});
  Exec("UPDATE oru_ARM_Picking_Movimentos SET Data='20261205110000' WHERE NumeroLinha=3;");
  ASSERT_TRUE(Run(kAdjustment).IsSucesso());
  EXPECT_EQ(Rows("SELECT TPDOCUM, QUANT, UNIDADE, FACTOR FROM DOCGCLIN WHERE TPDOCUM<>'ECL' "
                 "ORDER BY CASE TPDOCUM WHEN 'VFA' THEN 1 WHEN 'INV' THEN 2 WHEN 'QUE' THEN 3 "
                 "ELSE 4 END"),
            (Texts{"VFA|2|CX|12", "INV|1|PAL|720", "QUE|754|UN|1", "SOB|36|UN|1"}));
  EXPECT_EQ(Rows("SELECT TPDOC, LOTE, QUANT FROM LOTESMOV ORDER BY ID"),
            (Texts{"VFA|LA|24", "INV|LB|720", "QUE|LA|-754", "SOB|LA|36"}));
  // 10 units were in stock before any lot was recorded.
  EXPECT_EQ(Rows("SELECT EXISTENC, (SELECT SUM(QUANT) FROM LOTESMOV WHERE ARTIGO='L1' AND "
                 "ARMAZEM='A1') FROM ARTARM WHERE ARTIGO='L1' AND ARMAZEM='A1'"),
            Texts{"36|26"});
}

// An adjustment counts in the article's base unit. Five boxes of 12 counted, with two boxes and
// 24 units entered since, leave 108 units; a later reading of the article in the same warehouse
// adds its own count and nothing more; the breakage writes the warehouse's stock off once, in
// units at the unit's price.
TEST_F(E2eImport, AdjustmentCountsInTheArticlesBaseUnit) {
  Exec("UPDATE ARTIGOS SET UNEMB='CX', FACTEMB=12, VLREXIST=312 WHERE CODIGO='P1';");
  Reading({1, "I", "P1", 2, ", PrecoUnitario", ", 2.5", "CX"});
  Reading({2, "I", "P1", 24, ", PrecoUnitario", ", 2.5"});
  ASSERT_TRUE(Run(kInventory).IsSucesso());
  // Counted at 09:15, before the inventory was entered.
  Reading({3, "A", "P1", 5, ", PrecoUnitario", ", 3", "CX"});  // a price per unit
  Reading({4, "A", "L1", 10, ", NossoLote", ", 'LA'"});
  Reading({5, "A", "P1", 24});
  ASSERT_TRUE(Run(kAdjustment).IsSucesso());
  EXPECT_EQ(Rows("SELECT TPDOCUM, ARTIGO, QUANT, UNIDADE, FACTOR, PRUNIT FROM DOCGCLIN "
                 "WHERE TPDOCUM IN ('QUE', 'SOB') ORDER BY TPDOCUM, NUMLINHA"),
            (Texts{"QUE|P1|68|UN|1|4", "QUE|L1|10|UN|1|3", "SOB|P1|108|UN|1|3", "SOB|L1|10|UN|1|3",
                   "SOB|P1|24|UN|1|4"}));
  EXPECT_EQ(Rows("SELECT EXISTENC FROM ARTARM WHERE ARTIGO='P1' AND ARMAZEM='A1'"), Texts{"132"});
}

// Another workstation imported the chosen readings after the operator chose them: the import
// finds nothing pending and makes no document.
TEST_F(E2eImport, ReadingsImportedElsewhereMakeNoDocument) {
  Reading({1, "I", "P1", 7, ", PrecoUnitario", ", 2.5"});
  Reading({2, "S", "P1", 6, kOrderKey, kOrderValues});
  Reading({3, "A", "P1", 18});
  Reading({4, "T", "P1", 4});
  Exec("UPDATE oru_ARM_Picking_Movimentos SET Estado = 1;");
  const std::vector<std::string> before = Rows("SELECT COUNT(*) FROM DOCGCCAB");
  for (const Kind& kind : {kInventory, Kind{TI_Venda, "FAC", "C1"}, kAdjustment, kTransfer}) {
    const Result result = Run(kind);
    EXPECT_NE(result.Mensagem().find("Não foi necessário criar documento"), std::string::npos)
        << kind.tipo << ": " << result.Mensagem();
    EXPECT_EQ(Rows("SELECT COUNT(*) FROM DOCGCCAB"), before) << kind.tipo;
  }
}

// The third party of a view's import is the first reading's, in upper case.
TEST_F(E2eImport, TheProposedThirdPartyIsTheFirstReadingsInUpperCase) {
  Reading({1, "S", "P1", 1, ", Tpterc, Terceiro", ", 2, 'cliénte'"});
  MovImportacao import;
  import.SetCabTipoImportacao(TI_Venda);
  EXPECT_EQ(import.TerceiroGet("T1", "20261205093000"), "CLIÉNTE");
}

// One import on the company: its kind, its readings, statements run once they are in, the
// message it ends with (none: it succeeds; ending in "...": its start), the rows queries give
// afterwards and a statement that fails (none: ""). An import that fails leaves the documents
// and the stock as they were and every reading pending; one that succeeds marks every reading.
// A constructor rather than an aggregate: the table below builds rows with parentheses, which
// not every compiler the suite is built with takes for an aggregate.
struct ImportCase {
  ImportCase(const char* name, Kind kind, std::vector<Picked> readings, std::string setup,
             std::string outcome, std::vector<std::pair<std::string, Texts>> checks = {},
             const char* fail_on = "")
      : name(name),
        kind(kind),
        readings(std::move(readings)),
        setup(std::move(setup)),
        outcome(std::move(outcome)),
        checks(std::move(checks)),
        fail_on(fail_on) {}
  const char* name;
  Kind kind;
  std::vector<Picked> readings;
  std::string setup, outcome;
  std::vector<std::pair<std::string, Texts>> checks;
  const char* fail_on;
};
void PrintTo(const ImportCase& given, std::ostream* os) {
  *os << given.name;
}

constexpr char kCustomer[] = ", Tpterc, Terceiro";
constexpr char kC1[] = ", 2, 'C1'";
constexpr char kSaleLines[] =
    "SELECT ARTIGO, DESCR, QUANT, ORNUM FROM DOCGCLIN WHERE TPDOCUM='FAC' ORDER BY NUMLINHA";
constexpr char kAdjustmentLines[] =
    "SELECT TPDOCUM, ARTIGO, QUANT, PRUNIT FROM DOCGCLIN WHERE TPDOCUM IN ('QUE', 'SOB') ORDER BY "
    "TPDOCUM, NNUMDOC, NUMLINHA";
constexpr char kPrice[] = ", PrecoUnitario";
constexpr char kSecondInA2[] =
    "UPDATE oru_ARM_Picking_Movimentos SET Armazem='A2' WHERE NumeroLinha=2;";
constexpr char kLineLimit[] =
    "O documento teria 32768 linhas; o máximo é 32767. Importe menos conjuntos de cada vez.";

// `insert` of the rows `select` gives for each i from 1 to n.
std::string ForEach(int n, const std::string& insert, const std::string& select) {
  return insert + " WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
         std::to_string(n) + ") " + select + " FROM n;";
}

// Customer order ECL-A-n-2026 of C1 without lines, the reading values that name it, one line.
std::string Order(int n) {
  return "INSERT INTO DOCGCCAB (TPDOC, SERIE, ANO, NNUMDOC, DATA, TPTERC, TERCEIRO, AREAG, "
         "TPOPER) VALUES ('ECL', 'A', 2026, " +
         std::to_string(n) + ", '2026-12-02', 2, 'C1', 4, 2);";
}
std::string OrderValues(int n) {
  return ", 'ECL', 'A', " + std::to_string(n) + ", 2026, 2, 'C1'";
}
std::string OrderLine(int n, int line, const std::string& article_descr_quantity) {
  return "INSERT INTO DOCGCLIN (TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA, ORDENACA, ARMAZEM, "
         "UNIDADE, PRUNIT, ARTIGO, DESCR, QUANT, QTDORIG) VALUES ('ECL', 'A', 2026, " +
         std::to_string(n) + ", " + std::to_string(line) + ", " + std::to_string(line) +
         ", 'A1', 'UN', 9, " + article_descr_quantity + ");";
}
// Article N1 with `stock` units in A1 and the serial numbers given in stock.
std::string SerialArticle(int stock, const std::string& serials = "") {
  return "INSERT INTO ARTIGOS (CODIGO, NOME, UNIDADE, STDISP, VLREXIST) VALUES ('N1', 'Número', "
         "'UN', 2, 20); INSERT INTO ARTARM (ARTIGO, ARMAZEM, EXISTENC) VALUES ('N1', 'A1', " +
         std::to_string(stock) + ");" +
         (serials.empty() ? ""
                          : "INSERT INTO NSEREXIS (ARTIGO, ARMAZEM, NUMSER) VALUES " + serials);
}

const ImportCase kImportCases[] = {
    ImportCase("SaleServesAnOrderWithALargerReading", kSale,
               {{1, "S", "P1", 6, kOrderKey, kOrderValues}}, "",
               "Foi criado com sucesso o documento FAC-A-1-2026",
               {{"SELECT TERCEIRO, VNUMDOC, MORADADSG, DESCCAB FROM DOCGCCAB WHERE TPDOC='FAC'",
                 {"C1|PO-9|Rua Nova|0"}},
                {"SELECT ARTIGO, DESCR, QUANT, PRUNIT, TXDESC, ORDOC, LINORIG FROM DOCGCLIN WHERE "
                 "TPDOCUM='FAC' ORDER BY NUMLINHA",
                 {"|ECL-A-1-2026 em 01-12-2026|0|0|0|NULL|NULL", "P1|Parafuso|4|9|10|ECL|1",
                  "P1|Parafuso|2|9|10|NULL|NULL"}},
                {"SELECT MATRICULA FROM CLDOCGC WHERE TIPODOC='FAC'", {"AA-11-BB"}},
                {"SELECT EXISTENC FROM ARTARM WHERE ARTIGO='P1' AND ARMAZEM='A1'", {"14"}}}),
    ImportCase(
        "TransferSettlesTheOrderItServes", kTransfer, {{1, "T", "P1", 4, kOrderKey, kOrderValues}},
        "", "",
        {{"SELECT TIPOPRECO, LOCALCG FROM DOCGCCAB WHERE TPDOC='TRA'", {"6|NULL"}},
         {"SELECT QUANT, \"convert\" FROM DOCGCLIN JOIN DOCGCCAB ON TPDOC=TPDOCUM WHERE "
          "TPDOC='ECL'",
          {"0|-1"}},
         {"SELECT PRUNIT, ORDOC FROM DOCGCLIN WHERE TPDOCUM='TRA' AND ARTIGO<>''", {"4|NULL"}},
         {"SELECT TOTENCCL FROM ARTIGOS WHERE CODIGO='P1'", {"0"}},
         {"SELECT ARMAZEM, EXISTENC FROM ARTARM WHERE ARTIGO='P1' ORDER BY ARMAZEM",
          {"A1|16", "A2|14"}}}),
    ImportCase(
        "AdjustmentMakesBreakageSurplusAndFinalDocuments", kAdjustment,
        {{1, "A", "P1", 18}, {2, "A", "P1", 2}},
        std::string("UPDATE ARTARM SET EXISTENC = -3 WHERE ARTIGO='P1' AND ARMAZEM='A2';") +
            kSecondInA2,
        "Foi criado com sucesso o documento QUE-A-1-2026\r\nFoi criado com sucesso o documento "
        "SOB-A-1-2026\r\nFoi criado com sucesso o documento SOB-A-2-2026",
        {{"SELECT TPDOC, NNUMDOC, substr(CAST(DATA AS TEXT), 1, 10) FROM DOCGCCAB WHERE TPDOC IN "
          "('QUE', 'SOB') ORDER BY TPDOC, NNUMDOC",
          {"QUE|1|2026-12-04", "SOB|1|2026-12-04", "SOB|2|2026-12-05"}},
         {"SELECT ARMAZEM, QUANT FROM DOCGCLIN WHERE TPDOCUM='QUE' OR (TPDOCUM='SOB' AND "
          "NNUMDOC=1) ORDER BY TPDOCUM",
          {"A1|20", "A2|3"}}}),
    // A surplus that cannot be made undoes the breakage document made before it.
    ImportCase(
        "AFailedAdjustmentLeavesNoDocument", kAdjustment,
        {{1, "A", "P1", 18}, {2, "A", "L1", 2, ", NossoLote", ", 'LA'"}},
        std::string("INSERT INTO ARTARM (ARTIGO, ARMAZEM, EXISTENC) VALUES ('L1', 'A2', -3);") +
            kSecondInA2,
        "Não é possivel fazer sobras para o artigo L1 no armazem A2. Necessita Lotes."),
    // The host numbers lines as 16-bit integers: an import that needs more lines is refused
    // before any document is begun.
    ImportCase(
        "ADocumentBeyondTheLineLimitIsRefusedUpFront", kInventory, {},
        ForEach(32768,
                "INSERT INTO oru_ARM_Picking_Movimentos (TerminalId, DataSync, Data, NumeroLinha, "
                "TipoMov, Artigo, Unidade, Armazem, NumeroSerie, NossoLote, VossoLote, Quantidade, "
                "Ordenaca, PrecoUnitario)",
                "SELECT 'T1', '20261205093000', '20261205091500', i, 'I', 'P1', 'UN', 'A1', '', "
                "'L' || i, '', 1, i, 2"),
        kLineLimit),
    // The count follows the builders: a sale reading larger than what its order line has pending
    // takes two lines, after its order's separator and description lines. 8,193 readings, each
    // of its own order, three of them not larger, need one line more than a document may hold.
    ImportCase(
        "ReadingsThatSplitAcrossOrderLinesAreCountedUpFront", kSale, {},
        ForEach(8193,
                "INSERT INTO DOCGCCAB (TPDOC, SERIE, ANO, NNUMDOC, DATA, TPTERC, TERCEIRO, AREAG, "
                "TPOPER)",
                "SELECT 'ECL', 'A', 2026, i + 1, '2026-12-01', 2, 'C1', 4, 2") +
            ForEach(
                8193,
                "INSERT INTO DOCGCLIN (TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA, ORDENACA, ARTIGO, "
                "ARMAZEM, UNIDADE, QUANT, QTDORIG, PRUNIT)",
                "SELECT 'ECL', 'A', 2026, i + 1, i, i, 'P1', 'A1', 'UN', 1, 1, 9") +
            ForEach(
                8193,
                "INSERT INTO oru_ARM_Picking_Movimentos (TerminalId, DataSync, Data, "
                "NumeroLinha, TipoMov, Artigo, Unidade, Armazem, NumeroSerie, VossoLote, "
                "Quantidade, Ordenaca, TpDoc, Serie, Numero, Ano, Tpterc, Terceiro)",
                "SELECT 'T1', '20261205093000', '20261205091500', i, 'S', 'P1', 'UN', 'A1', '', "
                "'', CASE WHEN i <= 3 THEN 1 ELSE 2 END, i, 'ECL', 'A', i + 1, 2026, 2, 'C1'"),
        kLineLimit, {{"SELECT COUNT(*), SUM(QUANT) FROM DOCGCLIN", {"8194|8197"}}}),
    ImportCase(
        "SaleHeader", {TI_Venda, "FAC", "ZZ"}, {{1, "S", "P1", 1, kCustomer, ", 2, 'c1'"}},
        "UPDATE NOMSERIE SET ORIGEM = 1;", "Foi criado com sucesso o documento FAC-A-1-2026",
        {{"SELECT TERCEIRO, substr(CAST(DATA AS TEXT), 1, 10), substr(CAST(DATACG AS TEXT), 1, "
          "10), "
          "HORACG, IVAINCL, MOEDA, DESCCAB, VENDEDOR, ORIGEM FROM DOCGCCAB WHERE TPDOC='FAC'",
          {"c1|2026-12-05|2026-12-05|10:30|1|EUR|5|V1|3"}},
         {"SELECT QUANT, PRUNIT FROM DOCGCLIN WHERE TPDOCUM='FAC'", {"1|10"}}}),
    ImportCase(
        "SaleInATransportUnitWithoutFactor", kSale, {{1, "S", "P1", 2, kCustomer, kC1, "PAL"}},
        "UPDATE ARTIGOS SET UNEMB='PAL', FACTEMB=6, UNTRANS='pal', FACTTRA=0 WHERE CODIGO='P1';",
        "",
        {{"SELECT QUANT, UNIDADE, FACTOR, PRUNIT FROM DOCGCLIN WHERE TPDOCUM='FAC'",
          {"2|PAL|1|10"}}}),
    ImportCase("PurchaseInAPackingUnit", kPurchase,
               {{1, "E", "P1", 2, kCustomer, ", 1, 'F1'", "cx"}},
               "UPDATE ARTIGOS SET UNEMB='CX', FACTEMB=12 WHERE CODIGO='P1'; UPDATE FORNEC SET "
               "DESCCOM='abc';",
               "",
               {{"SELECT DESCCAB, QUANT, FACTOR, PRUNIT FROM DOCGCCAB JOIN DOCGCLIN ON "
                 "TPDOCUM=TPDOC WHERE "
                 "TPDOC='VFA'",
                 {"0|2|12|78"}},
                {"SELECT EXISTENC FROM ARTARM WHERE ARTIGO='P1' AND ARMAZEM='A1'", {"44"}}}),
    ImportCase(
        "PurchaseWithLotAndExpiry", {TI_Compra, "VFA", "F9"},
        {{1, "E", "L1", 5, ", NossoLote, DataValidade, Tpterc, Terceiro",
          ", 'LT1', '20270131', 1, 'F1'"}},
        "", "",
        {{"SELECT TERCEIRO, DESCCAB, QUANT, PRUNIT FROM DOCGCCAB JOIN DOCGCLIN ON TPDOCUM=TPDOC "
          "WHERE TPDOC='VFA'",
          {"F1|2.5|5|3"}},
         {"SELECT LOTE, VOSSOLOTE, FORNECEDOR, substr(CAST(DATAVAL AS TEXT), 1, 10), QUANT FROM "
          "LOTESMOV",
          {"LT1|VL|F1|2027-01-31|5"}},
         {"SELECT EXISTENC FROM ARTARM WHERE ARTIGO='L1' AND ARMAZEM='A1'", {"15"}}}),
    ImportCase(
        "CreditNote", {TI_Venda, "NCR", ""}, {{1, "E", "P1", 1, kCustomer, kC1}}, "",
        "Foi criado com sucesso o documento NCR-A-1-2026\r\n Na Nota de Crédito deve preencher os "
        "campos que referenciam o documento retificativo.",
        {{"SELECT REFERENCIA, MOTIVO, VENDEDOR, DESCCAB FROM DOCGCCAB WHERE TPDOC='NCR'",
          {"Deve indicar a referencia à fatura rectificada.|Indicar o motivo de crédito.|V1|5"}}}),
    ImportCase("UnknownCustomer", kSale, {{1, "S", "P1", 1, kCustomer, ", 2, 'ZZ'"}}, "",
               "O cliente ZZ não existe."),
    ImportCase(
        "SerialsOfOneLineJoinIt", kSale,
        {{1, "S", "P1", 1, kCustomer, kC1, "UN", "S1"},
         {1, "S", "P1", 1, kCustomer, kC1, "UN", "S2"},
         {2, "S", "P1", 1, kCustomer, kC1},
         {2, "S", "P1", 1, kCustomer, kC1}},
        "INSERT INTO NSEREXIS (ARTIGO, ARMAZEM, NUMSER) VALUES ('P1', 'A1', 'S1'), ('P1', 'A1', "
        "'S2');",
        "",
        {{"SELECT QUANT, ECOTAXA FROM DOCGCLIN WHERE TPDOCUM='FAC' ORDER BY NUMLINHA",
          {"2|1", "1|1", "1|1"}},
         {"SELECT NUMLINHA, NUMSER FROM NSERMOV ORDER BY NUMSER", {"1|S1", "1|S2"}}}),
    ImportCase("QuantitiesOfNoneOrZero", kSale,
               {{1, "S", "P1", 0, kCustomer, kC1},
                {2, "S", "", 0, kCustomer, kC1},
                {3, "S", "L1", 1, kCustomer, kC1}},
               "UPDATE oru_ARM_Picking_Movimentos SET Quantidade = NULL WHERE NumeroLinha = 3;", "",
               {{kSaleLines, {"|NULL|0|NULL"}}}),
    ImportCase(
        "EveryFurtherOrderGetsASeparator", kSale,
        {{1, "S", "P1", 1, kOrderKey, kOrderValues}, {1, "S", "P1", 1, kOrderKey, OrderValues(2)}},
        Order(2) + OrderLine(2, 1, "'P1', 'Parafuso', 3, 3"), "",
        {{kSaleLines,
          {"|ECL-A-1-2026 em 01-12-2026|0|NULL", "P1|Parafuso|1|1", "|NULL|0|NULL",
           "|ECL-A-2-2026 em 02-12-2026|0|NULL", "P1|Parafuso|1|2"}}}),
    ImportCase("LineWithoutArticleOfAUsedUpOrderLine", kSale,
               {{2, "S", "", 2, kOrderKey, kOrderValues}}, OrderLine(1, 2, "'', 'Nota', 0, 0"), "",
               {{kSaleLines, {"|ECL-A-1-2026 em 01-12-2026|0|NULL", "|Nota|2|1"}}}),
    ImportCase("ReadingOfALineTheOrderLacks", kSale, {{9, "S", "P1", 1, kOrderKey, kOrderValues}},
               "",
               "A linha 9 do documento original ECL-A-1-2026 não existe (leitura do artigo P1)."),
    ImportCase(
        "FirstOriginalMissing", kSale,
        {{1, "S", "P1", 1, kOrderKey, OrderValues(7)}, {2, "S", "P1", 1, kOrderKey, kOrderValues}},
        "",
        "Erro na Preparação do Conjunto de Leituras.\r\nDocumento Original não existe. Tipo ECL "
        "Numero 7 Série A Ano 2026"),
    ImportCase("OriginalWithoutLines", kPurchase, {{1, "E", "P1", 1, kOrderKey, OrderValues(3)}},
               Order(3),
               "Erro na Preparação do Conjunto de Leituras.\r\nDocumento Original não tem linhas. "
               "Tipo ECL "
               "Numero 3 Série A Ano 2026"),
    ImportCase(
        "ElectronicInvoiceOrder", kSale, {{1, "S", "P1", 1, kOrderKey, kOrderValues}},
        "UPDATE DOCGCCAB SET FEGLNEMPRESA='5600000000000';", "",
        {{"SELECT DOCREFNUMBER_ORIGINAL, DOCREFNUMBERCODE_ORIGINAL FROM DOCGCCAB WHERE TPDOC='FAC'",
          {"PO-9|1"}}}),
    ImportCase(
        "TransferWithoutOrder", kTransfer, {{1, "T", "P1", 2}, {2, "T", "Z1", 1}},
        "UPDATE NOMSERIE SET ORIGEM = 1; INSERT INTO ARTIGOS (CODIGO, NOME, UNIDADE, STDISP, "
        "VLREXIST) VALUES ('Z1', 'Zinco', 'UN', 5, 50);",
        "",
        {{"SELECT LOCALCG, ORIGEM FROM DOCGCCAB WHERE TPDOC='TRA'", {"Braga|1"}},
         {"SELECT ARTIGO, PRUNIT, ORDOC FROM DOCGCLIN WHERE TPDOCUM='TRA' ORDER BY NUMLINHA",
          {"P1|4|NULL", "Z1|0|NULL"}}}),
    ImportCase(
        "InitialInventoryOfTheParametersSeries", kInventory, {{1, "I", "L1", 7, kPrice, ", 2.5"}},
        "INSERT INTO NOMSERIE (TIPODOC, SERIE, DESCR) VALUES ('INV', 'B', 'Série B'); UPDATE "
        "oru_PARAMETROSEXP SET INVENTSER = 'B';",
        "",
        {{"SELECT c.SERIE, SECTOR, TERCEIRO, QUANT, PRUNIT FROM DOCGCCAB c JOIN DOCGCLIN ON "
          "TPDOCUM=TPDOC WHERE TPDOC='INV'",
          {"B|S1|S1|7|2.5"}},
         {"SELECT EXISTENC FROM ARTARM WHERE ARTIGO='L1' AND ARMAZEM='A1'", {"17"}}}),
    ImportCase("Cancelling", {TI_AnularPicagens, "", ""}, {{1, "S", "P1", 1}, {2, "S", "P1", 2}},
               "", "Anulação de Picagens terminou com êxito.",
               {{"SELECT Estado FROM oru_ARM_Picking_Movimentos", {"5", "5"}},
                {"SELECT COUNT(*) FROM DOCGCCAB", {"1"}}}),
    ImportCase("BreakageWritesOffTheFirstSerials", kAdjustment,
               {{1, "A", "N1", 1, "", "", "UN", "S1"},
                {1, "A", "N1", 1, "", "", "UN", "S2"},
                {3, "A", "N1", 1, "", "", "UN", "S3"}},
               SerialArticle(2, "('N1', 'A1', 'X1'), ('N1', 'A1', 'X2'), ('N1', 'A1', 'X3')"), "",
               {{kAdjustmentLines, {"QUE|N1|2|10", "SOB|N1|2|10", "SOB|N1|1|10"}},
                {"SELECT TPDOC, NUMLINHA, NUMSER FROM NSERMOV ORDER BY TPDOC, NUMSER",
                 {"QUE|1|X1", "QUE|1|X2", "SOB|1|S1", "SOB|1|S2", "SOB|2|S3"}}}),
    ImportCase("BreakageWithTooFewSerials", kAdjustment, {{1, "A", "N1", 1, "", "", "UN", "S1"}},
               SerialArticle(3, "('N1', 'A1', 'X1'), ('N1', 'A1', 'X2')"),
               "Não existem numeros de série suficientes para quebrar o artigo N1 no armazem A1"),
    ImportCase(
        "SurplusOfSerials", kAdjustment, {{1, "A", "N1", 1, "", "", "UN", "S1"}}, SerialArticle(-4),
        "Não é possivel fazer sobras para o artigo N1 no armazem A1. Necessita Nº de Série."),
    ImportCase("SurplusOfSerialsWithLots", kAdjustment,
               {{1, "A", "L1", 1, ", NossoLote", ", 'LA'", "UN", "S1"}},
               "UPDATE ARTARM SET EXISTENC = -4 WHERE ARTIGO = 'L1';",
               "Não é possivel fazer sobras para o artigo L1 no armazem A1. Necessita Lotes."),
    ImportCase(
        "FinalLinePrices", kAdjustment, {{1, "A", "P1", 20, kPrice, ", 0"}, {2, "A", "Z1", 2}},
        "INSERT INTO ARTIGOS (CODIGO, NOME, UNIDADE, ULTPRCOM) VALUES ('Z1', 'Zinco', 'UN', 4.5);",
        "", {{kAdjustmentLines, {"QUE|P1|20|4", "SOB|P1|20|4", "SOB|Z1|2|4.5"}}}),
    ImportCase("NegativePriceOfAnAdjustment", kAdjustment, {{1, "A", "P1", 20, kPrice, ", -1"}}, "",
               "Artigo: P1 na linha: 1 não tem Preço Unitário (ou está inválido).\r\n"),
    ImportCase("ParametersUnread", kInventory, {{1, "I", "P1", 7, kPrice, ", 2.5"}}, "",
               "Execute::Falha simulada em SELECT...", {}, "SELECT * FROM oru_PARAMETROSEXP"),
    ImportCase("ReadingsUnread", kInventory, {{1, "I", "P1", 7, kPrice, ", 2.5"}}, "",
               "Erro ao Ler Conjunto de Leituras.\r\nFalha simulada em SELECT MAX(MO....", {},
               "SELECT MAX(MO."),
    ImportCase("MarkingFailed", kInventory, {{1, "I", "P1", 7, kPrice, ", 2.5"}}, "",
               "Execute::Falha simulada em UPDATE...", {}, "UPDATE oru_ARM_Picking_Movimentos"),
};

class E2eCase : public ImportCompanyTest, public ::testing::WithParamInterface<ImportCase> {};

TEST_P(E2eCase, LeavesItsRows) {
  const ImportCase& given = GetParam();
  for (const Picked& reading : given.readings) Reading(reading);
  if (!given.setup.empty()) Exec(given.setup);
  const auto left = [this] {
    return std::pair(Rows("SELECT TPDOC, NNUMDOC FROM DOCGCCAB ORDER BY TPDOC, NNUMDOC"),
                     Rows("SELECT * FROM ARTARM ORDER BY ARTIGO, ARMAZEM"));
  };
  const auto before = left();
  if (*given.fail_on) Connect(std::make_shared<FailingStatements>(given.fail_on));
  const Result result = Run(given.kind);
  const std::string& said = result.Mensagem();
  if (given.outcome.empty()) {
    EXPECT_TRUE(result.IsSucesso()) << said;
  } else if (given.outcome.ends_with("...")) {
    EXPECT_TRUE(said.starts_with(given.outcome.substr(0, given.outcome.size() - 3))) << said;
  } else {
    EXPECT_EQ(said, given.outcome);
  }
  if (given.kind.tipo != TI_AnularPicagens) {
    EXPECT_EQ(Rows("SELECT DISTINCT Estado FROM oru_ARM_Picking_Movimentos"),
              Texts{result.IsSucesso() ? "1" : "0"});
  }
  if (!result.IsSucesso()) {
    EXPECT_EQ(left(), before);
  }
  for (const auto& [query, rows] : given.checks) {
    EXPECT_EQ(Rows(query), rows) << query << "\n" << said;
  }
}

INSTANTIATE_TEST_SUITE_P(Imports, E2eCase, ::testing::ValuesIn(kImportCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace pellora::testing
