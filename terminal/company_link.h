#ifndef PELLORA_TERMINAL_COMPANY_LINK_H_
#define PELLORA_TERMINAL_COMPANY_LINK_H_

#include <mutex>
#include <utility>

#include "interfaces/data_access.h"

namespace pellora::terminal {

// The server's one connection to the company, used by one request at a time: a data-access
// object is not shared between threads, and the company takes one writer at a time anyway.
class CompanyLink {
 public:
  explicit CompanyLink(DataAccessPtr data_access) : data_access_(std::move(data_access)) {}

  // Runs `work(DataAccess&)` alone on the connection and answers what it answers.
  template <typename Work>
  auto Use(Work&& work) {
    std::lock_guard<std::mutex> alone(mutex_);
    return work(*data_access_);
  }

 private:
  std::mutex mutex_;
  DataAccessPtr data_access_;
};

}  // namespace pellora::terminal

#endif  // PELLORA_TERMINAL_COMPANY_LINK_H_
