#include "platform/qt/application_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/qt/company_busy_notice.h"

namespace pellora::qt {
namespace {

// Qt's translations, in the order they are installed: the last one installed is asked first, so
// Portugal's comes before Brazil's, the fuller one, which serves for what Portugal's lacks. The
// Debian package qt6-translations-l10n installs both.
constexpr const char* kTranslations[] = {"qtbase_pt_BR", "qt_pt_PT"};

}  // namespace

void PrepareApplication(QApplication& application) {
  QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Portugal));
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  for (const char* name : kTranslations) {
    auto* translator = new QTranslator(&application);
    if (translator->load(name, folder)) {
      QApplication::installTranslator(translator);
    } else {
      delete translator;
    }
  }
  WatchCompanyLocks();
}

}  // namespace pellora::qt
