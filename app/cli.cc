#include "app/cli.h"

#include <algorithm>
#include <iostream>

#include "app/command_help.h"
#include "app/tracing_data_access.h"
#include "platform/postgres/pg_address.h"
#include "runtime/error.h"
#include "runtime/technical_detail.h"

namespace pellora::app {
namespace {

// A password written in a server address is overwritten where the process list shows the
// arguments, once they are copied: the other users of the machine never read it there.
void HidePasswords(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (const auto span = postgres::PasswordSpan(argv[i])) {
      std::fill_n(argv[i] + span->first, span->second, '*');
    }
  }
}

// `pellora help [COMMAND]`, `pellora -h`, `pellora --help` and `pellora COMMAND --help` (or -h):
// the usage asked for, on standard output.
bool AsksForHelp(const CommandLine& line) {
  const auto& words = line.positionals();
  return line.command() == "help" || line.command() == "-h" || line.Has("help") ||
         std::find(words.begin(), words.end(), "-h") != words.end();
}

int ShowHelp(const CommandLine& line) {
  std::string topic = line.command() == "help" || line.command() == "-h" ? "" : line.command();
  if (line.command() == "help" && !line.positionals().empty()) topic = line.positionals().front();
  if (topic.empty()) {
    std::cout << ProgramUsage();
    return 0;
  }
  const CommandEntry* command = FindCommand(topic);
  if (command == nullptr) throw UsageError("Comando desconhecido: " + topic + ".");
  std::cout << CommandUsage(*command);
  return 0;
}

// Errors the engines word for the operator, cause and remedy: shown without a number.
bool WordedForTheOperator(const Error& error) {
  return error.number() == kServerLinkFailed || error.number() == kPermissionDenied;
}

}  // namespace

int RunCli(int argc, char** argv) {
  try {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    HidePasswords(argc, argv);
    CommandLine line =
        CommandLine::Parse(std::move(arguments), {"exec", "pick-all", "cancel", "help", "verbose"});
    if (AsksForHelp(line)) return ShowHelp(line);
    if (line.command().empty()) {
      std::cerr << ProgramUsage();
      return 2;
    }
    const CommandEntry* command = FindCommand(line.command());
    if (command == nullptr) {
      throw UsageError("Comando desconhecido: " + line.command() +
                       " (pellora help lista os comandos).");
    }
    std::shared_ptr<SqlTrace> trace;
    if (auto path = line.Get("trace-sql")) trace = std::make_shared<SqlTrace>(*path);
    const bool verbose = line.Has("verbose");
    SetTechnicalDetailSink([trace, verbose](const std::string& detail) {
      if (verbose) std::cerr << "Pormenor técnico: " << detail << '\n';
      if (trace) trace->RecordDetail(detail);
    });
    CommandContext context{std::move(line), std::cout, std::cerr, trace};
    return command->run(context);
  } catch (const UsageError& e) {
    std::cerr << e.what() << '\n';
    return 2;
  } catch (const Error& e) {
    if (WordedForTheOperator(e)) {
      std::cerr << e.description() << '\n';
    } else {
      std::cerr << "Erro " << e.number() << " - " << e.description() << '\n';
    }
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "Erro - " << e.what() << '\n';
    return 1;
  }
}

}  // namespace pellora::app
