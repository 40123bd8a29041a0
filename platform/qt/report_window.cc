#include "platform/qt/report_window.h"

#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#ifdef PELLORA_QT_PRINT
#include <QPrintDialog>
#include <QPrinter>
#endif

namespace pellora::qt {

ReportWindow::ReportWindow(const QString& title, const QString& html)
    : html_(html), page_(new QTextBrowser(this)), save_(new QPushButton("Gravar", this)) {
  setWindowTitle(title);
  page_->setHtml(html);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
#ifdef PELLORA_QT_PRINT
  auto* print = new QPushButton("Imprimir", this);
  connect(print, &QPushButton::clicked, this, [this] { Print(); });
  buttons->addWidget(print);
#endif
  auto* close = new QPushButton("Fechar", this);
  connect(save_, &QPushButton::clicked, this, [this] { Save(); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  buttons->addWidget(save_);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(page_);
  layout->addLayout(buttons);
  resize(900, 600);
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
