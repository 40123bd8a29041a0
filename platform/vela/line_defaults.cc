#include "platform/vela/line_defaults.h"

#include <optional>
#include <string>

#include "platform/vela/company_sql.h"
#include "platform/vela/document_type.h"
#include "platform/vela/member_values.h"
#include "platform/vela/sql_literal.h"
#include "runtime/convert.h"

namespace pellora::vela {

namespace {

// The ARTIGOS column that prices a line of this document.
const char* PriceColumn(DataAccess& data_access, const LateBoundObject& cab) {
  const std::optional<DocumentType> type =
      FindDocumentType(data_access, TextMember(cab, "TipoDocumento"));
  if (!type || !type->IsSale()) return "ULTPRCOM";
  return NumberOf(cab.Get("IvaIncluido")) != 0 ? "PVPCIVA" : "PVPSIVA";
}

}  // namespace

void SuggestLineValues(DataAccess& data_access, const LateBoundObject& cab, LateBoundObject& line) {
  const std::string article = TextMember(line, "Artigo");
  if (article.empty()) return;
  const std::string price_column = PriceColumn(data_access, cab);
  const RecordsetPtr row =
      Query(data_access, "SELECT NOME, UNIDADE, TAXAIVA, " + price_column +
                             " AS PRECO FROM ARTIGOS WHERE CODIGO = " + SqlText(article));
  if (row->Eof()) return;
  line.Set("Descricao", row->Fields("NOME").Value());
  line.Set("Unidade", row->Fields("UNIDADE").Value());
  line.Set("Factor", 1.0);
  line.Set("TaxaIva", row->Fields("TAXAIVA").Value());
  const double price = CDbl(row->Fields("PRECO").Value());
  line.Set("PrecoUnitario", price);
  line.Set("PrecoUnitarioIntroduzido", price);
}

}  // namespace pellora::vela
