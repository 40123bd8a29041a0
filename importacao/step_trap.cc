#include "importacao/step_trap.h"

namespace pellora {
namespace {

constexpr long kInternalError = 51;

}  // namespace

Error AsError(const std::exception& failure) {
  if (const auto* error = dynamic_cast<const Error*>(&failure)) return *error;
  return Error(kInternalError, "MovImportacao", failure.what());
}

}  // namespace pellora
