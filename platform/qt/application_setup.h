#ifndef PELLORA_PLATFORM_QT_APPLICATION_SETUP_H_
#define PELLORA_PLATFORM_QT_APPLICATION_SETUP_H_

class QApplication;

namespace pellora::qt {

// What every window of the desktop expects of the application, once it exists: Portuguese
// (Portugal) as the locale, Qt's own texts (file dialog, standard buttons) in Portuguese, and
// the notice of a company another workstation holds (see WatchCompanyLocks).
void PrepareApplication(QApplication& application);

}  // namespace pellora::qt

#endif  // PELLORA_PLATFORM_QT_APPLICATION_SETUP_H_
