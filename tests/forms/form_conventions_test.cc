#include <gtest/gtest.h>

#include "forms/enter_moves_focus.h"
#include "forms/form_errors.h"
#include "interfaces/coded_item.h"
#include "tests/forms/scripted_controls.h"

namespace pellora::testing {
namespace {

TEST(EnterMovesFocus, SwallowsEnterAndMovesToTheNextField) {
  ScriptedFormSurface surface;
  EnterMovesFocus(surface);
  int key = kEnterKey;
  surface.key_preview(key);
  EXPECT_EQ(key, 0);
  EXPECT_EQ(surface.focus_moves, 1);
  key = 'a';
  surface.key_preview(key);
  EXPECT_EQ(key, 'a');
  EXPECT_EQ(surface.focus_moves, 1);
}

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

TEST(FormErrors, TheOutermostHandlerShowsNumberAndDescription) {
  RecordingDialogs dialogs;
  bool after = false;
  TrapAndShow(dialogs, "Título", [&] {
    ProcedureTrap("pGravar", [] { throw Error(3021, "ADODB", "Sem registo"); });
    after = true;
  });
  EXPECT_FALSE(after);
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].prompt, "Erro 3021 - ADODB\r\nSem registo");
  EXPECT_EQ(dialogs.boxes[0].buttons, vbExclamation);
  EXPECT_EQ(dialogs.boxes[0].title, "Título");
}

}  // namespace
}  // namespace pellora::testing
