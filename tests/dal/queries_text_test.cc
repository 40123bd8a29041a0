// The exact SQL each data-access operation sends, and the error convention.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "dal/context.h"
#include "dal/dal_comandos.h"
#include "dal/definitions.h"
#include "tests/dal/recording_data_access.h"

namespace pellora {
namespace {

using testing::MakeRecordset;
using testing::RecordingDataAccess;
using testing::RecordingScope;
using Texts = std::vector<std::string>;

std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}
std::string Open(const std::string& sql) {
  return "OpenRecordset: " + sql;
}
std::string Exec(const std::string& sql) {
  return "ExecuteCommand: " + sql;
}

// A select list as the loaders write it: one column a line, each after the first led by a comma.
std::string Select(const std::string& columns) {
  std::string text;
  std::istringstream list(columns);
  for (std::string column; std::getline(list, column, ';');)
    text += (text.empty() ? "SELECT    " : "          ,") + column + " \r\n";
  return text;
}

// Lines of order ECL-A-12-2024 in warehouse W1 as the settlement takes them: each line's number,
// the quantity left on it, the quantity served and the article.
RecordsetPtr OrderLines(const std::vector<std::vector<Variant>>& lines) {
  std::vector<std::vector<Variant>> rows;
  for (const auto& l : lines)
    rows.push_back({"ECL", int32_t{12}, "A", int16_t{2024}, l[0], l[1], l[2], l[3], "W1"});
  return MakeRecordset({{"TPDOCUM", adVarWChar, 3},
                        {"NNUMDOC", adInteger},
                        {"SERIE", adVarWChar, 10},
                        {"ANO", adSmallInt},
                        {"NUMLINHA", adSmallInt},
                        {"QUANT", adDouble},
                        {"QTDORIG", adDouble},
                        {"ARTIGO", adVarWChar, 30},
                        {"ARMAZEM", adVarWChar, 6}},
                       rows);
}

const std::string kJoin =
    Lines({"FROM  [oru_ARM_Picking_Movimentos] AS MO ", "        LEFT OUTER JOIN [ARTARM] AS AM ",
           "            ON AM.ARMAZEM = MO.Armazem AND AM.ARTIGO = MO.Artigo ",
           "        LEFT OUTER JOIN [ARTIGOS] AS AR ", "            ON AR.CODIGO = MO.Artigo "});
const std::string kTwoSets =
    "WHERE TerminalId in('T1','T2') AND DataSync in ('S1','S2') AND Estado = 0 \r\n";
const std::string kOneSet = "WHERE TerminalId='T1' AND DataSync='S1' AND Estado = 0 \r\n";
const char kExistenceQuery[] =
    "SELECT * FROM sys.objects WHERE object_id = OBJECT_ID(N'[dbo].[oru_PARAMETROSEXP]') AND "
    "type in (N'U')\r\n";

const Texts kTerminals{"", "T1", "T2"}, kSyncs{"", "S1", "S2"}, kNone{""};
const ChosenSets kSets(kTerminals, kSyncs);

// The text of one order line's settlement batch.
std::string SettlementBatch(const std::string& line, const std::string& left,
                            const std::string& served, const std::string& article) {
  return Exec(Lines(
      {"UPDATE   DOCGCLIN  ", "SET      QUANT = " + left + "  ",
       "WHERE    TPDOCUM='ECL' AND NNUMDOC=12 AND SERIE ='A' AND ANO =2024 AND NUMLINHA =" + line +
           " ",
       ";  ", "UPDATE   ARTIGOS  ", "SET      TOTENCCL = TOTENCCL - " + served + "  ",
       "WHERE    CODIGO='" + article + "' ", ";  ", "UPDATE   ARTARM  ",
       "SET      ARMENCCL = ARMENCCL - " + served + "  ",
       "WHERE    ARTIGO='" + article + "' AND ARMAZEM='W1'"}));
}

// "number|source|description" of the error `operation` raises; "" when it raises none.
std::string Raised(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const Error& error) {
    return std::to_string(error.number()) + "|" + error.source() + "|" + error.description();
  }
  return "";
}

struct TextCase {
  const char* name;
  std::function<void(RecordingDataAccess&)> call;
  Texts sent;  // each call as "member: sql"
};

std::vector<TextCase> TextCases() {
  const std::string document_select = Select(
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
  const std::string adjustment_select = Select(
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
  const std::string indent(25, ' '), blank(33, ' '), head = "SELECT     * \r\nFROM       ";
  const std::string update = "UPDATE   oru_ARM_Picking_Movimentos  ";
  std::string widen;  // the nine series columns in one batch
  for (const char* column : {"LBXENCFORSER", "LBXCOMFORSER", "LBXSERIEPART", "BRGENCCLISER",
                             "BRGSERIEPART", "INVENTSER", "QUEBRASER", "SOBRASER", "TRANSFSER"}) {
    widen += std::string(widen.empty() ? "" : ";   \r\n") + "ALTER TABLE oru_PARAMETROSEXP   \r\n" +
             "ALTER COLUMN [" + column + "] [nvarchar](10) NOT NULL   \r\n";
  }
  return {
      {"document loader, ordered by flag",
       [](auto&) {
         HlpDb_LeiturasConjuntoParaDocumGet(false, kSets);
         HlpDb_LeiturasConjuntoParaDocumGet(true, kSets);
       },
       {Open(document_select + kJoin + kTwoSets +
             "ORDER BY  MO.[DataSync], MO.[TpDoc], MO.[Serie], MO.[Numero], MO.[Ano], "
             "MO.[NumeroLinha] \r\n"),
        Open(document_select + kJoin + kTwoSets + "ORDER BY  MO.[NumeroLinha] \r\n")}},
      {"adjustment loader, one set and several",
       [](auto&) {
         HlpDb_LeiturasConjuntoParaAcInventarioGet(true, kSets);
         HlpDb_LeiturasConjuntoParaAcInventarioGet(false, kSets);
       },
       {Open(adjustment_select + kJoin + kOneSet + "ORDER BY  MO.[Ordenaca] \r\n"),
        Open(adjustment_select + kJoin + kTwoSets)}},
      {"price written with a point, quotes doubled",
       [](auto&) { HlpDb_LeiturasPrcUnitSet(kSets, "A'1", 12.5); },
       {Exec(Lines({update, "SET      [PrecoUnitario] = '12.5'  ",
                    "WHERE    TerminalId in('T1','T2') AND DataSync in ('S1','S2') AND "
                    "Artigo='A''1' "}))}},
      // One reading of the set of element 1, or every pending reading of the chosen sets at once.
      {"state of one reading or of every pending one",
       [](auto&) {
         HlpDb_LeiturasEstadoSet(true, kSets, 7, 1);
         HlpDb_LeiturasEstadoSet(false, kSets, 7, 5);
       },
       {Exec(Lines({update, "SET      [Estado] = 1  ",
                    "WHERE    TerminalId='T1' AND DataSync='S1' AND NumeroLinha=7 "})),
        Exec(Lines({update, "SET      [Estado] = 5  ",
                    "WHERE    TerminalId in('T1','T2') AND DataSync in ('S1','S2') AND "
                    "Estado = 0 "}))}},
      {"stock movements and serial numbers",
       [](auto&) {
         HlpDb_MovimentosEntreDatasGet("A1", "A'", "2024010212:30:00", "2024010312:00:00");
         HlpDb_NumerosSerieGet("A1", "W1");
       },
       {Open(Lines(
            {" SELECT ", "         SUM(CASE ",
             "                 WHEN DOCGCCAB.TPFSTC=2 THEN "
             "-DOCGCLIN.QUANT*ISNULL(NULLIF(DOCGCLIN.FACTOR,0),1) ",
             "                 ELSE                         "
             "DOCGCLIN.QUANT*ISNULL(NULLIF(DOCGCLIN.FACTOR,0),1) ",
             "              END)        AS ENTRADASSAIDAS ", " FROM    DOCGCCAB ",
             "              INNER JOIN DOCGCLIN ",
             "                 ON DOCGCCAB.NNUMDOC = DOCGCLIN.NNUMDOC AND DOCGCCAB.TPDOC = "
             "DOCGCLIN.TPDOCUM AND ",
             "                    DOCGCCAB.SERIE = DOCGCLIN.SERIE AND DOCGCCAB.Ano = DOCGCLIN.Ano ",
             " WHERE   (DOCGCCAB.NVIAS <> - 1) AND ", indent + "(DOCGCCAB.TPDOC <> 'zzz') AND ",
             indent + "(DOCGCCAB.AREAG = 4) AND ", indent + "(DOCGCCAB.HOURNEW <> '') AND ",
             indent + "(DOCGCLIN.ARTIGO ='A1') AND ", indent + "(DOCGCLIN.ARMAZEM ='A''') AND ",
             indent + "(REPLACE(convert(varchar(10),docgccab.DateUpd,120),'-','')+docgccab."
                      "HourUpd >='2024010212:30:00') AND ",
             indent + "(REPLACE(convert(varchar(10),docgccab.DateUpd,120),'-','')+docgccab."
                      "HourUpd <='2024010312:00:00') ",
             "           "})),
        Open("SELECT [ARMAZEM],[ARTIGO],[NUMSER] FROM [NSEREXIS] WHERE ARTIGO ='A1' AND ARMAZEM "
             "= 'W1' \r\n")}},
      {"order settlement: one batch per line, then the first order checked",
       [](auto&) {
         RecordsetPtr headers;
         RecordsetPtr lines =
             OrderLines({{int16_t{1}, 0.5, 2.25, "P1"}, {int16_t{2}, 0.0, 3.0, "P'2"}});
         lines->MoveLast();
         HlpDb_DocOrigQuantidadesSet(headers, lines);
       },
       {SettlementBatch("1", "0.5", "2.25", "P1"), SettlementBatch("2", "0", "3", "P''2"),
        Exec(Lines({"DECLARE   @QTT FLOAT             ", blank, "SELECT    @QTT=SUM(QUANT)        ",
                    "FROM      DOCGCLIN               ",
                    "WHERE     TPDOCUM='ECL' AND NNUMDOC=12 AND SERIE ='A' AND ANO =2024 ", blank,
                    "SELECT    @QTT=COALESCE(@QTT,0)  ", blank, "IF (@QTT=0)                      ",
                    "BEGIN                            ", " UPDATE  DOCGCCAB                ",
                    " SET [CONVERT] = -1              ",
                    "WHERE    TPDOC ='ECL' AND SERIE ='A' AND ANO =2024 AND NNUMDOC=12 ",
                    "END                              ", blank}))}},
      {"document header, free fields and lines",
       [](auto&) {
         HlpDb_DocGcCab("ECL", 1503, "2022", 2022);
         HlpDb_DocGcCabCpLivresGet("ECL", 1503, "2022", 2022);
         HlpDb_DocGcLin("ECL", 1503, "2022", 2022);
         HlpDb_DocGcCab("E'C", -7, "A'", 999);
       },
       {Open(head + "[DOCGCCAB] \r\nWHERE      TPDOC='ECL' AND NNUMDOC=1503 AND SERIE ='2022' "
                    "AND ANO =2022 \r\n"),
        Open(head + "[CLDOCGC] \r\nWHERE      TIPODOC='ECL' AND NDOC=1503 AND SERIE ='2022' AND "
                    "ANO =2022 \r\n"),
        Open(head + "[DOCGCLIN] \r\nWHERE      TPDOCUM='ECL' AND NNUMDOC=1503 AND SERIE ='2022' "
                    "AND ANO =2022 AND LINANU = 0 \r\nORDER BY   ORDENACA \r\n"),
        Open(head + "[DOCGCCAB] \r\nWHERE      TPDOC='E''C' AND NNUMDOC=-7 AND SERIE ='A''' AND "
                    "ANO =999 \r\n")}},
      // Each catalogue's select list and table; filter and order appended only when given.
      {"catalogues",
       [](auto&) {
         for (auto* get : {HlpDb_ArmazensGet, HlpDb_ArtigosGet, HlpDb_TiposDocumentosGet,
                           HlpDb_SectoresGet, HlpDb_SeriesGet, HlpDb_ClientesReduzidoGet,
                           HlpDb_ClientesGet, HlpDb_FornecedoresReduzidoGet, HlpDb_FornecedoresGet})
           get("", "");
         HlpDb_SeriesGet("TIPODOC='ECL'", "SERIE");
         HlpDb_ArtigosGet("", "NOME");
         HlpDb_ClientesReduzidoGet("CODIGO='C1' ", "");
       },
       {Open("SELECT   * FROM     ARMAZENS "), Open("SELECT   * FROM     ARTIGOS "),
        Open("SELECT   * FROM     TPDOC "), Open("SELECT   * FROM     SECTORES "),
        Open("SELECT   * FROM     NOMSERIE "), Open("SELECT   CODIGO, NOME FROM     CLIENTES "),
        Open("SELECT   * FROM     CLIENTES "), Open("SELECT   CODIGO, NOME FROM     FORNEC "),
        Open("SELECT   * FROM     FORNEC "),
        Open("SELECT   * FROM     NOMSERIE WHERE   TIPODOC='ECL'ORDER BY   SERIE"),
        Open("SELECT   * FROM     ARTIGOS ORDER BY   NOME"),
        Open("SELECT   CODIGO, NOME FROM     CLIENTES WHERE   CODIGO='C1' ")}},
      {"an existing parameters table is left alone",
       [](RecordingDataAccess& db) {
         db.answers.push_back(MakeRecordset({{"name", adVarWChar, 128}}, {{"oru_PARAMETROSEXP"}}));
         HlpDb_ParametrosCreate();
       },
       {Open(kExistenceQuery)}},
      {"the parameters' series columns widened",
       [](auto&) { HlpDb_ParametrosConvert2022S(); },
       {Exec(widen)}},
      {"the parameters' first row",
       [](auto&) { HlpDb_ParametrosGet(); },
       {Open("SELECT TOP(1) * FROM oru_PARAMETROSEXP \r\n")}},
  };
}

TEST(QueriesText, EachOperationSendsItsText) {
  for (const TextCase& given : TextCases()) {
    RecordingScope db;
    given.call(*db);
    EXPECT_EQ(db->CallsWith(""), given.sent) << given.name;
  }
}

TEST(QueriesText, InitialInventoryLoaderForOneSetAndForSeveral) {
  RecordingScope db;
  HlpDb_LeiturasConjuntoGet(true, kSets);
  db->answers.push_back(MakeRecordset({{"Artigo", adVarWChar, 30}}, {}));
  HlpDb_LeiturasConjuntoGet(false, kSets);
  const std::string one = db->calls.at(0).sql, several = db->calls.at(1).sql;
  EXPECT_NE(one.find("          ,MO.[TpDoc] AS DocOrigTipo \r\n          ,MO.[Serie] AS "
                     "DocOrigSerie \r\n          ,MO.[Numero] AS DocOrigNumero \r\n          "
                     ",MO.[Ano] AS DocOrigAno \r\n"),
            std::string::npos);
  EXPECT_EQ(one.find("ULTPRCBR"), std::string::npos);
  EXPECT_EQ(one.find("COALESCE"), std::string::npos);
  EXPECT_TRUE(one.ends_with(kJoin + kOneSet + "ORDER BY  MO.[NumeroLinha] \r\n"));
  EXPECT_TRUE(
      several.starts_with("SELECT    MAX(MO.[TerminalId]) AS TerminalId \r\n"
                          "          ,MAX(MO.[Data] ) AS Data \r\n"));
  EXPECT_NE(several.find("          ,MAX(MO.[Ordenaca] ) AS Ordenacao \r\n"), std::string::npos);
  EXPECT_TRUE(several.ends_with(
      "          ,MAX(AR.[FACTTRA]) AS FactorTransporte \r\n" + kJoin + kTwoSets +
      "GROUP BY   MO.[Artigo] ,AR.[NOME] ,MO.[Unidade] ,MO.[Armazem] ,MO.[NumeroSerie] "
      ",MO.[NossoLote] ,MO.[VossoLote] ,MO.[DataValidade] \r\n"));
}

// Thirty column lines between the table's two and the key's five.
TEST(QueriesText, CreatesTheParametersTableWhenTheExistenceQueryFindsNothing) {
  RecordingScope db;
  HlpDb_ParametrosCreate();
  const Texts sent = db->CallsWith("");
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0], Open(kExistenceQuery));
  EXPECT_TRUE(
      sent[1].starts_with(Exec("CREATE TABLE [oru_PARAMETROSEXP]\r\n (   \r\n"
                               "    [ID]                     [int] IDENTITY(1,1) NOT NULL, \r\n"
                               "    [LBXFORNBRAGA]           [nvarchar](15)      NOT NULL, \r\n"
                               "    [LBXARMAZEM]             [nvarchar](6)       NOT NULL, \r\n"
                               "    [LBXENCFORDOC]           [nvarchar](3)       NOT NULL, \r\n"
                               "    [LBXENCFORSER]           [nvarchar](10)      NOT NULL, \r\n")));
  EXPECT_TRUE(sent[1].ends_with(
      "    [TRANSFSER]              [nvarchar](10)      NOT NULL, \r\n"
      "    [TRANSFSEC]              [nvarchar](3)       NOT NULL, \r\n"
      " CONSTRAINT [PK_oru_PARAMETROSEXP] PRIMARY KEY CLUSTERED \r\n"
      "     ( \r\n"
      "         [ID] Asc \r\n"
      "     )WITH (PAD_INDEX  = OFF, STATISTICS_NORECOMPUTE  = OFF, IGNORE_DUP_KEY = OFF, "
      "ALLOW_ROW_LOCKS  = ON, ALLOW_PAGE_LOCKS  = ON) ON [PRIMARY] \r\n"
      " ) ON [PRIMARY] \r\n"));
  EXPECT_EQ(std::ranges::count(sent[1], '\r') + std::ranges::count(sent[1], '\n'), 2 * 37);
}

// A failing call is raised again under the operation's name, keeping its number and words,
// before any SQL when the set lists cannot be read; a DDL failure after the existence query; a
// settlement at its first failing batch.
TEST(QueriesText, AFailingCallIsRaisedAgainUnderTheOperationsName) {
  const Texts empty;
  const struct {
    const char* source;
    std::function<void()> operation;
    size_t calls = 0;
    const char* fail_on = "";
  } cases[] = {
      {"HlpDb_DocGcCab", [] { HlpDb_DocGcCab("ECL", 1, "A", 2022); }, 1},
      {"HlpDb_ParametrosCreate", [] { HlpDb_ParametrosCreate(); }, 2, "ExecuteCommand"},
      {"HlpDb_DocOrigQuantidadesSet",
       [] {
         RecordsetPtr headers,
             lines = OrderLines({{int16_t{1}, 1.0, 1.0, "P1"}, {int16_t{2}, 1.0, 1.0, "P2"}});
         HlpDb_DocOrigQuantidadesSet(headers, lines);
       },
       1},
      {"HlpDb_LeiturasConjuntoParaDocumGet",
       [] { HlpDb_LeiturasConjuntoParaDocumGet(true, ChosenSets(kNone, kSyncs)); }},
      {"HlpDb_LeiturasConjuntoGet",
       [&] { HlpDb_LeiturasConjuntoGet(false, ChosenSets(kTerminals, empty)); }},
      {"HlpDb_LeiturasConjuntoGet",
       [] { HlpDb_LeiturasConjuntoGet(true, ChosenSets(kNone, kNone)); }},
      {"HlpDb_LeiturasConjuntoParaAcInventarioGet",
       [] { HlpDb_LeiturasConjuntoParaAcInventarioGet(true, ChosenSets(kTerminals, kNone)); }},
      {"HlpDb_LeiturasPrcUnitSet",
       [] { HlpDb_LeiturasPrcUnitSet(ChosenSets(kNone, kSyncs), "A1", 1.0); }},
      {"HlpDb_LeiturasEstadoSet",
       [&] { HlpDb_LeiturasEstadoSet(true, ChosenSets(empty, kSyncs), 1, 1); }},
      {"HlpDb_LeiturasEstadoSet",
       [] { HlpDb_LeiturasEstadoSet(false, ChosenSets(kTerminals, kNone), 1, 1); }}};
  for (const auto& given : cases) {
    RecordingScope db;
    db->fail_on = given.fail_on;
    db->fail_with = Error(kDatabaseError, "SQLite", "no such table: DOCGCCAB");
    const std::string expected =
        std::to_string(given.calls ? kDatabaseError : kInvalidProcedureCall) +
        "|Comandos::" + given.source + "|" + (given.calls ? "no such table: DOCGCCAB" : "");
    const std::string raised = Raised(given.operation);
    EXPECT_EQ(given.calls ? raised : raised.substr(0, expected.size()), expected);
    EXPECT_EQ(db->calls.size(), given.calls) << given.source;
  }
  RecordingScope db;
  RecordsetPtr headers, none = MakeRecordset({{"QUANT", adDouble}}, {});
  HlpDb_DocOrigQuantidadesSet(headers, none);
  EXPECT_TRUE(db->calls.empty());
  // Without a data access, an operation raises 91 under its name; a bare statement not under one.
  const ContextScope before_the_connection;
  const std::string not_set = std::to_string(kObjectNotSet) + "|";
  EXPECT_TRUE(Raised([] {
                HlpDb_ArmazensGet("", "");
              }).starts_with(not_set + "Comandos::HlpDb_ArmazensGet|"));
  const std::string bare = Raised([] { DataAccessExecute("SELECT 1"); });
  EXPECT_TRUE(bare.starts_with(not_set) && !bare.starts_with(not_set + "Comandos::")) << bare;
}

// The object set is the context's: it goes with the context's scope.
TEST(Definitions, DataAccessSetSharesTheObjectForTheContextsScope) {
  auto recorder = std::make_shared<RecordingDataAccess>();
  {
    const ContextScope company;
    DataAccessSet(recorder);
    EXPECT_EQ(gDataAccess().get(), recorder.get());
    EXPECT_TRUE(DataAccessExecute("DELETE FROM X"));
  }
  EXPECT_EQ(gDataAccess(), nullptr);
  EXPECT_EQ(recorder->CallsWith(""), Texts{Exec("DELETE FROM X")});
}

}  // namespace
}  // namespace pellora
