#include "dal/unit_of_work.h"

namespace pellora {

UnitOfWork::UnitOfWork(DataAccess& data_access) : data_access_(data_access) {
  data_access_.BeginTransaction();
  open_ = true;
}

UnitOfWork::~UnitOfWork() {
  if (!open_) return;
  try {
    data_access_.RollbackTransaction();
  } catch (...) {
    // The failure that brought us here is the one the caller reports.
  }
}

void UnitOfWork::Commit() {
  open_ = false;
  data_access_.CommitTransaction();
}

}  // namespace pellora
