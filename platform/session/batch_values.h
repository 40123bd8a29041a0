#ifndef PELLORA_PLATFORM_SESSION_BATCH_VALUES_H_
#define PELLORA_PLATFORM_SESSION_BATCH_VALUES_H_

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/tsql/tsql_error.h"
#include "runtime/text.h"

namespace pellora::session {

// What a batch works with besides its text: the variables it declares, and the values that
// stand, in order, for its "?" markers. `Value` is the engine's value; `source` names the engine
// in the errors, which name the statement.
template <typename Value>
class BatchValues {
 public:
  BatchValues(std::vector<Value> markers, const char* source)
      : markers_(std::move(markers)), source_(source) {}

  // DECLARE: the variable starts as `null`.
  void Declare(const std::string& name, Value null) { variables_[UCase(name)] = std::move(null); }

  Value& Variable(const std::string& name, std::string_view statement) {
    const auto found = variables_.find(UCase(name));
    if (found == variables_.end()) {
      tsql::RaiseStatementError(source_, "A variável " + name + " não foi declarada", statement);
    }
    return found->second;
  }

  // The value of the next marker, met in `statement`.
  const Value& NextMarker(std::string_view statement) {
    if (next_ == markers_.size()) {
      tsql::RaiseStatementError(source_, "Faltam valores para os marcadores ?", statement);
    }
    return markers_[next_++];
  }

  // Raises when the batch had fewer "?" markers than values.
  void CheckEveryValueUsed(std::string_view batch) const {
    if (next_ < markers_.size()) {
      tsql::RaiseStatementError(source_, "Há mais valores do que marcadores ?", batch);
    }
  }

 private:
  std::map<std::string, Value> variables_;  // by upper-case name, "@" included
  std::vector<Value> markers_;
  size_t next_ = 0;
  const char* source_;
};

}  // namespace pellora::session

#endif  // PELLORA_PLATFORM_SESSION_BATCH_VALUES_H_
