#ifndef PELLORA_TESTS_TERMINAL_SERVE_PROCESS_H_
#define PELLORA_TESTS_TERMINAL_SERVE_PROCESS_H_

#include <signal.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

namespace pellora::terminal {

// A `pellora serve` process on a loopback port of its own choosing, stopped with SIGTERM.
class ServeProcess {
 public:
  // Starts `pellora OPTIONS serve --listen 127.0.0.1:0`; port() is 0 when it did not start. A
  // shell runs it and waits for it, after printing its process id.
  ServeProcess(const std::string& pellora, const std::string& options) {
    const std::string command = "exec 2>&1 </dev/null; " + pellora + " " + options +
                                " serve --listen 127.0.0.1:0 & echo $!; wait $!";
    output_ = popen(command.c_str(), "r");
    pid_ = std::atoi(Line().c_str());
    std::smatch port;
    said_ = Line();
    static const std::regex kListening(R"(://127\.0\.0\.1:(\d+) )");
    if (std::regex_search(said_, port, kListening)) port_ = std::stoi(port[1]);
  }
  ~ServeProcess() { Stop(); }
  ServeProcess(const ServeProcess&) = delete;
  ServeProcess& operator=(const ServeProcess&) = delete;

  int port() const { return port_; }
  // What it printed so far.
  const std::string& said() const { return said_; }

  // SIGTERM, then its exit status; what it printed after is added to said().
  int Stop() {
    if (output_ == nullptr) return status_;
    if (pid_ > 0) kill(pid_, SIGTERM);
    for (std::string line = Line(); !line.empty(); line = Line()) said_ += line;
    const int status = pclose(output_);
    output_ = nullptr;
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return status_;
  }

 private:
  std::string Line() {
    char buffer[1024];
    return output_ && fgets(buffer, sizeof buffer, output_) ? buffer : "";
  }

  FILE* output_ = nullptr;
  pid_t pid_ = 0;
  int port_ = 0;
  int status_ = -1;
  std::string said_;
};

}  // namespace pellora::terminal

#endif  // PELLORA_TESTS_TERMINAL_SERVE_PROCESS_H_
