// desk_bench [READINGS]: the desktop's windows on a demo company of READINGS readings (1,000,000
// by default), on Qt's offscreen platform, timed:
//   main window: drawn, then its lists read off the interface thread, with the longest the
//            interface thread went without answering its timer meanwhile;
//   chooser: the query of every pending set, then, apart, its window built and drawn over the
//            rows, and the most memory the process has held by then.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/demo_company.h"
#include "app/desk/desk_main.h"
#include "app/desk/main_window.h"
#include "app/desk/modal_driver.h"
#include "app/desk/qt_components.h"
#include "app/host_components.h"
#include "platform/common/selection_rows.h"
#include "platform/qt/application_setup.h"
#include "platform/qt/selection_window.h"
#include "solucao/chooser_query.h"
#include "solucao/solucao.h"

namespace pellora::desk {
namespace {

constexpr int16_t kEveryThirdParty = 3;
constexpr int kTickMs = 10;

long PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

// The chooser's window over rows already read, drawn once.
void ShowChooser(const common::SelectionGrid& grid) {
  qt::SelectionWindow window(ChooserTitle("X"), grid, 10000, true);
  window.show();
  QApplication::processEvents();
}

void Chooser(const app::CommandContext& context) {
  DataAccessPtr data_access = context.OpenCompany();
  std::shared_ptr<Connection> connection;
  data_access->GetConnection(connection);
  QElapsedTimer clock;
  clock.start();
  const common::SelectionGrid grid = common::ReadSelectionGrid(
      *connection->Execute(ChooserSql("", ChooserMovementFilter("X"), kEveryThirdParty)));
  const qint64 query = clock.restart();
  ShowChooser(grid);
  std::printf("chooser: %zu sets; query %lld ms, window %lld ms after it; peak memory %ld MB\n",
              grid.rows.size(), query, clock.elapsed(), PeakMegabytes());
  std::fflush(stdout);
  data_access->CloseConnection();
}

void Main(const app::CommandContext& context) {
  QtComponents components(context);
  Solucao solucao(components, app::AddinFolder());
  if (!solucao.ConnectionOpen(context.Company(), "")) {
    std::printf("main window: the company does not open\n");
    return;
  }
  QElapsedTimer clock;
  clock.start();
  MainWindow window(context, components, solucao);
  window.show();
  QApplication::processEvents();
  const qint64 shown = clock.elapsed();
  // The interface thread answers its timer while the lists are read: the longest pause says how
  // long the window could not answer the operator.
  qint64 longest = 0;
  QElapsedTimer since_tick;
  since_tick.start();
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout,
                   [&] { longest = std::max(longest, since_tick.restart()); });
  tick.start(kTickMs);
  WaitUntil([&] { return !window.Refreshing(); }, 600);
  std::printf(
      "main window: shown %lld ms, lists read %lld ms, %d sets; longest pause of the "
      "interface thread %lld ms (timer every %d ms)\n",
      shown, clock.elapsed(), window.PendingSets()->model()->rowCount(), longest, kTickMs);
  solucao.ConnectionClose();
}

}  // namespace
}  // namespace pellora::desk

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  pellora::qt::PrepareApplication(application);
  const int readings = argc > 1 ? std::atoi(argv[1]) : 1000000;
  QTemporaryDir folder;
  const std::string dir = folder.path().toStdString();
  QElapsedTimer clock;
  clock.start();
  pellora::app::CreateDemoCompany({.dir = dir, .readings = readings});
  std::printf("demo company of %d readings: %lld ms\n", readings, clock.elapsed());
  const pellora::app::CommandContext context = pellora::desk::DeskContext(dir, "DEMO", "");
  // As the operator meets them: the main window first, then a chooser over it.
  pellora::desk::Main(context);
  pellora::desk::Chooser(context);
  return 0;
}
