#ifndef PELLORA_TESTS_TSQL_TSQL_SHAPE_CASES_H_
#define PELLORA_TESTS_TSQL_TSQL_SHAPE_CASES_H_

#include <algorithm>
#include <initializer_list>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "platform/tsql/tsql_declared_types.h"
#include "platform/tsql/tsql_step.h"

namespace pellora::tsql {

// The company tables the translator tests name, typed as SQL Server reports them.
class FakeSchema : public SchemaInfo {
 public:
  FakeSchema() {
    Add("oru_ARM_Picking_Movimentos",
        "TerminalId nvarchar(20), DataSync nvarchar(14), Data nvarchar(14), NumeroLinha int, "
        "TpDoc nvarchar(3), Serie nvarchar(10), Numero int, Ano smallint, TipoMov nvarchar(1), "
        "Tpterc int, Terceiro nvarchar(15), Artigo nvarchar(30), Quantidade float, Estado int, "
        "Ordenaca int, PrecoUnitario float, Dest_TpDoc nvarchar(3), Dest_Serie nvarchar(10)");
    Add("ARTARM", "ARTIGO nvarchar(30), EXISTENC float");
    Add("ARTIGOS",
        "CODIGO nvarchar(30), NOME nvarchar(60), ULTPRCOM money, STDISP float, UNEMB nvarchar(5), "
        "FACTEMB float");
    Add("CLIENTES", "CODIGO nvarchar(15), NOME nvarchar(60)");
    Add("FORNEC", "CODIGO nvarchar(15), NOME nvarchar(50)");
    Add("DOCGCCAB", "TPFSTC smallint, DateUpd datetime, HourUpd nvarchar(8)");
    Add("DOCGCLIN", "QUANT float, ARTIGO nvarchar(30)");
    Add("oru_ArquivoDigital",
        "oru_ArquivoDigital_Id int, oru_ArquivoDigital_Titulo nvarchar(100), "
        "oru_ArquivoDigital_NomeFicheiro varchar(50)");
    Add("IDIOMAS", "CODIGO nvarchar(5), DESCR nvarchar(40)");
    Add("NSEREXIS", "ARTIGO nvarchar(30), NUMSER nvarchar(30), ARMAZEM nvarchar(6)");
  }

  std::optional<ColumnType> ColumnTypeOf(std::string_view table,
                                         std::string_view column) const override {
    auto found = columns_.find(Key(table, column));
    if (found == columns_.end()) return std::nullopt;
    return found->second;
  }
  // Only NSEREXIS has a key here: the other tables' rows keep the order their statements give.
  std::vector<std::string> KeyOf(std::string_view table) const override {
    if (Key(table, "") != "NSEREXIS.") return {};
    return {"ARTIGO", "NUMSER"};
  }

 private:
  static std::string Key(std::string_view table, std::string_view column) {
    std::string key = std::string(table) + "." + std::string(column);
    for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key;
  }

  // `columns` as "name type, name type...", each type as the server declares it.
  void Add(const std::string& table, std::string_view columns) {
    for (size_t at = 0; at < columns.size();) {
      const size_t end = std::min(columns.find(", ", at), columns.size());
      const std::string_view column = columns.substr(at, end - at);
      const size_t blank = column.find(' ');
      columns_[Key(table, column.substr(0, blank))] =
          ColumnTypeFromDeclared(column.substr(blank + 1));
      at = end + 2;
    }
  }

  std::map<std::string, ColumnType> columns_;
};

// Lines joined as the system sends them: each ended by CR LF.
inline std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// One statement shape the add-in sends, with the steps each engine must make of it, as
// DescribeSteps writes them. Both engines' tests run the same list, so a shape read for one
// engine and not the other shows up as a failing case.
struct ShapeCase {
  std::string name;
  std::string tsql;
  std::string sqlite;
  std::string postgres;
};

// GoogleTest names a failing case by its shape.
inline void PrintTo(const ShapeCase& shape_case, std::ostream* out) {
  *out << shape_case.name;
}

// Steps one per line: kSql as its text, "DECLARE @v type", "SET @v = query", "IF query" with
// its body indented and "END", "ALTER COLUMN t.c type"; " -- $n: @v..." lists a text's
// parameters.
inline std::string DescribeSteps(const std::vector<Step>& steps, const std::string& indent = "") {
  std::string out;
  for (const Step& step : steps) {
    if (!out.empty()) out += "\n";
    out += indent;
    switch (step.kind) {
      case Step::Kind::kSql:
        out += step.sql;
        break;
      case Step::Kind::kDeclare:
        out += "DECLARE " + step.variable + " " + step.variable_type;
        break;
      case Step::Kind::kSetVariable:
        out += "SET " + step.variable + " = " + step.sql;
        break;
      case Step::Kind::kIf:
        out += "IF " + step.sql;
        break;
      case Step::Kind::kAlterColumn:
        out += "ALTER COLUMN " + step.table + "." + step.column + " " + step.column_type;
        break;
    }
    for (size_t i = 0; i < step.parameters.size(); ++i)
      out += (i == 0 ? " -- " : ", ") + ("$" + std::to_string(i + 1)) + ": " + step.parameters[i];
    if (step.kind == Step::Kind::kIf)
      out += "\n" + DescribeSteps(step.body, indent + "  ") + "\n" + indent + "END";
  }
  return out;
}

inline const std::vector<ShapeCase>& ShapeCases() {
  static const std::vector<ShapeCase> cases = {
      {"NationalLiteralsAndBracketedNames",
       "UPDATE [oru_ArquivoDigital] SET oru_ArquivoDigital_Titulo = N'Ficha d''artigo' "
       "WHERE ([oru_ArquivoDigital_Id]=4)",
       "UPDATE \"oru_ArquivoDigital\" SET oru_ArquivoDigital_Titulo = 'Ficha d''artigo' WHERE "
       "(\"oru_ArquivoDigital_Id\"=4)",
       "UPDATE \"oru_arquivodigital\" SET oru_ArquivoDigital_Titulo = 'Ficha d''artigo' WHERE "
       "(\"oru_arquivodigital_id\"=4)"},
      {"TopBecomesLimit", Lines({"SELECT TOP(1) * FROM oru_PARAMETROSEXP "}),
       "SELECT * FROM oru_PARAMETROSEXP LIMIT 1", "SELECT * FROM oru_PARAMETROSEXP LIMIT 1"},
      {"GroupedRowsComeInTheOrderOfTheirGroups",
       "SELECT TOP 5 MO.Artigo, SUM(MO.Quantidade) AS Q FROM oru_ARM_Picking_Movimentos AS MO "
       "GROUP BY MO.Artigo, MO.[Armazem] HAVING SUM(MO.Quantidade) > (SELECT COUNT(*) FROM "
       "ARTIGOS GROUP BY CODIGO)",
       "SELECT MO.Artigo, SUM(MO.Quantidade) AS Q FROM oru_ARM_Picking_Movimentos AS MO GROUP BY "
       "MO.Artigo, MO.\"Armazem\" HAVING SUM(MO.Quantidade) > (SELECT COUNT(*) FROM ARTIGOS "
       "GROUP BY CODIGO) ORDER BY MO.Artigo, MO.\"Armazem\" LIMIT 5",
       "SELECT MO.Artigo, SUM(MO.Quantidade) AS Q FROM oru_ARM_Picking_Movimentos AS MO GROUP BY "
       "MO.Artigo, MO.\"armazem\" HAVING SUM(MO.Quantidade) > (SELECT COUNT(*) FROM ARTIGOS "
       "GROUP BY CODIGO) ORDER BY MO.Artigo, MO.\"armazem\" LIMIT 5"},
      {"GroupsAlreadyOrderedAreLeftAsWritten",
       "SELECT Artigo, COUNT(*) FROM oru_ARM_Picking_Movimentos GROUP BY Artigo "
       "ORDER BY COUNT(*) DESC",
       "SELECT Artigo, COUNT(*) FROM oru_ARM_Picking_Movimentos GROUP BY Artigo "
       "ORDER BY COUNT(*) DESC",
       "SELECT Artigo, COUNT(*) FROM oru_ARM_Picking_Movimentos GROUP BY Artigo "
       "ORDER BY COUNT(*) DESC"},
      {"GroupsOfAUnionAreLeftAsWritten",
       "SELECT Artigo FROM oru_ARM_Picking_Movimentos GROUP BY Artigo "
       "UNION SELECT CODIGO FROM ARTIGOS GROUP BY CODIGO",
       "SELECT Artigo FROM oru_ARM_Picking_Movimentos GROUP BY Artigo "
       "UNION SELECT CODIGO FROM ARTIGOS GROUP BY CODIGO",
       "SELECT Artigo FROM oru_ARM_Picking_Movimentos GROUP BY Artigo "
       "UNION SELECT CODIGO FROM ARTIGOS GROUP BY CODIGO"},
      {"PlainRowsComeInTheKeyOrderOfTheirFirstTable",
       Lines({"DECLARE @S NVARCHAR(30)", "SELECT @S = NUMSER FROM [NSEREXIS] WHERE ARMAZEM = 'A01'",
              "SELECT TOP 3 NS.[NUMSER], AR.NOME FROM [NSEREXIS] AS NS ",
              "  INNER JOIN ARTIGOS AS AR ON AR.CODIGO = NS.ARTIGO ",
              "WHERE NS.ARTIGO IN (SELECT ARTIGO FROM NSEREXIS)"}),
       "DECLARE @S NVARCHAR(30)\n"
       "SET @S = SELECT NUMSER FROM \"NSEREXIS\" WHERE ARMAZEM = 'A01' ORDER BY \"NSEREXIS\"."
       "\"ARTIGO\", \"NSEREXIS\".\"NUMSER\"\n"
       "SELECT NS.\"NUMSER\", AR.NOME FROM \"NSEREXIS\" AS NS INNER JOIN ARTIGOS AS AR ON "
       "AR.CODIGO = NS.ARTIGO WHERE NS.ARTIGO IN (SELECT ARTIGO FROM NSEREXIS) ORDER BY "
       "NS.\"ARTIGO\", NS.\"NUMSER\" LIMIT 3",
       "DECLARE @S NVARCHAR(30)\n"
       "SET @S = SELECT NUMSER FROM \"nserexis\" WHERE ARMAZEM = 'A01' ORDER BY \"nserexis\"."
       "\"artigo\", \"nserexis\".\"numser\"\n"
       "SELECT NS.\"numser\", AR.NOME FROM \"nserexis\" AS NS INNER JOIN ARTIGOS AS AR ON "
       "AR.CODIGO = NS.ARTIGO WHERE NS.ARTIGO IN (SELECT ARTIGO FROM NSEREXIS) ORDER BY "
       "NS.\"artigo\", NS.\"numser\" LIMIT 3"},
      {"RowsWithoutAnOrderOfTheirOwnAreLeftAsWritten",
       "SELECT DISTINCT ARTIGO FROM NSEREXIS; SELECT ISNULL(COUNT(*), 0) FROM NSEREXIS; "
       "SELECT NUMSER FROM NSEREXIS UNION SELECT CODIGO FROM ARTIGOS; "
       "SELECT X.NUMSER FROM (SELECT NUMSER FROM NSEREXIS) AS X",
       "SELECT DISTINCT ARTIGO FROM NSEREXIS\nSELECT ifnull(COUNT(*), 0) FROM NSEREXIS\n"
       "SELECT NUMSER FROM NSEREXIS UNION SELECT CODIGO FROM ARTIGOS\n"
       "SELECT X.NUMSER FROM (SELECT NUMSER FROM NSEREXIS) AS X",
       "SELECT DISTINCT ARTIGO FROM NSEREXIS\nSELECT COALESCE(COUNT(*), 0) FROM NSEREXIS\n"
       "SELECT NUMSER FROM NSEREXIS UNION SELECT CODIGO FROM ARTIGOS\n"
       "SELECT X.NUMSER FROM (SELECT NUMSER FROM NSEREXIS) AS X"},
      {"AnOrderThatTiesGoesOnInKeyOrder",
       "SELECT NUMSER FROM NSEREXIS ORDER BY NUMSER DESC; SELECT NOME FROM ARTIGOS GROUP BY NOME "
       "ORDER BY COUNT(*)",
       "SELECT NUMSER FROM NSEREXIS ORDER BY NUMSER DESC, NSEREXIS.\"ARTIGO\", "
       "NSEREXIS.\"NUMSER\"\n"
       "SELECT NOME FROM ARTIGOS GROUP BY NOME ORDER BY COUNT(*)",
       "SELECT NUMSER FROM NSEREXIS ORDER BY NUMSER DESC, NSEREXIS.\"artigo\", "
       "NSEREXIS.\"numser\"\n"
       "SELECT NOME FROM ARTIGOS GROUP BY NOME ORDER BY COUNT(*)"},
      {"IsNullOfAColumn", "SELECT ISNULL(AM.[EXISTENC],0) AS StockArm FROM ARTARM AS AM",
       "SELECT ifnull(AM.\"EXISTENC\", 0) AS StockArm FROM ARTARM AS AM",
       "SELECT COALESCE(AM.\"existenc\", 0) AS StockArm FROM ARTARM AS AM"},
      {"DateConvertedWithStyle120AndJoined",
       "SELECT REPLACE(convert(varchar(10),DOCGCCAB.DateUpd,120),'-','')+DOCGCCAB.HourUpd AS M "
       "FROM DOCGCCAB",
       "SELECT REPLACE(substr(strftime('%Y-%m-%d %H:%M:%S', DOCGCCAB.DateUpd), 1, 10),'-','')"
       "||DOCGCCAB.HourUpd AS M FROM DOCGCCAB",
       "SELECT REPLACE(CAST(to_char(DOCGCCAB.DateUpd, 'YYYY-MM-DD HH24:MI:SS') AS varchar(10)),"
       "'-','')||DOCGCCAB.HourUpd AS M FROM DOCGCCAB"},
      {"NumberConvertedToText",
       "SELECT LT.[TpDoc] + '-' + CONVERT(NVARCHAR(8),LT.[Numero]), CONVERT(varchar, LT.Ano) "
       "FROM oru_ARM_Picking_Movimentos AS LT",
       "SELECT LT.\"TpDoc\" || '-' || substr(CAST(LT.\"Numero\" AS TEXT), 1, 8), "
       "substr(CAST(LT.Ano AS TEXT), 1, 30) FROM oru_ARM_Picking_Movimentos AS LT",
       "SELECT LT.\"tpdoc\" || '-' || CAST(LT.\"numero\" AS varchar(8)), CAST(LT.Ano AS "
       "varchar(30)) FROM oru_ARM_Picking_Movimentos AS LT"},
      {"SubstringsFromAndBeforeTheFirstCharacter",
       "SELECT SUBSTRING(LT.[DataSync],7,2) + '-' + SUBSTRING(LT.DataSync, 0, 3) "
       "FROM oru_ARM_Picking_Movimentos LT",
       "SELECT substr(LT.\"DataSync\", 7, 2) || '-' || substr(LT.DataSync, 1, 2) "
       "FROM oru_ARM_Picking_Movimentos LT",
       "SELECT SUBSTRING(LT.\"datasync\", 7, 2) || '-' || SUBSTRING(LT.DataSync, 0, 3) "
       "FROM oru_ARM_Picking_Movimentos LT"},
      {"PlusJoinsTextsAndAddsNumbers",
       "SELECT MO.Artigo + N'|' + MO.Serie, MO.Numero + 1 + MO.Ano "
       "FROM oru_ARM_Picking_Movimentos AS MO",
       "SELECT MO.Artigo || '|' || MO.Serie, MO.Numero + 1 + MO.Ano "
       "FROM oru_ARM_Picking_Movimentos AS MO",
       "SELECT MO.Artigo || '|' || MO.Serie, MO.Numero + 1 + MO.Ano "
       "FROM oru_ARM_Picking_Movimentos AS MO"},
      {"LikeComparesWithoutCase",
       "SELECT CODIGO FROM ARTIGOS WHERE NOME LIKE N'%parafuso%' AND CODIGO NOT LIKE 'X%'",
       "SELECT CODIGO FROM ARTIGOS WHERE NOME LIKE '%parafuso%' AND CODIGO NOT LIKE 'X%'",
       "SELECT CODIGO FROM ARTIGOS WHERE NOME COLLATE \"und-x-icu\" ILIKE '%parafuso%' AND CODIGO "
       "COLLATE \"und-x-icu\" NOT ILIKE 'X%'"},
      {"TableExistence",
       Lines({"SELECT * FROM sys.objects WHERE object_id = "
              "OBJECT_ID(N'[dbo].[oru_PARAMETROSEXP]') AND type in (N'U')"}),
       "SELECT name FROM sqlite_master WHERE type = 'table' AND name = 'oru_PARAMETROSEXP' "
       "COLLATE NOCASE",
       "SELECT table_name FROM information_schema.tables WHERE table_schema = current_schema() "
       "AND table_name = 'oru_parametrosexp'"},
      {"ParametersTableCreation",
       Lines({"CREATE TABLE [oru_PARAMETROSEXP]", " (   ",
              "    [ID]                     [int] IDENTITY(1,1) NOT NULL, ",
              "    [LBXFORNBRAGA]           [nvarchar](15)      NOT NULL, ",
              "    [PRECO]                  [money]             NULL, ",
              "    [ACTIVO]                 [bit]               NOT NULL, ",
              " CONSTRAINT [PK_oru_PARAMETROSEXP] PRIMARY KEY CLUSTERED ", "     ( ",
              "         [ID] Asc ",
              "     )WITH (PAD_INDEX  = OFF, ALLOW_PAGE_LOCKS  = ON) ON [PRIMARY] ",
              " ) ON [PRIMARY] "}),
       "CREATE TABLE \"oru_PARAMETROSEXP\" (\"ID\" INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL, "
       "\"LBXFORNBRAGA\" nvarchar(15) NOT NULL COLLATE pellora_ci, \"PRECO\" money NULL, "
       "\"ACTIVO\" bit NOT NULL)",
       "CREATE COLLATION IF NOT EXISTS pellora_ci (provider = icu, locale = 'und-u-ks-level2', "
       "deterministic = false)\n"
       "CREATE TABLE \"oru_parametrosexp\" (\"id\" integer GENERATED BY DEFAULT AS IDENTITY NOT "
       "NULL, \"lbxfornbraga\" varchar(15) COLLATE pellora_ci NOT NULL, \"preco\" numeric(19,4) "
       "NULL, \"activo\" smallint NOT NULL, CONSTRAINT \"pk_oru_parametrosexp\" PRIMARY KEY "
       "(\"id\"))\n"
       "COMMENT ON COLUMN \"oru_parametrosexp\".\"id\" IS 'int'\n"
       "COMMENT ON COLUMN \"oru_parametrosexp\".\"lbxfornbraga\" IS 'nvarchar(15)'\n"
       "COMMENT ON COLUMN \"oru_parametrosexp\".\"preco\" IS 'money'\n"
       "COMMENT ON COLUMN \"oru_parametrosexp\".\"activo\" IS 'bit'"},
      {"SeriesColumnWidened",
       Lines({"ALTER TABLE oru_PARAMETROSEXP   ",
              "ALTER COLUMN [INVENTSER] [nvarchar](10) NOT NULL   ", ";   ",
              "ALTER TABLE oru_PARAMETROSEXP ALTER COLUMN QUEBRASER nvarchar(12)"}),
       "ALTER COLUMN oru_PARAMETROSEXP.INVENTSER nvarchar(10) NOT NULL\n"
       "ALTER COLUMN oru_PARAMETROSEXP.QUEBRASER nvarchar(12)",
       "ALTER TABLE \"oru_parametrosexp\" ALTER COLUMN \"inventser\" TYPE varchar(10) COLLATE "
       "pellora_ci, ALTER COLUMN \"inventser\" SET NOT NULL\n"
       "COMMENT ON COLUMN \"oru_parametrosexp\".\"inventser\" IS 'nvarchar(10)'\n"
       "ALTER TABLE \"oru_parametrosexp\" ALTER COLUMN \"quebraser\" TYPE varchar(12) COLLATE "
       "pellora_ci, ALTER COLUMN \"quebraser\" DROP NOT NULL\n"
       "COMMENT ON COLUMN \"oru_parametrosexp\".\"quebraser\" IS 'nvarchar(12)'"},
      {"VariableAndConditionalBlock",
       Lines({"DECLARE   @QTT FLOAT             ", "SELECT    @QTT=SUM(QUANT)        ",
              "FROM      DOCGCLIN               ", "WHERE     TPDOCUM='ECL' AND NNUMDOC=7 ",
              "SELECT    @QTT=COALESCE(@QTT,0) + @Qtt ", "IF (@QTT=0)                      ",
              "BEGIN                            ",
              " UPDATE  DOCGCCAB SET [CONVERT] = -1 WHERE NNUMDOC=7 AND @QTT < 1",
              "END                              "}),
       "DECLARE @QTT FLOAT\n"
       "SET @QTT = SELECT SUM(QUANT) FROM DOCGCLIN WHERE TPDOCUM='ECL' AND NNUMDOC=7\n"
       "SET @QTT = SELECT COALESCE(@QTT,0) + @Qtt\n"
       "IF SELECT (@QTT=0)\n"
       "  UPDATE DOCGCCAB SET \"CONVERT\" = -1 WHERE NNUMDOC=7 AND @QTT < 1\n"
       "END",
       "DECLARE @QTT FLOAT\n"
       "SET @QTT = SELECT SUM(QUANT) FROM DOCGCLIN WHERE TPDOCUM='ECL' AND NNUMDOC=7\n"
       "SET @QTT = SELECT COALESCE(CAST($1 AS double precision),0) + CAST($1 AS double "
       "precision) -- $1: @QTT\n"
       "IF SELECT (CAST($1 AS double precision)=0) -- $1: @QTT\n"
       "  UPDATE DOCGCCAB SET \"convert\" = -1 WHERE NNUMDOC=7 AND CAST($1 AS double precision) "
       "< 1 -- $1: @QTT\n"
       "END"},
  };
  return cases;
}

}  // namespace pellora::tsql

#endif  // PELLORA_TESTS_TSQL_TSQL_SHAPE_CASES_H_
