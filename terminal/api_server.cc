#include "terminal/api_server.h"

#include <httplib.h>

#include <ctime>
#include <functional>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <thread>

#include "runtime/error.h"
#include "terminal/catalogue.h"
#include "terminal/company_link.h"
#include "terminal/request_error.h"
#include "terminal/sessions.h"
#include "terminal/set_writer.h"
#include "terminal/stamp.h"
#include "terminal/web_files.h"

namespace pellora::terminal {
namespace {

using httplib::Request;
using httplib::Response;
using nlohmann::json;

// Enough workers for every terminal of a warehouse: most of them wait on the company.
constexpr size_t kWorkers = 32;

void Reply(Response& response, int status, const json& body) {
  response.status = status;
  response.set_content(body.dump(-1, ' ', false, json::error_handler_t::replace),
                       "application/json; charset=utf-8");
}

void ReplyError(Response& response, int status, const std::string& message) {
  Reply(response, status, json{{"error", message}});
}

// The answers httplib gives by itself, as the API's errors.
std::string StatusMessage(int status) {
  switch (status) {
    case 404:
      return "Recurso desconhecido.";
    case 413:
      return "O pedido é grande demais: o limite é de 4 MiB.";
    case 400:
      return "Pedido mal formado.";
    default:
      return "O pedido não pôde ser atendido (HTTP " + std::to_string(status) + ").";
  }
}

using Handler = std::function<void(const Request&, Response&)>;
using TerminalHandler = std::function<void(const Request&, Response&, const std::string&)>;

// Every failure answers JSON: the request's own with its status, the company's with 500.
httplib::Server::Handler Guarded(Handler handler) {
  return [handler = std::move(handler)](const Request& request, Response& response) {
    try {
      handler(request, response);
    } catch (const RequestError& e) {
      ReplyError(response, e.status(), e.what());
    } catch (const Error& e) {
      ReplyError(response, 500, "Erro " + std::to_string(e.number()) + " - " + e.description());
    } catch (const std::exception& e) {
      ReplyError(response, 500, std::string("Erro - ") + e.what());
    }
  };
}

std::string BearerToken(const Request& request) {
  const std::string header = request.get_header_value("Authorization");
  constexpr std::string_view kBearer = "Bearer ";
  return header.rfind(kBearer, 0) == 0 ? header.substr(kBearer.size()) : "";
}

std::string ContentType(std::string_view name) {
  const std::pair<std::string_view, const char*> kTypes[] = {
      {".html", "text/html; charset=utf-8"},
      {".js", "text/javascript; charset=utf-8"},
      {".css", "text/css; charset=utf-8"},
      {".svg", "image/svg+xml"},
      {".png", "image/png"},
      {".wav", "audio/wav"},
      {".json", "application/json"},
      {".ico", "image/x-icon"}};
  for (const auto& [ending, type] : kTypes) {
    if (name.size() >= ending.size() && name.substr(name.size() - ending.size()) == ending) {
      return type;
    }
  }
  return "application/octet-stream";
}

void ServeWebFile(std::string_view name, Response& response) {
  for (const WebFile& file : WebFiles()) {
    if (file.name == name) {
      response.set_header("Cache-Control", "no-cache");
      response.set_content(std::string(file.content), ContentType(name).c_str());
      return;
    }
  }
  ReplyError(response, 404, "Ficheiro desconhecido: " + std::string(name) + ".");
}

json ParseObject(const std::string& body) {
  json root = json::parse(body, nullptr, false);
  if (root.is_discarded() || !root.is_object()) {
    throw RequestError(400, "O pedido deve ser um objeto JSON.");
  }
  return root;
}

std::string TextMember(const json& root, const char* name) {
  const auto member = root.find(name);
  if (member == root.end() || !member->is_string()) {
    throw RequestError(400, std::string("Falta o campo ") + name + " (um texto).");
  }
  return member->get<std::string>();
}

char KindParameter(const Request& request) {
  const std::string kind = request.get_param_value("kind");
  if (kind != "E" && kind != "S") {
    throw RequestError(400, "Indique kind=E (fornecedores) ou kind=S (clientes).");
  }
  return kind[0];
}

std::string LockedMessage(const SignIn& outcome, std::time_t now) {
  const std::string& until = outcome.locked_until;
  const long minutes = std::max<long>(1, (StampTime(until) - now + 59) / 60);
  return "O terminal " + outcome.terminal + " está bloqueado depois de " +
         std::to_string(kFailuresBeforeLock) + " PINs errados seguidos: tente de novo às " +
         until.substr(8, 2) + ":" + until.substr(10, 2) + " (dentro de " + std::to_string(minutes) +
         (minutes == 1 ? " minuto)." : " minutos).");
}

}  // namespace

ApiServer::ApiServer(DataAccessPtr company, const ServeOptions& options)
    : options_(options),
      company_(std::make_unique<CompanyLink>(std::move(company))),
      sessions_(std::make_unique<Sessions>(*company_)),
      sets_(std::make_unique<SetWriter>(*company_)) {
  if (tls()) {
    server_ =
        std::make_unique<httplib::SSLServer>(options_.tls_cert.c_str(), options_.tls_key.c_str());
    if (!server_->is_valid()) {
      throw std::runtime_error("Não foi possível ler o certificado " + options_.tls_cert +
                               " ou a chave " + options_.tls_key + " (ficheiros PEM).");
    }
  } else {
    server_ = std::make_unique<httplib::Server>();
  }
  server_->new_task_queue = [] { return new httplib::ThreadPool(kWorkers); };
  server_->set_payload_max_length(kBodyLimit);
  // Idle connections let go of their worker soon, and of a stopping server at once.
  server_->set_keep_alive_timeout(1);
  Route();
}

ApiServer::~ApiServer() = default;

int ApiServer::Bind() {
  if (options_.port == 0) return server_->bind_to_any_port(options_.host);
  return server_->bind_to_port(options_.host, options_.port) ? options_.port : -1;
}

void ApiServer::Serve() {
  server_->listen_after_bind();
}

void ApiServer::Stop() {
  server_->stop();
}

void ApiServer::Route() {
  httplib::Server& server = *server_;
  server.set_error_handler([](const Request&, Response& response) {
    if (response.body.empty())
      ReplyError(response, response.status, StatusMessage(response.status));
  });
  auto signed_in = [this](TerminalHandler handler) {
    return Guarded(
        [this, handler = std::move(handler)](const Request& request, Response& response) {
          const std::string token = BearerToken(request);
          if (token.empty()) {
            throw RequestError(401, "Falta a sessão: entre com o terminal e o PIN.");
          }
          const SessionCheck session = sessions_->Check(token, std::time(nullptr));
          if (session.state == SessionCheck::State::kExpired) {
            throw RequestError(401, "A sessão expirou: entre de novo com o terminal e o PIN.");
          }
          if (session.state != SessionCheck::State::kValid) {
            throw RequestError(401, "Sessão inválida: entre de novo com o terminal e o PIN.");
          }
          handler(request, response, session.terminal);
        });
  };
  auto reading = [this](auto query) {
    return [this, query](const Request& request, Response& response, const std::string&) {
      Reply(response, 200, company_->Use([&](DataAccess& data) { return query(request, data); }));
    };
  };

  server.Get("/", [](const Request&, Response& response) { ServeWebFile("index.html", response); });
  server.Get(R"(/web/(.+))", [](const Request& request, Response& response) {
    ServeWebFile(request.matches[1].str(), response);
  });

  server.Post("/api/v1/sessions", Guarded([this](const Request& request, Response& response) {
                const json body = ParseObject(request.body);
                const std::time_t now = std::time(nullptr);
                const SignIn outcome =
                    sessions_->Open(TextMember(body, "terminal"), TextMember(body, "pin"), now);
                std::this_thread::sleep_for(outcome.delay);
                switch (outcome.outcome) {
                  case SignIn::Outcome::kSignedIn:
                    return Reply(response, 201,
                                 {{"token", outcome.token},
                                  {"terminal", outcome.terminal},
                                  {"expires_in", kSessionSeconds}});
                  case SignIn::Outcome::kLocked:
                    return ReplyError(response, 429, LockedMessage(outcome, now));
                  case SignIn::Outcome::kRefused:
                    return ReplyError(response, 401, "Terminal ou PIN errado.");
                }
              }));
  server.Delete("/api/v1/sessions",
                signed_in([this](const Request& request, Response& response, const std::string&) {
                  sessions_->Close(BearerToken(request));
                  response.status = 204;
                }));

  server.Get("/api/v1/warehouses",
             signed_in(reading([](const Request&, DataAccess& data) { return Warehouses(data); })));
  server.Get("/api/v1/third_parties",
             signed_in(reading([](const Request& request, DataAccess& data) {
               return ThirdParties(data, KindParameter(request));
             })));
  server.Get("/api/v1/orders", signed_in(reading([](const Request& request, DataAccess& data) {
               return OpenOrders(data, KindParameter(request),
                                 request.get_param_value("third_party"));
             })));
  server.Get(R"(/api/v1/articles/(.+))",
             signed_in([this](const Request& request, Response& response, const std::string&) {
               const std::string code = request.matches[1].str();
               const auto article =
                   company_->Use([&](DataAccess& data) { return ArticleByCode(data, code); });
               if (!article) throw RequestError(404, "O artigo " + code + " não existe.");
               Reply(response, 200, *article);
             }));

  server.Post("/api/v1/sets", signed_in([this](const Request& request, Response& response,
                                               const std::string& terminal) {
                const SetAnswer answer = sets_->Write(terminal, ParseSetRequest(request.body));
                Reply(response, answer.created ? 201 : 200,
                      {{"set", answer.set}, {"readings", answer.readings}});
              }));
}

}  // namespace pellora::terminal
