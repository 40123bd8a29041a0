#include "app/command_help.h"

#include <sstream>

#include "app/commands.h"

namespace pellora::app {
namespace {

constexpr CommandEntry kCommands[] = {
    {"sql", "sql [--db FICHEIRO] [--exec] \"SQL\"",
     "Executa um texto SQL na empresa ou num ficheiro de empresa, como o objecto de acesso a "
     "dados o executa:\nsem --exec escreve as linhas, com --exec escreve True ou False.",
     SqlCommand},
    {"demo",
     "demo --dir PASTA [--company DEMO] [--readings N] [--seed S] [--kind I|A|T|E|S]\n"
     "     [--server postgresql://[UTILIZADOR@]MÁQUINA[:PORTA]]",
     "Cria uma empresa de demonstração em PASTA, ou num servidor PostgreSQL com --server (a "
     "palavra-passe\nem PGPASSWORD ou ~/.pgpass).",
     DemoCommand},
    {"sets", "sets [--kind E|S|I|A|T|X|P] [--third-party-kind N] [--third-party CÓDIGO]",
     "Lista os conjuntos de leituras pendentes como a escolha de conjuntos os mostra.",
     SetsCommand},
    {"import",
     "import --kind inventario|acerto|transferencia|anular --set ID... [--doc-type T]\n"
     "       [--series S] [--sector S] [--third-party X] [--date AAAA-MM-DD]\n"
     "import --kind venda|compra --set ID... --doc-type T --series S [--third-party X]\n"
     "       [--sector S] [--date AAAA-MM-DD] [--currency EUR]",
     "Importa conjuntos de leituras como a operação desse tipo os importa, numa só transacção.\n"
     "Uma venda ou compra indica o tipo de documento (de vendas ou de compras) e a série.",
     ImportCommand},
    {"op",
     "op CÓDIGO [--pick ID]... [--pick-all] [--price ARTIGO=VALOR]... [--warehouse W]\n"
     "   [--doc-type T] [--series S] [--sector S] [--cancel] [--set COLUNA=CÓDIGO]...\n"
     "   [--button confirmar|cancelar|sair]",
     "Corre uma operação do menu: 2000 parâmetros, 2001 mapa de encomendas, 2005 a 2010\n"
     "importações, preços de custo e anulação. As opções respondem às janelas; uma resposta\n"
     "que uma janela recusa termina o comando sem nada gravado.",
     OpCommand},
    {"view",
     "view sales|purchases --doc-type T --series S --third-party X --date AAAA-MM-DD\n"
     "     [--currency EUR] [--sector S] [--pick ID]...",
     "Importa leituras para um documento aberto numa vista de vendas (2003) ou de compras "
     "(2004).",
     ViewCommand},
    {"validate",
     "validate sales|purchases --field F --value V --doc-type T [--article A] [--price P]\n"
     "         [--quantity Q] [--line-discount D] [--header-discount H]",
     "Valida um campo de uma linha de documento e escreve vCancel=True (recusado, saída 1) ou\n"
     "vCancel=False.",
     ValidateCommand},
    {"archive",
     "archive languages | list --article A [--kind N] | add --article A --language L\n"
     "        --file FICHEIRO --title T [--kind N] [--number NUM] | rename NUM --title T |\n"
     "        remove NUM | open NUM --to PASTA/",
     "Trabalha o arquivo digital das fichas técnicas dos artigos.", ArchiveCommand},
    {"terminal", "terminal add ID | list | remove ID",
     "Regista os terminais que enviam leituras: add escreve o PIN do terminal uma só vez.",
     TerminalCommand},
    {"serve", "serve [--listen MÁQUINA:PORTA] [--tls-cert FICHEIRO --tls-key FICHEIRO]",
     "Serve a página e a API dos terminais (por omissão em 0.0.0.0:8080) até SIGTERM ou Ctrl+C.",
     ServeCommand},
};

constexpr char kProgramOptions[] =
    "Opções do programa, antes ou depois do comando: --dir PASTA, --company EMPRESA,\n"
    "--user UTILIZADOR, --busy-timeout SEGUNDOS, --trace-sql FICHEIRO (regista o SQL e o\n"
    "pormenor técnico das falhas), --verbose (escreve esse pormenor), --help.\n"
    "Números com vírgula ou ponto decimal: 1,25 e 1.25 são o mesmo.\n"
    "Saída: 0 feito; 1 recusado ou falhou, sem nada feito a meio; 2 argumentos errados.\n";

}  // namespace

const CommandEntry* FindCommand(std::string_view name) {
  for (const CommandEntry& command : kCommands) {
    if (name == command.name) return &command;
  }
  return nullptr;
}

std::string ProgramUsage() {
  std::ostringstream usage;
  usage << "Utilização: pellora [opções] COMANDO ...\nComandos:\n";
  for (const CommandEntry& command : kCommands) {
    std::istringstream lines(command.synopsis);
    for (std::string line; std::getline(lines, line);) usage << "  " << line << '\n';
  }
  usage << "pellora help COMANDO (ou COMANDO --help) explica um comando.\n" << kProgramOptions;
  return usage.str();
}

std::string CommandUsage(const CommandEntry& command) {
  std::ostringstream usage;
  std::istringstream lines(command.synopsis);
  const char* lead = "Utilização: pellora ";
  for (std::string line; std::getline(lines, line);) {
    // A line that goes on the form above it starts with blanks: it lines up under the command.
    usage << (line.starts_with(' ') ? "                    " : lead) << line << '\n';
    lead = "            pellora ";
  }
  usage << command.description << '\n' << kProgramOptions;
  return usage.str();
}

}  // namespace pellora::app
