#include "platform/sqlite/connection_string.h"

#include <gtest/gtest.h>

namespace pellora::sqlite {
namespace {

TEST(SqliteConnectionStringTest, UserAndPasswordFormNamesTheCompanyFile) {
  const ConnectionString text(
      "Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=/srv/empresas;"
      "Initial Catalog=EMP1;User Id=sa;Password=segredo; ");
  EXPECT_EQ(text.DatabaseFile(), std::filesystem::path("/srv/empresas/EMP1.db"));
  EXPECT_EQ(text.Value("user id"), "sa");
  EXPECT_EQ(text.Value("PASSWORD"), "segredo");
  EXPECT_EQ(text.Value("Provider"), "MSDataShape");
}

TEST(SqliteConnectionStringTest, IntegratedSecurityFormAndEmptyUser) {
  const ConnectionString integrated(
      "Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=dados;Initial Catalog=EMP2;"
      "Integrated Security=SSPI;");
  EXPECT_EQ(integrated.DatabaseFile(), std::filesystem::path("dados/EMP2.db"));
  EXPECT_EQ(integrated.Value("Integrated Security"), "SSPI");

  const ConnectionString no_user("Data Source=d;Initial Catalog=E;User Id=;Password=x; ");
  EXPECT_EQ(no_user.Value("User Id"), "");
  EXPECT_EQ(no_user.Value("Password"), "x");
}

TEST(SqliteConnectionStringTest, BlanksQuotesAndCaseOfKeys) {
  const ConnectionString text(
      "  data source = \"/tmp/a;b\" ; INITIAL CATALOG='O''Neil' ;Password=\"p\"\"q\"");
  EXPECT_EQ(text.Value("Data Source"), "/tmp/a;b");
  EXPECT_EQ(text.Value("Initial Catalog"), "O'Neil");
  EXPECT_EQ(text.Value("password"), "p\"q");
  EXPECT_EQ(text.DatabaseFile(), std::filesystem::path("/tmp/a;b/O'Neil.db"));
}

TEST(SqliteConnectionStringTest, MissingFolderOrCatalogGivesNoFile) {
  EXPECT_TRUE(ConnectionString("Initial Catalog=EMP1").DatabaseFile().empty());
  EXPECT_TRUE(ConnectionString("Data Source=/srv;Initial Catalog=  ").DatabaseFile().empty());
  EXPECT_EQ(ConnectionString("Data Source=/srv").Value("Initial Catalog"), "");
}

}  // namespace
}  // namespace pellora::sqlite
