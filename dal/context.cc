#include "dal/context.h"

#include <utility>

namespace pellora {
namespace {

// Written only by the scopes, which a program opens before it starts threads.
ContextScope* current = nullptr;

}  // namespace

ContextScope::ContextScope(Context context)
    : workstation_(std::move(context.workstation)),
      data_access_(std::move(context.data_access)),
      previous_(current) {
  current = this;
}

ContextScope::~ContextScope() {
  current = previous_;
}

DataAccessPtr& ContextScope::DataAccessInForce() {
  static DataAccessPtr without_scope;
  return current != nullptr ? current->data_access_ : without_scope;
}

}  // namespace pellora
