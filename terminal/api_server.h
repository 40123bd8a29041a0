#ifndef PELLORA_TERMINAL_API_SERVER_H_
#define PELLORA_TERMINAL_API_SERVER_H_

#include <memory>
#include <string>

#include "interfaces/data_access.h"

namespace httplib {
class Server;
}

namespace pellora::terminal {

// Bodies beyond this are refused (413) before they are read: a set of 10,000 readings fits.
constexpr size_t kBodyLimit = 4 << 20;

struct ServeOptions {
  std::string host = "0.0.0.0";
  int port = 8080;                // 0: any free port
  std::string tls_cert, tls_key;  // PEM files; both empty for plain HTTP
};

class CompanyLink;
class Sessions;
class SetWriter;

// The terminals' page and API on one company (docs/terminal-api.md).
class ApiServer {
 public:
  // std::runtime_error when the certificate or key cannot be read.
  ApiServer(DataAccessPtr company, const ServeOptions& options);
  ~ApiServer();

  // Binds the address; answers the port, or -1 when the address cannot be taken.
  int Bind();
  // Serves until Stop, then answers the requests in flight before it returns.
  void Serve();
  // From any thread.
  void Stop();
  bool tls() const { return !options_.tls_cert.empty(); }

 private:
  void Route();

  ServeOptions options_;
  std::unique_ptr<CompanyLink> company_;
  std::unique_ptr<Sessions> sessions_;
  std::unique_ptr<SetWriter> sets_;
  std::unique_ptr<httplib::Server> server_;
};

}  // namespace pellora::terminal

#endif  // PELLORA_TERMINAL_API_SERVER_H_
