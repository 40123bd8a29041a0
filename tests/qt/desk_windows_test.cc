#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "app/desk/archive_window.h"
#include "app/desk/company_list.h"
#include "app/desk/company_picker.h"
#include "platform/qt/qt_connection_settings.h"
#include "platform/qt/report_window.h"
#include "runtime/private_profile.h"
#include "tests/app/pellora_process.h"
#include "tests/qt/desk_company.h"

namespace pellora::testing {
namespace {

// A page without the line that says when it was made.
std::string WithoutGenerationTime(const std::string& page) {
  std::istringstream lines(page);
  std::string kept;
  for (std::string line; std::getline(lines, line);) {
    if (line.find("Gerado em") == std::string::npos) kept += line + "\n";
  }
  return kept;
}

TEST_F(DeskCompany, OrdersReportWindowShowsAndSavesWhatTheConsoleWrites) {
  const std::string saved = folder_.File("encomendas.html");
  QString title;
  QString shown;
  bool written = false;
  ModalScript script;
  script.Then([&](QWidget& window) {
    auto& report = dynamic_cast<qt::ReportWindow&>(window);
    title = report.windowTitle();
    shown = report.Page()->toPlainText();
    written = report.SaveTo(qt::ToQ(saved));
    Click(report, "Fechar");
  });
  Operation(2001);
  ASSERT_TRUE(script.Done());
  EXPECT_EQ(title, "Encomendas em Aberto de Clientes e Fornecedores");
  ASSERT_TRUE(written);
  const app::Outcome console = app::Pellora(app::OnDemo(Folder()) + "op 2001");
  ASSERT_EQ(console.status, 0) << console.out;
  const std::string page = TempFolder::Read(saved);
  EXPECT_EQ(WithoutGenerationTime(page),
            WithoutGenerationTime(TempFolder::Read(
                (folder_.path() / "relatorios" / "oru_BC_Encomendas.html").string())));
  const std::string first_order = Rows("SELECT MIN(NNUMDOC) FROM DOCGCCAB WHERE TPDOC = 'ECL'")[0];
  EXPECT_TRUE(shown.contains("linhas"));
  EXPECT_NE(page.find("<td>ECL-1-" + first_order + "-"), std::string::npos) << page;
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
  EXPECT_TRUE(script.Done());
}

TEST_F(DeskCompany, ArchiveWindowAddsRenamesAndRemovesAnArticlesDocument) {
  desk::ArchiveWindow archive(*context_, *components_);
  ASSERT_GT(archive.Article()->count(), 1);
  archive.Article()->setCurrentIndex(1);
  const std::string article = qt::FromQ(archive.Article()->currentData().toString());
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
  ModalScript script;
  script
      .Then([](QWidget& input) {
        EXPECT_EQ(input.windowTitle(), "Renomear Documentos");
        Type(input.findChild<QLineEdit*>(), "Manual");
        Click(input, "OK");
      })
      .Then([&](QWidget& box) {
        EXPECT_EQ(Shown(box),
                  "[Arquivo Digital] Remover o documento " + std::to_string(number) + "?");
        Click(box, "Sim");
      });
  archive.Rename();
  const std::string where =
      " FROM oru_ArquivoDigital WHERE oru_ArquivoDigital_Id = " + std::to_string(number);
  EXPECT_EQ(Rows("SELECT oru_ArquivoDigital_Titulo, oru_ArquivoDigital_NomeFicheiro" + where),
            std::vector<std::string>{"Manual |ficha.pdf"});
  archive.Table()->selectRow(row);
  archive.Remove();
  EXPECT_EQ(Rows("SELECT COUNT(*)" + where), std::vector<std::string>{"0"});
  EXPECT_EQ(archive.Table()->model()->rowCount(), before);
  EXPECT_TRUE(script.Done());
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
