#ifndef PELLORA_TESTS_TERMINAL_SERVE_PROCESS_H_
#define PELLORA_TESTS_TERMINAL_SERVE_PROCESS_H_

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <regex>
#include <string>

namespace pellora::terminal {

// A `pellora serve` process on a loopback port of its own choosing, stopped with SIGTERM.
class ServeProcess {
 public:
  // Starts `pellora OPTIONS serve --listen 127.0.0.1:0`; port() is 0 when it did not start.
  ServeProcess(const std::string& pellora, const std::string& options) {
    const std::string command =
        "exec " + pellora + " " + options + " serve --listen 127.0.0.1:0 2>&1 </dev/null";
    int out[2];
    if (pipe(out) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      dup2(out[1], STDOUT_FILENO);
      close(out[0]);
      close(out[1]);
      execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    close(out[1]);
    output_ = fdopen(out[0], "r");
    std::smatch port;
    const std::string first = Line();
    static const std::regex kListening(R"(://127\.0\.0\.1:(\d+) )");
    if (std::regex_search(first, port, kListening)) port_ = std::stoi(port[1]);
    said_ = first;
  }
  ~ServeProcess() { Stop(); }
  ServeProcess(const ServeProcess&) = delete;
  ServeProcess& operator=(const ServeProcess&) = delete;

  int port() const { return port_; }
  // What it printed so far.
  const std::string& said() const { return said_; }

  // SIGTERM, then its exit status (-1 when it did not exit by itself); what it printed after
  // is added to said().
  int Stop() {
    if (pid_ <= 0) return status_;
    kill(pid_, SIGTERM);
    for (std::string line = Line(); !line.empty(); line = Line()) said_ += line;
    int status = 0;
    waitpid(pid_, &status, 0);
    fclose(output_);
    pid_ = 0;
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return status_;
  }

 private:
  std::string Line() {
    char buffer[1024];
    return output_ && fgets(buffer, sizeof buffer, output_) ? buffer : "";
  }

  pid_t pid_ = 0;
  FILE* output_ = nullptr;
  int port_ = 0;
  int status_ = -1;
  std::string said_;
};

}  // namespace pellora::terminal

#endif  // PELLORA_TESTS_TERMINAL_SERVE_PROCESS_H_
