#ifndef PELLORA_APP_DESK_MAIN_WINDOW_H_
#define PELLORA_APP_DESK_MAIN_WINDOW_H_

#include <QMainWindow>
#include <atomic>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/command_context.h"
#include "app/desk/operation_runner.h"
#include "app/desk/qt_components.h"
#include "app/document_view.h"
#include "solucao/solucao.h"

class QAction;
class QLabel;
class QProgressBar;
class QTableView;
class QTimer;

namespace pellora::qt {
class SelectionGridModel;
}

namespace pellora::desk {

struct CompanyViews;

// The host's window on one company: its menu of the add-in's operations, the pending reading
// sets and the documents the add-in made. Operations run one at a time off the interface thread
// (see OperationRunner); meanwhile a progress bar counts the document lines being built and the
// window cannot be left. The lists are read off the interface thread too, however large the
// company: the window is there at once and fills them when they arrive. Every few seconds a
// cheap look, off the interface thread too, reads them again when sets have arrived (from the
// terminals or any other writer), been imported or cancelled, keeping the operator's place.
class MainWindow : public QMainWindow {
 public:
  MainWindow(const app::CommandContext& context, QtComponents& components, Solucao& solucao);

  // Runs menu operation `code` through the add-in, as the host's menu does; false, with a note
  // in the status bar, while another operation runs.
  bool RunOperation(int32_t code);
  // Runs the import of a sales (2003) or purchase (2004) view on a document with that header.
  bool RunView(bool sales, const app::DocumentHeader& header);
  bool Busy() const { return runner_.Running(); }
  // Reads the pending sets and the documents again, off the interface thread.
  void Refresh();
  // The lists are being read.
  bool Refreshing() const { return refresher_.Running(); }

  QTableView* PendingSets() const { return pending_view_; }
  QTableView* Documents() const { return documents_view_; }
  QAction* OperationAction(int32_t code) const;
  QAction* QuitAction() const { return quit_; }
  QProgressBar* Progress() const { return progress_; }
  // Document lines the last operation asked the host for.
  long LinesBuilt() const { return lines_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  // Runs `work` on the worker, the menu off meanwhile; false while another operation runs.
  bool RunOnWorker(const std::string& label, std::function<void()> work);
  void AskAndRunView(bool sales);
  void SetOperationsEnabled(bool enabled);
  void ShowLines();
  void ShowViews(CompanyViews views);
  // Reads the lists again if the pending readings changed since they were shown.
  void WatchPending();
  void OpenArchive();

  const app::CommandContext& context_;
  QtComponents& components_;
  Solucao& solucao_;
  OperationRunner runner_;
  OperationRunner refresher_;
  bool refresh_again_ = false;
  std::map<int32_t, QAction*> actions_;  // by operation code, the views' 2003 and 2004 too
  std::vector<QAction*> company_actions_;
  QAction* quit_ = nullptr;
  qt::SelectionGridModel* pending_;
  qt::SelectionGridModel* documents_;
  QTableView* pending_view_;
  QTableView* documents_view_;
  QLabel* status_;
  QLabel* reading_;
  QProgressBar* progress_;
  QTimer* progress_timer_;
  std::atomic<long> lines_ = 0;
  std::string shown_stamp_;  // of the pending readings the lists show
  // The watcher's own connection, used only by its worker.
  DataAccessPtr watched_;
  std::shared_ptr<Connection> watched_connection_;
  OperationRunner watcher_;
  QTimer* watch_timer_;
};

}  // namespace pellora::desk

#endif  // PELLORA_APP_DESK_MAIN_WINDOW_H_
