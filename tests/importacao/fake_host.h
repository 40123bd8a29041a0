#ifndef PELLORA_TESTS_IMPORTACAO_FAKE_HOST_H_
#define PELLORA_TESTS_IMPORTACAO_FAKE_HOST_H_

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "interfaces/vela.h"
#include "platform/vela/host_members.h"
#include "runtime/error.h"
#include "runtime/late_bound_object.h"

namespace pellora::testing {

// A host document that keeps what the import does to it: the header members set, the lines
// added (with their members), the lots and serial entries, the calls to SugereValoresLin,
// Validar and Inserir. Its answers are configurable. Objects carry the host's member lists, so
// a member name the host does not know fails with 438 as it would there.
class FakeDocument : public HostDocument {
 public:
  LateBoundObject header = vela::NewHeader();
  std::vector<LateBoundPtr> lines;  // in the order added; NumeroDaLinha 1, 2, ...
  std::vector<LateBoundPtr> lots;
  std::vector<LateBoundPtr> serials;
  int suggest_calls = 0;
  int validar_calls = 0;
  int inserir_calls = 0;
  std::optional<int16_t> origem;

  // Configurable answers.
  int32_t validar_answer = 0;
  int32_t inserir_answer = 0;
  std::string ultima_mensagem;
  bool nota_credito = false;
  int32_t numero_dado = 1;  // NossoNoDocumento given on a successful Inserir
  int16_t ano_dado = 2025;  // Ano given on a successful Inserir
  // Host defaults that SugereValoresLin writes into a line (none when empty).
  std::function<void(LateBoundObject&)> sugestao;

  LateBoundObject& cab() override { return header; }
  int32_t LinhasCount() const override { return static_cast<int32_t>(lines.size()); }
  LateBoundPtr Linha(int32_t number) override {
    if (number < 1 || number > LinhasCount()) RaiseRuntimeError(kSubscriptOutOfRange);
    return lines[number - 1];
  }
  void SugereValoresLin(const LateBoundPtr& line) override {
    ++suggest_calls;
    if (sugestao) sugestao(*line);
  }
  int32_t AdicionaLinha(const LateBoundPtr& line) override {
    lines.push_back(line);
    line->Set("NumeroDaLinha", static_cast<int16_t>(lines.size()));
    return 0;
  }
  int32_t AdicionaLote(const LateBoundPtr& lot) override {
    lots.push_back(lot);
    return 0;
  }
  int32_t AdicionaNumeroSerie(const LateBoundPtr& serial) override {
    serials.push_back(serial);
    return 0;
  }
  int32_t Validar() override {
    ++validar_calls;
    return validar_answer;
  }
  int32_t Inserir() override {
    ++inserir_calls;
    if (inserir_answer == 0) {
      header.Set("NossoNoDocumento", numero_dado);
      header.Set("Ano", ano_dado);
    }
    return inserir_answer;
  }
  std::string UltimaMensagem() const override { return ultima_mensagem; }
  bool IsNotaCredito() const override { return nota_credito; }
  void SetOrigem(int16_t value) override { origem = value; }
};

// A picking API object that makes FakeDocuments and keeps every one it made. `configure` runs
// on each new document before the import sees it.
class FakePickingApi : public PickingApi {
 public:
  std::vector<std::shared_ptr<FakeDocument>> documents;
  std::function<void(FakeDocument&)> configure;

  void SetIdentificadorAplicacao(const std::string&) override {}
  bool Login(const std::string&) override { return true; }
  void SetDataAccess(DataAccessPtr) override {}
  void Logout() override {}

  HostDocumentPtr NovoDocumento() override {
    auto document = std::make_shared<FakeDocument>();
    if (configure) configure(*document);
    documents.push_back(document);
    return document;
  }
  LateBoundPtr NovaLinha() override { return vela::NewLine(); }
  LateBoundPtr NovoLote() override { return vela::NewLot(); }
  LateBoundPtr NovoNumeroSerie() override { return vela::NewSerial(); }

  FakeDocument& last() { return *documents.back(); }
};

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_IMPORTACAO_FAKE_HOST_H_
