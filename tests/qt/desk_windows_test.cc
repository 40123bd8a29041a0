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
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
    texts << button->text().remove('&');
  for (const QLabel* label : window.findChildren<QLabel*>()) texts << label->text().remove('&');
  return texts;
}

// The report saves what the console writes, and reads as the other windows do: no word or number
// broken over two lines, days as dd-mm-yyyy, numbers to the right; and Enter closes it, as Fechar
// does, saving nothing.
TEST_F(DeskCompany, OrdersReportWindowSavesWhatTheConsoleWritesAndReadsLikeTheOtherWindows) {
  const std::string saved = folder_.File("encomendas.html");
  QString title, shown;
  QStringList headings, right, broken, days;  // right: the headings of columns set to the right
  bool written = false, still_open = true, save_asked = false;
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
    for (QTextFrame* frame : report.Page()->document()->rootFrame()->childFrames()) {
      auto* table = qobject_cast<QTextTable*>(frame);
      for (int column = 0; table != nullptr && column < table->columns(); ++column) {
        const auto cell = [&](int row) {
          return table->cellAt(row, column).firstCursorPosition().block();
        };
        headings << cell(0).text();
        if (table->rows() > 1 && cell(1).blockFormat().alignment() & Qt::AlignRight)
          right << cell(0).text();
        for (int row = 1; row < table->rows(); ++row) {
          if (cell(row).layout()->lineCount() != 1)
            broken << cell(0).text() + ": " + cell(row).text();
          if (cell(0).text() == "Data") days << cell(row).text();
        }
      }
    }
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
  headings.removeDuplicates();
  right.removeDuplicates();
  EXPECT_EQ(headings.size(), 11);
  EXPECT_EQ(right, QStringList({"Encomendado", "Satisfeito", "Pendente"}));
  EXPECT_EQ(broken, QStringList());
  ASSERT_FALSE(days.isEmpty());
  EXPECT_EQ(days.filter(QRegularExpression("^\\d\\d-\\d\\d-\\d{4}$")), days);
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
  EXPECT_EQ(settings.Server() + " " + settings.Database(), "/dados/Braga OUTRA");
  settings.Configure();
  EXPECT_EQ(settings.Server(), "/dados/Braga");
}

// Qt's own windows, the file dialog and the list of languages, speak Portuguese. Renaming waits
// for a company another workstation holds without stopping the window; a rename cancelled and a
// removal answered Não change nothing.
TEST_F(DeskCompany, ArchiveWindowAddsRenamesAndRemovesAnArticlesDocument) {
  desk::ArchiveWindow archive(*context_, *components_);
  const std::string file = folder_.File("ficha.pdf");
  TempFolder::Write(file, "%PDF ficha");
  QStringList file_dialog, languages;
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
    for (const QString english : {"Cancel", "Look in:", "File name:", "Files of type:"})
      EXPECT_FALSE(texts.contains(english)) << qt::FromQ(english);
  }

  ASSERT_GT(archive.Article()->count(), 1);
  archive.Article()->setCurrentIndex(1);
  QAbstractItemModel& documents = *archive.Table()->model();
  const int row = documents.rowCount();
  ASSERT_TRUE(archive.AddFile(file, "EN", "Ficha técnica"));
  ASSERT_EQ(documents.rowCount(), row + 1);
  EXPECT_EQ(
      documents.index(row, 1).data().toString() + "|" + documents.index(row, 2).data().toString(),
      "Inglês|Ficha técnica");
  QTest::mouseClick(archive.Table()->viewport(), Qt::LeftButton, Qt::NoModifier,
                    archive.Table()->visualRect(documents.index(row, 1)).center());
  const int32_t number = archive.SelectedNumber();
  ASSERT_GT(number, 0);
  const auto rename_to = [](const char* title, const QString& button) {
    return [title, button](QWidget& input) {
      EXPECT_EQ(input.windowTitle(), "Renomear Documentos");
      Type(input.findChild<QLineEdit*>(), title);
      Click(input, button);
    };
  };
  const auto remove_answering = [&](const QString& answer) {
    return [&, answer](QWidget& box) {
      EXPECT_EQ(Shown(box),
                "[Arquivo Digital] Remover o documento " + std::to_string(number) + "?");
      EXPECT_EQ(static_cast<QMessageBox&>(box).icon(), QMessageBox::Question);
      Click(box, answer);
    };
  };
  const std::string document =
      "SELECT oru_ArquivoDigital_Titulo, oru_ArquivoDigital_NomeFicheiro FROM oru_ArquivoDigital "
      "WHERE oru_ArquivoDigital_Id = " +
      std::to_string(number);
  QString notice;
  std::string message;
  script.Then(rename_to("Manual", "OK")).Then(GiveUpWaiting(notice)).Then(ReadMessage(message));
  ClickWhileHeld(archive, "Renomear");
  EXPECT_TRUE(notice.startsWith("A empresa DEMO está ocupada noutro posto")) << qt::FromQ(notice);
  EXPECT_EQ(message,
            "[Arquivo Digital] Erro -2147217900 - Desistiu de esperar pela empresa DEMO, ocupada "
            "noutro posto.");
  script.Then(rename_to("não fica", "Cancelar")).Then(remove_answering("Não"));
  archive.Table()->selectRow(row);
  Click(archive, "Renomear");
  archive.Table()->selectRow(row);
  archive.Remove();
  EXPECT_EQ(Rows(document), std::vector<std::string>{"Ficha técnica|ficha.pdf"});
  script.Then(rename_to("Manual", "OK")).Then(remove_answering("Sim"));
  archive.Table()->selectRow(row);
  Click(archive, "Renomear");
  EXPECT_EQ(Rows(document), std::vector<std::string>{"Manual |ficha.pdf"});
  archive.Table()->selectRow(row);
  archive.Remove();
  EXPECT_EQ(Rows(document), std::vector<std::string>{});
  EXPECT_EQ(documents.rowCount(), row);
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
