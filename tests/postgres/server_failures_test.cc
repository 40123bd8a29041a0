// The server failing the operator: down, full, refusing the user or a right, gone in the middle
// of an import. Each cause is told in Portuguese with what to do, with its exit status; the
// server's own words only with --verbose; the company is left whole.
#include <gtest/gtest.h>

#include <libpq-fe.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <future>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "tests/app/pellora_process.h"
#include "tests/postgres/interrupted_import.h"
#include "tests/postgres/pg_rows.h"
#include "tests/shared_postgres_cluster.h"
#include "tests/temp_folder.h"

namespace pellora::app {
namespace {

using testing::PostgresCluster;

constexpr char kCompany[] = "pgfalhas";
constexpr char kLostMidImport[] =
    "A ligação ao servidor perdeu-se a meio da importação; nada foi gravado. Repita a "
    "importação.\n";

std::string Address(const std::string& user, int port) {
  return "postgresql://" + user + "@127.0.0.1:" + std::to_string(port);
}

class ServerFailures : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("PGPASSWORD", PostgresCluster::kPassword, 1);
    port_ = testing::SharedCluster().port();
    ASSERT_EQ(Pellora(Options(kCompany) + "demo --server " + Address(PostgresCluster::kUser, port_))
                  .status,
              0);
    PGconn* admin = testing::PgConnect(kCompany);
    for (const char* role : {"leitor", "cheio"}) {
      testing::PgRun(admin, std::string("DO $$ BEGIN CREATE ROLE ") + role + " LOGIN PASSWORD '" +
                                PostgresCluster::kPassword +
                                "'; EXCEPTION WHEN duplicate_object THEN NULL; END $$");
    }
    testing::PgRun(admin, "ALTER ROLE cheio CONNECTION LIMIT 0");
    testing::PgRun(admin, "GRANT SELECT ON ALL TABLES IN SCHEMA public TO leitor");
    PQfinish(admin);
    // Companies whose configuration names the same database in another way; nothing listens
    // on port 1 of the loopback.
    Configure("PARADO", "Servidor=" + Address(PostgresCluster::kUser, 1));
    Configure("SEMBASE", "BaseDados=nada");
    Configure("LEITOR", "Servidor=" + Address("leitor", port_));
    Configure("CHEIO", "Servidor=" + Address("cheio", port_));
    const std::vector<std::string> sets = PendingSets(Options(kCompany), "I");
    ASSERT_FALSE(sets.empty());
    set_ = sets.front();
  }
  void TearDown() override {
    unsetenv("PGPASSWORD");  // the other tests of the program give it where they need it
    testing::SharedCluster().DropDatabase(kCompany);
  }

  std::string Options(const std::string& company) const {
    return "--dir '" + folder_.path().string() + "' --company " + company + " ";
  }
  // PICKING.<company>: the demo's configuration with `line` in place of its key's.
  void Configure(const std::string& company, const std::string& line) const {
    std::string text =
        testing::TempFolder::Read(folder_.File(std::string("orudados/PICKING.") + kCompany));
    const std::string key = line.substr(0, line.find('=') + 1);
    text = std::regex_replace(text, std::regex("\n" + key + "[^\n]*"), "\n" + line);
    text = std::regex_replace(text, std::regex("Empresa=[^\n]*"), "Empresa=" + company);
    testing::TempFolder::Write(folder_.File("orudados/PICKING." + company), text);
  }
  std::vector<std::string> Pending() const {
    return testing::PgRows(kCompany,
                           "SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos WHERE Estado = 0");
  }

  testing::TempFolder folder_;
  int port_ = 0;
  std::string set_;
};

struct FailureCase {
  std::string line;  // after the program: an environment, the options, the command
  int status;
  std::string says;
};

TEST_F(ServerFailures, EachCauseIsToldWithWhatToDo) {
  const std::string server = "127.0.0.1:" + std::to_string(port_);
  const std::string pellora = std::string(" ") + PELLORA_BINARY + " ";
  const std::vector<FailureCase> cases = {
      {pellora + Options("PARADO") + "sets", 1,
       "O servidor 127.0.0.1:1 não responde: verifique se está a funcionar"},
      {pellora + Options("SEMBASE") + "sets", 2,
       "A base de dados nada não existe no servidor " + server},
      {pellora + Options("CHEIO") + "sets", 1,
       "O servidor " + server + " tem todas as ligações ocupadas"},
      {"PGPASSWORD=mau" + pellora + Options(kCompany) + "sets", 2,
       "O servidor " + server + " recusou o utilizador pellora ou a sua palavra-passe"},
      {pellora + Options("LEITOR") + "import --kind inventario --set '" + set_ + "'", 1,
       "O utilizador leitor não tem, na base de dados pgfalhas do servidor " + server +
           ", as permissões de que este trabalho precisa: peça-as ao administrador do servidor."},
      {pellora + Options("NOVA") + "--dir '" + folder_.File("nova") + "' demo --server " +
           Address("leitor", port_),
       1, "O utilizador leitor não tem, na base de dados postgres do servidor " + server},
      // The server's own words come with --verbose only.
      {"PGPASSWORD=mau" + pellora + "--verbose " + Options(kCompany) + "sets", 2,
       "Pormenor técnico: connection to server at"},
  };
  const std::vector<std::string> pending = Pending();
  for (const FailureCase& test : cases) {
    const Outcome run = RunShell(test.line);
    EXPECT_EQ(run.status, test.status) << test.line << "\n" << run.out;
    EXPECT_NE(run.out.find(test.says), std::string::npos) << test.line << "\n" << run.out;
    EXPECT_EQ(run.out.find("NOTICE"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("Pormenor") != std::string::npos,
              test.line.find("--verbose") != std::string::npos)
        << run.out;
  }
  EXPECT_EQ(Pending(), pending);
  EXPECT_FALSE(std::filesystem::exists(folder_.File("nova")));  // no empty folders left behind
}

// The import's session ended by the server's administrator, and the server stopped.
TEST_F(ServerFailures, AnImportCutOffInTheMiddleSavesNothing) {
  testing::PostgresCluster stopping;
  const std::string options = "--dir '" + folder_.File("parado") + "' --company pgparado ";
  ASSERT_EQ(
      Pellora(options + "demo --server " + Address(PostgresCluster::kUser, stopping.port())).status,
      0);
  const std::vector<std::string> pending = Pending();
  const std::vector<Outcome> runs = {
      testing::Interrupted(Options(kCompany) + "import --kind inventario --set '" + set_ + "'",
                           kCompany,
                           [](PGconn*, PGconn* watcher, const std::string& pid) {
                             testing::PgRowsOf(watcher, "SELECT pg_terminate_backend(" + pid + ")");
                           }),
      testing::Interrupted(
          options + "import --kind inventario --set '" + PendingSets(options, "I").front() + "'",
          "pgparado", [&](PGconn*, PGconn*, const std::string&) { stopping.Stop(); },
          stopping.port())};
  for (const Outcome& run : runs) {
    EXPECT_EQ(run.status, 1) << run.out;
    EXPECT_EQ(run.out, kLostMidImport);
  }
  EXPECT_EQ(Pending(), pending);
}

// A workstation stopped in the middle of its import (a hung program) lets the company go once it
// has been silent for its TempoSemResposta: another one imports the same set, and the stopped
// one, resumed, says its work was lost.
TEST_F(ServerFailures, AStoppedWorkstationLetsTheCompanyGo) {
  Configure("LENTO", "BaseDados=" + std::string(kCompany) + "\nTempoSemResposta=2");
  const std::string import = "import --kind inventario --set '" + set_ + "'";
  const auto signal_workstation = [](const std::string& signal) {
    // The bracket keeps the pattern from matching the shell that runs pkill.
    return std::system(("pkill -" + signal + " -f -- '[-]-company LENTO import'").c_str());
  };
  const std::vector<std::string> documents =
      testing::PgRows(kCompany, "SELECT COUNT(*) + 1 FROM DOCGCCAB");
  Outcome other;
  const Outcome resumed = testing::Interrupted(
      Options("LENTO") + import, kCompany, [&](PGconn* holder, PGconn*, const std::string&) {
        EXPECT_EQ(signal_workstation("STOP"), 0);
        testing::PgRun(holder, "ROLLBACK");
        other = Pellora("--busy-timeout 20 " + Options(kCompany) + import);
        signal_workstation("CONT");
      });
  EXPECT_EQ(other.status, 0) << other.out;
  EXPECT_EQ(resumed.status, 1) << resumed.out;
  EXPECT_EQ(resumed.out, kLostMidImport);
  EXPECT_EQ(testing::PgRows(kCompany, "SELECT COUNT(*) FROM DOCGCCAB"), documents);
}

}  // namespace
}  // namespace pellora::app
