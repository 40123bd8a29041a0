#include "app/desk/desk_main.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/desk/company_list.h"
#include "app/desk/company_picker.h"
#include "app/desk/main_window.h"
#include "app/desk/qt_components.h"
#include "app/host_components.h"
#include "platform/qt/application_setup.h"
#include "platform/qt/qt_text.h"
#include "solucao/solucao.h"

namespace pellora::desk {
namespace {

constexpr char kTitle[] = "Pellora";

constexpr char kUsage[] =
    "Utilização: pellora-desk [--dir PASTA] [--company EMPRESA] [--user UTILIZADOR]\n"
    "A janela do Vela com as operações do Pellora, sobre a empresa EMPRESA de PASTA (a pasta\n"
    "atual por omissão); sem --company, escolhe-se uma das empresas configuradas em\n"
    "PASTA/orudados. Precisa de um ecrã (DISPLAY ou WAYLAND_DISPLAY), ou de\n"
    "QT_QPA_PLATFORM=offscreen para desenhar as janelas sem ecrã.\n"
    "Saída: 0 a janela foi fechada; 2 a empresa não abre ou o comando está errado.\n";

bool Set(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && *value != '\0';
}

// Whether Qt will find somewhere to draw: a platform that needs no display (offscreen, vnc...),
// or the display the chosen platform needs.
bool HasDisplay(int argc, char** argv) {
  std::string platform = Set("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "";
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::string(argv[i]) == "-platform") platform = argv[i + 1];
  }
  if (platform.starts_with("xcb")) return Set("DISPLAY");
  if (platform.starts_with("wayland")) return Set("WAYLAND_DISPLAY");
  return !platform.empty() || Set("DISPLAY") || Set("WAYLAND_DISPLAY");
}

// The company the operator works on: --company, else the one chosen in the picker; empty when
// the operator gives up.
std::string ChooseCompany(const app::CommandLine& line, const std::string& dir) {
  if (auto company = line.Get("company"); company && !company->empty()) return *company;
  const std::vector<std::string> companies = ConfiguredCompanies(dir);
  if (companies.empty()) {
    QMessageBox::warning(nullptr, kTitle,
                         qt::ToQ("Não há empresas configuradas em " + dir + "/orudados."));
    return "";
  }
  CompanyPicker picker(companies);
  return picker.exec() == QDialog::Accepted ? picker.Chosen() : "";
}

}  // namespace

app::CommandContext DeskContext(const std::string& dir, const std::string& company,
                                const std::string& user) {
  std::vector<std::string> words = {"--dir", dir, "--company", company};
  if (!user.empty()) words.insert(words.end(), {"--user", user});
  return app::CommandContext{app::CommandLine::Parse(words, {}), std::cout, std::cerr, nullptr};
}

int RunDesk(int argc, char** argv) {
  app::CommandLine given;
  try {
    given = app::CommandLine::Parse(std::vector<std::string>(argv + 1, argv + argc), {"help"});
    given.CheckKnown({"help"});
  } catch (const app::UsageError& error) {
    std::cerr << error.what() << '\n' << kUsage;
    return 2;
  }
  if (given.Has("help") || given.command() == "-h") {
    std::cout << kUsage;
    return 0;
  }
  if (!HasDisplay(argc, argv)) {
    std::cerr << "Não há ecrã onde abrir a janela: DISPLAY (ou WAYLAND_DISPLAY) não está "
                 "definido. Corra o pellora-desk numa sessão gráfica.\n";
    return 2;
  }
  QApplication application(argc, argv);
  qt::PrepareApplication(application);
  try {
    const std::string dir = given.Get("dir").value_or(".");
    const std::string company = ChooseCompany(given, dir);
    if (company.empty()) return 2;
    const app::CommandContext context = DeskContext(dir, company, given.Get("user").value_or(""));
    context.CheckCompanyOpens();  // a missing company is told before the window
    QtComponents components(context);
    Solucao solucao(components, app::AddinFolder());
    if (!solucao.ConnectionOpen(company, context.User())) {
      QMessageBox::warning(nullptr, kTitle,
                           qt::ToQ("Não foi possível abrir a empresa " + company + "."));
      return 2;
    }
    int status = 0;
    {
      MainWindow window(context, components, solucao);
      window.show();
      status = application.exec();
    }
    solucao.ConnectionClose();
    return status;
  } catch (const app::UsageError& error) {
    std::cerr << error.what() << '\n';
    QMessageBox::warning(nullptr, kTitle, qt::ToQ(error.what()));
    return 2;
  }
}

}  // namespace pellora::desk
