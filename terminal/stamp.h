#ifndef PELLORA_TERMINAL_STAMP_H_
#define PELLORA_TERMINAL_STAMP_H_

#include <ctime>
#include <string>

namespace pellora::terminal {

// A moment as the readings table writes it: "yyyyMMddHHmmss", in the server's local time.
std::string StampText(std::time_t moment);
// The moment of a stamp; -1 when the text is not one.
std::time_t StampTime(const std::string& stamp);

}  // namespace pellora::terminal

#endif  // PELLORA_TERMINAL_STAMP_H_
