#include "platform/common/company_connection.h"

#include <filesystem>
#include <system_error>

#include "platform/common/native_path.h"
#include "platform/postgres/pg_address.h"
#include "runtime/private_profile.h"

namespace pellora::common {
namespace {

namespace fs = std::filesystem;

constexpr char kSection[] = "Ligação";
constexpr long kValueSize = 255;

// `server` as a folder that does not depend on the working directory.
std::string ResolvedServer(const std::string& server, const std::string& file) {
  if (server.empty() || postgres::SelectsPostgres(server)) return server;
  const fs::path folder = NativePath(server);
  if (folder.is_absolute()) return server;
  std::error_code error;
  fs::path resolved = (fs::absolute(file, error).parent_path() / folder).lexically_normal();
  if (!resolved.has_filename() && resolved.has_relative_path()) resolved = resolved.parent_path();
  return resolved.string();
}

}  // namespace

std::string CompanyConnection::ConnectionString() const {
  std::string text = "Provider=MSDataShape;Data Provider=SQLOLEDB;Data Source=" + server +
                     ";Initial Catalog=" + database;
  if (user.empty() && password.empty()) return text + ";Integrated Security=SSPI;";
  return text + ";User Id=" + user + ";Password=" + password + "; ";
}

std::string CompanyConnection::Lacking() const {
  std::string keys;
  if (server.empty()) keys = "Servidor";
  if (database.empty()) keys += keys.empty() ? "BaseDados" : " e BaseDados";
  if (keys.empty()) return "";
  return "O ficheiro de configuração " + file + " não indica " + keys + " na secção [" + kSection +
         "].";
}

CompanyConnection ReadCompanyConnection(const std::string& file) {
  const auto read = [&file](const char* key) {
    return GetPrivateProfileString(kSection, key, "", kValueSize, file).text;
  };
  return {.file = file,
          .server = ResolvedServer(read("Servidor"), file),
          .database = read("BaseDados"),
          .user = read("User"),
          .password = read("PassWord")};
}

}  // namespace pellora::common
