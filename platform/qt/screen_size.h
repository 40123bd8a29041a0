#ifndef PELLORA_PLATFORM_QT_SCREEN_SIZE_H_
#define PELLORA_PLATFORM_QT_SCREEN_SIZE_H_

#include <QSize>

class QTableView;
class QWidget;

namespace pellora::qt {

// Sizes follow the widget's font and the resolution of the screen it shows on, never fixed
// pixels, so that a window reads the same on every screen.

// A width the add-in gives in twips (1440 to an inch) in pixels of the widget's screen.
int TwipsToPixels(double twips, const QWidget& widget);

// The size of `columns` average characters by `lines` lines of the widget's font, kept within
// the available area of its screen.
QSize TextSize(const QWidget& widget, int columns, int lines);

// `size`, kept within the available area of the widget's screen.
QSize OnScreen(const QWidget& widget, QSize size);

// The width column `column` of the table needs for its heading and the texts of its first
// `sample` rows: the rows beyond are not measured, so a large grid opens at once.
int SampledColumnWidth(const QTableView& table, int column, int sample = 100);

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_SCREEN_SIZE_H_
