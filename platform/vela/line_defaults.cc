#include "platform/vela/line_defaults.h"

#include "platform/vela/company_sql.h"
#include "platform/vela/member_values.h"
#include "platform/vela/sql_literal.h"
#include "runtime/convert.h"

namespace pellora::vela {

const char* LineDefaults::PriceColumn(const LateBoundObject& cab) {
  const std::string code = TextMember(cab, "TipoDocumento");
  auto [type, first_time] = types_.try_emplace(code);
  if (first_time) type->second = FindDocumentType(data_access_, code);
  if (!type->second || !type->second->IsSale()) return "ULTPRCOM";
  return NumberOf(cab.Get("IvaIncluido")) != 0 ? "PVPCIVA" : "PVPSIVA";
}

const std::optional<LineDefaults::Article>& LineDefaults::Find(const std::string& code,
                                                               const char* price_column) {
  auto [article, first_time] = articles_.try_emplace(std::string(price_column) + '\n' + code);
  if (first_time) {
    const RecordsetPtr row =
        Query(data_access_, "SELECT NOME, UNIDADE, TAXAIVA, " + std::string(price_column) +
                                " AS PRECO FROM ARTIGOS WHERE CODIGO = " + UnicodeLiteral(code));
    if (!row->Eof()) {
      article->second = Article{row->Fields("NOME").Value(), row->Fields("UNIDADE").Value(),
                                row->Fields("TAXAIVA").Value(), CDbl(row->Fields("PRECO").Value())};
    }
  }
  return article->second;
}

void LineDefaults::Suggest(const LateBoundObject& cab, LateBoundObject& line) {
  const std::string code = TextMember(line, "Artigo");
  if (code.empty()) return;
  const std::optional<Article>& article = Find(code, PriceColumn(cab));
  if (!article) return;
  line.Set("Descricao", article->name);
  line.Set("Unidade", article->unit);
  line.Set("Factor", 1.0);
  line.Set("TaxaIva", article->tax);
  line.Set("PrecoUnitario", article->price);
  line.Set("PrecoUnitarioIntroduzido", article->price);
}

}  // namespace pellora::vela
