#include "platform/console/console_connection_settings.h"

#include <ostream>

#include "platform/console/console_dialogs.h"
#include "runtime/error.h"

namespace pellora::console {

void ConsoleConnectionSettings::Configure() {
  if (!terminal_.interactive) {
    // Nobody can say where the database is: the company is not opened rather than guessed.
    const std::string lacking = Connection().Lacking();
    if (!lacking.empty()) throw Error(kInvalidProcedureCall, kTitle, lacking);
    return;
  }
  terminal_.out << "[" << kTitle << "] " << File() << "\n";
  Values values = Current();
  for (size_t i = 0; i < kCount; ++i) {
    const std::optional<std::string> answer =
        terminal_.Ask(std::string(Settings()[i].label) + " [" + values[i] + "]: ");
    if (!answer) return;
    if (!answer->empty()) values[i] = *answer;
  }
  if (ConfirmSave() && ConsoleDialogs(terminal_).MsgBox("Gravar a configuração?",
                                                        vbYesNo + vbQuestion, kTitle) != vbYes) {
    return;
  }
  Store(values);
}

}  // namespace pellora::console
