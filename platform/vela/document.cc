#include "platform/vela/document.h"

#include <exception>
#include <optional>
#include <utility>

#include "platform/vela/document_insertion.h"
#include "platform/vela/document_type.h"
#include "platform/vela/document_validation.h"
#include "platform/vela/member_values.h"
#include "runtime/error.h"

namespace pellora::vela {

VelaDocument::VelaDocument(DataAccessPtr data_access)
    : data_access_(std::move(data_access)), line_defaults_(*data_access_) {}

int32_t VelaDocument::LinhasCount() const {
  return static_cast<int32_t>(content_.lines.size());
}

LateBoundPtr VelaDocument::Linha(int32_t number) {
  if (number < 1 || number > LinhasCount()) RaiseRuntimeError(kSubscriptOutOfRange, "Vela");
  return content_.lines[number - 1];
}

void VelaDocument::SugereValoresLin(const LateBoundPtr& line) {
  line_defaults_.Suggest(content_.cab, *line);
}

int32_t VelaDocument::AdicionaLinha(const LateBoundPtr& line) {
  content_.lines.push_back(line);
  const int32_t number = LinhasCount();
  line->Set("NumeroDaLinha", number);
  return number;
}

int32_t VelaDocument::AdicionaLote(const LateBoundPtr& lot) {
  content_.lots.push_back(lot);
  return static_cast<int32_t>(content_.lots.size());
}

int32_t VelaDocument::AdicionaNumeroSerie(const LateBoundPtr& serial) {
  content_.serials.push_back(serial);
  return static_cast<int32_t>(content_.serials.size());
}

int32_t VelaDocument::Answer(std::string message) {
  last_message_ = std::move(message);
  return last_message_.empty() ? 0 : 1;
}

int32_t VelaDocument::Failed(const std::exception& failure) {
  // A conflict with another writer is the import's to run again, not a refusal of the document.
  if (const auto* error = dynamic_cast<const Error*>(&failure); error && error->conflict()) throw;
  const std::string description = failure.what();
  return Answer(description.empty() ? "Erro no acesso aos dados do Vela." : description);
}

int32_t VelaDocument::Validar() {
  try {
    return Answer(RefusalOf(*data_access_, content_));
  } catch (const std::exception& failure) {
    return Failed(failure);
  }
}

int32_t VelaDocument::Inserir() {
  if (!IsBlank(content_.cab.Get("NossoNoDocumento"))) {
    return Answer("O documento já foi inserido.");
  }
  try {
    const std::string refusal = RefusalOf(*data_access_, content_);
    if (!refusal.empty()) return Answer(refusal);
    InsertDocument(*data_access_, content_);
    return Answer({});
  } catch (const std::exception& failure) {
    return Failed(failure);
  }
}

bool VelaDocument::IsNotaCredito() const {
  const std::optional<DocumentType> type =
      FindDocumentType(*data_access_, TextMember(content_.cab, "TipoDocumento"));
  return type && type->credit_note;
}

}  // namespace pellora::vela
