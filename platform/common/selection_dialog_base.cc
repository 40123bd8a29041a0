#include "platform/common/selection_dialog_base.h"

#include <utility>

#include "runtime/error.h"

namespace pellora::common {
namespace {

constexpr char kSource[] = "Selecção";

}  // namespace

void SelectionDialogBase::SetConnection(std::shared_ptr<Connection> connection) {
  connection_ = std::move(connection);
}

void SelectionDialogBase::Load() {
  if (!connection_) RaiseRuntimeError(kObjectNotSet, kSource);
  grid_ = ReadSelectionGrid(*connection_->Execute(sql_));
}

SelectionColumn& SelectionDialogBase::Column(int position) {
  if (position < 1 || static_cast<size_t>(position) > grid_.columns.size()) {
    RaiseRuntimeError(kSubscriptOutOfRange, kSource);
  }
  return grid_.columns[position - 1];
}

std::string SelectionDialogBase::Chosen(std::vector<std::string> ids) {
  if (!multi_select_ && ids.size() > 1) ids.resize(1);
  selected_ids_ = std::move(ids);
  return selected_ids_.empty() ? "" : selected_ids_.front();
}

}  // namespace pellora::common
