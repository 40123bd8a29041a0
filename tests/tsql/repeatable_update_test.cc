#include "platform/tsql/repeatable_update.h"

#include <gtest/gtest.h>

namespace pellora::tsql {
namespace {

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
