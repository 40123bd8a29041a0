#include "app/desk/operation_runner.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace pellora::desk {

OperationRunner::~OperationRunner() {
  if (worker_.joinable()) worker_.join();
}

bool OperationRunner::Start(std::function<void()> work, std::function<void()> done) {
  if (running_.exchange(true)) return false;
  if (worker_.joinable()) worker_.join();  // the previous one has finished its work
  worker_ = std::thread([this, work = std::move(work), done = std::move(done)] {
    work();  // the add-in's entry points trap their own errors
    QMetaObject::invokeMethod(
        owner_ != nullptr ? owner_ : QCoreApplication::instance(),
        [this, done] {
          running_ = false;
          if (done) done();
        },
        Qt::QueuedConnection);
  });
  return true;
}

}  // namespace pellora::desk
