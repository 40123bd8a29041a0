#include "app/command_line.h"

namespace pellora::app {

CommandLine CommandLine::Parse(const std::vector<std::string>& words,
                               const std::set<std::string>& flags) {
  CommandLine line;
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word.size() > 2 && word.compare(0, 2, "--") == 0) {
      std::string name = word.substr(2);
      size_t equals = name.find('=');
      if (equals != std::string::npos) {
        line.options_.emplace(name.substr(0, equals), name.substr(equals + 1));
      } else if (flags.count(name)) {
        line.options_.emplace(name, "");
      } else if (i + 1 < words.size()) {
        line.options_.emplace(name, words[++i]);
      } else {
        throw UsageError("A opção --" + name + " precisa de um valor.");
      }
    } else if (line.command_.empty()) {
      line.command_ = word;
    } else {
      line.positionals_.push_back(word);
    }
  }
  return line;
}

std::optional<std::string> CommandLine::Get(const std::string& option) const {
  auto range = options_.equal_range(option);
  if (range.first == range.second) return std::nullopt;
  return std::prev(range.second)->second;
}

std::string CommandLine::Require(const std::string& option) const {
  std::optional<std::string> value = Get(option);
  if (!value || value->empty()) throw UsageError("Falta a opção --" + option + ".");
  return *value;
}

std::vector<std::string> CommandLine::GetAll(const std::string& option) const {
  std::vector<std::string> values;
  auto range = options_.equal_range(option);
  for (auto it = range.first; it != range.second; ++it) values.push_back(it->second);
  return values;
}

void CommandLine::CheckKnown(const std::set<std::string>& known) const {
  for (const auto& [name, value] : options_) {
    static const std::set<std::string> kProgramOptions = {"dir",       "company", "user",
                                                          "trace-sql", "verbose", "busy-timeout"};
    if (!known.count(name) && !kProgramOptions.count(name))
      throw UsageError("Opção desconhecida: --" + name + ".");
  }
}

}  // namespace pellora::app
