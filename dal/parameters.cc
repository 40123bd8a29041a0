// The add-in's parameters table, oru_PARAMETROSEXP: creation, upgrade, read and write-back.

#include <array>
#include <string_view>

#include "dal/conflict_retry.h"
#include "dal/dal_comandos.h"
#include "dal/dal_error.h"
#include "dal/definitions.h"
#include "dal/query.h"
#include "dal/sql_text.h"

namespace pellora {
namespace {

struct ParameterColumn {
  std::string_view name;
  int width;  // nvarchar length
};

// Every column after ID, in table order. The nine series columns are those of width 10.
constexpr int kSeriesWidth = 10;
constexpr std::array<ParameterColumn, 29> kColumns = {{
    {"LBXFORNBRAGA", 15}, {"LBXARMAZEM", 6},    {"LBXENCFORDOC", 3},  {"LBXENCFORSER", 10},
    {"LBXENCFORSEC", 3},  {"LBXCOMFORDOC", 3},  {"LBXCOMFORSER", 10}, {"LBXCOMFORSEC", 3},
    {"LBXTPDOCPART", 3},  {"LBXSERIEPART", 10}, {"BRGCLILISBOA", 15}, {"BRGARMAZEM", 6},
    {"BRGENCCLIDOC", 3},  {"BRGENCCLISER", 10}, {"BRGENCCLISEC", 3},  {"BRGTPDOCPART", 3},
    {"BRGSERIEPART", 10}, {"INVENTDOC", 3},     {"INVENTSER", 10},    {"INVENTSEC", 3},
    {"QUEBRADOC", 3},     {"QUEBRASER", 10},    {"QUEBRASEC", 3},     {"SOBRADOC", 3},
    {"SOBRASER", 10},     {"SOBRASEC", 3},      {"TRANSFDOC", 3},     {"TRANSFSER", 10},
    {"TRANSFSEC", 3},
}};

std::string PadRight(std::string text, size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

std::string ColumnLine(std::string_view name, const std::string& definition) {
  return "    " + PadRight("[" + std::string(name) + "]", 25) + definition;
}

std::string CreateTableSql() {
  std::string sql = SqlLines({"CREATE TABLE [oru_PARAMETROSEXP]", " (   ",
                              ColumnLine("ID", "[int] IDENTITY(1,1) NOT NULL, ")});
  for (const ParameterColumn& column : kColumns) {
    const std::string type = "[nvarchar](" + std::to_string(column.width) + ")";
    sql += SqlLines({ColumnLine(column.name, PadRight(type, 20) + "NOT NULL, ")});
  }
  return sql + SqlLines({" CONSTRAINT [PK_oru_PARAMETROSEXP] PRIMARY KEY CLUSTERED ", "     ( ",
                         "         [ID] Asc ",
                         "     )WITH (PAD_INDEX  = OFF, STATISTICS_NORECOMPUTE  = OFF, "
                         "IGNORE_DUP_KEY = OFF, ALLOW_ROW_LOCKS  = ON, ALLOW_PAGE_LOCKS  = ON) "
                         "ON [PRIMARY] ",
                         " ) ON [PRIMARY] "});
}

}  // namespace

void HlpDb_ParametrosCreate() {
  ComandosTrap("HlpDb_ParametrosCreate", [] {
    RecordsetPtr existing = OpenQuery(SqlLines(
        {"SELECT * FROM sys.objects WHERE object_id = OBJECT_ID(N'[dbo].[oru_PARAMETROSEXP]') "
         "AND type in (N'U')"}));
    if (ObjectOf(existing).RecordCount() == 0) DataAccessExecute(CreateTableSql());
  });
}

void HlpDb_ParametrosConvert2022S() {
  ComandosTrap("HlpDb_ParametrosConvert2022S", [] {
    std::string sql;
    for (const ParameterColumn& column : kColumns) {
      if (column.width != kSeriesWidth) continue;
      if (!sql.empty()) sql += SqlLines({";   "});
      sql +=
          SqlLines({"ALTER TABLE oru_PARAMETROSEXP   ",
                    "ALTER COLUMN [" + std::string(column.name) + "] [nvarchar](10) NOT NULL   "});
    }
    DataAccessExecute(sql);
  });
}

RecordsetPtr HlpDb_ParametrosGet() {
  return ComandosTrap("HlpDb_ParametrosGet", [] {
    return OpenQuery(SqlLines({"SELECT TOP(1) * FROM oru_PARAMETROSEXP "}));
  });
}

void HlpDb_ParametrosSave(RecordsetPtr& parameters) {
  ComandosTrap("HlpDb_ParametrosSave",
               [&] { RetriedOnConflict([&] { SaveChanges(parameters); }); });
}

}  // namespace pellora
