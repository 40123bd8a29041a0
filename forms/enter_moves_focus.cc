#include "forms/enter_moves_focus.h"

namespace pellora {

void EnterMovesFocus(FormSurface& surface) {
  surface.SetKeyPreview([&surface](int& key_ascii) {
    if (key_ascii != kEnterKey) return;
    key_ascii = 0;
    surface.MoveFocusNext();
  });
}

}  // namespace pellora
