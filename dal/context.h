#ifndef PELLORA_DAL_CONTEXT_H_
#define PELLORA_DAL_CONTEXT_H_

#include "interfaces/data_access.h"
#include "runtime/workstation.h"

namespace pellora {

// What the add-in runs with: the company's data-access object, which every DalComandos query
// reaches as gDataAccess(), and the workstation (its clock and regional settings).
struct Context {
  DataAccessPtr data_access = nullptr;  // until the connection is opened (DataAccessSet)
  Workstation workstation = {};
};

// Puts a context in force for the whole process while the scope lasts, then the one before it
// again. Every thread reads it: the desktop runs operations on a worker thread. The programs
// open one at their start; a test opens its own, so that the data access, the clock or the
// locale it sets never reaches the next test. Scopes nest.
class ContextScope {
 public:
  explicit ContextScope(Context context = {});
  ~ContextScope();
  ContextScope(const ContextScope&) = delete;
  ContextScope& operator=(const ContextScope&) = delete;

  // The data-access object of the innermost scope open; with none open, the process's own.
  // gDataAccess and DataAccessSet (definitions.h) read and write it.
  static DataAccessPtr& DataAccessInForce();

 private:
  WorkstationScope workstation_;
  DataAccessPtr data_access_;
  ContextScope* previous_;
};

}  // namespace pellora

#endif  // PELLORA_DAL_CONTEXT_H_
