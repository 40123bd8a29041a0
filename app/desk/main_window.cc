#include "app/desk/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>
#include <optional>

#include "app/desk/archive_window.h"
#include "app/desk/company_views.h"
#include "app/desk/document_header_dialog.h"
#include "app/desk/host_menu.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/screen_size.h"
#include "platform/qt/selection_grid_model.h"
#include "platform/qt/table_place.h"
#include "runtime/error.h"

namespace pellora::desk {
namespace {

constexpr int kProgressRefreshMs = 200;
constexpr int kWatchPendingMs = 3000;

QTableView* TableIn(QSplitter* splitter, const QString& title, qt::SelectionGridModel* model) {
  auto* box = new QGroupBox(title, splitter);
  auto* view = new QTableView(box);
  auto* sorted = new QSortFilterProxyModel(view);
  sorted->setSourceModel(model);
  view->setModel(sorted);
  qt::SortOnHeadingClick(*view);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->verticalHeader()->hide();
  view->setWordWrap(false);
  view->horizontalHeader()->setStretchLastSection(true);
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(view);
  splitter->addWidget(box);
  return view;
}

void SizeColumns(QTableView& view) {
  for (int column = 0; column < view.model()->columnCount(); ++column) {
    view.setColumnWidth(column, qt::SampledColumnWidth(view, column));
  }
}

}  // namespace

MainWindow::MainWindow(const app::CommandContext& context, QtComponents& components,
                       Solucao& solucao)
    : context_(context),
      components_(components),
      solucao_(solucao),
      refresher_(this),
      pending_(new qt::SelectionGridModel(this)),
      documents_(new qt::SelectionGridModel(this)),
      status_(new QLabel(this)),
      reading_(new QLabel("A ler a empresa...", this)),
      progress_(new QProgressBar(this)),
      progress_timer_(new QTimer(this)),
      watcher_(this),
      watch_timer_(new QTimer(this)) {
  setWindowTitle(qt::ToQ("Pellora - Empresa " + context.Company()));
  auto* splitter = new QSplitter(Qt::Vertical, this);
  pending_view_ = TableIn(splitter, "Conjuntos de leituras pendentes", pending_);
  documents_view_ = TableIn(splitter, "Documentos criados pela solução", documents_);
  setCentralWidget(splitter);
  progress_->setRange(0, 0);  // the number of lines to build is not known beforehand
  progress_->setMaximumWidth(qt::TextSize(*progress_, 25, 1).width());
  progress_->hide();
  reading_->hide();
  statusBar()->addWidget(status_, 1);
  statusBar()->addPermanentWidget(reading_);
  statusBar()->addPermanentWidget(progress_);
  progress_timer_->setInterval(kProgressRefreshMs);
  connect(progress_timer_, &QTimer::timeout, this, [this] { ShowLines(); });
  components_.SetLineProgress([this] { ++lines_; });
  watch_timer_->setInterval(kWatchPendingMs);
  connect(watch_timer_, &QTimer::timeout, this, [this] { WatchPending(); });
  watch_timer_->start();
  BuildMenus();
  Refresh();
  resize(qt::TextSize(*this, 150, 42));
}

void MainWindow::BuildMenus() {
  QMenu* operations = menuBar()->addMenu("&Operações");
  for (const HostOperation& operation : HostOperations()) {
    QAction* action =
        operations->addAction(qt::ToQ(std::to_string(operation.code) + " - " + operation.name));
    const int32_t code = operation.code;
    connect(action, &QAction::triggered, this, [this, code] { RunOperation(code); });
    actions_[code] = action;
  }
  QMenu* views = menuBar()->addMenu("&Vistas");
  for (const bool sales : {true, false}) {
    QAction* action = views->addAction(sales ? "2003 - Importação de Movimentos de &Vendas..."
                                             : "2004 - Importação de Movimentos de &Compras...");
    connect(action, &QAction::triggered, this, [this, sales] { AskAndRunView(sales); });
    actions_[sales ? 2003 : 2004] = action;
  }
  QMenu* company = menuBar()->addMenu("&Empresa");
  QAction* archive = company->addAction("&Arquivo Digital...");
  QAction* refresh = company->addAction("A&ctualizar");
  refresh->setShortcut(QKeySequence::Refresh);
  connect(archive, &QAction::triggered, this, [this] { OpenArchive(); });
  connect(refresh, &QAction::triggered, this, [this] { Refresh(); });
  company->addSeparator();
  quit_ = company->addAction("&Sair");
  connect(quit_, &QAction::triggered, this, &QWidget::close);
  // The archive and the lists would wait for an import's writes; the window is not left while
  // one runs.
  company_actions_ = {archive, refresh, quit_};
}

QAction* MainWindow::OperationAction(int32_t code) const {
  auto it = actions_.find(code);
  return it == actions_.end() ? nullptr : it->second;
}

bool MainWindow::RunOperation(int32_t code) {
  return RunOnWorker("a operação " + std::to_string(code), [this, code] {
    Variant pai, operacao(code), utilizador(context_.User());
    solucao_.Operacoes(pai, operacao, utilizador);
  });
}

bool MainWindow::RunView(bool sales, const app::DocumentHeader& header) {
  HostViewPtr view = app::DocumentView(header);
  return RunOnWorker(sales ? "a vista de vendas" : "a vista de compras", [this, view, sales] {
    app::RunViewOperation(solucao_, view, sales, context_.Company(), context_.User());
  });
}

void MainWindow::AskAndRunView(bool sales) {
  DocumentHeaderDialog dialog(sales);
  if (std::optional<app::DocumentHeader> header = dialog.Ask()) RunView(sales, *header);
}

bool MainWindow::RunOnWorker(const std::string& label, std::function<void()> work) {
  lines_ = 0;
  const bool started = runner_.Start(std::move(work), [this] {
    progress_timer_->stop();
    progress_->hide();
    SetOperationsEnabled(true);
    status_->setText(lines_ == 0 ? QString("Operação terminada.")
                                 : qt::ToQ("Operação terminada: " + std::to_string(lines_) +
                                           " linhas de documento."));
    Refresh();
  });
  if (!started) {
    status_->setText("Já está a decorrer uma operação.");
    return false;
  }
  SetOperationsEnabled(false);
  status_->setText(qt::ToQ("A executar " + label + "..."));
  progress_->show();
  progress_timer_->start();
  return true;
}

void MainWindow::SetOperationsEnabled(bool enabled) {
  for (const auto& [code, action] : actions_) action->setEnabled(enabled);
  for (QAction* action : company_actions_) action->setEnabled(enabled);
}

void MainWindow::ShowLines() {
  if (lines_ > 0) {
    status_->setText(qt::ToQ("A importar: " + std::to_string(lines_) + " linhas de documento"));
  }
}

void MainWindow::Refresh() {
  if (Refreshing()) {
    refresh_again_ = true;  // what is being read may be older than what was asked for
    return;
  }
  auto views = std::make_shared<std::optional<CompanyViews>>();
  auto failure = std::make_shared<std::string>();
  refresher_.Start(
      [this, views, failure] {
        try {
          *views = ReadCompanyViews(context_);
        } catch (const Error& error) {
          *failure = "Erro " + error.description();
        } catch (const std::exception& error) {
          *failure = std::string("Erro ") + error.what();
        }
      },
      [this, views, failure] {
        reading_->hide();
        if (*views) ShowViews(std::move(**views));
        if (!failure->empty()) status_->setText(qt::ToQ(*failure));
        if (refresh_again_) {
          refresh_again_ = false;
          Refresh();
        }
      });
  reading_->show();
}

void MainWindow::ShowViews(CompanyViews views) {
  // A pending set is known by its Id, a document by its type, series, number and year.
  constexpr int kSetKey = 1, kDocumentKey = 4;
  const qt::TablePlace set_place = qt::PlaceIn(*pending_view_, kSetKey);
  const qt::TablePlace document_place = qt::PlaceIn(*documents_view_, kDocumentKey);
  shown_stamp_ = std::move(views.pending_stamp);
  pending_->Keep(std::move(views.pending_sets));
  documents_->Keep(std::move(views.documents));
  pending_view_->setColumnHidden(0, true);  // the set's Id
  SizeColumns(*pending_view_);
  SizeColumns(*documents_view_);
  qt::ReturnTo(*pending_view_, set_place, kSetKey);
  qt::ReturnTo(*documents_view_, document_place, kDocumentKey);
}

void MainWindow::WatchPending() {
  // An operation ends by reading the lists, and a reading under way sees what has arrived.
  if (Busy() || Refreshing()) return;
  auto stamp = std::make_shared<std::string>();
  watcher_.Start(
      [this, stamp] {
        try {
          if (!watched_) {
            watched_ = context_.OpenCompany();
            watched_->GetConnection(watched_connection_);
          }
          *stamp = ReadPendingStamp(*watched_connection_);
        } catch (const std::exception&) {
          // A company that cannot be read now is opened again at the next look; reading the
          // lists says why, if it lasts.
          watched_connection_.reset();
          watched_.reset();
        }
      },
      [this, stamp] {
        if (!stamp->empty() && *stamp != shown_stamp_ && !Busy()) Refresh();
      });
}

void MainWindow::OpenArchive() {
  ArchiveWindow archive(context_, components_);
  archive.exec();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (Busy()) {
    status_->setText("Aguarde o fim da operação antes de fechar.");
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace pellora::desk
