#ifndef PELLORA_DAL_READING_LISTS_H_
#define PELLORA_DAL_READING_LISTS_H_

#include <string>
#include <vector>

namespace pellora {

// A choice of reading sets is two parallel arrays, terminals and sync values, filled from
// element 1. These build the conditions that select them.

// "'e1','e2',...,'en'" from elements 1 to the upper bound; an array without element 1 raises 5.
std::string ReadingList(const std::vector<std::string>& values);

// "TerminalId in(<terminals>) AND DataSync in (<syncs>)": every terminal with every sync value,
// so pairs across two chosen sets are selected too.
std::string SetsInLists(const std::vector<std::string>& terminals,
                        const std::vector<std::string>& syncs);

// "TerminalId='<terminal 1>' AND DataSync='<sync 1>'": the one set of element 1; raises 5 when
// either array has no element 1.
std::string FirstSet(const std::vector<std::string>& terminals,
                     const std::vector<std::string>& syncs);

}  // namespace pellora

#endif  // PELLORA_DAL_READING_LISTS_H_
