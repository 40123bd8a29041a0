#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QTimer>
#include <map>
#include <regex>

#include <gtest/gtest.h>

#include "app/desk/archive_window.h"
#include "app/desk/company_list.h"
#include "app/desk/company_picker.h"
#include "platform/qt/qt_connection_settings.h"
#include "platform/qt/report_window.h"
#include "tests/app/pellora_process.h"
#include "tests/qt/desk_company.h"

namespace pellora::testing {
namespace {

// The texts of a window's buttons and labels, "&" left out.
QStringList Texts(const QWidget& window) {
  QStringList texts;
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    texts << button->text().remove('&');
  }
  for (const QLabel* label : window.findChildren<QLabel*>()) texts << label->text().remove('&');
  return texts;
}

// The page's table as laid out: columns by heading, each cell's text and lines.
struct LaidOutCell {
  QString text;
  int lines;
  Qt::Alignment alignment;
};
std::map<QString, std::vector<LaidOutCell>> LaidOutColumns(QTextDocument& page) {
  std::map<QString, std::vector<LaidOutCell>> columns;
  for (QTextFrame* frame : page.rootFrame()->childFrames()) {
    auto* table = qobject_cast<QTextTable*>(frame);
    for (int column = 0; table != nullptr && column < table->columns(); ++column) {
      std::vector<LaidOutCell>& cells =
          columns[table->cellAt(0, column).firstCursorPosition().block().text()];
      for (int row = 1; row < table->rows(); ++row) {
        const QTextBlock block = table->cellAt(row, column).firstCursorPosition().block();
        cells.push_back(
            {block.text(), block.layout()->lineCount(), block.blockFormat().alignment()});
      }
    }
  }
  return columns;
}

// The report saves what the console writes, and reads as the other windows do: no word or number
// broken over two lines, days as dd-mm-yyyy, numbers to the right; and Enter closes it, as Fechar
// does, saving nothing.
TEST_F(DeskCompany, OrdersReportWindowSavesWhatTheConsoleWritesAndReadsLikeTheOtherWindows) {
  const std::string saved = folder_.File("encomendas.html");
  QString title;
  QString shown;
  bool written = false;
  std::map<QString, std::vector<LaidOutCell>> columns;
  bool still_open = true;
  bool save_asked = false;
  QTimer no_save;  // Enter must not open the save dialog; were it open, it is closed
  QObject::connect(&no_save, &QTimer::timeout, [&] {
    if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
      save_asked = true;
      dialog->reject();
    }
  });
  ModalScript script;
  script.Then([&](QWidget& window) {
    auto& report = dynamic_cast<qt::ReportWindow&>(window);
    title = report.windowTitle();
    shown = report.Page()->toPlainText();
    written = report.SaveTo(qt::ToQ(saved));
    columns = LaidOutColumns(*report.Page()->document());
    no_save.start(50);
    report.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&report));
    Press(Qt::Key_Return);
    still_open = report.isVisible();
    report.close();
  });
  Operation(2001);
  EXPECT_EQ(title, "Encomendas em Aberto de Clientes e Fornecedores");
  ASSERT_TRUE(written);
  const app::Outcome console = app::Pellora(app::OnDemo(Folder()) + "op 2001");
  ASSERT_EQ(console.status, 0) << console.out;
  // The same page but the line that says when it was made.
  const std::regex made(".*Gerado em.*\n");
  EXPECT_EQ(std::regex_replace(TempFolder::Read(saved), made, ""),
            std::regex_replace(TempFolder::Read(folder_.File("relatorios/oru_BC_Encomendas.html")),
                               made, ""));
  EXPECT_TRUE(shown.contains("linhas"));
  EXPECT_FALSE(still_open);
  EXPECT_FALSE(save_asked);
  ASSERT_EQ(columns.size(), 11u);
  ASSERT_FALSE(columns["Data"].empty());
  for (const auto& [heading, cells] : columns) {
    for (const LaidOutCell& cell : cells) {
      EXPECT_EQ(cell.lines, 1) << qt::FromQ(heading) << ": " << qt::FromQ(cell.text);
    }
  }
  const QRegularExpression day("^\\d\\d-\\d\\d-\\d{4}$");
  for (const LaidOutCell& cell : columns["Data"]) {
    EXPECT_TRUE(day.match(cell.text).hasMatch()) << qt::FromQ(cell.text);
  }
  for (const QString number : {"Encomendado", "Satisfeito", "Pendente"}) {
    EXPECT_EQ(columns[number].front().alignment & Qt::AlignHorizontal_Mask, Qt::AlignRight)
        << qt::FromQ(number);
  }
  EXPECT_EQ(columns["Nome"].front().alignment & Qt::AlignRight, 0);
}

// Qt's own windows, such as the file dialog and the list of languages of the archive, speak
// Portuguese.
TEST_F(DeskCompany, QtsOwnDialogsSpeakPortuguese) {
  desk::ArchiveWindow archive(*context_, *components_);
  const std::string file = folder_.File("ficha.pdf");
  TempFolder::Write(file, "%PDF ficha");
  QStringList file_dialog;
  QStringList languages;
  ModalScript script;
  script
      .Then([&](QWidget& dialog) {
        file_dialog = Texts(dialog);
        auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText(qt::ToQ(file));
        QTest::keyClick(name, Qt::Key_Return);
      })
      .Then([&](QWidget& dialog) {
        languages = Texts(dialog);
        Press(Qt::Key_Escape);
      });
  Click(archive, "Adicionar...");
  for (const QStringList& texts : {file_dialog, languages}) {
    EXPECT_TRUE(texts.contains("Cancelar")) << qt::FromQ(texts.join(" | "));
    for (const QString english : {"Cancel", "Look in:", "File name:", "Files of type:"}) {
      EXPECT_FALSE(texts.contains(english)) << qt::FromQ(english);
    }
  }
}

TEST_F(DeskCompany, ConnectionSettingsWindowWritesTheFileOnlyWhenConfirmed) {
  const std::string file = folder_.File("PICKING.OUTRA");
  TempFolder::Write(file, "[Ligação]\nServidor=/antigo\nBaseDados=OUTRA\n");
  qt::QtConnectionSettings settings;
  settings.SetConfigurationFile(file);
  ModalScript script;
  script
      .Then([](QWidget& window) {
        EXPECT_EQ(window.windowTitle(), "Configuração da Ligação");
        QLineEdit* server = window.findChildren<QLineEdit*>().front();
        EXPECT_EQ(server->text(), "/antigo");
        server->selectAll();
        Type(server, "/dados/Braga");
        Click(window, "Gravar");
      })
      .Then([](QWidget& box) {
        EXPECT_EQ(Shown(box), "[Configuração da Ligação] Gravar a configuração?");
        Click(box, "Sim");
      })
      .Then([](QWidget& window) {
        Type(window.findChildren<QLineEdit*>().front(), "/perdido");
        Click(window, "Cancelar");
      });
  settings.Configure();
  EXPECT_EQ(settings.Server(), "/dados/Braga");
  EXPECT_EQ(settings.Database(), "OUTRA");
  settings.Configure();
  EXPECT_EQ(settings.Server(), "/dados/Braga");
}

// Renaming waits for a company another workstation holds without stopping the window.
TEST_F(DeskCompany, ArchiveWindowAddsRenamesAndRemovesAnArticlesDocument) {
  desk::ArchiveWindow archive(*context_, *components_);
  ASSERT_GT(archive.Article()->count(), 1);
  archive.Article()->setCurrentIndex(1);
  const int before = archive.Table()->model()->rowCount();
  const std::string file = folder_.File("ficha.pdf");
  TempFolder::Write(file, "%PDF ficha");
  ASSERT_TRUE(archive.AddFile(file, "EN", "Ficha técnica"));
  ASSERT_EQ(archive.Table()->model()->rowCount(), before + 1);
  const int row = archive.Table()->model()->rowCount() - 1;
  EXPECT_EQ(archive.Table()->model()->index(row, 1).data().toString(), "Inglês");
  EXPECT_EQ(archive.Table()->model()->index(row, 2).data().toString(), "Ficha técnica");

  QTest::mouseClick(archive.Table()->viewport(), Qt::LeftButton, Qt::NoModifier,
                    archive.Table()->visualRect(archive.Table()->model()->index(row, 1)).center());
  const int32_t number = archive.SelectedNumber();
  ASSERT_GT(number, 0);
  const auto rename_to_manual = [](QWidget& input) {
    EXPECT_EQ(input.windowTitle(), "Renomear Documentos");
    Type(input.findChild<QLineEdit*>(), "Manual");
    Click(input, "OK");
  };
  QString notice;
  std::string message;
  ModalScript script;
  // Another workstation holds the company: the operator hears so, gives up, and nothing changes.
  script.Then(rename_to_manual).Then(GiveUpWaiting(notice)).Then(ReadMessage(message));
  const std::string where =
      " FROM oru_ArquivoDigital WHERE oru_ArquivoDigital_Id = " + std::to_string(number);
  {
    CompanyHeld held(folder_.path() / "DEMO.db");
    Click(archive, "Renomear");
  }
  EXPECT_TRUE(notice.startsWith("A empresa DEMO está ocupada noutro posto")) << qt::FromQ(notice);
  EXPECT_EQ(message,
            "[Arquivo Digital] Erro -2147217900 - Desistiu de esperar pela empresa DEMO, ocupada "
            "noutro posto.");
  EXPECT_EQ(Rows("SELECT oru_ArquivoDigital_Titulo" + where),
            std::vector<std::string>{"Ficha técnica"});
  // Cancelled, the rename changes nothing; answered Não, the removal neither.
  const auto remove_answering = [&](const QString& answer) {
    return [&, answer](QWidget& box) {
      EXPECT_EQ(Shown(box),
                "[Arquivo Digital] Remover o documento " + std::to_string(number) + "?");
      EXPECT_EQ(static_cast<QMessageBox&>(box).icon(), QMessageBox::Question);
      Click(box, answer);
    };
  };
  script
      .Then([](QWidget& input) {
        Type(input.findChild<QLineEdit*>(), "não fica");
        Click(input, "Cancelar");
      })
      .Then(remove_answering("Não"));
  archive.Table()->selectRow(row);
  Click(archive, "Renomear");
  archive.Table()->selectRow(row);
  archive.Remove();
  EXPECT_EQ(Rows("SELECT oru_ArquivoDigital_Titulo" + where),
            std::vector<std::string>{"Ficha técnica"});
  script.Then(rename_to_manual).Then(remove_answering("Sim"));
  archive.Table()->selectRow(row);
  Click(archive, "Renomear");
  EXPECT_EQ(Rows("SELECT oru_ArquivoDigital_Titulo, oru_ArquivoDigital_NomeFicheiro" + where),
            std::vector<std::string>{"Manual |ficha.pdf"});
  archive.Table()->selectRow(row);
  archive.Remove();
  EXPECT_EQ(Rows("SELECT COUNT(*)" + where), std::vector<std::string>{"0"});
  EXPECT_EQ(archive.Table()->model()->rowCount(), before);
}

TEST_F(DeskCompany, CompanyPickerOffersTheConfiguredCompanies) {
  TempFolder::Write((folder_.path() / "orudados" / "PICKING.BRAGA").string(), "");
  TempFolder::Write((folder_.path() / "orudados" / "outro.ini").string(), "");
  const std::vector<std::string> companies = desk::ConfiguredCompanies(Folder());
  EXPECT_EQ(companies, (std::vector<std::string>{"BRAGA", "DEMO"}));
  desk::CompanyPicker picker(companies);
  QListWidget& list = *picker.List();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                    list.visualItemRect(list.item(1)).center());
  EXPECT_EQ(picker.Chosen(), "DEMO");
  EXPECT_TRUE(desk::ConfiguredCompanies(folder_.File("nada")).empty());
}

}  // namespace
}  // namespace pellora::testing
