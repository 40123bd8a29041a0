#include "app/command_context.h"

#include "app/tracing_data_access.h"
#include "platform/sqlite/sqlite_data_access.h"

namespace pellora::app {

DataAccessPtr CommandContext::NewDataAccess() const {
  DataAccessPtr data_access = std::make_shared<sqlite::SqliteDataAccess>();
  if (trace) data_access = std::make_shared<TracingDataAccess>(data_access, trace);
  return data_access;
}

DataAccessPtr CommandContext::OpenCompany() const {
  const std::string dir = Dir();
  const std::string company = Company();
  DataAccessPtr data_access = NewDataAccess();
  const std::string connection_string =
      "Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=" + dir +
      ";Initial Catalog=" + company + ";Integrated Security=SSPI;";
  if (!data_access->OpenConnection(connection_string)) {
    throw UsageError("A empresa " + company + " não existe em " + dir + ".");
  }
  return data_access;
}

}  // namespace pellora::app
