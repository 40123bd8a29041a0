#include <gtest/gtest.h>

#include "forms/form_errors.h"
#include "interfaces/coded_item.h"
#include "tests/forms/scripted_controls.h"

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

TEST(FormErrors, PrivateProceduresChainTheirNames) {
  try {
    ProcedureTrap("pOuter", [] {
      ProcedureTrap("pInner", [] { throw Error(13, "Comandos::HlpDb_SeriesGet", "Tipos"); });
    });
    FAIL() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), 13);
    EXPECT_EQ(error.source(), "pOuter");
    EXPECT_EQ(error.description(), "pInner\r\nComandos::HlpDb_SeriesGet\r\nTipos");
  }
}

}  // namespace
}  // namespace pellora::testing
