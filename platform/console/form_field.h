#ifndef PELLORA_PLATFORM_CONSOLE_FORM_FIELD_H_
#define PELLORA_PLATFORM_CONSOLE_FORM_FIELD_H_

#include <iosfwd>
#include <string>

namespace pellora::console {

// A field of a console form: it prints itself and takes the lines the operator types while it
// has the focus.
class FormField {
 public:
  virtual ~FormField() = default;
  virtual void Render(std::ostream& out, bool focused) = 0;
  // Notes a line it cannot use on `out`.
  virtual void Accept(const std::string& line, std::ostream& out) = 0;
};

// What a control prints before its content: the focus mark and its label.
std::string FieldHeading(const std::string& label, bool focused);

}  // namespace pellora::console

#endif  // PELLORA_PLATFORM_CONSOLE_FORM_FIELD_H_
