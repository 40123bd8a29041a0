#include "platform/postgres/pg_connection_parameters.h"

#include <algorithm>

namespace pellora::postgres {
namespace {

// A server that does not answer is reported rather than waited for forever.
constexpr const char* kConnectTimeoutSeconds = "10";

// Seconds between TCP keepalive probes: a peer is given up after two of them without a packet and
// four unanswered probes, `limit` in all.
long long ProbeSeconds(std::chrono::milliseconds limit) {
  return std::max<long long>(1, limit.count() / 6000);
}

// The server's settings that end a silent workstation's session after `limit`: idle inside its
// transaction that long, or its machine gone from the network.
std::string SilenceSettings(std::chrono::milliseconds limit) {
  if (limit.count() == 0) return "";
  const long long probe = ProbeSeconds(limit);
  return " -c idle_in_transaction_session_timeout=" + std::to_string(limit.count()) +
         " -c tcp_keepalives_idle=" + std::to_string(2 * probe) +
         " -c tcp_keepalives_interval=" + std::to_string(probe) + " -c tcp_keepalives_count=4";
}

}  // namespace

ConnectionParameters::ConnectionParameters(const PgAddress& address, const std::string& database,
                                           std::chrono::milliseconds lock_timeout,
                                           std::chrono::milliseconds silence_limit) {
  Add("host", address.host);
  Add("port", std::to_string(address.port));
  Add("dbname", database);
  if (!address.user.empty()) Add("user", address.user);
  if (address.password) Add("password", *address.password);
  Add("client_encoding", "UTF8");
  Add("application_name", "Pellora");
  Add("connect_timeout", kConnectTimeoutSeconds);
  if (silence_limit.count() != 0) {  // this side learns of a lost server as soon
    const long long probe = ProbeSeconds(silence_limit);
    Add("keepalives", "1");
    Add("keepalives_idle", std::to_string(2 * probe));
    Add("keepalives_interval", std::to_string(probe));
    Add("keepalives_count", "4");
  }
  // Values are read back in ISO dates and plain money whatever the server's defaults.
  Add("options", "-c lock_timeout=" + std::to_string(lock_timeout.count()) +
                     " -c DateStyle=ISO -c lc_monetary=C" + SilenceSettings(silence_limit));
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
