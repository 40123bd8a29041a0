#ifndef PELLORA_TERMINAL_SESSIONS_H_
#define PELLORA_TERMINAL_SESSIONS_H_

#include <chrono>
#include <ctime>
#include <optional>
#include <string>

#include "terminal/company_link.h"

namespace pellora::terminal {

// How long a session lasts: a working shift and then some.
constexpr int kSessionSeconds = 12 * 3600;
// Wrong PINs in a row that lock a terminal, and for how long.
constexpr int kFailuresBeforeLock = 5;
constexpr int kLockSeconds = 15 * 60;

struct SignIn {
  enum class Outcome { kSignedIn, kRefused, kLocked };
  Outcome outcome;
  std::string terminal;      // as registered, when it is
  std::string token;         // kSignedIn
  std::string locked_until;  // kLocked: "yyyyMMddHHmmss"
  // How long the answer waits: longer with every wrong PIN in a row, so guessing is slow.
  std::chrono::milliseconds delay{0};
};

// Where a token stands.
struct SessionCheck {
  enum class State { kValid, kExpired, kUnknown };
  State state;
  std::string terminal;  // kValid
};

// Sign-in of terminals and their sessions, kept in the company (oru_TerminaisSessoes, by a
// digest of the token) so that a restart of the server keeps them.
class Sessions {
 public:
  explicit Sessions(CompanyLink& company) : company_(company) {}

  SignIn Open(const std::string& terminal, const std::string& pin, std::time_t now);
  SessionCheck Check(const std::string& token, std::time_t now);
  // Ends the session of `token`; its later requests are refused.
  void Close(const std::string& token);

 private:
  SignIn Refuse(const std::string& terminal, std::time_t now);

  CompanyLink& company_;
};

}  // namespace pellora::terminal

#endif  // PELLORA_TERMINAL_SESSIONS_H_
