#ifndef PELLORA_PLATFORM_SESSION_STATEMENT_OBSERVER_H_
#define PELLORA_PLATFORM_SESSION_STATEMENT_OBSERVER_H_

#include <memory>
#include <string_view>

namespace pellora::session {

// Watches every statement a session sends its company database, its own transaction control
// included (BEGIN, COMMIT, savepoints, the company's lock). The crash harness and the tests give
// one to a data-access object to stop or fail the work at a chosen statement; a data-access
// object without one watches nothing.
class StatementObserver {
 public:
  virtual ~StatementObserver() = default;
  // Before `statement` is sent: raising fails it as the engine would, the statement unsent.
  virtual void Starting(std::string_view /*statement*/) {}
  // After `statement` was sent and run. Must not raise.
  virtual void Ran(std::string_view /*statement*/) {}
};

using StatementObserverPtr = std::shared_ptr<StatementObserver>;

}  // namespace pellora::session

#endif  // PELLORA_PLATFORM_SESSION_STATEMENT_OBSERVER_H_
