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
    list.append("'").append(SqlText(values[i])).append("',");
  list.pop_back();
  return list;
}

std::string SetsInLists(const std::vector<std::string>& terminals,
                        const std::vector<std::string>& syncs) {
  // An import marks every reading of its sets with the same lists: the last ones are kept, so
  // marking does not build them again per reading.
  struct Lists {
    std::vector<std::string> terminals, syncs;
    std::string condition;
  };
  static Lists last;
  if (!last.condition.empty() && terminals == last.terminals && syncs == last.syncs) {
    return last.condition;
  }
  const std::string terminal_list = ReadingList(terminals);
  std::string condition =
      "TerminalId in(" + terminal_list + ") AND DataSync in (" + ReadingList(syncs) + ")";
  last = {terminals, syncs, condition};
  return condition;
}

std::string FirstSet(const std::vector<std::string>& terminals,
                     const std::vector<std::string>& syncs) {
  const std::string& terminal = FirstElement(terminals);
  return "TerminalId='" + SqlText(terminal) + "' AND DataSync='" + SqlText(FirstElement(syncs)) +
         "'";
}

}  // namespace pellora
