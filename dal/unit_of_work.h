#ifndef PELLORA_DAL_UNIT_OF_WORK_H_
#define PELLORA_DAL_UNIT_OF_WORK_H_

#include "interfaces/data_access.h"

namespace pellora {

// One write transaction on `data_access`: what is read and written between the construction and
// Commit is kept together, and undone when the object goes away uncommitted (a failure, an
// exception).
class UnitOfWork {
 public:
  explicit UnitOfWork(DataAccess& data_access);
  ~UnitOfWork();
  UnitOfWork(const UnitOfWork&) = delete;
  UnitOfWork& operator=(const UnitOfWork&) = delete;

  void Commit();

 private:
  DataAccess& data_access_;
  bool open_ = false;
};

// Runs `work` as one unit of work on `data_access`: committed when it answers, undone when it
// raises.
template <typename Work>
auto InUnitOfWork(DataAccess& data_access, Work&& work) {
  UnitOfWork unit(data_access);
  auto answer = work();
  unit.Commit();
  return answer;
}

}  // namespace pellora

#endif  // PELLORA_DAL_UNIT_OF_WORK_H_
