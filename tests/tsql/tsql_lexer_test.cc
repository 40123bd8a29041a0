#include "platform/tsql/tsql_lexer.h"

#include <gtest/gtest.h>

#include "platform/tsql/repeatable_update.h"
#include "platform/tsql/tsql_items.h"
#include "runtime/error.h"

namespace pellora::tsql {
namespace {

std::string Rendered(std::string_view tsql) {
  return Render(BuildItems(Tokenize(tsql)));
}

// Each token as its kind's number, N for a national literal, and its text, joined by spaces.
std::string Described(std::string_view tsql) {
  std::string out;
  for (const Token& token : Tokenize(tsql)) {
    out += (out.empty() ? "" : " ") + std::to_string(static_cast<int>(token.kind)) +
           (token.national ? "N" : "") + ":" + token.text;
  }
  return out;
}

TEST(TsqlLexerTest, LiteralsNamesVariablesNumbersAndOperatorsKeepTheirText) {
  // Kinds: 0 word, 1 quoted name, 2 string, 3 number, 4 variable, 5 symbol.
  EXPECT_EQ(Described("N'it''s -- not' [Doc. Origem] \"a\"\"b\" 'x'"),
            "2N:it's -- not 1:Doc. Origem 1:a\"b 2:x");
  EXPECT_EQ(Described("@QTT=-1.5e3<>x||y"), "4:@QTT 5:= 5:- 3:1.5e3 5:<> 0:x 5:|| 0:y");
}

TEST(TsqlLexerTest, RenderingQuotesForSqliteAndKeepsBlanksAsOne) {
  EXPECT_EQ(Rendered("SELECT  [CONVERT],\r\n N'a''b'  FROM [dbo].[x] -- note\r\n"),
            "SELECT \"CONVERT\", 'a''b' FROM \"dbo\".\"x\"");
  EXPECT_EQ(Rendered("f( a ,b)/* c */g"), "f( a ,b) g");
  // A filter ending in a number straight before ORDER BY, as the catalogue queries build it.
  EXPECT_EQ(Rendered("WHERE   TPFSTC =3ORDER BY   CODIGO"), "WHERE TPFSTC =3 ORDER BY CODIGO");
}

TEST(TsqlLexerTest, UnterminatedTextAndUnbalancedParenthesesFail) {
  for (const char* text : {"SELECT 'abc", "SELECT [abc", "SELECT (1", "SELECT 1)"})
    EXPECT_THROW(BuildItems(Tokenize(text)), Error) << text;
}

TEST(RepeatableUpdateTest, ConstantAssignmentsNotNamedInTheConditionRepeat) {
  EXPECT_TRUE(
      IsRepeatableUpdate("UPDATE   oru_ARM_Picking_Movimentos  \r\nSET      [Estado] = 1  \r\n"
                         "WHERE    TerminalId in('T1','T2') AND DataSync in ('S1','S2') "));
  EXPECT_TRUE(IsRepeatableUpdate("UPDATE t SET a = -1, b = N'x' WHERE c = 2"));
}

TEST(RepeatableUpdateTest, AnythingThatCouldChangeOnARepeatDoesNot) {
  // The condition names the assigned column: a repeat may meet other rows.
  EXPECT_FALSE(IsRepeatableUpdate("UPDATE t SET [Estado] = 1 WHERE Estado = 0"));
  // The new value depends on the row.
  EXPECT_FALSE(IsRepeatableUpdate("UPDATE ARTIGOS SET TOTENCCL = TOTENCCL - 2 WHERE CODIGO='A'"));
  // Every row, several statements, variables and subqueries are left alone.
  EXPECT_FALSE(IsRepeatableUpdate("UPDATE t SET a = 1"));
  EXPECT_FALSE(
      IsRepeatableUpdate("UPDATE t SET a = 1 WHERE b = 2 ;  UPDATE u SET c = 3 WHERE d = 4"));
  EXPECT_FALSE(IsRepeatableUpdate("UPDATE t SET a = 1 WHERE b = @v"));
  EXPECT_FALSE(IsRepeatableUpdate("UPDATE t SET a = 1 WHERE b IN (SELECT b FROM u)"));
  EXPECT_FALSE(IsRepeatableUpdate("DELETE FROM t WHERE b = 2"));
}

}  // namespace
}  // namespace pellora::tsql
