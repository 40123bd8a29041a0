#include "platform/console/form_push_button.h"

#include "runtime/text.h"

namespace pellora::console {

std::string ConsolePushButton::ShownCaption() const {
  return Replace(caption_, "&", "");
}

bool ConsolePushButton::IsNamed(std::string_view typed) const {
  return CompareTextNoCase(Replace(Trim(typed), "&", ""), ShownCaption()) == 0;
}

void ConsolePushButton::Press() {
  if (on_click_) on_click_();
}

}  // namespace pellora::console
