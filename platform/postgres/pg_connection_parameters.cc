#include "platform/postgres/pg_connection_parameters.h"

namespace pellora::postgres {
namespace {

// A server that does not answer is reported rather than waited for forever.
constexpr const char* kConnectTimeoutSeconds = "10";

}  // namespace

ConnectionParameters::ConnectionParameters(const PgAddress& address, const std::string& database,
                                           std::chrono::milliseconds lock_timeout) {
  Add("host", address.host);
  Add("port", std::to_string(address.port));
  Add("dbname", database);
  if (!address.user.empty()) Add("user", address.user);
  if (address.password) Add("password", *address.password);
  Add("client_encoding", "UTF8");
  Add("application_name", "Pellora");
  Add("connect_timeout", kConnectTimeoutSeconds);
  // Values are read back in ISO dates and plain money whatever the server's defaults.
  Add("options", "-c lock_timeout=" + std::to_string(lock_timeout.count()) +
                     " -c DateStyle=ISO -c lc_monetary=C");
  // The pointers are taken once every string is in place: the vectors no longer grow.
  for (size_t i = 0; i < keywords_.size(); ++i) {
    keyword_pointers_.push_back(keywords_[i].c_str());
    value_pointers_.push_back(values_[i].c_str());
  }
  keyword_pointers_.push_back(nullptr);
  value_pointers_.push_back(nullptr);
}

const char* ConnectionParameters::ValueOf(const std::string& keyword) const {
  for (size_t i = 0; i < keywords_.size(); ++i) {
    if (keywords_[i] == keyword) return values_[i].c_str();
  }
  return nullptr;
}

void ConnectionParameters::Add(std::string keyword, std::string value) {
  keywords_.push_back(std::move(keyword));
  values_.push_back(std::move(value));
}

}  // namespace pellora::postgres
