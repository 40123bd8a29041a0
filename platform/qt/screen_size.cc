#include "platform/qt/screen_size.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTableView>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace pellora::qt {
namespace {

constexpr double kTwipsPerInch = 1440.0;

}  // namespace

int TwipsToPixels(double twips, const QWidget& widget) {
  return static_cast<int>(std::lround(twips * widget.logicalDpiX() / kTwipsPerInch));
}

QSize OnScreen(const QWidget& widget, QSize size) {
  const QScreen* screen = widget.screen() ? widget.screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return size;
  return size.boundedTo(screen->availableSize());
}

QSize TextSize(const QWidget& widget, int columns, int lines) {
  const QFontMetrics metrics = widget.fontMetrics();
  return OnScreen(widget,
                  QSize(metrics.averageCharWidth() * columns, metrics.lineSpacing() * lines));
}

int SampledColumnWidth(const QTableView& table, int column, int sample) {
  const QAbstractItemModel& model = *table.model();
  const QFontMetrics heading = table.horizontalHeader()->fontMetrics();
  const QFontMetrics cells = table.fontMetrics();
  // Room for the margins and, in the heading, the sort indicator.
  int width = heading.horizontalAdvance(model.headerData(column, Qt::Horizontal).toString()) +
              heading.averageCharWidth() * 4;
  const int rows = std::min(model.rowCount(), sample);
  for (int row = 0; row < rows; ++row) {
    width = std::max(width, cells.horizontalAdvance(model.index(row, column).data().toString()) +
                                cells.averageCharWidth() * 2);
  }
  return width;
}

}  // namespace pellora::qt
