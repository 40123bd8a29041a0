#ifndef PELLORA_TERMINAL_REQUEST_ERROR_H_
#define PELLORA_TERMINAL_REQUEST_ERROR_H_

#include <stdexcept>
#include <string>

namespace pellora::terminal {

// A request the server refuses: the HTTP status and the Portuguese sentence that says why.
class RequestError : public std::runtime_error {
 public:
  RequestError(int status, const std::string& message)
      : std::runtime_error(message), status_(status) {}
  int status() const { return status_; }

 private:
  int status_;
};

}  // namespace pellora::terminal

#endif  // PELLORA_TERMINAL_REQUEST_ERROR_H_
