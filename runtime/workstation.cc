#include "runtime/workstation.h"

#include <utility>

namespace pellora {
namespace {

// Written only by the scopes, which a program opens before it starts threads.
const Workstation* current = nullptr;

}  // namespace

const Workstation& CurrentWorkstation() {
  static const Workstation kSystem;
  return current != nullptr ? *current : kSystem;
}

WorkstationScope::WorkstationScope(Workstation workstation)
    : workstation_(std::move(workstation)), previous_(current) {
  current = &workstation_;
}

WorkstationScope::~WorkstationScope() {
  current = previous_;
}

}  // namespace pellora
