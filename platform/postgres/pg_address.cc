#include "platform/postgres/pg_address.h"

#include <charconv>

#include "runtime/text.h"

namespace pellora::postgres {
namespace {

constexpr std::string_view kSchemes[] = {"postgresql://", "postgres://"};

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The rest of `server` after a PostgreSQL URI scheme; nullopt when it has none.
std::optional<std::string_view> AfterScheme(std::string_view server) {
  for (std::string_view scheme : kSchemes) {
    if (server.size() >= scheme.size() &&
        LCase(std::string(server.substr(0, scheme.size()))) == scheme) {
      return server.substr(scheme.size());
    }
  }
  return std::nullopt;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A user or password may hold '@', ':' or '/' written as %40, %3A, %2F.
std::optional<std::string> PercentDecoded(std::string_view text) {
  std::string decoded;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      decoded += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const int high = HexDigit(text[i + 1]);
    const int low = HexDigit(text[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    decoded += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return decoded;
}

std::optional<int> PortNumber(std::string_view text) {
  int port = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
  if (error != std::errc() || end != text.data() + text.size() || port < 1 || port > 65535) {
    return std::nullopt;
  }
  return port;
}

// "host", "host:port" or "[v6]:port" into `address`; false when malformed.
bool ReadHostAndPort(std::string_view text, char separator, PgAddress& address) {
  std::string_view host = text;
  std::string_view port;
  if (!text.empty() && text.front() == '[') {
    const size_t close = text.find(']');
    if (close == std::string_view::npos) return false;
    host = text.substr(1, close - 1);
    const std::string_view rest = text.substr(close + 1);
    if (!rest.empty()) {
      if (rest.front() != separator) return false;
      port = rest.substr(1);
      if (port.empty()) return false;
    }
  } else if (const size_t at = text.rfind(separator); at != std::string_view::npos) {
    host = text.substr(0, at);
    port = text.substr(at + 1);
    if (port.empty()) return false;
  }
  host = Trimmed(host);
  if (host.empty()) return false;
  address.host = std::string(host);
  if (port.empty()) return true;
  const auto number = PortNumber(port);
  if (!number) return false;
  address.port = *number;
  return true;
}

std::optional<PgAddress> ParseUri(std::string_view rest) {
  PgAddress address;
  // A trailing "/" (an empty database part) is allowed; the database comes from the catalog.
  if (const size_t slash = rest.find('/'); slash != std::string_view::npos) {
    if (rest.find_first_not_of('/', slash) != std::string_view::npos) return std::nullopt;
    rest = rest.substr(0, slash);
  }
  if (const size_t at = rest.rfind('@'); at != std::string_view::npos) {
    const std::string_view credentials = rest.substr(0, at);
    rest = rest.substr(at + 1);
    const size_t colon = credentials.find(':');
    const auto user = PercentDecoded(credentials.substr(0, colon));
    if (!user) return std::nullopt;
    address.user = *user;
    if (colon != std::string_view::npos) {
      address.password = PercentDecoded(credentials.substr(colon + 1));
      if (!address.password) return std::nullopt;
    }
  }
  if (!ReadHostAndPort(rest, ':', address)) return std::nullopt;
  return address;
}

// "host:5432" or "host,5432" (SQL Server's own way of naming a port).
std::optional<PgAddress> ParseHostWithPort(std::string_view server) {
  const size_t at = server.find_last_of(":,");
  if (at == std::string_view::npos) return std::nullopt;
  if (PortNumber(Trimmed(server.substr(at + 1))) != kDefaultPort) return std::nullopt;
  PgAddress address;
  if (!ReadHostAndPort(Trimmed(server), server[at], address)) return std::nullopt;
  return address;
}

}  // namespace

std::string PgAddress::Display() const {
  const bool v6 = host.find(':') != std::string::npos;
  std::string text = v6 ? "[" + host + "]" : host;
  text += ":" + std::to_string(port);
  return user.empty() ? text : user + "@" + text;
}

std::string PgAddress::Url() const {
  std::string encoded;
  for (const char c : user) {
    if (c == '%' || c == '@' || c == ':' || c == '/') {
      constexpr char kHex[] = "0123456789ABCDEF";
      encoded += {'%', kHex[(c >> 4) & 0xF], kHex[c & 0xF]};
    } else {
      encoded += c;
    }
  }
  PgAddress without_user = *this;
  without_user.user.clear();
  return "postgresql://" + (encoded.empty() ? "" : encoded + "@") + without_user.Display();
}

bool SelectsPostgres(std::string_view server) {
  return AfterScheme(Trimmed(server)).has_value() || ParseHostWithPort(server).has_value();
}

std::optional<std::pair<size_t, size_t>> PasswordSpan(std::string_view server) {
  const std::optional<std::string_view> rest = AfterScheme(Trimmed(server));
  if (!rest) return std::nullopt;
  const std::string_view authority = rest->substr(0, rest->find('/'));
  const size_t at = authority.rfind('@');
  if (at == std::string_view::npos) return std::nullopt;
  const size_t colon = authority.substr(0, at).find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const size_t start = static_cast<size_t>(rest->data() - server.data()) + colon + 1;
  return std::pair{start, at - colon - 1};
}

std::optional<PgAddress> ParsePgAddress(std::string_view server) {
  server = Trimmed(server);
  if (const auto rest = AfterScheme(server)) return ParseUri(*rest);
  return ParseHostWithPort(server);
}

}  // namespace pellora::postgres
