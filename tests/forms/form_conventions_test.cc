#include <gtest/gtest.h>

#include "interfaces/coded_item.h"

namespace pellora::testing {
namespace {

TEST(CodedItem, ReadsTheCodeBetweenTheFirstCharacterAndTheFirstBracket) {
  EXPECT_EQ(CodedItemText("TR1", "Transferência"), "[TR1] Transferência");
  EXPECT_EQ(CodeOfItem("[TR1] Transferência"), "TR1");
  EXPECT_EQ(CodeOfItem("[A] x ] y"), "A");
  EXPECT_EQ(CodeOfItem("[çã] Série"), "çã");
  EXPECT_EQ(CodeOfItem("[] vazio"), "");
  EXPECT_EQ(CodeOfItem("sem código"), "");
  EXPECT_EQ(CodeOfItem("]x"), "");
  EXPECT_EQ(CodeOfItem(""), "");
}

}  // namespace
}  // namespace pellora::testing
