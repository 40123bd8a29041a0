#ifndef PELLORA_PLATFORM_COMMON_COMPANY_CONNECTION_H_
#define PELLORA_PLATFORM_COMMON_COMPANY_CONNECTION_H_

#include <string>

namespace pellora::common {

// Where a company's database is, as the section "Ligação" of its configuration file names it.
struct CompanyConnection {
  std::string file;  // the configuration file read
  // A database server's address as written, or the folder of the company's database files.
  std::string server;
  std::string database;
  std::string user;
  std::string password;

  // The add-in's connection string on these values.
  std::string ConnectionString() const;
  // Empty when Servidor and BaseDados are given; otherwise the Portuguese sentence that names
  // what the file lacks.
  std::string Lacking() const;
};

// Reads the section "Ligação" of the configuration file `file` (a missing key reads as empty).
// A Servidor that names no database server is a folder; a relative one is taken from the
// configuration file's own folder, never from the working directory, so that a company's
// folder copied whole is a company of its own.
CompanyConnection ReadCompanyConnection(const std::string& file);

}  // namespace pellora::common

#endif  // PELLORA_PLATFORM_COMMON_COMPANY_CONNECTION_H_
