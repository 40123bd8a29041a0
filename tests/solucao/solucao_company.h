#ifndef PELLORA_TESTS_SOLUCAO_SOLUCAO_COMPANY_H_
#define PELLORA_TESTS_SOLUCAO_SOLUCAO_COMPANY_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dal/definitions.h"
#include "interfaces/component_factory.h"
#include "interfaces/forwarding_data_access.h"
#include "interfaces/property_grid.h"
#include "platform/common/data_folder_locator.h"
#include "platform/vela/host_view.h"
#include "platform/vela/picking_api.h"
#include "runtime/convert.h"
#include "solucao/solucao.h"
#include "tests/company_test.h"
#include "tests/forms/scripted_controls.h"
#include "tests/parameter_columns.h"

namespace pellora::solucao_testing {

// Every message box as "[title] text", with its buttons and icon; answers OK. Counts the boxes
// shown while the company's transaction was open, which would hold other workstations waiting.
class RecordingDialogs : public testing::RecordingDialogs {
 public:
  std::vector<std::string> messages;
  std::vector<int> styles;
  int shown_in_transaction = 0;

  int MsgBox(const std::string& prompt, int buttons, const std::string& title) override {
    messages.push_back("[" + title + "] " + prompt);
    styles.push_back(buttons);
    try {
      if (gDataAccess() && gDataAccess()->InTransaction()) ++shown_in_transaction;
    } catch (const Error&) {
      // A closed connection holds no transaction.
    }
    return vbOK;
  }
};

// Runs the chooser's SQL on the connection it is given, keeping the Ids listed. Show answers
// `answer`; the chosen collection is `chosen`; MultiSelect reads `multi_answer`.
class ScriptedSelectionDialog : public SelectionDialog {
 public:
  struct Script {
    std::string answer;
    std::vector<std::string> chosen;
    bool multi_answer = true;
  };
  explicit ScriptedSelectionDialog(Script script) : script_(std::move(script)) {}

  std::shared_ptr<Connection> connection;
  std::string sql;
  std::vector<std::string> listed;

  void SetConnection(std::shared_ptr<Connection> value) override { connection = value; }
  void SetTitle(const std::string&) override {}
  void SetSql(const std::string& value) override { sql = value; }
  void SetWidth(int32_t) override {}
  void Load() override {
    const RecordsetPtr rows = connection->Execute(sql);
    for (; !rows->Eof(); rows->MoveNext()) listed.push_back(CStr(rows->Fields("Id").Value()));
  }
  SelectionColumn& Column(int) override { return column_; }
  void SetMultiSelect(bool) override {}
  bool MultiSelect() const override { return script_.multi_answer; }
  std::string Show() override { return script_.answer; }
  std::vector<std::string> SelectedIds() const override { return script_.chosen; }

 private:
  struct : SelectionColumn {
    void SetHidden(bool) override {}
    bool Hidden() const override { return false; }
    void SetWidth(float) override {}
    float Width() const override { return 0; }
  } column_;
  Script script_;
};

class FakeConnectionSettings : public ConnectionSettings {
 public:
  struct Values {
    std::string server, database, user, password;
  };
  Values values;
  Values configured;  // what Configure stores
  std::string file;
  std::optional<bool> confirm_save;
  int configure_calls = 0;

  void SetConfigurationFile(const std::string& path) override { file = path; }
  std::string Server() const override { return values.server; }
  std::string Database() const override { return values.database; }
  std::string User() const override { return values.user; }
  std::string Password() const override { return values.password; }
  void SetConfirmSave(bool confirm) override { confirm_save = confirm; }
  void Configure() override {
    ++configure_calls;
    values = configured;
  }
};

// The host stand-in's picking API with a login answer of the test's choosing.
class FakePickingApi : public vela::VelaPickingApi {
 public:
  std::optional<bool> login_answer;  // none: the stand-in's own answer
  std::vector<std::string> logins;
  int logouts = 0;
  bool given_data_access = false;

  bool Login(const std::string& configuration_file) override {
    logins.push_back(configuration_file);
    const bool answer = vela::VelaPickingApi::Login(configuration_file);
    return login_answer.value_or(answer);
  }
  void SetDataAccess(DataAccessPtr data_access) override {
    given_data_access = data_access != nullptr;
    vela::VelaPickingApi::SetDataAccess(std::move(data_access));
  }
  void Logout() override {
    ++logouts;
    vela::VelaPickingApi::Logout();
  }
};

// A data-access object of the company's engine, recording how it is opened and closed.
class RecordingDataAccess : public ForwardingDataAccess {
 public:
  using ForwardingDataAccess::ForwardingDataAccess;

  std::vector<std::string> opened;
  int closes = 0;

  bool OpenConnection(const std::string& connection_string) override {
    opened.push_back(connection_string);
    return ForwardingDataAccess::OpenConnection(connection_string);
  }
  bool CloseConnection() override {
    ++closes;
    return ForwardingDataAccess::CloseConnection();
  }
};

// Makes the fakes above and keeps each object it made, for the test to inspect.
class FakeFactory : public ComponentFactory {
 public:
  std::shared_ptr<RecordingDialogs> dialogs = std::make_shared<RecordingDialogs>();
  std::shared_ptr<FakeConnectionSettings> settings = std::make_shared<FakeConnectionSettings>();
  std::string common_folder;
  std::optional<bool> login_answer;
  ScriptedSelectionDialog::Script selection;

  std::vector<std::shared_ptr<RecordingDataAccess>> data_accesses;
  std::vector<std::shared_ptr<FakePickingApi>> apis;
  std::vector<std::shared_ptr<ScriptedSelectionDialog>> selections;

  // The engine's data-access objects, not opened yet.
  std::function<DataAccessPtr()> new_data_access;

  DataAccessPtr CreateDataAccess() override {
    return data_accesses.emplace_back(std::make_shared<RecordingDataAccess>(new_data_access()));
  }
  PickingApiPtr CreatePickingApi() override {
    auto api = apis.emplace_back(std::make_shared<FakePickingApi>());
    api->login_answer = login_answer;
    return api;
  }
  SelectionDialogPtr CreateSelectionDialog() override {
    return selections.emplace_back(std::make_shared<ScriptedSelectionDialog>(selection));
  }
  ConnectionSettingsPtr CreateConnectionSettings() override { return settings; }
  FolderLocatorPtr CreateFolderLocator() override {
    return std::make_shared<common::DataFolderLocator>(common_folder);
  }
  OrdersReportPtr CreateOrdersReport() override { return nullptr; }
  ShellPtr CreateShell() override { return nullptr; }
  FormSurfacePtr CreateFormSurface() override {
    return std::make_unique<testing::ScriptedFormSurface>();
  }
  PropertyGridSurfacePtr CreatePropertyGridSurface() override { return nullptr; }
  std::shared_ptr<Dialogs> CreateDialogs() override { return dialogs; }
};

using Texts = std::vector<std::string>;

// The company (its file, on SQLite, in folder "dados"), an add-in folder "addin" that holds
// PICKING.EMP1, and the maker's common folder "comum" (without "orudados" until a test makes it).
// The connection settings name the company. P1 was last bought at 20 (ULTPRCBR 21, ULTPMP 19);
// more articles: I1 (inactive), N1 (INACTIVO NULL), Z1 (no stock).
class SolucaoCompanyTest : public testing::CompanyTest {
 protected:
  void SetUp() override {
    for (const char* dir : {"dados", "addin", "comum"}) {
      std::filesystem::create_directories(folder_.File(dir));
    }
    MakeCompany(Dados(),
                "UPDATE ARTIGOS SET ULTPRCOM = 20, ULTPRCBR = 21, ULTPMP = 19 WHERE CODIGO = 'P1';"
                "INSERT INTO ARTIGOS (CODIGO, NOME, UNIDADE, ULTPRCOM, ULTPRCBR, ULTPMP, STDISP, "
                "VLREXIST, INACTIVO) VALUES ('I1', 'Inativo', 'UN', 0, 0, 0, 0, 0, 1), ('N1', "
                "'Sem estado', 'UN', 0, 0, 0, 0, 0, NULL), ('Z1', 'Sem stock', 'UN', 5, 5, 5, 0, "
                "0, 0);");
    factory_.common_folder = folder_.File("comum");
    factory_.settings->values = {engine_->Server(), "EMP1", "sa", "segredo"};
    factory_.new_data_access = [engine = engine_.get()] { return engine->NewDataAccess(); };
    Configuracao("");
  }
  void TearDown() override {
    solucao_.reset();
    CompanyTest::TearDown();
  }

  std::string Dados() const { return folder_.File("dados"); }
  std::string Addin() const { return folder_.File("addin"); }
  // Writes PICKING.EMP1 in `folder` with an "Api Vela" section and `more` after it.
  void Configuracao(const std::string& more, const std::string& folder = "") {
    testing::TempFolder::Write((folder.empty() ? Addin() : folder) + "/PICKING.EMP1",
                               "[Api Vela]\nLogin=picking\nEmpresa=EMP1\n" + more);
  }

  Solucao& Open() {
    solucao_ = std::make_unique<Solucao>(factory_, Addin());
    EXPECT_TRUE(solucao_->ConnectionOpen("EMP1", "ana"));
    return *solucao_;
  }
  const Texts& Messages() const { return factory_.dialogs->messages; }

  // The parameters row, inventory group INV / A / S1, every other parameter empty.
  void Parametros() {
    Exec(testing::ParametersInsert([](const std::string& column) -> std::string {
      if (column == "INVENTDOC") return "'INV'";
      if (column == "INVENTSER") return "'A'";
      return column == "INVENTSEC" ? "'S1'" : "''";
    }));
  }

  FakeFactory factory_;
  std::unique_ptr<Solucao> solucao_;
  // The sales or purchase view whose events the add-in receives.
  std::shared_ptr<vela::VelaHostView> view_ = std::make_shared<vela::VelaHostView>();
  HostViewPtr api_ = view_;
};

}  // namespace pellora::solucao_testing

#endif  // PELLORA_TESTS_SOLUCAO_SOLUCAO_COMPANY_H_
