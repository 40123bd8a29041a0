#ifndef PELLORA_APP_DESK_COMPANY_VIEWS_H_
#define PELLORA_APP_DESK_COMPANY_VIEWS_H_

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
};

CompanyViews ReadCompanyViews(const app::CommandContext& context);

}  // namespace pellora::desk

#endif  // PELLORA_APP_DESK_COMPANY_VIEWS_H_
