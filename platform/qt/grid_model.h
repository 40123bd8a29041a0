#ifndef PELLORA_PLATFORM_QT_GRID_MODEL_H_
#define PELLORA_PLATFORM_QT_GRID_MODEL_H_

#include "platform/common/selection_rows.h"

class QStandardItemModel;

namespace pellora::qt {

// Replaces the model's content by the grid's column names (as headings) and rows, read-only;
// each cell keeps its row's position in the grid as Qt::UserRole, which sorting leaves alone.
void FillModel(QStandardItemModel& model, const common::SelectionGrid& grid);

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_GRID_MODEL_H_
