#ifndef PELLORA_APP_DESK_COMPANY_VIEWS_H_
#define PELLORA_APP_DESK_COMPANY_VIEWS_H_

#include <string>

#include "app/command_context.h"
#include "platform/common/selection_rows.h"

namespace pellora::desk {

// What the host's window shows of the company, read on a connection of its own.
struct CompanyViews {
  // Every pending reading set, as the chooser lists the sets of all movement kinds, with the
  // kind of its readings ("Movimento") after the Id.
  common::SelectionGrid pending_sets;
  // The documents of the types the add-in's imports write (the parameters' inventory,
  // breakage, surplus and transfer types) and those made from an order, newest first.
  common::SelectionGrid documents;
  // The pending readings' stamp when the lists were read (see ReadPendingStamp).
  std::string pending_stamp;
};

CompanyViews ReadCompanyViews(const app::CommandContext& context);

// A stamp of the pending readings that changes whenever a set arrives (from a terminal or any
// other writer), is imported or is cancelled; cheap enough to be asked every few seconds of a
// company of a million readings.
std::string ReadPendingStamp(Connection& connection);

}  // namespace pellora::desk

#endif  // PELLORA_APP_DESK_COMPANY_VIEWS_H_
