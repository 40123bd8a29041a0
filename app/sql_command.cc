#include <filesystem>
#include <ostream>

#include "app/commands.h"
#include "app/recordset_text.h"
#include "runtime/error.h"

namespace pellora::app {
namespace {

// The data-access object opened on the company database file `file`.
DataAccessPtr OpenFile(const CommandContext& context, const std::filesystem::path& file) {
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
  return data_access;
}

}  // namespace

// pellora sql [--db FILE] [--exec] "TEXT": one SQL text, as the data-access object runs it, on
// a company database file or, without --db, on the company of --dir and --company wherever its
// configuration file says it lives.
int SqlCommand(const CommandContext& context) {
  const CommandLine& line = context.line;
  line.CheckKnown({"db", "exec"});
  if (line.positionals().size() != 1) {
    throw UsageError("Indique um único texto SQL: pellora sql [--db FICHEIRO] [--exec] \"SQL\".");
  }
  const auto file = line.Get("db");
  DataAccessPtr data_access = file ? OpenFile(context, *file) : context.OpenCompany();
  const std::string& sql = line.positionals().front();
  try {
    if (line.Has("exec")) {
      context.out << (data_access->ExecuteCommand("", sql) ? "True" : "False") << '\n';
    } else {
      RecordsetPtr recordset;
      data_access->OpenRecordset("", sql, recordset, true, 0);
      PrintTypedHeader(*recordset, context.out);
      PrintRows(*recordset, context.out);
    }
  } catch (const Error& error) {
    // The engine's own words name what it could not run; an integrator writing SQL reads them.
    if (error.number() != kDatabaseError) throw;
    context.err << "A base de dados recusou o texto SQL. Resposta do motor:\nErro "
                << error.number() << " - " << error.description() << '\n';
    return 1;
  }
  data_access->CloseConnection();
  return 0;
}

}  // namespace pellora::app
