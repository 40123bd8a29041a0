#ifndef PELLORA_DAL_READING_LISTS_H_
#define PELLORA_DAL_READING_LISTS_H_

#include <map>
#include <string>
#include <vector>

namespace pellora {

// "'e1','e2',...,'en'" from elements 1 to the upper bound; an array without element 1 raises 5.
std::string ReadingList(const std::vector<std::string>& values);

// A choice of reading sets as the host passes it: two parallel arrays, terminals and sync
// values, filled from element 1. A choice does not change while it is used, so the conditions
// that select its readings, and the statements built on them, are made once however often an
// import sends them (the marking sends one per reading).
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

  // The statement `name` over this choice, built by `build` the first time it is asked for.
  template <typename Build>
  const std::string& Statement(const std::string& name, Build build) const {
    auto found = statements_.find(name);
    if (found == statements_.end()) found = statements_.emplace(name, build()).first;
    return found->second;
  }

 private:
  std::vector<std::string> terminals_;
  std::vector<std::string> syncs_;
  mutable std::string in_lists_;
  mutable std::map<std::string, std::string> statements_;
};

}  // namespace pellora

#endif  // PELLORA_DAL_READING_LISTS_H_
