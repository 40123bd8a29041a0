#include "platform/qt/company_busy_notice.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>

#include "platform/qt/qt_text.h"
#include "runtime/lock_wait.h"

namespace pellora::qt {
namespace {

using std::chrono::milliseconds;

// A short wait, such as another workstation's commit, is not worth a window.
constexpr milliseconds kShowAfter{300};
// No question for this long: the wait is over.
constexpr milliseconds kOverAfter{400};
constexpr int kCheckMs = 100;

int64_t NowMs() {
  return std::chrono::duration_cast<milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// Every wait that began before the operator last gave up is given up.
std::atomic<uint64_t> given_up{0};
std::atomic<int64_t> last_question_ms{0};
thread_local uint64_t wait_began_after = 0;
thread_local int64_t seconds_shown = -1;

class BusyNotice : public QDialog {
 public:
  explicit BusyNotice(QWidget* parent) : QDialog(parent), text_(new QLabel(this)) {
    setWindowTitle("Empresa ocupada");
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* give_up = buttons->addButton("&Desistir", QDialogButtonBox::RejectRole);
    connect(give_up, &QPushButton::clicked, this, [this] {
      ++given_up;
      close();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
    auto* check = new QTimer(this);
    connect(check, &QTimer::timeout, this, [this] {
      if (NowMs() - last_question_ms > kOverAfter.count()) close();
    });
    check->start(kCheckMs);
  }

  void Tell(const QString& company, int64_t seconds) {
    text_->setText("A empresa " + company + " está ocupada noutro posto há " +
                   QString::number(seconds) +
                   " s.\nPode aguardar que esse posto termine, ou desistir.");
  }

 private:
  QLabel* text_;
};

QPointer<BusyNotice>& Notice() {
  static QPointer<BusyNotice> notice;
  return notice;
}

void Tell(const QString& company, int64_t seconds) {
  if (Notice().isNull()) {
    QWidget* over = QApplication::activeModalWidget();
    Notice() = new BusyNotice(over != nullptr ? over : QApplication::activeWindow());
    Notice()->show();
  }
  Notice()->Tell(company, seconds);
}

bool KeepWaiting(const std::string& company, milliseconds waited) {
  if (waited.count() == 0) {
    wait_began_after = given_up;
    seconds_shown = -1;
  }
  if (wait_began_after != given_up) return false;
  last_question_ms = NowMs();
  const int64_t seconds = std::chrono::duration_cast<std::chrono::seconds>(waited).count();
  if (waited >= kShowAfter && seconds != seconds_shown) {
    seconds_shown = seconds;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [name = ToQ(company), seconds, after = wait_began_after] {
          if (after == given_up) Tell(name, seconds);
        },
        Qt::QueuedConnection);
  }
  return true;
}

}  // namespace

void WatchCompanyLocks() {
  SetLockWaitWatcher(KeepWaiting);
}

}  // namespace pellora::qt
