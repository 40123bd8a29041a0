// The list of original documents that the readings name, each key once.

#include <memory>
#include <string>

#include "importacao/mov_importacao.h"
#include "runtime/text.h"

namespace pellora {

RecordsetPtr MovImportacao::LeitDocOriginaisBuid() {
  auto chaves = std::make_shared<Recordset>();
  chaves->AppendField("Tipo", adVarChar, 3);
  chaves->AppendField("Serie", adVarChar, 10);
  chaves->AppendField("Numero", adInteger);
  chaves->AppendField("Ano", adInteger);
  chaves->Open();
  return chaves;
}

void MovImportacao::LeitDocOriginaisAdd(std::string Tipo, std::string sSerie, int32_t Numero,
                                        int16_t Ano) {
  if (!doc_originais_) return;
  if (doc_originais_->RecordCount() > 0) {
    doc_originais_->SetFilter("Tipo='" + QuoteEscape(Tipo) + "' AND Serie ='" +
                              QuoteEscape(sSerie) + "' AND Numero=" + std::to_string(Numero) +
                              " AND Ano=" + std::to_string(Ano));
    const bool presente = doc_originais_->RecordCount() > 0;
    doc_originais_->SetFilter("");
    if (presente) return;
  }
  doc_originais_->AddNew();
  (*doc_originais_)["Tipo"].SetValue(Tipo);
  (*doc_originais_)["Serie"].SetValue(sSerie);
  (*doc_originais_)["Numero"].SetValue(Numero);
  (*doc_originais_)["Ano"].SetValue(static_cast<int32_t>(Ano));
  doc_originais_->Update();
}

}  // namespace pellora
