// The company schema as PostgreSQL DDL: what no query on a company shows.
#include "platform/postgres/postgres_schema.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/error.h"
#include "tests/company_database.h"

namespace pellora::postgres {
namespace {

TEST(PostgresSchemaTest, DatesKeepTheirMillisecondsAndColumnsTheirSqlServerTypes) {
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

TEST(PostgresSchemaTest, TextItCannotTranslateFailsAsPostgresqlNamingWhat) {
  for (const auto& [sql, named] :
       {std::pair{"CREATE TABLE t (a sql_variant NOT NULL)", "sql_variant"},
        std::pair{"CREATE TABLE t (a int", ""}}) {
    try {
      PostgresSchema(sql);
      ADD_FAILURE() << "no error: " << sql;
    } catch (const Error& error) {
      EXPECT_EQ(error.source(), "PostgreSQL") << sql;
      EXPECT_NE(error.description().find(named), std::string::npos) << sql;
    }
  }
}

}  // namespace
}  // namespace pellora::postgres
