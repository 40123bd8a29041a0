#include "dal/reading_lists.h"

#include "dal/sql_text.h"
#include "runtime/error.h"
#include "runtime/text.h"

namespace pellora {
namespace {

const std::string& FirstElement(const std::vector<std::string>& values) {
  if (values.size() < 2) RaiseRuntimeError(kInvalidProcedureCall);
  return values[1];
}

}  // namespace

std::string ReadingList(const std::vector<std::string>& values) {
  std::string list;
  for (size_t i = 1; i < values.size(); ++i) list += "'" + SqlText(values[i]) + "',";
  // Cutting the trailing comma of an empty list is the invalid call (5) that refuses it.
  return Left(list, static_cast<long>(Len(list)) - 1);
}

std::string SetsInLists(const std::vector<std::string>& terminals,
                        const std::vector<std::string>& syncs) {
  const std::string terminal_list = ReadingList(terminals);
  return "TerminalId in(" + terminal_list + ") AND DataSync in (" + ReadingList(syncs) + ")";
}

std::string FirstSet(const std::vector<std::string>& terminals,
                     const std::vector<std::string>& syncs) {
  const std::string& terminal = FirstElement(terminals);
  return "TerminalId='" + SqlText(terminal) + "' AND DataSync='" + SqlText(FirstElement(syncs)) +
         "'";
}

}  // namespace pellora
