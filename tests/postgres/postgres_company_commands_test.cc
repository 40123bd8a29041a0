// A company on the server worked by the `pellora` commands: the demo creates it there, every
// other command reaches it through its configuration file, and it reads as the file demo does.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/app/pellora_process.h"
#include "tests/postgres_cluster.h"
#include "tests/temp_folder.h"

namespace pellora::app {
namespace {

using testing::PostgresCluster;

// Company codes name databases of the shared cluster: kept in lower case, as its admin folds them.
constexpr char kCompany[] = "pgdemo";

class CompanyOnTheServer : public ::testing::Test {
 protected:
  void TearDown() override { PostgresCluster::Shared().DropDatabase(kCompany); }

  static std::string Server() {
    return "postgresql://" + std::string(PostgresCluster::kUser) +
           "@127.0.0.1:" + std::to_string(PostgresCluster::Shared().port());
  }
  // `pellora ARGS` on the server's company, the password given as libpq takes it.
  Outcome OnServer(const std::string& args) const {
    return RunShell("PGPASSWORD='" + std::string(PostgresCluster::kPassword) + "' " +
                    PELLORA_BINARY + " --dir '" + ServerDir() + "' --company " + kCompany + " " +
                    args);
  }
  Outcome OnFile(const std::string& args) const {
    return Pellora("--dir '" + folder_.File("ficheiros") + "' --company " + kCompany + " " + args);
  }
  std::string Configuration() const {
    std::ifstream file(ServerDir() + "/orudados/PICKING." + kCompany);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  }

  std::string ServerDir() const { return folder_.File("servidor"); }

  testing::TempFolder folder_;  // the server company's configuration beside a file company
};

TEST_F(CompanyOnTheServer, TheDemoOnTheServerReadsAndImportsAsTheFileDemo) {
  const Outcome created = OnServer("demo --readings 120 --server " + Server());
  ASSERT_EQ(created.status, 0) << created.out;
  ASSERT_EQ(OnFile("demo --readings 120").status, 0);
  EXPECT_NE(Configuration().find("Servidor=" + Server() + "\n"), std::string::npos)
      << Configuration();

  for (const char* kind : {"I", "A", "T", "E", "S"}) {
    const Outcome sets = OnServer(std::string("sets --kind ") + kind);
    ASSERT_EQ(sets.status, 0) << sets.out;
    EXPECT_EQ(sets.out, OnFile(std::string("sets --kind ") + kind).out) << kind;
  }
  // Every pending set of three kinds, imported on both: the same documents, the same refusals.
  int documents = 0;
  for (const auto& [kind, operation] :
       {std::pair{"I", "inventario"}, std::pair{"A", "acerto"}, std::pair{"T", "transferencia"}}) {
    std::istringstream lines(OnFile(std::string("sets --kind ") + kind).out);
    std::string line;
    std::getline(lines, line);  // the header
    while (std::getline(lines, line)) {
      const std::string import = std::string("import --kind ") + operation + " --set '" +
                                 line.substr(0, line.find('\t')) + "'";
      const Outcome on_file = OnFile(import);
      const Outcome on_server = OnServer(import);
      EXPECT_EQ(on_server.out, on_file.out) << import;
      EXPECT_EQ(on_server.status, on_file.status) << import;
      documents += on_server.status == 0 ? 1 : 0;
    }
    EXPECT_EQ(OnServer(std::string("sets --kind ") + kind).out,
              OnFile(std::string("sets --kind ") + kind).out);
  }
  EXPECT_GE(documents, 3);
}

TEST_F(CompanyOnTheServer, ThePasswordIsNeverWrittenOrShown) {
  const std::string password = PostgresCluster::kPassword;
  const std::string with_password =
      "postgresql://" + std::string(PostgresCluster::kUser) + ":" + password +
      "@127.0.0.1:" + std::to_string(PostgresCluster::Shared().port());
  const Outcome created = Pellora("--dir '" + ServerDir() + "' --company " + kCompany +
                                  " demo --readings 10 --server " + with_password);
  ASSERT_EQ(created.status, 0) << created.out;
  EXPECT_EQ(created.out.find(password), std::string::npos) << created.out;
  EXPECT_EQ(Configuration().find(password), std::string::npos);

  const Outcome again = OnServer("demo --readings 10 --server " + with_password);
  EXPECT_NE(again.status, 0);
  EXPECT_NE(again.out.find("já existe"), std::string::npos) << again.out;
  EXPECT_EQ(again.out.find(password), std::string::npos) << again.out;

  // Without the password the company cannot be opened, and the message says where it lies.
  const Outcome refused = Pellora("--dir '" + ServerDir() + "' --company " + kCompany + " sets");
  EXPECT_EQ(refused.status, 2) << refused.out;
  EXPECT_NE(refused.out.find("127.0.0.1"), std::string::npos) << refused.out;
}

}  // namespace
}  // namespace pellora::app
