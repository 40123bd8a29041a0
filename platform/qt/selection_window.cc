#include "platform/qt/selection_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/qt/qt_text.h"
#include "platform/qt/screen_size.h"
#include "platform/qt/selection_grid_model.h"

namespace pellora::qt {

void ChoiceOrder::Choose(int row) {
  if (Chosen(row)) return;
  latest_[static_cast<size_t>(row)] = order_.size();
  order_.push_back(row);
  ++count_;
}

void ChoiceOrder::Leave(int row) {
  if (!Chosen(row)) return;
  latest_[static_cast<size_t>(row)] = kNotChosen;
  --count_;
}

std::vector<int> ChoiceOrder::Rows() const {
  std::vector<int> rows;
  for (size_t i = 0; i < order_.size(); ++i) {
    if (latest_[static_cast<size_t>(order_[i])] == i) rows.push_back(order_[i]);
  }
  return rows;
}

// Keeps the rows holding the filter's text, case aside, in a column that is shown: the hidden
// Id would otherwise match its "|" in every row.
class VisibleColumnsFilter : public QSortFilterProxyModel {
 public:
  VisibleColumnsFilter(const common::SelectionGrid& grid, QObject* parent)
      : QSortFilterProxyModel(parent), grid_(grid) {}

  void SetText(const QString& text) {
    text_ = text;
    invalidateFilter();
  }

 protected:
  bool filterAcceptsRow(int source_row, const QModelIndex&) const override {
    if (text_.isEmpty()) return true;
    const std::vector<std::string>& row = grid_.rows[static_cast<size_t>(source_row)];
    for (size_t column = 0; column < grid_.columns.size(); ++column) {
      if (!grid_.columns[column].Hidden() &&
          ToQ(row[column]).contains(text_, Qt::CaseInsensitive)) {
        return true;
      }
    }
    return false;
  }

 private:
  const common::SelectionGrid& grid_;
  QString text_;
};

SelectionWindow::SelectionWindow(const std::string& title, const common::SelectionGrid& grid,
                                 int width, bool multi_select)
    : grid_(grid),
      model_(new SelectionGridModel(this)),
      proxy_(new VisibleColumnsFilter(grid, this)),
      filter_(new QLineEdit(this)),
      table_(new QTableView(this)),
      ok_(new QPushButton("OK", this)),
      cancel_(new QPushButton("Cancelar", this)),
      chosen_(grid.rows.size()) {
  setWindowTitle(ToQ(title));
  model_->Show(grid);
  proxy_->setSourceModel(model_);
  table_->setModel(proxy_);
  SortOnHeadingClick(*table_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(multi_select ? QAbstractItemView::ExtendedSelection
                                        : QAbstractItemView::SingleSelection);
  table_->setTabKeyNavigation(false);  // Tab goes on to the buttons, choosing nothing
  table_->verticalHeader()->hide();
  table_->setWordWrap(false);
  SizeColumns(width);

  filter_->setPlaceholderText("Filtrar");
  filter_->setClearButtonEnabled(true);
  connect(filter_, &QLineEdit::textChanged, this, [this](const QString& text) {
    proxy_->SetText(text);
    LeaveHidden();
  });
  connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &SelectionWindow::Track);
  connect(table_, &QTableView::doubleClicked, this, [this] {
    if (ok_->isEnabled()) accept();
  });
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  ok_->setDefault(true);
  ok_->setEnabled(false);

  auto* filter_row = new QHBoxLayout;
  auto* label = new QLabel("&Procurar:", this);
  label->setBuddy(filter_);
  filter_row->addWidget(label);
  filter_row->addWidget(filter_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(filter_row);
  layout->addWidget(table_);
  layout->addLayout(buttons);
}

void SelectionWindow::SizeColumns(int width) {
  int total = 0;
  for (size_t column = 0; column < grid_.columns.size(); ++column) {
    const int index = static_cast<int>(column);
    table_->setColumnHidden(index, grid_.columns[column].Hidden());
    if (grid_.columns[column].Hidden()) continue;
    // The width asked for, or what the heading and the first rows need when that is more.
    table_->setColumnWidth(index, std::max(TwipsToPixels(grid_.columns[column].Width(), *table_),
                                           SampledColumnWidth(*table_, index)));
    total += table_->columnWidth(index);
  }
  // The width asked for, or the columns' with room for the frame and the scroll bar.
  const int frame = fontMetrics().averageCharWidth() * 6;
  resize(OnScreen(*this, QSize(std::max(TwipsToPixels(width, *this), total + frame),
                               TextSize(*this, 1, 28).height())));
}

int SelectionWindow::GridRow(int shown_row) const {
  return proxy_->mapToSource(proxy_->index(shown_row, 0)).row();
}

void SelectionWindow::Track(const QItemSelection& selected, const QItemSelection& deselected) {
  for (const QItemSelectionRange& range : deselected) {
    for (int row = range.top(); row <= range.bottom(); ++row) chosen_.Leave(GridRow(row));
  }
  // Rows selected together are chosen in the grid's order.
  std::vector<int> added;
  for (const QItemSelectionRange& range : selected) {
    for (int row = range.top(); row <= range.bottom(); ++row) {
      if (!chosen_.Chosen(GridRow(row))) added.push_back(GridRow(row));
    }
  }
  std::sort(added.begin(), added.end());
  for (int row : added) chosen_.Choose(row);
  ok_->setEnabled(chosen_.Count() > 0);
}

void SelectionWindow::LeaveHidden() {
  std::vector<bool> selected(grid_.rows.size(), false);
  for (const QItemSelectionRange& range : table_->selectionModel()->selection()) {
    for (int row = range.top(); row <= range.bottom(); ++row) {
      selected[static_cast<size_t>(GridRow(row))] = true;
    }
  }
  for (size_t row = 0; row < selected.size(); ++row) {
    if (!selected[row]) chosen_.Leave(static_cast<int>(row));
  }
  ok_->setEnabled(chosen_.Count() > 0);
}

std::vector<std::string> SelectionWindow::ChosenIds() const {
  std::vector<std::string> ids;
  for (int row : chosen_.Rows()) ids.push_back(grid_.IdOf(static_cast<size_t>(row)));
  return ids;
}

}  // namespace pellora::qt
