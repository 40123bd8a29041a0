#include <iostream>
#include <ostream>
#include <set>
#include <string>

#include <unistd.h>

#include "app/commands.h"
#include "app/console_components.h"
#include "app/document_view.h"
#include "app/typed_number.h"
#include "platform/vela/host_view.h"
#include "runtime/date_text.h"
#include "solucao/solucao.h"

namespace pellora::app {
namespace {

// The options every command that plays the host accepts.
const std::set<std::string> kHostOptions = {"pick",   "pick-all", "price",  "warehouse", "doc-type",
                                            "series", "sector",   "cancel", "set",       "button"};

std::set<std::string> HostOptionsAnd(std::initializer_list<std::string> more) {
  std::set<std::string> options = kHostOptions;
  options.insert(more.begin(), more.end());
  return options;
}

// An option's value; on a terminal the operator is asked for a missing one.
std::string RequireOrAsk(const CommandContext& context, const std::string& option,
                         const std::string& question) {
  if (std::optional<std::string> value = context.line.Get(option); value && !value->empty()) {
    return *value;
  }
  if (isatty(STDIN_FILENO) && isatty(STDOUT_FILENO)) {
    std::string answer;
    context.out << question << ": " << std::flush;
    if (std::getline(std::cin, answer) && !answer.empty()) return answer;
  }
  return context.line.Require(option);
}

double NumberOption(const CommandLine& line, const std::string& option) {
  return TypedNumber(line.Get(option).value_or("0"), "--" + option);
}

// The menu operations Operacoes runs; 2003 and 2004 belong to the document views.
int32_t MenuOperation(const std::string& code) {
  for (int32_t operation : {2000, 2001, 2005, 2006, 2007, 2008, 2009, 2010}) {
    if (code == std::to_string(operation)) return operation;
  }
  throw UsageError("Operação desconhecida: " + code +
                   " (use 2000, 2001 ou 2005 a 2010; as operações 2003 e 2004 são das vistas: "
                   "pellora view sales|purchases).");
}

// Runs `body` on a Solucao opened for the company, as the host does around its calls. The exit
// status: 2 when a dialog refused a scripted answer; 1 when a box told of a refusal or an error,
// work was undone or `body` answers that it refused; 0 otherwise.
template <typename Body>
int WithSolucao(const CommandContext& context, Body body) {
  context.CheckCompanyOpens();  // a missing company is the command's fault
  ConsoleComponents components(context, OperatorScript::FromCommandLine(context.line));
  Solucao solucao(components, AddinFolder());
  if (!solucao.ConnectionOpen(context.Company(), context.User())) {
    context.err << "Não foi possível abrir a empresa " << context.Company() << ".\n";
    return 2;
  }
  const bool refused = body(solucao);
  solucao.ConnectionClose();
  if (components.ScriptRefused()) return 2;
  return refused || components.WarningShown() || components.WorkUndone() ? 1 : 0;
}

bool IsSalesView(const CommandContext& context) {
  if (context.line.positionals().size() != 1) {
    throw UsageError("Indique a vista: sales ou purchases.");
  }
  const std::string& view = context.line.positionals().front();
  if (view != "sales" && view != "purchases") {
    throw UsageError("Vista desconhecida: " + view + " (use sales ou purchases).");
  }
  return view == "sales";
}

}  // namespace

// pellora op CODE: a menu operation of the host.
int OpCommand(const CommandContext& context) {
  context.line.CheckKnown(kHostOptions);
  if (context.line.positionals().size() != 1) throw UsageError("Indique o código da operação.");
  const int32_t code = MenuOperation(context.line.positionals().front());
  return WithSolucao(context, [&](Solucao& solucao) {
    Variant pai, operacao(code), utilizador(context.User());
    solucao.Operacoes(pai, operacao, utilizador);
    return false;
  });
}

// pellora view sales|purchases: the import operation of a document view, on the header given.
int ViewCommand(const CommandContext& context) {
  context.line.CheckKnown(HostOptionsAnd({"third-party", "date", "currency"}));
  const bool sales = IsSalesView(context);
  DocumentHeader header;
  header.doc_type = RequireOrAsk(context, "doc-type", "Tipo de documento");
  header.series = RequireOrAsk(context, "series", "Série");
  header.third_party = RequireOrAsk(context, "third-party", "Terceiro");
  const std::string date_text = RequireOrAsk(context, "date", "Data (AAAA-MM-DD)");
  const std::optional<Date> date = ParseDateText(date_text);
  if (!date) throw UsageError("Data inválida: " + date_text + " (use AAAA-MM-DD).");
  header.date = *date;
  header.currency = context.line.Get("currency").value_or("EUR");
  header.sector = context.line.Get("sector").value_or("");
  return WithSolucao(context, [&](Solucao& solucao) {
    RunViewOperation(solucao, DocumentView(header), sales, context.Company(), context.User());
    return false;
  });
}

// pellora validate sales|purchases --field F --value V: the host validating a line field.
int ValidateCommand(const CommandContext& context) {
  context.line.CheckKnown(HostOptionsAnd(
      {"field", "value", "article", "price", "quantity", "line-discount", "header-discount"}));
  const bool sales = IsSalesView(context);
  auto view = std::make_shared<vela::VelaHostView>();
  view->cab().Set("TipoDocumento", RequireOrAsk(context, "doc-type", "Tipo de documento"));
  view->cab().Set("DescontoCabecalho", NumberOption(context.line, "header-discount"));
  LateBoundObject& line = view->NovaLinha();
  line.Set("Artigo", context.line.Get("article").value_or(""));
  line.Set("PrecoUnitario", NumberOption(context.line, "price"));
  line.Set("Quantidade", NumberOption(context.line, "quantity"));
  line.Set("DescontoValor", NumberOption(context.line, "line-discount"));
  const std::string field = RequireOrAsk(context, "field", "Campo");
  const std::string value = RequireOrAsk(context, "value", "Valor");
  // The price fields' value is a number the operator types with the workstation's separator.
  const bool price = field == "PRUNIT" || field == "DESCON";
  Variant campo(field);
  Variant valor(price ? AsWorkstationTypes(value, "--value") : value);
  return WithSolucao(context, [&](Solucao& solucao) {
    HostViewPtr api = view;
    Variant cancel(false);
    if (sales) {
      solucao.OnVistaVendasCampoLinhasValidar(api, campo, valor, cancel);
    } else {
      solucao.OnVistaComprasCampoLinhasValidar(api, campo, valor, cancel);
    }
    const bool cancelled = cancel.type() == VarType::kBoolean && cancel.AsBoolean();
    context.out << "vCancel=" << (cancelled ? "True" : "False") << '\n';
    return cancelled;
  });
}

}  // namespace pellora::app
