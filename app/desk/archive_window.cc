#include "app/desk/archive_window.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include "platform/common/selection_rows.h"
#include "platform/qt/grid_model.h"
#include "platform/qt/qt_text.h"
#include "runtime/convert.h"

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

ArchiveWindow::ArchiveWindow(const app::CommandContext& context, ComponentFactory& components)
    : dialogs_(components.CreateDialogs()),
      arquivo_(dialogs_, components.CreateShell()),
      article_(new QComboBox(this)),
      documents_(new QStandardItemModel(this)),
      table_(new QTableView(this)) {
  setWindowTitle(kTitle);
  arquivo_.Setbd(context.OpenCompany());
  RecordsetPtr articles;
  arquivo_.bd()->OpenRecordset(kTitle, "SELECT CODIGO, NOME FROM ARTIGOS ORDER BY CODIGO", articles,
                               true, 0);
  for (const auto& row : common::ReadSelectionGrid(*articles).rows) {
    article_->addItem(qt::ToQ(row[0] + " - " + row[1]), qt::ToQ(row[0]));
  }
  table_->setModel(documents_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);

  auto* article_row = new QHBoxLayout;
  article_row->addWidget(new QLabel("Artigo:", this));
  article_row->addWidget(article_, 1);
  auto* buttons = new QHBoxLayout;
  connect(Button(buttons, "Adicionar...", this), &QPushButton::clicked, this,
          [this] { AskAndAdd(); });
  connect(Button(buttons, "Renomear", this), &QPushButton::clicked, this, [this] { Rename(); });
  connect(Button(buttons, "Remover", this), &QPushButton::clicked, this, [this] { Remove(); });
  connect(Button(buttons, "Abrir", this), &QPushButton::clicked, this, [this] { Open(); });
  buttons->addStretch();
  connect(Button(buttons, "Fechar", this), &QPushButton::clicked, this, &QDialog::accept);
  connect(article_, &QComboBox::currentIndexChanged, this, [this] { List(); });
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(article_row);
  layout->addWidget(table_);
  layout->addLayout(buttons);
  resize(720, 420);
  List();
}

void ArchiveWindow::List() {
  const std::string article = qt::FromQ(article_->currentData().toString());
  if (RecordsetPtr rows = arquivo_.ListaDeDocumentos(article, kArticleSheet)) {
    qt::FillModel(*documents_, common::ReadSelectionGrid(*rows));
  }
}

bool ArchiveWindow::AddFile(const std::string& file, const std::string& language,
                            const std::string& title) {
  const bool added = arquivo_.Add(language, file, qt::FromQ(article_->currentData().toString()),
                                  kArticleSheet, kNewDocument, title);
  List();
  return added;
}

void ArchiveWindow::AskAndAdd() {
  const QString file = QFileDialog::getOpenFileName(this, "Documento a arquivar");
  if (file.isEmpty()) return;
  RecordsetPtr languages = arquivo_.ListaDeIdiomas();
  if (!languages) return;
  QStringList choices;
  for (const auto& row : common::ReadSelectionGrid(*languages).rows) {
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
  return rows.isEmpty() ? 0 : documents_->item(rows.front().row(), 0)->text().toInt();
}

void ArchiveWindow::Rename() {
  if (const int32_t number = SelectedNumber()) {
    arquivo_.MudaNomeDocumento(number);
    List();
  }
}

void ArchiveWindow::Remove() {
  const int32_t number = SelectedNumber();
  if (number == 0 || dialogs_->MsgBox("Remover o documento " + std::to_string(number) + "?",
                                      vbYesNo + vbQuestion, kTitle) != vbYes) {
    return;
  }
  arquivo_.RemoverDocumento(number);
  List();
}

void ArchiveWindow::Open() {
  if (const int32_t number = SelectedNumber()) {
    arquivo_.VisalizarDocumento(number, 0, qt::FromQ(opened_.path()) + "/");
  }
}

}  // namespace pellora::desk
