#include "app/desk/archive_window.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <optional>
#include <string>

#include "platform/common/selection_rows.h"
#include "platform/qt/gui_thread.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/screen_size.h"
#include "platform/qt/selection_grid_model.h"
#include "runtime/convert.h"
#include "runtime/error.h"

namespace pellora::desk {
namespace {

// The owner kind of an article's technical sheet.
constexpr int16_t kArticleSheet = 1;
// Add with a number no document has makes a new document.
constexpr int32_t kNewDocument = 0;
constexpr char kTitle[] = "Arquivo Digital";

QPushButton* Button(QHBoxLayout* row, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setAutoDefault(false);
  row->addWidget(button);
  return button;
}

}  // namespace

bool ArchiveWindow::Work(const std::function<void()>& work) {
  try {
    qt::RunOffGui(work);
    return true;
  } catch (const Error& error) {
    dialogs_->MsgBox("Erro " + std::to_string(error.number()) + " - " + error.description(),
                     vbExclamation, kTitle);
  } catch (const std::exception& error) {
    dialogs_->MsgBox(std::string("Erro ") + error.what(), vbExclamation, kTitle);
  }
  return false;
}

ArchiveWindow::ArchiveWindow(const app::CommandContext& context, ComponentFactory& components)
    : dialogs_(components.CreateDialogs()),
      arquivo_(dialogs_, components.CreateShell()),
      article_(new QComboBox(this)),
      documents_(new qt::SelectionGridModel(this)),
      table_(new QTableView(this)) {
  setWindowTitle(kTitle);
  common::SelectionGrid articles;
  Work([&] {
    arquivo_.Setbd(context.OpenCompany());
    RecordsetPtr rows;
    arquivo_.bd()->OpenRecordset(kTitle, "SELECT CODIGO, NOME FROM ARTIGOS ORDER BY CODIGO", rows,
                                 true, 0);
    articles = common::ReadSelectionGrid(*rows);
  });
  for (const auto& row : articles.rows) {
    article_->addItem(qt::ToQ(row[0] + " - " + row[1]), qt::ToQ(row[0]));
  }
  table_->setModel(documents_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);

  auto* article_row = new QHBoxLayout;
  auto* article_label = new QLabel("Ar&tigo:", this);
  article_label->setBuddy(article_);
  article_row->addWidget(article_label);
  article_row->addWidget(article_, 1);
  auto* buttons = new QHBoxLayout;
  connect(Button(buttons, "&Adicionar...", this), &QPushButton::clicked, this,
          [this] { AskAndAdd(); });
  connect(Button(buttons, "&Renomear", this), &QPushButton::clicked, this, [this] { Rename(); });
  connect(Button(buttons, "Re&mover", this), &QPushButton::clicked, this, [this] { Remove(); });
  connect(Button(buttons, "A&brir", this), &QPushButton::clicked, this, [this] { Open(); });
  buttons->addStretch();
  connect(Button(buttons, "&Fechar", this), &QPushButton::clicked, this, &QDialog::accept);
  connect(article_, &QComboBox::currentIndexChanged, this, [this] { List(); });
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(article_row);
  layout->addWidget(table_);
  layout->addLayout(buttons);
  resize(qt::TextSize(*this, 100, 26));
  List();
}

void ArchiveWindow::List() {
  const std::string article = qt::FromQ(article_->currentData().toString());
  std::optional<common::SelectionGrid> documents;
  Work([&] {
    if (RecordsetPtr rows = arquivo_.ListaDeDocumentos(article, kArticleSheet)) {
      documents = common::ReadSelectionGrid(*rows);
    }
  });
  if (documents) documents_->Keep(std::move(*documents));
}

bool ArchiveWindow::AddFile(const std::string& file, const std::string& language,
                            const std::string& title) {
  const std::string article = qt::FromQ(article_->currentData().toString());
  bool added = false;
  Work([&] { added = arquivo_.Add(language, file, article, kArticleSheet, kNewDocument, title); });
  List();
  return added;
}

void ArchiveWindow::AskAndAdd() {
  const QString file = QFileDialog::getOpenFileName(this, "Documento a arquivar");
  if (file.isEmpty()) return;
  common::SelectionGrid languages;
  Work([&] {
    if (RecordsetPtr rows = arquivo_.ListaDeIdiomas()) languages = common::ReadSelectionGrid(*rows);
  });
  QStringList choices;
  for (const auto& row : languages.rows) {
    choices << qt::ToQ(row[0]);
  }
  bool chosen = false;
  const QString language =
      QInputDialog::getItem(this, kTitle, "Idioma do documento:", choices, 0, false, &chosen);
  if (!chosen) return;
  const std::string title = dialogs_->InputBox("Título do documento", kTitle, "");
  if (title.empty()) return;
  AddFile(qt::FromQ(file), qt::FromQ(language), title);
}

int32_t ArchiveWindow::SelectedNumber() const {
  const QModelIndexList rows = table_->selectionModel()->selectedRows();
  return rows.isEmpty() ? 0 : std::stoi(documents_->Grid().rows[rows.front().row()].front());
}

void ArchiveWindow::Rename() {
  if (const int32_t number = SelectedNumber()) {
    Work([&] { arquivo_.MudaNomeDocumento(number); });
    List();
  }
}

void ArchiveWindow::Remove() {
  const int32_t number = SelectedNumber();
  if (number == 0 || dialogs_->MsgBox("Remover o documento " + std::to_string(number) + "?",
                                      vbYesNo + vbQuestion, kTitle) != vbYes) {
    return;
  }
  Work([&] { arquivo_.RemoverDocumento(number); });
  List();
}

void ArchiveWindow::Open() {
  if (const int32_t number = SelectedNumber()) {
    const std::string folder = qt::FromQ(opened_.path()) + "/";
    Work([&] { arquivo_.VisalizarDocumento(number, 0, folder); });
  }
}

}  // namespace pellora::desk
