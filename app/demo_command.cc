#include <limits>
#include <ostream>
#include <string>

#include "app/commands.h"
#include "app/demo_company.h"
#include "app/demo_server.h"
#include "app/typed_number.h"
#include "platform/postgres/pg_address.h"

namespace pellora::app {
namespace {

int PositiveNumber(const std::string& option, const std::string& text) {
  return static_cast<int>(WholeNumber(text, "--" + option, 0, std::numeric_limits<int>::max()));
}

}  // namespace

// pellora demo --dir DIR [--company DEMO] [--readings N] [--seed S] [--kind I|A|T|E|S]
//              [--server postgresql://[user@]host[:port]]
int DemoCommand(const CommandContext& context) {
  const CommandLine& line = context.line;
  line.CheckKnown({"readings", "seed", "kind", "server"});
  DemoOptions options;
  options.dir = context.Dir();
  options.company = line.Get("company").value_or(options.company);
  if (auto readings = line.Get("readings"))
    options.readings = PositiveNumber("readings", *readings);
  if (auto seed = line.Get("seed")) options.seed = PositiveNumber("seed", *seed);
  if (auto kind = line.Get("kind")) {
    if (kind->size() != 1 || std::string("IATES").find(*kind) == std::string::npos) {
      throw UsageError("--kind deve ser I, A, T, E ou S: " + *kind);
    }
    options.kind = kind->front();
  }
  if (auto server = line.Get("server")) {
    CreateDemoCompanyOnServer(options, *server);
    const auto address = postgres::ParsePgAddress(*server);
    context.out << "Empresa de demonstração " << options.company << " criada no servidor "
                << address->Display() << ", configurada em " << options.dir << " ("
                << options.readings << " leituras pendentes).\n";
    return 0;
  }
  CreateDemoCompany(options);
  context.out << "Empresa de demonstração " << options.company << " criada em " << options.dir
              << " (" << options.readings << " leituras pendentes).\n";
  return 0;
}

}  // namespace pellora::app
