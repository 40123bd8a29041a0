#ifndef PELLORA_APP_COMMAND_CONTEXT_H_
#define PELLORA_APP_COMMAND_CONTEXT_H_

#include <chrono>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>

#include "app/command_line.h"
#include "interfaces/data_access.h"
#include "platform/common/company_connection.h"

namespace pellora::app {

class EngineDataAccess;
class SqlTrace;

// What every command is given: its words, the output streams and the options that belong to
// the whole program (--dir, --company, --user, --trace-sql, --busy-timeout).
// "PICKING." + company: the name of a company's configuration file in DIR/orudados.
std::string ConfigurationFileName(const std::string& company);
// The folder of the configuration files, DIR/orudados.
std::filesystem::path ConfigurationFolder(const std::string& dir);

struct CommandContext {
  CommandLine line;
  std::ostream& out;
  std::ostream& err;
  std::shared_ptr<SqlTrace> trace;  // null without --trace-sql

  std::string Dir() const { return line.Require("dir"); }
  std::string Company() const { return line.Require("company"); }
  std::string User() const { return line.Get("user").value_or(""); }
  // The company's configuration file, DIR/orudados/PICKING.<company>.
  std::filesystem::path ConfigurationFile() const;

  // How long statements wait while another workstation writes: --busy-timeout SECONDS, else
  // the company configuration file's [Ligação] TempoEspera, else 30 s.
  std::chrono::milliseconds BusyTimeout() const;
  // The engine's data-access object, closed, its statements watched by the crash harness.
  std::shared_ptr<EngineDataAccess> NewEngine() const;
  // How long the server lets a workstation that stopped answering in the middle of its work keep
  // the company: [Ligação] TempoSemResposta, else 30 s; 0 lets it keep the company.
  std::chrono::milliseconds SilenceLimit() const;
  // A data-access object on a company database file, traced when asked; the data access
  // stays closed until the caller opens it.
  DataAccessPtr NewDataAccess() const;
  // `data_access` traced when asked.
  DataAccessPtr Traced(DataAccessPtr data_access) const;
  // Where the company's database is, as its configuration file names it: the one way every
  // command and window finds it. UsageError when the company has no configuration file.
  common::CompanyConnection Connection() const;
  // The data-access object opened on the database the configuration file names; UsageError
  // when it names none or the company cannot be opened there.
  DataAccessPtr OpenCompany() const;
  // Before the host opens the company: UsageError when it cannot be opened. A configuration
  // that names no database is left to the add-in, which asks the operator for it.
  void CheckCompanyOpens() const;
};

}  // namespace pellora::app

#endif  // PELLORA_APP_COMMAND_CONTEXT_H_
