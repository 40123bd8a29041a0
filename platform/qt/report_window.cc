#include "platform/qt/report_window.h"

#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextTable>
#include <QVBoxLayout>
#include <string>
#include <vector>
#ifdef PELLORA_QT_PRINT
#include <QPrintDialog>
#include <QPrinter>
#endif

#include "platform/qt/cell_kind.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/screen_size.h"

namespace pellora::qt {
namespace {

QTextCursor Selecting(const QTextTableCell& cell) {
  QTextCursor cursor = cell.firstCursorPosition();
  cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
  return cursor;
}

// A day written yyyy-mm-dd, as dd-mm-yyyy; empty for any other text.
QString DayFirst(const QString& text) {
  static const QRegularExpression kIsoDay("^(\\d{4})-(\\d{2})-(\\d{2})$");
  const QRegularExpressionMatch day = kIsoDay.match(text);
  return day.hasMatch() ? day.captured(3) + "-" + day.captured(2) + "-" + day.captured(1)
                        : QString();
}

// In each table of the page, the columns whose cells below the heading all hold numbers stand to
// the right, heading included, and days read dd-mm-yyyy, as everywhere else in the windows.
void LayOutColumns(QTextDocument& page) {
  QTextCursor whole(&page);
  whole.beginEditBlock();  // laid out once, at the end
  for (QTextFrame* frame : page.rootFrame()->childFrames()) {
    auto* table = qobject_cast<QTextTable*>(frame);
    if (table == nullptr) continue;
    for (int column = 0; column < table->columns(); ++column) {
      std::vector<std::string> texts;
      bool days = table->rows() > 1;
      for (int row = 1; row < table->rows(); ++row) {
        const QString text = Selecting(table->cellAt(row, column)).selectedText();
        days = days && !DayFirst(text).isEmpty();
        texts.push_back(FromQ(text));
      }
      for (int row = 1; days && row < table->rows(); ++row) {
        QTextCursor cell = Selecting(table->cellAt(row, column));
        cell.insertText(DayFirst(cell.selectedText()));
      }
      const CellKind kind = ColumnKind(static_cast<int>(texts.size()),
                                       [&](int row) { return std::string_view(texts[row]); });
      for (int row = 0; kind == CellKind::kNumber && row < table->rows(); ++row) {
        QTextCursor cursor = table->cellAt(row, column).firstCursorPosition();
        QTextBlockFormat format = cursor.blockFormat();
        format.setAlignment(Qt::AlignRight);
        cursor.setBlockFormat(format);
      }
    }
  }
  whole.endEditBlock();
}

QPushButton* Button(const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

ReportWindow::ReportWindow(const QString& title, const QString& html)
    : html_(html), page_(new QTextBrowser(this)), save_(Button("&Gravar", this)) {
  setWindowTitle(title);
  page_->setLineWrapMode(QTextEdit::NoWrap);
  page_->setHtml(html);
  LayOutColumns(*page_->document());
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
#ifdef PELLORA_QT_PRINT
  QPushButton* print = Button("&Imprimir", this);
  connect(print, &QPushButton::clicked, this, [this] { Print(); });
  buttons->addWidget(print);
#endif
  QPushButton* close = Button("&Fechar", this);
  close->setDefault(true);
  connect(save_, &QPushButton::clicked, this, [this] { Save(); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  buttons->addWidget(save_);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(page_);
  layout->addLayout(buttons);
  const int margins = page_->frameWidth() * 2 + page_->verticalScrollBar()->sizeHint().width() +
                      layout->contentsMargins().left() + layout->contentsMargins().right();
  const int width = static_cast<int>(page_->document()->size().width()) + margins;
  resize(OnScreen(*this, QSize(std::max(width, TextSize(*this, 60, 1).width()),
                               TextSize(*this, 1, 36).height())));
}

bool ReportWindow::SaveTo(const QString& path) const {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return file.write(html_.toUtf8()) >= 0;
}

void ReportWindow::Print() {
#ifdef PELLORA_QT_PRINT
  QPrinter printer;
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() == QDialog::Accepted) page_->print(&printer);
#endif
}

void ReportWindow::Save() {
  const QString path = QFileDialog::getSaveFileName(
      this, "Gravar relatório", windowTitle() + ".html", "Páginas HTML (*.html)");
  if (!path.isEmpty() && !SaveTo(path)) {
    QMessageBox::warning(this, windowTitle(),
                         "Não foi possível gravar o relatório em " + path + ".");
  }
}

}  // namespace pellora::qt
