#ifndef PELLORA_APP_DESK_OPERATION_RUNNER_H_
#define PELLORA_APP_DESK_OPERATION_RUNNER_H_

#include <atomic>
#include <functional>
#include <thread>

class QObject;

namespace pellora::desk {

// Runs one piece of work at a time on a worker thread, a host operation or a reading of the
// company, so that the window keeps drawing and answering meanwhile; the add-in's dialogs reach
// the interface thread through qt::OnGui. `done` runs on the interface thread once the work has
// returned, unless `owner` (the application when none is given) is gone by then.
class OperationRunner {
 public:
  explicit OperationRunner(QObject* owner = nullptr) : owner_(owner) {}
  OperationRunner(const OperationRunner&) = delete;
  OperationRunner& operator=(const OperationRunner&) = delete;
  ~OperationRunner();

  // False, and nothing runs, while another operation is still running.
  bool Start(std::function<void()> work, std::function<void()> done);
  bool Running() const { return running_; }

 private:
  QObject* owner_;
  std::thread worker_;
  std::atomic<bool> running_ = false;
};

}  // namespace pellora::desk

#endif  // PELLORA_APP_DESK_OPERATION_RUNNER_H_
