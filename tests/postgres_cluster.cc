#include "tests/postgres_cluster.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <grp.h>
#include <netinet/in.h>
#include <pwd.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>
#include <vector>

namespace pellora::testing {
namespace {

namespace fs = std::filesystem;

constexpr std::chrono::seconds kStartTimeout{30};

// Whom the server runs as when the caller is root, "nobody"; null for the caller.
const passwd* ServerUser() {
  if (geteuid() != 0) return nullptr;
  const passwd* nobody = getpwnam("nobody");
  if (nobody == nullptr) throw std::runtime_error("no user 'nobody' to run PostgreSQL as");
  return nobody;
}

// The end of the server's log, to say why it did not start.
std::string Tail(const fs::path& log) {
  std::ifstream in(log);
  const std::string all{std::istreambuf_iterator<char>(in), {}};
  return all.size() > 2000 ? all.substr(all.size() - 2000) : all;
}

// Starts `argv` as `user` with its output in `log`; the child gets SIGQUIT (PostgreSQL's
// immediate stop) when this process dies.
pid_t Spawn(const std::vector<std::string>& argv, const passwd* user, const fs::path& log) {
  const pid_t parent = getpid();
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child > 0) return child;
  const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
  if (out >= 0) {
    dup2(out, STDOUT_FILENO);
    dup2(out, STDERR_FILENO);
    close(out);
  }
  if (user != nullptr &&
      (setgroups(0, nullptr) != 0 || setgid(user->pw_gid) != 0 || setuid(user->pw_uid) != 0)) {
    _exit(126);
  }
  // Set after the change of user, which clears it.
  prctl(PR_SET_PDEATHSIG, SIGQUIT);
  if (getppid() != parent) _exit(1);
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  execv(args[0], args.data());
  _exit(127);
}

int Wait(pid_t child) {
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// A loopback port nobody listens on now.
int FreePort() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    close(fd);
    throw std::runtime_error("no free loopback port");
  }
  close(fd);
  return ntohs(address.sin_port);
}

constexpr const char* kFolderPrefix = "pellora-pg-";
constexpr const char* kOwnerFile = "owner";

// Removes the folders of clusters whose test process was killed: their server died with it,
// but nothing was left to remove the folder.
void RemoveAbandonedFolders() {
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator(fs::temp_directory_path(), ignored)) {
    if (entry.path().filename().string().rfind(kFolderPrefix, 0) != 0) continue;
    pid_t owner = 0;
    if (!(std::ifstream(entry.path() / kOwnerFile) >> owner)) continue;
    if (kill(owner, 0) != 0 && errno == ESRCH) fs::remove_all(entry.path(), ignored);
  }
}

}  // namespace

PostgresCluster::PostgresCluster() {
  RemoveAbandonedFolders();
  std::string pattern =
      (fs::temp_directory_path() / (kFolderPrefix + std::string("XXXXXX"))).string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
  folder_ = pattern;
  std::ofstream(folder_ / kOwnerFile) << getpid() << "\n";
  try {
    const passwd* user = ServerUser();
    const fs::path password_file = folder_ / "password";
    std::ofstream(password_file) << kPassword << "\n";
    if (user != nullptr && (chown(folder_.c_str(), user->pw_uid, user->pw_gid) != 0 ||
                            chown(password_file.c_str(), user->pw_uid, user->pw_gid) != 0)) {
      throw std::runtime_error("cannot hand the temporary folder to nobody");
    }
    const fs::path log = folder_ / "server.log";
    const int initdb =
        Wait(Spawn({PELLORA_POSTGRES_BIN "/initdb", "-D", (folder_ / "data").string(), "-U", kUser,
                    "--pwfile=" + password_file.string(), "--auth-local=trust",
                    "--auth-host=scram-sha-256", "-E", "UTF8", "--no-locale", "--no-sync"},
                   user, log));
    if (initdb != 0) throw std::runtime_error("initdb failed:\n" + Tail(log));
    port_ = FreePort();
    // Durability is of no use to a cluster that is thrown away; speed is.
    server_ =
        Spawn({PELLORA_POSTGRES_BIN "/postgres", "-D", (folder_ / "data").string(), "-p",
               std::to_string(port_), "-k", folder_.string(), "-c", "listen_addresses=127.0.0.1",
               "-c", "fsync=off", "-c", "synchronous_commit=off", "-c", "full_page_writes=off"},
              user, log);
    const std::string port = std::to_string(port_);
    const char* keywords[] = {"host", "port", "user", "dbname", nullptr};
    const char* values[] = {folder_.c_str(), port.c_str(), kUser, "postgres", nullptr};
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    while (PQpingParams(keywords, values, 0) != PQPING_OK) {
      if (waitpid(server_, nullptr, WNOHANG) == server_ ||
          std::chrono::steady_clock::now() > deadline) {
        server_ = -1;
        throw std::runtime_error("PostgreSQL did not start:\n" + Tail(log));
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    admin_ = PQconnectdbParams(keywords, values, 0);
    if (PQstatus(admin_) != CONNECTION_OK) {
      throw std::runtime_error(std::string("no maintenance connection: ") + PQerrorMessage(admin_));
    }
  } catch (...) {
    Stop();
    throw;
  }
}

PostgresCluster::~PostgresCluster() {
  Stop();
}

void PostgresCluster::Stop() {
  if (admin_ != nullptr) PQfinish(admin_);
  admin_ = nullptr;
  if (server_ > 0) {
    // The immediate stop: nothing of this cluster is kept.
    kill(server_, SIGQUIT);
    Wait(server_);
    server_ = -1;
  }
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
}

std::string PostgresCluster::Server() const {
  return std::string("postgresql://") + kUser + ":" + kPassword +
         "@127.0.0.1:" + std::to_string(port_);
}

void PostgresCluster::Admin(const std::string& sql) {
  PGresult* result = PQexec(admin_, sql.c_str());
  const bool ok = PQresultStatus(result) == PGRES_COMMAND_OK;
  PQclear(result);
  if (!ok) throw std::runtime_error(sql + ": " + PQerrorMessage(admin_));
}

std::string PostgresCluster::CreateDatabase() {
  const std::string name = "empresa_" + std::to_string(++databases_);
  Admin("CREATE DATABASE " + name);
  return name;
}

void PostgresCluster::DropDatabase(const std::string& name) {
  Admin("DROP DATABASE IF EXISTS " + name + " WITH (FORCE)");
}

}  // namespace pellora::testing
