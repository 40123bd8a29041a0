#include <gtest/gtest.h>

#include <sstream>

#include "platform/console/console_dialogs.h"

namespace pellora::console {
namespace {

class ConsoleDialogsTest : public ::testing::Test {
 protected:
  ConsoleDialogs Dialogs(bool interactive, std::deque<std::string> answers = {}) {
    return ConsoleDialogs({in_, out_, interactive}, std::move(answers));
  }

  std::istringstream in_;
  std::ostringstream out_;
};

TEST_F(ConsoleDialogsTest, OnATerminalTheOperatorChoosesAndInvalidAnswersAskAgain) {
  in_.str("talvez\nNão\nc\n\n");
  ConsoleDialogs dialogs = Dialogs(true);
  EXPECT_EQ(dialogs.MsgBox("Gravar?", vbYesNoCancel, "T"), vbNo);
  EXPECT_EQ(dialogs.MsgBox("Gravar?", vbYesNoCancel, "T"), vbCancel);
  EXPECT_EQ(dialogs.MsgBox("Gravar?", vbYesNo, "T"), vbYes);  // empty line: the default
  EXPECT_NE(out_.str().find("Sim (s) / Não (n) / Cancelar (c): "), std::string::npos);
}

TEST_F(ConsoleDialogsTest, InputBoxTakesScriptedAnswersThenCancels) {
  ConsoleDialogs dialogs = Dialogs(false, {"Novo título"});
  EXPECT_EQ(dialogs.InputBox("Introduza o novo título", "Renomear", "antigo"), "Novo título");
  EXPECT_EQ(dialogs.InputBox("Introduza o novo título", "Renomear", "antigo"), "");
  EXPECT_EQ(out_.str().find("[Renomear] Introduza o novo título\n"), 0u);
}

TEST_F(ConsoleDialogsTest, InputBoxOnATerminalKeepsTheDefaultOnAnEmptyLine) {
  in_.str("\nescrito\n");
  ConsoleDialogs dialogs = Dialogs(true);
  EXPECT_EQ(dialogs.InputBox("Valor", "T", "antigo"), "antigo");
  EXPECT_EQ(dialogs.InputBox("Valor", "T", "antigo"), "escrito");
  EXPECT_EQ(dialogs.InputBox("Valor", "T", "antigo"), "");  // end of input cancels
}

}  // namespace
}  // namespace pellora::console
