#include <filesystem>
#include <ostream>

#include "app/commands.h"
#include "app/recordset_text.h"

namespace pellora::app {

// pellora sql --db FILE [--exec] "TEXT": one SQL text on a company database file, as the
// data-access object runs it.
int SqlCommand(const CommandContext& context) {
  const CommandLine& line = context.line;
  line.CheckKnown({"db", "exec"});
  if (line.positionals().size() != 1) {
    throw UsageError("Indique um único texto SQL: pellora sql --db FICHEIRO [--exec] \"SQL\".");
  }
  const std::filesystem::path file = line.Require("db");
  if (file.extension() != ".db") {
    throw UsageError("O ficheiro da base de dados deve terminar em .db: " + file.string());
  }
  DataAccessPtr data_access = context.NewDataAccess();
  std::string folder = file.parent_path().string();
  if (folder.empty()) folder = ".";
  const std::string connection_string =
      "Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=" + folder +
      ";Initial Catalog=" + file.stem().string() + ";Integrated Security=SSPI;";
  if (!data_access->OpenConnection(connection_string)) {
    throw UsageError("Não foi possível abrir a base de dados " + file.string() + ".");
  }
  const std::string& sql = line.positionals().front();
  if (line.Has("exec")) {
    context.out << (data_access->ExecuteCommand("", sql) ? "True" : "False") << '\n';
  } else {
    RecordsetPtr recordset;
    data_access->OpenRecordset("", sql, recordset, true, 0);
    PrintTypedHeader(*recordset, context.out);
    PrintRows(*recordset, context.out);
  }
  data_access->CloseConnection();
  return 0;
}

}  // namespace pellora::app
