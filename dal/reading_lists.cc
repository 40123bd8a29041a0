#include "dal/reading_lists.h"

#include "dal/sql_text.h"
#include "runtime/error.h"

namespace pellora {
namespace {

const std::string& FirstElement(const std::vector<std::string>& values) {
  if (values.size() < 2) RaiseRuntimeError(kInvalidProcedureCall);
  return values[1];
}

}  // namespace

std::string ReadingList(const std::vector<std::string>& values) {
  // Cutting the trailing comma of an empty list is the invalid call (5) that refuses it.
  if (values.size() < 2) RaiseRuntimeError(kInvalidProcedureCall);
  std::string list;
  for (size_t i = 1; i < values.size(); ++i)
    list.append("'").append(QuotesDoubled(values[i])).append("',");
  list.pop_back();
  return list;
}

const std::string& ChosenSets::InLists() const {
  if (in_lists_.empty()) {
    const std::string terminal_list = ReadingList(terminals_);
    in_lists_ =
        "TerminalId in(" + terminal_list + ") AND DataSync in (" + ReadingList(syncs_) + ")";
  }
  return in_lists_;
}

std::string ChosenSets::First() const {
  const std::string& terminal = FirstElement(terminals_);
  return "TerminalId='" + QuotesDoubled(terminal) + "' AND DataSync='" +
         QuotesDoubled(FirstElement(syncs_)) + "'";
}

}  // namespace pellora
