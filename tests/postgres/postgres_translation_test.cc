// The add-in's SQL in PostgreSQL's spelling: the statement shapes both engines share, and what
// only this translation does: types, numbered parameters, names, the company schema's DDL and the
// errors it raises.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "platform/postgres/postgres_schema.h"
#include "platform/postgres/postgres_translator.h"
#include "platform/postgres/postgres_types.h"
#include "runtime/error.h"
#include "tests/company_database.h"
#include "tests/tsql/tsql_shape_cases.h"

namespace pellora::postgres {
namespace {

using tsql::Step;

class PostgresShapesTest : public ::testing::TestWithParam<tsql::ShapeCase> {};

TEST_P(PostgresShapesTest, GivesPostgresSteps) {
  const tsql::FakeSchema schema;
  EXPECT_EQ(tsql::DescribeSteps(TranslateBatch(GetParam().tsql, schema)), GetParam().postgres);
}

INSTANTIATE_TEST_SUITE_P(Shapes, PostgresShapesTest, ::testing::ValuesIn(tsql::ShapeCases()),
                         [](const auto& info) { return info.param.name; });

class PostgresTranslatorTest : public ::testing::Test {
 protected:
  std::vector<Step> Translate(const std::string& tsql) { return TranslateBatch(tsql, schema_); }

  tsql::FakeSchema schema_;
};

// Lengths as written or SQL Server's defaults; money keeps four decimals whatever follows it.
TEST_F(PostgresTranslatorTest, SqlServerTypesAsPostgresqlDeclaresThem) {
  for (const auto& [name, declared, type] : {std::tuple{"NVARCHAR", "NVARCHAR (10)", "varchar(10)"},
                                             {"nvarchar", "nvarchar(MAX)", "text"},
                                             {"nchar", "nchar", "char(1)"},
                                             {"decimal", "decimal(10, 2)", "numeric(10,2)"},
                                             {"numeric", "numeric", "numeric(18,0)"},
                                             {"money", "money", "numeric(19,4)"},
                                             {"FLOAT", "FLOAT(53)", "double precision"},
                                             {"bit", "bit", "smallint"}}) {
    EXPECT_EQ(PostgresType(name, declared), type) << declared;
  }
  EXPECT_EQ(FoldedName("Código_Emb"), "código_emb");  // only ASCII letters fold
}

// What no query on a company shows: dates keep their milliseconds, columns their SQL Server types.
TEST_F(PostgresTranslatorTest, TheCompanySchemaKeepsMillisecondsAndSqlServerTypes) {
  const std::string ddl = PostgresSchema(testing::CompanySchemaText());
  for (const char* part : {
           "\"data\" timestamp(3) NOT NULL",
           "\nCOMMENT ON COLUMN \"docgccab\".\"data\" IS 'datetime';\n",
           "\nCOMMENT ON COLUMN \"artigos\".\"pvpsiva\" IS 'money';\n",
           "\nCOMMENT ON COLUMN \"oru_arquivodigital\".\"oru_arquivodigital_documento\" IS "
           "'image';\n",
           "\nCOMMENT ON COLUMN \"oru_artigos_fichatecnica\".\"id\" IS 'int';\n",
       }) {
    EXPECT_NE(ddl.find(part), std::string::npos) << part;
  }
}

TEST_F(PostgresTranslatorTest, LikeInsideASubqueryIsCaseBlindToo) {
  std::vector<Step> steps = Translate(
      "DELETE FROM DOCGCLIN WHERE ARTIGO IN (SELECT CODIGO FROM ARTIGOS WHERE NOME like 'a%')");
  ASSERT_EQ(steps.size(), 1u);
  EXPECT_EQ(steps[0].sql,
            "DELETE FROM DOCGCLIN WHERE ARTIGO IN (SELECT CODIGO FROM ARTIGOS WHERE NOME COLLATE "
            "\"und-x-icu\" ILIKE 'a%')");
}

TEST_F(PostgresTranslatorTest, ResultColumnsKeepTheNamesAndTypesSqlServerReports) {
  std::vector<Step> steps = Translate(
      "SELECT ISNULL(AR.ULTPRCOM, 0), AR.CODIGO + N'-' + AR.UNEMB AS [Código Emb], AR.[NOME], "
      "AR.STDISP Stock, 'x' AS 'Texto' FROM ARTIGOS AS AR");
  ASSERT_EQ(steps.size(), 1u);
  // PostgreSQL would name them ?column?, código emb, nome, stock and texto.
  EXPECT_EQ(steps[0].column_names,
            (std::vector<std::string>{"", "Código Emb", "NOME", "Stock", "Texto"}));
  ASSERT_EQ(steps[0].columns.size(), 5u);
  EXPECT_EQ(steps[0].columns[0].ado_type, adCurrency);
  EXPECT_EQ(steps[0].columns[1].ado_type, adVarWChar);
  EXPECT_EQ(steps[0].columns[1].defined_size, 36);
  EXPECT_TRUE(Translate("SELECT AR.*, 1 FROM ARTIGOS AR")[0].column_names.empty());
}

// A batch or a schema text it cannot run fails as PostgreSQL, naming what.
TEST_F(PostgresTranslatorTest, WhatItCannotRunFailsAsPostgresqlNamingIt) {
  for (const auto& [sql, named, schema] :
       {std::tuple{"IF (@QTT=0) UPDATE t SET a = 1", "IF sem bloco BEGIN", false},
        {"SELECT CONVERT(varchar(10), d, 103) FROM t", "estilo 103", false},
        {"SELECT TOP 10 PERCENT a FROM t", "PERCENT", false},
        {"DECLARE @x sql_variant SELECT @x = 1 UPDATE t SET a = @x", "sql_variant", false},
        {"SELECT 'x", "plicas sem fim", false},
        {"CREATE TABLE t (a sql_variant NOT NULL)", "sql_variant", true},
        {"CREATE TABLE t (a int", "", true}}) {
    try {
      schema ? (void)PostgresSchema(sql) : (void)Translate(sql);
      ADD_FAILURE() << "no error for " << sql;
    } catch (const Error& error) {
      EXPECT_EQ(error.number(), kDatabaseError) << sql;
      EXPECT_EQ(error.source(), "PostgreSQL") << sql;
      EXPECT_NE(error.description().find(named), std::string::npos) << error.description();
    }
  }
}

}  // namespace
}  // namespace pellora::postgres
