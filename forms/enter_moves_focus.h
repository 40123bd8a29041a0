#ifndef PELLORA_FORMS_ENTER_MOVES_FOCUS_H_
#define PELLORA_FORMS_ENTER_MOVES_FOCUS_H_

#include "interfaces/controls.h"

namespace pellora {

inline constexpr int kEnterKey = 13;

// The forms' Enter key: seen before any control, swallowed, and turned into a move to the
// following field, so the operator walks the fields with Enter.
void EnterMovesFocus(FormSurface& surface);

}  // namespace pellora

#endif  // PELLORA_FORMS_ENTER_MOVES_FOCUS_H_
