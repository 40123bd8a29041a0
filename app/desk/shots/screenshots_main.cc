// pellora-screenshots OUTDIR: every window of the desktop on a fresh demo company, one PNG each.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QTableView>
#include <QTemporaryDir>
#include <cstdlib>
#include <iostream>
#include <string>

#include "app/demo_company.h"
#include "app/desk/archive_window.h"
#include "app/desk/company_list.h"
#include "app/desk/company_picker.h"
#include "app/desk/desk_main.h"
#include "app/desk/document_header_dialog.h"
#include "app/desk/main_window.h"
#include "app/desk/modal_driver.h"
#include "app/desk/qt_components.h"
#include "app/host_components.h"
#include "platform/qt/application_setup.h"
#include "platform/qt/form_window.h"
#include "platform/qt/selection_window.h"
#include "solucao/solucao.h"

namespace pellora::desk {
namespace {

constexpr int kTitleHeight = 26;

class Screenshots {
 public:
  explicit Screenshots(QString folder) : folder_(std::move(folder)) {}

  // The window as drawn, under a title bar with its caption: the offscreen platform draws no
  // frame of its own.
  void Snap(QWidget& window, const QString& name) {
    window.show();
    QApplication::processEvents();
    const QPixmap content = window.grab();
    QImage image(content.width(), content.height() + kTitleHeight, QImage::Format_RGB32);
    image.fill(QColor(0x2f, 0x4f, 0x6f));
    QPainter painter(&image);
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(8, 0, image.width() - 16, kTitleHeight),
                     Qt::AlignVCenter | Qt::AlignLeft, window.windowTitle());
    painter.drawPixmap(0, kTitleHeight, content);
    painter.end();
    const QString file = folder_ + "/" + name + ".png";
    if (!image.save(file)) failed_ = true;
    std::cout << file.toStdString() << "\n";
  }
  // A step that snaps the window, then presses its button `caption`.
  ModalDriver::Step SnapAndPress(const QString& name, const QString& caption) {
    return [this, name, caption](QWidget& window) {
      Snap(window, name);
      Press(window, caption);
    };
  }
  static void Press(QWidget& window, const QString& caption) {
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
      if (button->text().remove('&') == QString(caption).remove('&')) {
        button->click();
        return;
      }
    }
    window.close();
  }
  bool Failed() const { return failed_; }

 private:
  QString folder_;
  bool failed_ = false;
};

// Chooses the first `rows` sets of the chooser, then snaps it when `name` is given.
ModalDriver::Step Choose(Screenshots& shots, int rows, const QString& name = "") {
  return [&shots, rows, name](QWidget& window) {
    QTableView& table = *static_cast<qt::SelectionWindow&>(window).Table();
    for (int row = 0; row < rows && row < table.model()->rowCount(); ++row) {
      table.selectionModel()->select(table.model()->index(row, 1),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    if (!name.isEmpty()) shots.Snap(window, name);
    Screenshots::Press(window, "OK");
  };
}

bool RunOperation(MainWindow& window, int32_t code, ModalDriver& driver) {
  return window.RunOperation(code) &&
         WaitUntil([&] { return !window.Busy() && !window.Refreshing(); }) && driver.Done();
}

int Run(const QString& folder) {
  QTemporaryDir data;
  const std::string dir = data.path().toStdString();
  app::CreateDemoCompany({.dir = dir});
  QDir().mkpath(folder);
  Screenshots shots(folder);

  CompanyPicker picker(ConfiguredCompanies(dir));
  shots.Snap(picker, "empresas");
  picker.close();

  const app::CommandContext context = DeskContext(dir, "DEMO", "");
  QtComponents components(context);
  Solucao solucao(components, app::AddinFolder());
  if (!solucao.ConnectionOpen("DEMO", "")) return 1;
  bool ran = true;
  {
    MainWindow window(context, components, solucao);
    window.show();
    ModalDriver driver;
    driver.Then(Choose(shots, 2, "escolha-de-conjuntos"))
        .Then(shots.SnapAndPress("resultado-da-importacao", "OK"));
    ran = RunOperation(window, 2005, driver) && ran;
    driver.Then(Choose(shots, 1))
        .Then(shots.SnapAndPress("transferencias-de-armazens", "Confirmar"))
        .Then([](QWidget& box) { Screenshots::Press(box, "OK"); });
    ran = RunOperation(window, 2008, driver) && ran;
    driver.Then(Choose(shots, 1)).Then(shots.SnapAndPress("valores-de-inventario", "Sair"));
    ran = RunOperation(window, 2007, driver) && ran;
    driver.Then(shots.SnapAndPress("parametros", "Sair"));
    ran = RunOperation(window, 2000, driver) && ran;
    driver.Then(shots.SnapAndPress("mapa-de-encomendas", "Fechar"));
    ran = RunOperation(window, 2001, driver) && ran;
    driver.Then([&shots](QWidget& dialog) {
      static_cast<DocumentHeaderDialog&>(dialog).ThirdParty()->setText("C0005");
      shots.Snap(dialog, "vista-de-vendas");
      Screenshots::Press(dialog, "Cancelar");
    });
    window.OperationAction(2003)->trigger();
    shots.Snap(window, "janela-principal");

    ArchiveWindow archive(context, components);
    archive.Article()->setCurrentIndex(archive.Article()->findData("MIC001"));
    shots.Snap(archive, "arquivo-digital");
    archive.close();

    driver.Then(shots.SnapAndPress("configuracao-da-ligacao", "Cancelar"));
    components.CreateConnectionSettings()->Configure();
    window.close();
  }
  solucao.ConnectionClose();
  return ran && !shots.Failed() ? 0 : 1;
}

}  // namespace
}  // namespace pellora::desk

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "Utilização: pellora-screenshots PASTA\n";
    return 2;
  }
  QApplication application(argc, argv);
  pellora::qt::PrepareApplication(application);
  return pellora::desk::Run(QString::fromLocal8Bit(argv[1]));
}
