#ifndef PELLORA_TESTS_APP_PELLORA_PROCESS_H_
#define PELLORA_TESTS_APP_PELLORA_PROCESS_H_

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace pellora::app {

struct Outcome {
  int status;       // the exit status, -1 when the process did not exit by itself
  std::string out;  // standard output, standard error after it
};

// Runs a shell command with no standard input, as CI and integrators do.
inline Outcome RunShell(const std::string& command_line) {
  FILE* pipe = popen((command_line + " 2>&1 </dev/null").c_str(), "r");
  std::string out;
  std::array<char, 4096> buffer;
  while (size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) out.append(buffer.data(), n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

// Runs `pellora ARGS`.
inline Outcome Pellora(const std::string& args) {
  return RunShell(std::string(PELLORA_BINARY) + " " + args);
}

// The options that open company DEMO in `folder`.
inline std::string OnDemo(const std::string& folder) {
  return "--dir '" + folder + "' --company DEMO ";
}

// The Ids of the pending sets of movement kind `kind` on the company that the options `company`
// open, as `pellora sets` lists them; `more` adds its options.
inline std::vector<std::string> PendingSets(const std::string& company, const std::string& kind,
                                            const std::string& more = "") {
  std::istringstream lines(Pellora(company + "sets --kind " + kind + " " + more).out);
  std::vector<std::string> sets;
  std::string line;
  std::getline(lines, line);  // the header
  while (std::getline(lines, line)) sets.push_back(line.substr(0, line.find('\t')));
  return sets;
}

}  // namespace pellora::app

#endif  // PELLORA_TESTS_APP_PELLORA_PROCESS_H_
