#include "app/cli.h"

#include <algorithm>
#include <functional>
#include <iostream>
#include <map>

#include "app/commands.h"
#include "app/tracing_data_access.h"
#include "platform/postgres/pg_address.h"
#include "runtime/error.h"

namespace pellora::app {
namespace {

constexpr char kUsage[] =
    "Utilização: pellora [--dir PASTA] [--company EMPRESA] [--user UTILIZADOR] "
    "[--trace-sql FICHEIRO] [--busy-timeout SEGUNDOS] COMANDO ...\n"
    "Comandos:\n"
    "  sql [--db FICHEIRO] [--exec] \"SQL\"  executa um texto SQL na empresa ou num ficheiro\n"
    "  demo --dir PASTA [--company DEMO] [--readings N] [--seed S] [--kind I|A|T|E|S]\n"
    "       [--server postgresql://[UTILIZADOR@]MÁQUINA[:PORTA]]\n"
    "                                       cria uma empresa de demonstração (num servidor\n"
    "                                       PostgreSQL com --server; a palavra-passe em\n"
    "                                       PGPASSWORD ou ~/.pgpass)\n"
    "  sets [--kind E|S|I|A|T|X|P]          lista os conjuntos de leituras pendentes\n"
    "  import --kind inventario|venda|compra|acerto|transferencia|anular --set ID...\n"
    "         [--doc-type T] [--series S] [--sector S] [--third-party X] [--date AAAA-MM-DD]\n"
    "                                       importa conjuntos de leituras\n"
    "  op CÓDIGO [--pick ID]... [--pick-all] [--price ARTIGO=VALOR]... [--warehouse W]\n"
    "         [--doc-type T] [--series S] [--sector S] [--cancel]\n"
    "         [--set COLUNA=CÓDIGO]... [--button confirmar|cancelar|sair]\n"
    "                                       corre uma operação do menu (2000 a 2010)\n"
    "  view sales|purchases --doc-type T --series S --third-party X --date AAAA-MM-DD\n"
    "         [--currency EUR] [--sector S] [--pick ID]...\n"
    "                                       importa leituras para um documento aberto\n"
    "  validate sales|purchases --field F --value V --doc-type T [--article A] [--price P]\n"
    "         [--quantity Q] [--line-discount D] [--header-discount H]\n"
    "                                       valida um campo de uma linha de documento\n"
    "  archive languages|list|add|rename|remove|open ...\n"
    "                                       arquivo digital das fichas técnicas dos artigos\n"
    "  terminal add ID | list | remove ID   regista os terminais que enviam leituras\n"
    "  serve [--listen MÁQUINA:PORTA] [--tls-cert FICHEIRO --tls-key FICHEIRO]\n"
    "                                       serve a página e a API dos terminais\n";

const std::map<std::string, std::function<int(const CommandContext&)>>& Commands() {
  static const std::map<std::string, std::function<int(const CommandContext&)>> kCommands = {
      {"sql", SqlCommand},           {"demo", DemoCommand},       {"sets", SetsCommand},
      {"import", ImportCommand},     {"op", OpCommand},           {"view", ViewCommand},
      {"validate", ValidateCommand}, {"archive", ArchiveCommand}, {"terminal", TerminalCommand},
      {"serve", ServeCommand},
  };
  return kCommands;
}

// A password written in a server address is overwritten where the process list shows the
// arguments, once they are copied: the other users of the machine never read it there.
void HidePasswords(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (const auto span = postgres::PasswordSpan(argv[i])) {
      std::fill_n(argv[i] + span->first, span->second, '*');
    }
  }
}

}  // namespace

int RunCli(int argc, char** argv) {
  try {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    HidePasswords(argc, argv);
    CommandLine line =
        CommandLine::Parse(std::move(arguments), {"exec", "pick-all", "cancel", "help"});
    if (line.command().empty() || line.Has("help")) {
      (line.Has("help") ? std::cout : std::cerr) << kUsage;
      return line.Has("help") ? 0 : 2;
    }
    auto command = Commands().find(line.command());
    if (command == Commands().end()) {
      throw UsageError("Comando desconhecido: " + line.command() + ".");
    }
    std::shared_ptr<SqlTrace> trace;
    if (auto path = line.Get("trace-sql")) trace = std::make_shared<SqlTrace>(*path);
    CommandContext context{std::move(line), std::cout, std::cerr, trace};
    return command->second(context);
  } catch (const UsageError& e) {
    std::cerr << e.what() << '\n';
    return 2;
  } catch (const Error& e) {
    std::cerr << "Erro " << e.number() << " - " << e.description() << '\n';
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "Erro - " << e.what() << '\n';
    return 1;
  }
}

}  // namespace pellora::app
