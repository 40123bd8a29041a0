#include "platform/tsql/tsql_lexer.h"

#include <gtest/gtest.h>

#include "platform/tsql/tsql_items.h"
#include "runtime/error.h"

namespace pellora::tsql {
namespace {

std::string Rendered(std::string_view tsql) {
  return Render(BuildItems(Tokenize(tsql)));
}

TEST(TsqlLexerTest, LiteralsAndNamesKeepTheirTextWhateverTheyHold) {
  std::vector<Token> tokens = Tokenize("N'it''s -- not' [Doc. Origem] \"a\"\"b\" 'x'");
  ASSERT_EQ(tokens.size(), 4u);
  EXPECT_EQ(tokens[0].kind, TokenKind::kString);
  EXPECT_TRUE(tokens[0].national);
  EXPECT_EQ(tokens[0].text, "it's -- not");
  EXPECT_EQ(tokens[1].kind, TokenKind::kQuotedName);
  EXPECT_EQ(tokens[1].text, "Doc. Origem");
  EXPECT_EQ(tokens[2].text, "a\"b");
  EXPECT_FALSE(tokens[3].national);
}

TEST(TsqlLexerTest, VariablesNumbersAndOperators) {
  std::vector<Token> tokens = Tokenize("@QTT=-1.5e3<>x||y");
  ASSERT_EQ(tokens.size(), 8u);
  EXPECT_EQ(tokens[0].kind, TokenKind::kVariable);
  EXPECT_EQ(tokens[0].text, "@QTT");
  EXPECT_EQ(tokens[2].text, "-");
  EXPECT_EQ(tokens[3].kind, TokenKind::kNumber);
  EXPECT_EQ(tokens[3].text, "1.5e3");
  EXPECT_EQ(tokens[4].text, "<>");
  EXPECT_EQ(tokens[6].text, "||");
  EXPECT_EQ(tokens[7].text, "y");
}

TEST(TsqlLexerTest, RenderingQuotesForSqliteAndKeepsBlanksAsOne) {
  EXPECT_EQ(Rendered("SELECT  [CONVERT],\r\n N'a''b'  FROM [dbo].[x] -- note\r\n"),
            "SELECT \"CONVERT\", 'a''b' FROM \"dbo\".\"x\"");
  EXPECT_EQ(Rendered("f( a ,b)/* c */g"), "f( a ,b) g");
  // A filter ending in a number straight before ORDER BY, as the catalogue queries build it.
  EXPECT_EQ(Rendered("WHERE   TPFSTC =3ORDER BY   CODIGO"), "WHERE TPFSTC =3 ORDER BY CODIGO");
}

TEST(TsqlLexerTest, UnterminatedTextAndUnbalancedParenthesesFail) {
  for (const char* text : {"SELECT 'abc", "SELECT [abc", "SELECT (1", "SELECT 1)"}) {
    EXPECT_THROW(BuildItems(Tokenize(text)), Error) << text;
  }
}

}  // namespace
}  // namespace pellora::tsql
