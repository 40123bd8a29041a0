#ifndef PELLORA_TESTS_FAILING_STATEMENTS_H_
#define PELLORA_TESTS_FAILING_STATEMENTS_H_

#include <string>
#include <string_view>
#include <utility>

#include "platform/session/statement_observer.h"
#include "runtime/error.h"

namespace pellora::testing {

// Fails statements before they reach the engine. With a `prefix`, the first statement that
// begins with it, as a full disk would; without, every statement once a COMMIT ran, as a
// connection lost right after the commit would.
class FailingStatements : public session::StatementObserver {
 public:
  explicit FailingStatements(std::string prefix = "") : prefix_(std::move(prefix)) {}

  void Starting(std::string_view statement) override {
    if (prefix_.empty() ? !committed_ : failed_ || !statement.starts_with(prefix_)) return;
    failed_ = true;
    throw Error(kDatabaseError, "Teste", "Falha simulada em " + std::string(statement));
  }
  void Ran(std::string_view statement) override { committed_ |= statement == "COMMIT"; }

 private:
  std::string prefix_;
  bool failed_ = false;
  bool committed_ = false;
};

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_FAILING_STATEMENTS_H_
