#ifndef PELLORA_APP_COMMAND_CONTEXT_H_
#define PELLORA_APP_COMMAND_CONTEXT_H_

#include <chrono>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "app/command_line.h"
#include "interfaces/data_access.h"

namespace pellora::app {

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
  // A data-access object on a company database file, traced when asked; the data access
  // stays closed until the caller opens it.
  DataAccessPtr NewDataAccess() const;
  // The PostgreSQL server the company's configuration file names ([Ligação] Servidor); nullopt
  // for a company kept in a file of `Dir()`.
  std::optional<std::string> ConfiguredServer() const;
  // The data-access object opened on company `Company()`, on its server or in folder `Dir()`;
  // UsageError when the company does not exist there.
  DataAccessPtr OpenCompany() const;
};

}  // namespace pellora::app

#endif  // PELLORA_APP_COMMAND_CONTEXT_H_
