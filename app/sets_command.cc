#include <limits>
#include <map>
#include <memory>
#include <ostream>

#include "app/commands.h"
#include "app/recordset_text.h"
#include "app/typed_number.h"
#include "solucao/chooser_query.h"

namespace pellora::app {
namespace {

// The third-party kind each operation gives the chooser for its movement code: entries come
// from suppliers, exits go to customers, the stock operations pass 3 and transfers 4.
int16_t DefaultThirdPartyKind(const std::string& movement_code) {
  static const std::map<std::string, int16_t> kKinds = {{"E", 1}, {"S", 2}, {"I", 3}, {"A", 3},
                                                        {"T", 4}, {"X", 3}, {"P", 3}};
  auto it = kKinds.find(movement_code);
  if (it == kKinds.end()) {
    throw UsageError("Tipo de movimento desconhecido: " + movement_code +
                     " (use E, S, I, A, T, X ou P).");
  }
  return it->second;
}

}  // namespace

// pellora sets [--kind K] [--third-party-kind N] [--third-party X]: the pending reading sets
// as the chooser lists them.
int SetsCommand(const CommandContext& context) {
  const CommandLine& line = context.line;
  line.CheckKnown({"kind", "third-party-kind", "third-party"});
  const std::string code = line.Get("kind").value_or("X");
  int16_t kind = DefaultThirdPartyKind(code);
  if (auto text = line.Get("third-party-kind")) {
    kind = static_cast<int16_t>(WholeNumber(*text, "--third-party-kind",
                                            std::numeric_limits<int16_t>::min(),
                                            std::numeric_limits<int16_t>::max()));
  }
  DataAccessPtr data_access = context.OpenCompany();
  std::shared_ptr<Connection> connection;
  data_access->GetConnection(connection);
  RecordsetPtr sets = connection->Execute(
      ChooserSql(line.Get("third-party").value_or(""), ChooserMovementFilter(code), kind));
  PrintNamesHeader(*sets, context.out);
  PrintRows(*sets, context.out);
  data_access->CloseConnection();
  return 0;
}

}  // namespace pellora::app
