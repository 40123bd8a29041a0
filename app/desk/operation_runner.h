#ifndef PELLORA_APP_DESK_OPERATION_RUNNER_H_
#define PELLORA_APP_DESK_OPERATION_RUNNER_H_

#include <atomic>
#include <functional>
#include <thread>

namespace pellora::desk {

// Runs one host operation at a time on a worker thread, so that the window keeps drawing and
// answering while an import works; the add-in's dialogs reach the interface thread through
// qt::OnGui. `done` runs on the interface thread once the operation has returned.
class OperationRunner {
 public:
  OperationRunner() = default;
  OperationRunner(const OperationRunner&) = delete;
  OperationRunner& operator=(const OperationRunner&) = delete;
  ~OperationRunner();

  // False, and nothing runs, while another operation is still running.
  bool Start(std::function<void()> work, std::function<void()> done);
  bool Running() const { return running_; }

 private:
  std::thread worker_;
  std::atomic<bool> running_ = false;
};

}  // namespace pellora::desk

#endif  // PELLORA_APP_DESK_OPERATION_RUNNER_H_
