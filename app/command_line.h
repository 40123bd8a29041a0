#ifndef PELLORA_APP_COMMAND_LINE_H_
#define PELLORA_APP_COMMAND_LINE_H_

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace pellora::app {

// A command the user typed wrongly: the message is shown and the program exits with 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The words of one `pellora` invocation: the command name, its positional words and its
// options. Options may stand before or after the command name; "--name value" and
// "--name=value" are the same.
class CommandLine {
 public:
  // `flags` names the options that take no value.
  static CommandLine Parse(const std::vector<std::string>& words,
                           const std::set<std::string>& flags);

  const std::string& command() const { return command_; }
  const std::vector<std::string>& positionals() const { return positionals_; }

  bool Has(const std::string& option) const { return options_.count(option) > 0; }
  // The option's value; the last one wins when it is repeated.
  std::optional<std::string> Get(const std::string& option) const;
  // The option's value, or UsageError naming it when absent or empty.
  std::string Require(const std::string& option) const;
  std::vector<std::string> GetAll(const std::string& option) const;
  // UsageError for any option neither in `known` nor one of the whole program's (--dir,
  // --company, --user, --trace-sql, --verbose, --busy-timeout).
  void CheckKnown(const std::set<std::string>& known) const;

 private:
  std::string command_;
  std::vector<std::string> positionals_;
  std::multimap<std::string, std::string> options_;
};

}  // namespace pellora::app

#endif  // PELLORA_APP_COMMAND_LINE_H_
