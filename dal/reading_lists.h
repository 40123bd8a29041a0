#ifndef PELLORA_DAL_READING_LISTS_H_
#define PELLORA_DAL_READING_LISTS_H_

#include <string>
#include <vector>

namespace pellora {

// "'e1','e2',...,'en'" from elements 1 to the upper bound; an array without element 1 raises 5.
std::string ReadingList(const std::vector<std::string>& values);

// A choice of reading sets as the host passes it: two parallel arrays, terminals and sync
// values, filled from element 1. A choice does not change while it is used, so the condition
// that selects its readings is made once however often an import sends it.
class ChosenSets {
 public:
  ChosenSets(std::vector<std::string> terminals, std::vector<std::string> syncs)
      : terminals_(std::move(terminals)), syncs_(std::move(syncs)) {}

  const std::vector<std::string>& terminals() const { return terminals_; }
  const std::vector<std::string>& syncs() const { return syncs_; }

  // "TerminalId in(<terminals>) AND DataSync in (<syncs>)": every terminal with every sync
  // value, so pairs across two chosen sets are selected too; raises 5 when either array has no
  // element 1.
  const std::string& InLists() const;
  // "TerminalId='<terminal 1>' AND DataSync='<sync 1>'": the one set of element 1; raises 5
  // when either array has no element 1.
  std::string First() const;
  // Whether the choice names one set at most: neither array goes beyond element 1.
  bool IsSingle() const { return terminals_.size() <= 2 && syncs_.size() <= 2; }

 private:
  std::vector<std::string> terminals_;
  std::vector<std::string> syncs_;
  mutable std::string in_lists_;
};

}  // namespace pellora

#endif  // PELLORA_DAL_READING_LISTS_H_
