#include "platform/qt/selection_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/qt/grid_model.h"
#include "platform/qt/qt_text.h"

namespace pellora::qt {

SelectionWindow::SelectionWindow(const std::string& title, const common::SelectionGrid& grid,
                                 int width, bool multi_select)
    : grid_(grid),
      model_(new QStandardItemModel(this)),
      proxy_(new QSortFilterProxyModel(this)),
      table_(new QTableView(this)),
      filter_(new QLineEdit(this)),
      ok_(new QPushButton("OK", this)),
      cancel_(new QPushButton("Cancelar", this)) {
  setWindowTitle(ToQ(title));
  FillModel(*model_, grid);
  proxy_->setSourceModel(model_);
  proxy_->setFilterKeyColumn(-1);
  proxy_->setFilterCaseSensitivity(Qt::CaseInsensitive);
  table_->setModel(proxy_);
  table_->setSortingEnabled(true);
  table_->sortByColumn(-1, Qt::AscendingOrder);  // the query's order until a heading is clicked
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(multi_select ? QAbstractItemView::ExtendedSelection
                                        : QAbstractItemView::SingleSelection);
  table_->verticalHeader()->hide();
  table_->setWordWrap(false);
  for (size_t column = 0; column < grid.columns.size(); ++column) {
    table_->setColumnHidden(static_cast<int>(column), grid.columns[column].Hidden());
    // The width asked for, or the cells' own when they need more.
    const int index = static_cast<int>(column);
    table_->resizeColumnToContents(index);
    table_->setColumnWidth(
        index, std::max(TwipsToPixels(grid.columns[column].Width()), table_->columnWidth(index)));
  }
  filter_->setPlaceholderText("Filtrar");
  filter_->setClearButtonEnabled(true);
  connect(filter_, &QLineEdit::textChanged, proxy_,
          [this](const QString& text) { proxy_->setFilterFixedString(text); });
  connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { TrackSelection(); });
  connect(table_, &QTableView::doubleClicked, this, &QDialog::accept);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  ok_->setDefault(true);

  auto* filter_row = new QHBoxLayout;
  filter_row->addWidget(new QLabel("Procurar:", this));
  filter_row->addWidget(filter_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(filter_row);
  layout->addWidget(table_);
  layout->addLayout(buttons);
  resize(std::max(TwipsToPixels(width), 400), 400);
}

void SelectionWindow::TrackSelection() {
  std::vector<int> selected;
  for (const QModelIndex& index : table_->selectionModel()->selectedRows()) {
    selected.push_back(index.data(Qt::UserRole).toInt());
  }
  std::erase_if(chosen_rows_, [&](int row) {
    return std::find(selected.begin(), selected.end(), row) == selected.end();
  });
  std::sort(selected.begin(), selected.end());
  for (int row : selected) {
    if (std::find(chosen_rows_.begin(), chosen_rows_.end(), row) == chosen_rows_.end()) {
      chosen_rows_.push_back(row);
    }
  }
}

std::vector<std::string> SelectionWindow::ChosenIds() const {
  std::vector<std::string> ids;
  for (int row : chosen_rows_) ids.push_back(grid_.IdOf(static_cast<size_t>(row)));
  return ids;
}

}  // namespace pellora::qt
