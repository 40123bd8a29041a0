#include <pthread.h>
#include <signal.h>

#include <ostream>
#include <stdexcept>
#include <thread>

#include "app/commands.h"
#include "terminal/api_server.h"

namespace pellora::app {
namespace {

// --listen HOST:PORT; 0.0.0.0:8080 by default, port 0 for any free one.
void ReadListen(const CommandLine& line, terminal::ServeOptions& options) {
  const std::optional<std::string> listen = line.Get("listen");
  if (!listen) return;
  const size_t colon = listen->rfind(':');
  long port = -1;
  try {
    size_t end = 0;
    if (colon != std::string::npos) port = std::stol(listen->substr(colon + 1), &end);
    if (end != listen->size() - colon - 1) port = -1;
  } catch (const std::exception&) {
  }
  if (colon == 0 || colon == std::string::npos || port < 0 || port > 65535) {
    throw UsageError("--listen deve ser MÁQUINA:PORTA, como 0.0.0.0:8080: " + *listen + ".");
  }
  options.host = listen->substr(0, colon);
  options.port = static_cast<int>(port);
}

}  // namespace

// pellora serve [--listen HOST:PORT] [--tls-cert FILE --tls-key FILE]: the terminals' page and
// API on the company, until SIGTERM or SIGINT.
int ServeCommand(const CommandContext& context) {
  const CommandLine& line = context.line;
  line.CheckKnown({"listen", "tls-cert", "tls-key"});
  terminal::ServeOptions options;
  ReadListen(line, options);
  options.tls_cert = line.Get("tls-cert").value_or("");
  options.tls_key = line.Get("tls-key").value_or("");
  if (options.tls_cert.empty() != options.tls_key.empty()) {
    throw UsageError("Indique --tls-cert e --tls-key juntos.");
  }
  // The signals that stop the server reach one thread, which stops it; every other thread,
  // the server's workers included, keeps them blocked.
  sigset_t stop_signals;
  sigemptyset(&stop_signals);
  sigaddset(&stop_signals, SIGTERM);
  sigaddset(&stop_signals, SIGINT);
  pthread_sigmask(SIG_BLOCK, &stop_signals, nullptr);

  DataAccessPtr company = context.OpenCompany();
  std::unique_ptr<terminal::ApiServer> server;
  try {
    server = std::make_unique<terminal::ApiServer>(company, options);
  } catch (const std::runtime_error& e) {
    throw UsageError(e.what());
  }
  const int port = server->Bind();
  if (port < 0) {
    throw UsageError("Não foi possível escutar em " + options.host + ":" +
                     std::to_string(options.port) + ": a porta está ocupada ou não é permitida.");
  }
  context.out << "A servir os terminais da empresa " << context.Company() << " em "
              << (server->tls() ? "https" : "http") << "://" << options.host << ":" << port
              << " (termina com Ctrl+C ou SIGTERM)." << std::endl;
  std::thread stopper([&] {
    int signal = 0;
    sigwait(&stop_signals, &signal);
    server->Stop();
  });
  server->Serve();
  pthread_kill(stopper.native_handle(), SIGTERM);  // when the server ended by itself
  stopper.join();
  server.reset();
  company->CloseConnection();
  context.out << "Servidor parado." << std::endl;
  return 0;
}

}  // namespace pellora::app
