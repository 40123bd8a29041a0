#ifndef PELLORA_PLATFORM_QT_REPORT_WINDOW_H_
#define PELLORA_PLATFORM_QT_REPORT_WINDOW_H_

#include <QDialog>
#include <QString>

class QPushButton;
class QTextBrowser;

namespace pellora::qt {

// An HTML report on screen with "Imprimir" (when printing is available), "Gravar" (as an HTML
// file chosen by the operator) and "Fechar", the button Enter presses. The page is laid out at
// the width its lines need, never breaking a word or a number, with the columns of numbers
// standing to the right and days written dd-mm-yyyy; the window opens as wide as the page, as far
// as the screen allows. "Gravar" writes the page as the report made it.
class ReportWindow : public QDialog {
 public:
  ReportWindow(const QString& title, const QString& html);

  // Writes the page to `path`; false when it cannot.
  bool SaveTo(const QString& path) const;

  QTextBrowser* Page() const { return page_; }
  QPushButton* SaveButton() const { return save_; }

 private:
  void Print();
  void Save();

  QString html_;
  QTextBrowser* page_;
  QPushButton* save_;
};

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_REPORT_WINDOW_H_
