#ifndef PELLORA_INTERFACES_VELA_H_
#define PELLORA_INTERFACES_VELA_H_

#include <cstdint>
#include <memory>
#include <string>

#include "interfaces/data_access.h"
#include "runtime/late_bound_object.h"

namespace pellora {

// A host commercial document being built: its header `cab`, its lines, and the lot and
// serial-number entries tied to those lines. Header, lines and entries are late-bound objects
// addressed by the host's member names.
class HostDocument {
 public:
  virtual ~HostDocument() = default;

  virtual LateBoundObject& cab() = 0;
  // linhas.Count
  virtual int32_t LinhasCount() const = 0;
  // linhas(number): the line whose NumeroDaLinha is `number`; 9 when there is none.
  virtual LateBoundPtr Linha(int32_t number) = 0;
  // Fills a new line with the host's defaults for its article and warehouse.
  virtual void SugereValoresLin(const LateBoundPtr& line) = 0;
  // Appends the line and gives it its NumeroDaLinha.
  virtual int32_t AdicionaLinha(const LateBoundPtr& line) = 0;
  virtual int32_t AdicionaLote(const LateBoundPtr& lot) = 0;
  virtual int32_t AdicionaNumeroSerie(const LateBoundPtr& serial) = 0;
  // 0 when the document may be inserted; otherwise UltimaMensagem says why.
  virtual int32_t Validar() = 0;
  // 0 when inserted (cab's NossoNoDocumento and Ano then hold its key).
  virtual int32_t Inserir() = 0;
  virtual std::string UltimaMensagem() const = 0;
  virtual bool IsNotaCredito() const = 0;
  virtual void SetOrigem(int16_t origem) = 0;
};

using HostDocumentPtr = std::shared_ptr<HostDocument>;

// The picking application's API object: logs in to the host and makes the host objects the
// import fills.
class PickingApi {
 public:
  virtual ~PickingApi() = default;

  virtual void SetIdentificadorAplicacao(const std::string& identifier) = 0;
  // Reads the "Api Vela" section of the configuration file; False when it cannot log in.
  virtual bool Login(const std::string& configuration_file) = 0;
  virtual void SetDataAccess(DataAccessPtr data_access) = 0;
  virtual void Logout() = 0;

  virtual HostDocumentPtr NovoDocumento() = 0;
  virtual LateBoundPtr NovaLinha() = 0;
  virtual LateBoundPtr NovoLote() = 0;
  virtual LateBoundPtr NovoNumeroSerie() = 0;
};

using PickingApiPtr = std::shared_ptr<PickingApi>;

}  // namespace pellora

#endif  // PELLORA_INTERFACES_VELA_H_
