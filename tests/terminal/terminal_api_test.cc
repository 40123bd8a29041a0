// The terminals' API driven as terminal software drives it: a real `pellora serve` on a demo
// company, requests through an HTTP client, and the company's rows checked afterwards. On the
// test program's engine.
#include <gtest/gtest.h>
#include <httplib.h>

#include <future>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <regex>
#include <tuple>

#include "tests/app/demo_on_engine.h"
#include "tests/temp_folder.h"
#include "tests/terminal/serve_process.h"

namespace pellora::terminal {
namespace {

using nlohmann::json;

constexpr char kReadings[] = "SELECT COUNT(*) FROM oru_ARM_Picking_Movimentos";
constexpr char kSentSets[] = "SELECT COUNT(*) FROM oru_TerminaisConjuntos";

struct Reply {
  int status;
  json body;
};

json Set(const std::string& id, const std::string& kind, json readings) {
  return {{"id", id}, {"kind", kind}, {"warehouse", "A01"}, {"readings", std::move(readings)}};
}

class TerminalApi : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(demo_.Create().status, 0);
    for (const char* id : {"PDA01", "PDA02"}) {
      const app::Outcome added = demo_.Run(std::string("terminal add ") + id);
      std::smatch pin;
      ASSERT_TRUE(std::regex_search(added.out, pin, std::regex(R"(PIN: (\d{6}))"))) << added.out;
      pins_[id] = pin[1];
    }
    Start();
  }
  void TearDown() override {
    if (server_) {
      EXPECT_EQ(server_->Stop(), 0) << server_->said();
    }
  }
  void Start() {
    server_ = std::make_unique<ServeProcess>(PELLORA_BINARY, demo_.Options());
    ASSERT_NE(server_->port(), 0) << server_->said();
  }

  // A GET, or a POST of `body`.
  Reply Send(const std::string& path, const std::string& token, const std::string& body = "") {
    httplib::Client client("127.0.0.1", server_->port());
    client.set_read_timeout(120);
    httplib::Headers headers;
    if (!token.empty()) headers.emplace("Authorization", "Bearer " + token);
    httplib::Result result = body.empty() ? client.Get(path, headers)
                                          : client.Post(path, headers, body, "application/json");
    return result ? Reply{result->status, json::parse(result->body, nullptr, false)}
                  : Reply{-1, {}};
  }
  Reply SignIn(const std::string& terminal, const std::string& pin) {
    return Send("/api/v1/sessions", "", json{{"terminal", terminal}, {"pin", pin}}.dump());
  }
  std::string Token(const std::string& terminal) {
    return SignIn(terminal, pins_[terminal]).body.value("token", "");
  }

  testing::TempFolder folder_;
  app::DemoOnEngine demo_{folder_.path().string()};
  std::map<std::string, std::string> pins_;
  std::unique_ptr<ServeProcess> server_;
};

TEST_F(TerminalApi, RegistrationKeepsOnlyASlowHashAndTellsTheTruthInItsExitCodes) {
  for (const auto& [args, status, says] : std::vector<std::tuple<std::string, int, std::string>>{
           {"terminal add PDA01", 1, "O terminal PDA01 já está registado.\n"},
           {"terminal add 'PDA 03'", 2, "só pode ter letras"},
           {"terminal remove PDA09", 1, "O terminal PDA09 não está registado.\n"},
           {"terminal list", 0, "PDA01\t"},
           {"terminal", 2, "Utilização: pellora terminal"},
           {"terminal remove PDA02", 0, "Terminal PDA02 removido.\n"}}) {
    const app::Outcome outcome = demo_.Run(args);
    EXPECT_EQ(outcome.status, status) << args << ": " << outcome.out;
    EXPECT_NE(outcome.out.find(says), std::string::npos) << args << ": " << outcome.out;
  }
  const std::string hash =
      demo_.Value("SELECT PinHash FROM oru_Terminais WHERE TerminalId = 'PDA01'");
  EXPECT_EQ(hash.rfind("$argon2id$", 0), 0u) << hash;
  EXPECT_EQ(hash.find(pins_["PDA01"]), std::string::npos) << hash;
  EXPECT_EQ(SignIn("PDA02", pins_["PDA02"]).status, 401);  // removed
  EXPECT_EQ(SignIn("PDA09", "123456").status, 401);        // never registered
}

// Sets of each kind go from the API to a document: `pellora sets` lists them and `pellora
// import` imports them unchanged.
TEST_F(TerminalApi, SetsArriveWholeAndImportAsTheyAre) {
  const std::string token = Token("PDA01");
  // An exit against the first open customer order, on its lines of untracked articles.
  const Reply orders = Send("/api/v1/orders?kind=S", token);
  ASSERT_EQ(orders.status, 200);
  json exit_set = Set("s-1", "S", json::array());
  for (const json& order : orders.body) {
    for (const json& line : order["lines"]) {
      const json article =
          Send("/api/v1/articles/" + line["article"].get<std::string>(), token).body;
      if (article["lots"] || article["serials"] || line["pending"] == 0) continue;
      exit_set["readings"].push_back(
          {{"article", line["article"]}, {"quantity", 1}, {"line", line["line"]}});
    }
    if (exit_set["readings"].empty()) continue;
    exit_set["third_party"] = order["third_party"];
    for (const char* key : {"tpdoc", "serie", "numero", "ano"}) exit_set["order"][key] = order[key];
    break;
  }
  ASSERT_FALSE(exit_set["readings"].empty());
  const struct {
    json set;
    std::string kind;    // as `pellora sets` takes it
    std::string before;  // a command run before the import, on the set
    std::string import;  // `pellora import` but --set
  } cases[] = {
      {Set("i-1", "I",
           {{{"article", "ARR001"}, {"quantity", 3}},
            {{"article", "ARR001"}, {"quantity", 1}, {"unit", "FD"}}}),
       "I", "op 2007 --price ARR001=1,25 --pick", "import --kind inventario"},
      {exit_set, "S", "",
       "import --kind venda --doc-type FA --series 1 --third-party " +
           exit_set["third_party"].get<std::string>()},
  };
  for (const auto& c : cases) {
    const Reply sent = Send("/api/v1/sets", token, c.set.dump());
    ASSERT_EQ(sent.status, 201) << sent.body;
    const std::string set = sent.body["set"];
    const std::string marked =
        std::string(kReadings) + " WHERE Estado = 1 AND " + app::InSets({set});
    EXPECT_EQ(sent.body["readings"], c.set["readings"].size());
    const std::vector<std::string> pending = demo_.Sets(c.kind);
    EXPECT_NE(std::find(pending.begin(), pending.end(), set), pending.end()) << set;
    EXPECT_EQ(c.before.empty() ? 0 : demo_.Run(c.before + " '" + set + "'").status, 0);
    const app::Outcome imported = demo_.Run(c.import + " --set '" + set + "'");
    EXPECT_EQ(imported.status, 0) << imported.out;
    EXPECT_EQ(demo_.Value(marked), std::to_string(c.set["readings"].size()));
  }
}

TEST_F(TerminalApi, AnIdIsOneSetOfItsTerminalWhateverIsSentAgain) {
  const std::string first = Token("PDA01"), second = Token("PDA02");
  const json set =
      Set("same-id", "A",
          {{{"article", "ARR001"}, {"quantity", 2}}, {{"article", "ACU001"}, {"quantity", 0}}});
  // Two identical requests at once: one set, and the same answer to both.
  auto racing =
      std::async(std::launch::async, [&] { return Send("/api/v1/sets", first, set.dump()); });
  const Reply one = Send("/api/v1/sets", first, set.dump()), other = racing.get();
  EXPECT_EQ(std::min(one.status, other.status), 200) << one.body;
  EXPECT_EQ(std::max(one.status, other.status), 201);
  EXPECT_EQ(one.body, other.body);
  // The same id from another terminal is that terminal's own set, with a stamp of its own.
  const Reply theirs = Send("/api/v1/sets", second, set.dump());
  const std::string ours = one.body["set"], their = theirs.body["set"];
  EXPECT_EQ(theirs.status, 201);
  EXPECT_EQ(their.substr(0, 6), "PDA02|");
  EXPECT_NE(their.substr(6), ours.substr(6));
  // After a restart the session and the id are still known.
  EXPECT_EQ(server_->Stop(), 0) << server_->said();
  EXPECT_NE(server_->said().find("Servidor parado."), std::string::npos);
  Start();
  const Reply again = Send("/api/v1/sets", first, set.dump());
  EXPECT_EQ(again.status, 200);
  EXPECT_EQ(again.body, one.body);
  EXPECT_EQ(demo_.Value(kReadings +
                        std::string(" JOIN oru_TerminaisConjuntos USING (TerminalId, DataSync)")),
            "4");
  EXPECT_EQ(demo_.Value(kSentSets), "2");
}

TEST_F(TerminalApi, HostileRequestsAreRefusedAndWriteNothing) {
  const std::string valid = Token("PDA01"), signed_out = Token("PDA01"), expired = Token("PDA02");
  httplib::Client client("127.0.0.1", server_->port());
  ASSERT_EQ(client.Delete("/api/v1/sessions", {{"Authorization", "Bearer " + signed_out}})->status,
            204);
  demo_.Exec(
      "UPDATE oru_TerminaisSessoes SET Expira = '20000101000000' WHERE TerminalId = 'PDA02'");
  // One reading of ARR001 with `field` set to `value`.
  auto one = [](const char* field = "quantity", json value = 1) {
    json reading = {{"article", "ARR001"}, {"quantity", 1}};
    reading[field] = std::move(value);
    return Set("h-1", "I", json::array({reading})).dump();
  };
  const std::string sound = one();
  json other_terminal = json::parse(sound);
  other_terminal["terminal"] = "PDA02";
  const std::string before = demo_.Value(kReadings) + demo_.Value(kSentSets);
  // Each a token and a body sent to the sets, or without a body to the catalogue.
  for (const auto& [token, body, status, says] :
       std::vector<std::tuple<std::string, std::string, int, std::string>>{
           {valid, "{\"id\": ", 400, "O pedido não é JSON válido."},
           {valid, std::string(5 << 20, ' '), 413, "grande demais"},
           {valid, Set("h-1", "Z", json::array()).dump(), 400, "Tipo de movimento desconhecido: Z"},
           {valid, one("article", "NAO'HA"), 400, "o artigo NAO'HA não existe."},
           {valid, one("quantity", -1), 400,
            "Leitura 1 (artigo ARR001): a quantidade -1 não é válida"},
           {valid, one("quantity", "1"), 400, "Leitura 1: o campo quantity deve ser um número."},
           {valid, one("article", std::string(31, 'A')), 400, "Artigo tem mais de 30 caracteres"},
           {valid, one("unit", "KG"), 400, "a unidade KG não é do artigo ARR001"},
           {valid, other_terminal.dump(), 400, "só envia conjuntos em seu nome"},
           {"", sound, 401, "Falta a sessão"},
           {std::string(64, 'f'), sound, 401, "Sessão inválida"},
           {signed_out, sound, 401, "Sessão inválida"},
           {expired, sound, 401, "A sessão expirou"},
           {"", "", 401, "Falta a sessão"}}) {
    const Reply reply =
        Send(body.empty() ? "/api/v1/articles/ARR001" : "/api/v1/sets", token, body);
    EXPECT_EQ(reply.status, status) << says << ": " << reply.body;
    EXPECT_NE(reply.body.value("error", "").find(says), std::string::npos) << reply.body;
  }
  EXPECT_EQ(demo_.Value(kReadings) + demo_.Value(kSentSets), before);
}

TEST_F(TerminalApi, WrongPinsAreSlowedAndLockTheTerminal) {
  for (int attempt = 1; attempt < 5; ++attempt)
    EXPECT_EQ(SignIn("PDA02", "errado").status, 401) << attempt;
  EXPECT_EQ(SignIn("PDA02", "errado").status, 429);
  const Reply right = SignIn("PDA02", pins_["PDA02"]);
  EXPECT_EQ(right.status, 429) << right.body;
  EXPECT_NE(right.body.value("error", "").find("está bloqueado"), std::string::npos);
  EXPECT_EQ(demo_.Value("SELECT COUNT(*) FROM oru_TerminaisSessoes"), "0");
  EXPECT_EQ(Token("PDA01").size(), 64u);  // the other terminals sign in as before
}

}  // namespace
}  // namespace pellora::terminal
