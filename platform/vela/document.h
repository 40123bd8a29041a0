#ifndef PELLORA_PLATFORM_VELA_DOCUMENT_H_
#define PELLORA_PLATFORM_VELA_DOCUMENT_H_

#include <cstdint>
#include <exception>
#include <string>

#include "interfaces/data_access.h"
#include "interfaces/vela.h"
#include "platform/vela/document_content.h"
#include "platform/vela/line_defaults.h"

namespace pellora::vela {

// The host's commercial document object: kept in memory while it is built, written to the
// company database by Inserir.
class VelaDocument : public HostDocument {
 public:
  explicit VelaDocument(DataAccessPtr data_access);

  LateBoundObject& cab() override { return content_.cab; }
  int32_t LinhasCount() const override;
  LateBoundPtr Linha(int32_t number) override;
  void SugereValoresLin(const LateBoundPtr& line) override;
  int32_t AdicionaLinha(const LateBoundPtr& line) override;
  int32_t AdicionaLote(const LateBoundPtr& lot) override;
  int32_t AdicionaNumeroSerie(const LateBoundPtr& serial) override;
  int32_t Validar() override;
  int32_t Inserir() override;
  std::string UltimaMensagem() const override { return last_message_; }
  bool IsNotaCredito() const override;
  void SetOrigem(int16_t origem) override { content_.origem = origem; }

 private:
  // 0 when `message` is empty; else keeps it as the last message and gives 1.
  int32_t Answer(std::string message);
  // Answers with the failure's description; called inside a handler, which it rethrows for a
  // conflict with another writer.
  int32_t Failed(const std::exception& failure);

  DataAccessPtr data_access_;
  DocumentContent content_;
  LineDefaults line_defaults_;
  std::string last_message_;
};

}  // namespace pellora::vela

#endif  // PELLORA_PLATFORM_VELA_DOCUMENT_H_
