#include "platform/console/console_dialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/platform/console_streams.h"

namespace pellora::console {
namespace {

class ConsoleDialogsTest : public ::testing::Test, protected ConsoleStreams {};

TEST_F(ConsoleDialogsTest, OnATerminalTheOperatorChoosesAndInvalidAnswersAskAgain) {
  in_.str("talvez\nNão\nc\n\n");  // the empty line takes the default
  ConsoleDialogs dialogs({in_, out_, true});
  EXPECT_EQ((std::vector<int>{dialogs.MsgBox("Gravar?", vbYesNoCancel, "T"),
                              dialogs.MsgBox("Gravar?", vbYesNoCancel, "T"),
                              dialogs.MsgBox("Gravar?", vbYesNo, "T")}),
            (std::vector<int>{vbNo, vbCancel, vbYes}));
  ExpectShown({"Sim (s) / Não (n) / Cancelar (c): "});
}

// Scripted answers, then a cancel; on a terminal, an empty line keeps the default and the end of
// input cancels.
TEST_F(ConsoleDialogsTest, InputBoxTakesScriptedOrTypedAnswers) {
  ConsoleDialogs scripted({in_, out_, false}, {"Novo título"});
  EXPECT_EQ(
      (std::vector<std::string>{scripted.InputBox("Introduza o novo título", "Renomear", "a"),
                                scripted.InputBox("Introduza o novo título", "Renomear", "a")}),
      (std::vector<std::string>{"Novo título", ""}));
  EXPECT_EQ(out_.str().find("[Renomear] Introduza o novo título\n"), 0u);
  in_.str("\nescrito\n");
  ConsoleDialogs typed({in_, out_, true});
  EXPECT_EQ((std::vector<std::string>{typed.InputBox("Valor", "T", "antigo"),
                                      typed.InputBox("Valor", "T", "antigo"),
                                      typed.InputBox("Valor", "T", "antigo")}),
            (std::vector<std::string>{"antigo", "escrito", ""}));
}

}  // namespace
}  // namespace pellora::console
