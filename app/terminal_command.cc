#include <ctime>
#include <ostream>

#include "app/commands.h"
#include "terminal/terminal_registry.h"

namespace pellora::app {
namespace {

constexpr char kUsage[] = "Utilização: pellora terminal add ID | list | remove ID";

std::string CheckedId(const std::string& id) {
  if (auto fault = terminal::TerminalIdFault(id)) throw UsageError(*fault);
  return id;
}

}  // namespace

// pellora terminal add ID | list | remove ID: the terminals allowed to send readings.
int TerminalCommand(const CommandContext& context) {
  context.line.CheckKnown({});
  const std::vector<std::string>& words = context.line.positionals();
  const std::string action = words.empty() ? "" : words.front();
  const bool with_id = action == "add" || action == "remove";
  if (!(with_id && words.size() == 2) && !(action == "list" && words.size() == 1)) {
    throw UsageError(kUsage);
  }
  const std::string id = with_id ? CheckedId(words[1]) : "";
  DataAccessPtr data_access = context.OpenCompany();
  terminal::TerminalRegistry registry(*data_access);
  int status = 0;
  if (action == "add") {
    if (std::optional<std::string> pin = registry.Add(id, std::time(nullptr))) {
      context.out << "Terminal " << id << " registado. PIN: " << *pin
                  << " (guarde-o: não volta a ser mostrado).\n";
    } else {
      context.err << "O terminal " << id << " já está registado.\n";
      status = 1;
    }
  } else if (action == "remove") {
    if (registry.Remove(id)) {
      context.out << "Terminal " << id << " removido.\n";
    } else {
      context.err << "O terminal " << id << " não está registado.\n";
      status = 1;
    }
  } else {
    context.out << "Terminal\tRegistado\tBloqueado até\n";
    for (const terminal::RegisteredTerminal& t : registry.List(std::time(nullptr))) {
      context.out << t.id << '\t' << t.created << '\t' << t.locked_until << '\n';
    }
  }
  data_access->CloseConnection();
  return status;
}

}  // namespace pellora::app
