#ifndef PELLORA_IMPORTACAO_CHOSEN_SET_CHECKS_H_
#define PELLORA_IMPORTACAO_CHOSEN_SET_CHECKS_H_

#include <string>
#include <vector>

#include "dal/reading_lists.h"
#include "importacao/enums.h"
#include "interfaces/data_access.h"

namespace pellora {

// The reading sets that the lists of a choice reach, as the company holds them now. The lists
// take every chosen terminal with every chosen sync value, so besides the chosen sets they reach
// any set of a chosen terminal with another chosen set's sync value: the loaders would import its
// readings, the marking would mark them and the unit cost editor would price them.
class ListedSets {
 public:
  // One query however many sets are chosen; in the caller's transaction, if any.
  ListedSets(DataAccess& data_access, const ChosenSets& sets);

  // Why the import of `kind` cannot take the choice: a chosen set that does not exist or holds
  // readings of a movement kind the import does not take. "" when it can.
  std::string KindFault(TipoImportacao kind) const;
  // The Ids ("TERMINAL|SYNC") of the sets reached that nobody chose, sorted: those with pending
  // readings, or with readings in any state.
  std::vector<std::string> Unchosen(bool pending_only) const;
  // The pending readings of the chosen sets.
  long ChosenPending() const;

 private:
  struct Listed {
    std::string id;   // as the company holds it
    std::string key;  // as the lists compare it
    std::string movement;
    long pending;
    bool chosen;
  };

  const ChosenSets& sets_;
  std::vector<Listed> listed_;
};

// Why a choice reaching `unchosen` sets is refused, for a message that says what was not done.
std::string UnchosenSetsText(const std::vector<std::string>& unchosen);

}  // namespace pellora

#endif  // PELLORA_IMPORTACAO_CHOSEN_SET_CHECKS_H_
