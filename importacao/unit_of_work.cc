#include "importacao/unit_of_work.h"

#include "dal/definitions.h"
#include "runtime/error.h"

namespace pellora {

UnitOfWork::UnitOfWork() {
  if (!gDataAccess()) RaiseRuntimeError(kObjectNotSet);
  gDataAccess()->BeginTransaction();
  open_ = true;
}

UnitOfWork::~UnitOfWork() {
  if (!open_) return;
  try {
    gDataAccess()->RollbackTransaction();
  } catch (...) {
    // The failure that brought us here is the one the caller reports.
  }
}

void UnitOfWork::Commit() {
  open_ = false;
  gDataAccess()->CommitTransaction();
}

}  // namespace pellora
