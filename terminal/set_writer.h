#ifndef PELLORA_TERMINAL_SET_WRITER_H_
#define PELLORA_TERMINAL_SET_WRITER_H_

#include <string>

#include "terminal/company_link.h"
#include "terminal/set_request.h"

namespace pellora::terminal {

struct SetAnswer {
  bool created;     // false: the terminal had sent this id before
  std::string set;  // "TERMINAL|DATASYNC"
  int readings;
};

// Writes the reading sets terminals send into oru_ARM_Picking_Movimentos, as the add-in
// imports them: a whole set in one transaction or nothing, each reading checked as an import
// checks it, each set with a stamp no other set has, and each id of a terminal written once.
class SetWriter {
 public:
  explicit SetWriter(CompanyLink& company) : company_(company) {}

  // The set `request` of `terminal` (its id as registered); RequestError (400) naming the first
  // faulty reading and why when the set is refused, with nothing written.
  SetAnswer Write(const std::string& terminal, const SetRequest& request);

 private:
  CompanyLink& company_;
};

}  // namespace pellora::terminal

#endif  // PELLORA_TERMINAL_SET_WRITER_H_
