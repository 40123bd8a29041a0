// The exact SQL of the reading loaders, reading updates, stock queries and order settlement.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "dal/dal_comandos.h"
#include "tests/dal/recording_data_access.h"

namespace pellora {
namespace {

using testing::MakeRecordset;
using testing::OrderLines;
using testing::RecordingDataAccess;
using testing::RecordingScope;
using Call = RecordingDataAccess::Call;

std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// A select list as the loaders write it: one column a line, each after the first led by a comma.
std::string Select(const std::string& columns) {
  std::string text;
  std::istringstream list(columns);
  for (std::string column; std::getline(list, column, ';');)
    text += (text.empty() ? "SELECT    " : "          ,") + column + " \r\n";
  return text;
}

const std::string kJoin =
    Lines({"FROM  [oru_ARM_Picking_Movimentos] AS MO ", "        LEFT OUTER JOIN [ARTARM] AS AM ",
           "            ON AM.ARMAZEM = MO.Armazem AND AM.ARTIGO = MO.Artigo ",
           "        LEFT OUTER JOIN [ARTIGOS] AS AR ", "            ON AR.CODIGO = MO.Artigo "});
const std::string kTwoSets =
    "WHERE TerminalId in('T1','T2') AND DataSync in ('S1','S2') AND Estado = 0 \r\n";

class ReadingQueriesText : public ::testing::Test {
 protected:
  RecordingScope db;
  std::vector<std::string> terminals{"", "T1", "T2"};
  std::vector<std::string> syncs{"", "S1", "S2"};
  std::vector<std::string> none{""};
};

TEST_F(ReadingQueriesText, DocumentLoaderReadsEverySetAndOrdersByFlag) {
  HlpDb_LeiturasConjuntoParaDocumGet(false, ChosenSets(terminals, syncs));
  HlpDb_LeiturasConjuntoParaDocumGet(true, ChosenSets(terminals, syncs));
  const std::string select = Select(
      "MO.[TerminalId];MO.[Data];MO.[NumeroLinha];COALESCE(MO.[TpDoc],'') AS "
      "DocOrigTipo;COALESCE(MO.[Serie],'') AS DocOrigSerie;COALESCE(MO.[Numero],0) AS "
      "DocOrigNumero;COALESCE(MO.[Ano],0) AS "
      "DocOrigAno;MO.[TipoMov];MO.[Tpterc];MO.[Terceiro];MO.[Artigo];AR.[NOME] AS "
      "ArtNome;MO.[Unidade];MO.[Armazem];MO.[NumeroSerie];MO.[NossoLote];MO.[VossoLote];MO.["
      "DataValidade];MO.[Quantidade];MO.[Quantidade] AS EntMaisSaidas;MO.[Quantidade] AS "
      "EntSaiMaisExt;MO.[Estado];MO.[Localizacao];MO.[Ordenaca];MO.[TpLinha];MO.[PrecoUnitario] AS "
      "PrecoUnitario;ISNULL(AM.[EXISTENC],0) AS StockArm;ISNULL(AR.[ULTPRCOM],0) AS "
      "UltPrCom;AR.[ULTPRCOM] AS PrUnitCalculado;AR.[ULTPRCBR] AS ULTPRCBR;AR.[PVPSIVA] AS "
      "PrVenda;ISNULL(AR.[STDISP],0) AS StockTot;AR.[VLREXIST] AS ValExistencia;AR.[UNEMB] AS "
      "UnEmbalagem;AR.[UNTRANS] AS UnTransporte;AR.[FACTEMB] AS FactorEmbalagem;AR.[FACTTRA] AS "
      "FactorTransporte");
  EXPECT_EQ(db->Sql(),
            (std::vector<std::string>{
                select + kJoin + kTwoSets +
                    "ORDER BY  MO.[DataSync], MO.[TpDoc], MO.[Serie], MO.[Numero], MO.[Ano], "
                    "MO.[NumeroLinha] \r\n",
                select + kJoin + kTwoSets + "ORDER BY  MO.[NumeroLinha] \r\n"}));
}

TEST_F(ReadingQueriesText, InitialInventoryLoaderForOneSet) {
  HlpDb_LeiturasConjuntoGet(true, ChosenSets(terminals, syncs));
  const std::string sql = db->Sql().at(0);
  EXPECT_NE(sql.find("          ,MO.[TpDoc] AS DocOrigTipo \r\n          ,MO.[Serie] AS "
                     "DocOrigSerie \r\n          ,MO.[Numero] AS DocOrigNumero \r\n          "
                     ",MO.[Ano] AS DocOrigAno \r\n"),
            std::string::npos);
  EXPECT_EQ(sql.find("ULTPRCBR"), std::string::npos);
  EXPECT_EQ(sql.find("COALESCE"), std::string::npos);
  EXPECT_NE(sql.find(kJoin + "WHERE TerminalId='T1' AND DataSync='S1' AND Estado = 0 \r\n"
                             "ORDER BY  MO.[NumeroLinha] \r\n"),
            std::string::npos);
  EXPECT_TRUE(sql.ends_with("ORDER BY  MO.[NumeroLinha] \r\n"));
}

TEST_F(ReadingQueriesText, InitialInventoryLoaderGroupsSeveralSets) {
  db->answers.push_back(MakeRecordset({{"Artigo", adVarWChar, 30}}, {}));
  HlpDb_LeiturasConjuntoGet(false, ChosenSets(terminals, syncs));
  const std::string sql = db->Sql().at(0);
  EXPECT_TRUE(
      sql.starts_with("SELECT    MAX(MO.[TerminalId]) AS TerminalId \r\n"
                      "          ,MAX(MO.[Data] ) AS Data \r\n"));
  EXPECT_NE(sql.find("          ,MAX(MO.[Ordenaca] ) AS Ordenacao \r\n"), std::string::npos);
  EXPECT_TRUE(sql.ends_with(
      "          ,MAX(AR.[FACTTRA]) AS FactorTransporte \r\n" + kJoin + kTwoSets +
      "GROUP BY   MO.[Artigo] ,AR.[NOME] ,MO.[Unidade] ,MO.[Armazem] ,MO.[NumeroSerie] "
      ",MO.[NossoLote] ,MO.[VossoLote] ,MO.[DataValidade] \r\n"));
}

TEST_F(ReadingQueriesText, AdjustmentLoaderForOneSetAndForSeveral) {
  HlpDb_LeiturasConjuntoParaAcInventarioGet(true, ChosenSets(terminals, syncs));
  HlpDb_LeiturasConjuntoParaAcInventarioGet(false, ChosenSets(terminals, syncs));
  const std::string select = Select(
      "MO.[TerminalId];MO.[Data];MO.[NumeroLinha];MO.[TpDoc] AS DocOrigTipo;MO.[Serie] AS "
      "DocOrigSerie;MO.[Numero] AS DocOrigNumero;MO.[Ano] AS "
      "DocOrigAno;MO.[TipoMov];MO.[Tpterc];MO.[Terceiro];MO.[Artigo];MO.[Unidade];MO.[Quantidade];"
      "MO.[Ordenaca];MO.[TpLinha];MO.[Quantidade] AS EntMaisSaidas;MO.[Quantidade] AS "
      "EntSaiMaisExt;MO.[NumeroSerie];MO.[Armazem];MO.[Estado];MO.[NossoLote];MO.[VossoLote];MO.["
      "DataValidade];MO.[Localizacao];ISNULL(MO.[PrecoUnitario],0) AS "
      "PrecoUnitario;ISNULL(AM.[EXISTENC],0) AS StockArm;ISNULL(AR.[ULTPRCOM],0) AS "
      "UltPrCom;ISNULL(AR.[STDISP],0) AS StockTot;AR.[ULTPRCOM] AS PrUnitCalculado;AR.[PVPSIVA] AS "
      "PrVenda;AR.[VLREXIST] AS ValExistencia;AR.[UNEMB] AS UnEmbalagem;AR.[UNTRANS] AS "
      "UnTransporte;AR.[FACTEMB] AS FactorEmbalagem;AR.[FACTTRA] AS FactorTransporte");
  EXPECT_EQ(db->Sql(), (std::vector<std::string>{
                           select + kJoin +
                               "WHERE TerminalId='T1' AND DataSync='S1' AND Estado = 0 \r\n"
                               "ORDER BY  MO.[Ordenaca] \r\n",
                           select + kJoin + kTwoSets}));
}

TEST_F(ReadingQueriesText, EmptyListsAndMissingFirstSetFailBeforeAnySql) {
  std::vector<std::string> empty;
  auto expect_refused = [&](auto operation, const std::string& name) {
    try {
      operation();
      ADD_FAILURE() << name << " did not fail";
    } catch (const Error& error) {
      EXPECT_EQ(error.number(), kInvalidProcedureCall) << name;
      EXPECT_EQ(error.source(), "Comandos::" + name);
    }
  };
  expect_refused([&] { HlpDb_LeiturasConjuntoParaDocumGet(true, ChosenSets(none, syncs)); },
                 "HlpDb_LeiturasConjuntoParaDocumGet");
  expect_refused([&] { HlpDb_LeiturasConjuntoGet(false, ChosenSets(terminals, empty)); },
                 "HlpDb_LeiturasConjuntoGet");
  expect_refused([&] { HlpDb_LeiturasConjuntoGet(true, ChosenSets(none, none)); },
                 "HlpDb_LeiturasConjuntoGet");
  expect_refused(
      [&] { HlpDb_LeiturasConjuntoParaAcInventarioGet(true, ChosenSets(terminals, none)); },
      "HlpDb_LeiturasConjuntoParaAcInventarioGet");
  expect_refused([&] { HlpDb_LeiturasPrcUnitSet(ChosenSets(none, syncs), "A1", 1.0); },
                 "HlpDb_LeiturasPrcUnitSet");
  expect_refused([&] { HlpDb_LeiturasEstadoSet(true, ChosenSets(empty, syncs), 1, 1); },
                 "HlpDb_LeiturasEstadoSet");
  expect_refused([&] { HlpDb_LeiturasEstadoSet(false, ChosenSets(terminals, none), 1, 1); },
                 "HlpDb_LeiturasEstadoSet");
  EXPECT_TRUE(db->calls.empty());
}

TEST_F(ReadingQueriesText, PriceIsWrittenWithAPointAndQuotesAreDoubled) {
  HlpDb_LeiturasPrcUnitSet(ChosenSets(terminals, syncs), "A'1", 12.5);
  EXPECT_EQ(db->calls,
            (std::vector<Call>{
                {"ExecuteCommand", Lines({"UPDATE   oru_ARM_Picking_Movimentos  ",
                                          "SET      [PrecoUnitario] = '12.5'  ",
                                          "WHERE    TerminalId in('T1','T2') AND DataSync in "
                                          "('S1','S2') AND Artigo='A''1' "})}}));
}

// One reading of the set of element 1, or every pending reading of the chosen sets at once.
TEST_F(ReadingQueriesText, StateOfOneReadingOrOfEveryPendingReadingOfTheChosenSets) {
  const ChosenSets sets(terminals, syncs);
  HlpDb_LeiturasEstadoSet(true, sets, 7, 1);
  HlpDb_LeiturasEstadoSet(false, sets, 7, 5);
  EXPECT_EQ(
      db->calls,
      (std::vector<Call>{{"ExecuteCommand",
                          Lines({"UPDATE   oru_ARM_Picking_Movimentos  ", "SET      [Estado] = 1  ",
                                 "WHERE    TerminalId='T1' AND DataSync='S1' AND NumeroLinha=7 "})},
                         {"ExecuteCommand",
                          Lines({"UPDATE   oru_ARM_Picking_Movimentos  ", "SET      [Estado] = 5  ",
                                 "WHERE    TerminalId in('T1','T2') AND DataSync in "
                                 "('S1','S2') AND Estado = 0 "})}}));
}

TEST_F(ReadingQueriesText, StockMovementsAndSerialNumbers) {
  HlpDb_MovimentosEntreDatasGet("A1", "A'", "2024010212:30:00", "2024010312:00:00");
  HlpDb_NumerosSerieGet("A1", "W1");
  const std::string indent(25, ' ');
  EXPECT_EQ(
      db->Sql(),
      (std::vector<std::string>{
          Lines({" SELECT ", "         SUM(CASE ",
                 "                 WHEN DOCGCCAB.TPFSTC=2 THEN "
                 "-DOCGCLIN.QUANT*ISNULL(NULLIF(DOCGCLIN.FACTOR,0),1) ",
                 "                 ELSE                         "
                 "DOCGCLIN.QUANT*ISNULL(NULLIF(DOCGCLIN.FACTOR,0),1) ",
                 "              END)        AS ENTRADASSAIDAS ", " FROM    DOCGCCAB ",
                 "              INNER JOIN DOCGCLIN ",
                 "                 ON DOCGCCAB.NNUMDOC = DOCGCLIN.NNUMDOC AND DOCGCCAB.TPDOC = "
                 "DOCGCLIN.TPDOCUM AND ",
                 "                    DOCGCCAB.SERIE = DOCGCLIN.SERIE AND DOCGCCAB.Ano = "
                 "DOCGCLIN.Ano ",
                 " WHERE   (DOCGCCAB.NVIAS <> - 1) AND ",
                 "                         (DOCGCCAB.TPDOC <> 'zzz') AND ",
                 "                         (DOCGCCAB.AREAG = 4) AND ",
                 "                         (DOCGCCAB.HOURNEW <> '') AND ",
                 indent + "(DOCGCLIN.ARTIGO ='A1') AND ", indent + "(DOCGCLIN.ARMAZEM ='A''') AND ",
                 indent + "(REPLACE(convert(varchar(10),docgccab.DateUpd,120),'-','')+docgccab."
                          "HourUpd >='2024010212:30:00') AND ",
                 indent + "(REPLACE(convert(varchar(10),docgccab.DateUpd,120),'-','')+docgccab."
                          "HourUpd <='2024010312:00:00') ",
                 "           "}),
          "SELECT [ARMAZEM],[ARTIGO],[NUMSER] FROM [NSEREXIS] WHERE ARTIGO ='A1' AND ARMAZEM = "
          "'W1' \r\n"}));
}

TEST_F(ReadingQueriesText, OrderSettlementSendsOneBatchPerLineThenChecksTheFirstOrder) {
  RecordsetPtr headers;
  RecordsetPtr lines = OrderLines({{1, 0.5, 2.25, "P1"}, {2, 0.0, 3.0, "P'2"}});
  lines->MoveLast();
  HlpDb_DocOrigQuantidadesSet(headers, lines);
  auto batch = [](const std::string& line, const std::string& left, const std::string& served,
                  const std::string& article) {
    return Call{
        "ExecuteCommand",
        Lines({"UPDATE   DOCGCLIN  ", "SET      QUANT = " + left + "  ",
               "WHERE    TPDOCUM='ECL' AND NNUMDOC=12 AND SERIE ='A' AND ANO =2024 AND "
               "NUMLINHA =" +
                   line + " ",
               ";  ", "UPDATE   ARTIGOS  ", "SET      TOTENCCL = TOTENCCL - " + served + "  ",
               "WHERE    CODIGO='" + article + "' ", ";  ", "UPDATE   ARTARM  ",
               "SET      ARMENCCL = ARMENCCL - " + served + "  ",
               "WHERE    ARTIGO='" + article + "' AND ARMAZEM='W1'"})};
  };
  const std::string blank(33, ' ');
  EXPECT_EQ(db->calls,
            (std::vector<Call>{
                batch("1", "0.5", "2.25", "P1"),
                batch("2", "0", "3", "P''2"),
                {"ExecuteCommand",
                 Lines({"DECLARE   @QTT FLOAT             ", blank,
                        "SELECT    @QTT=SUM(QUANT)        ", "FROM      DOCGCLIN               ",
                        "WHERE     TPDOCUM='ECL' AND NNUMDOC=12 AND SERIE ='A' AND ANO =2024 ",
                        blank, "SELECT    @QTT=COALESCE(@QTT,0)  ", blank,
                        "IF (@QTT=0)                      ", "BEGIN                            ",
                        " UPDATE  DOCGCCAB                ", " SET [CONVERT] = -1              ",
                        "WHERE    TPDOC ='ECL' AND SERIE ='A' AND ANO =2024 AND NNUMDOC=12 ",
                        "END                              ", blank})}}));
}

TEST_F(ReadingQueriesText, OrderSettlementStopsAtTheFirstFailingBatch) {
  RecordsetPtr headers;
  RecordsetPtr empty = MakeRecordset({{"QUANT", adDouble}}, {});
  HlpDb_DocOrigQuantidadesSet(headers, empty);
  EXPECT_TRUE(db->calls.empty());

  RecordsetPtr lines = OrderLines({{1, 1.0, 1.0, "P1"}, {2, 1.0, 1.0, "P2"}});
  db->fail_with = Error(kDatabaseError, "SQLite", "locked");
  try {
    HlpDb_DocOrigQuantidadesSet(headers, lines);
    ADD_FAILURE() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.source(), "Comandos::HlpDb_DocOrigQuantidadesSet");
  }
  EXPECT_EQ(db->calls.size(), 1u);
}

}  // namespace
}  // namespace pellora
