#include "platform/vela/document_type.h"

#include "platform/vela/company_sql.h"
#include "platform/vela/sql_literal.h"
#include "runtime/convert.h"

namespace pellora::vela {

int DocumentType::StockSign() const {
  switch (stock) {
    case Stock::kEntry:
      return 1;
    case Stock::kExit:
      return -1;
    default:
      return 0;
  }
}

std::optional<DocumentType> FindDocumentType(DataAccess& data_access, const std::string& code) {
  const RecordsetPtr row = Query(
      data_access, "SELECT AREAG, TPOPER, ENTIDADE, TPFSTC, NOTACRED FROM TPDOC WHERE CODIGO = " +
                       UnicodeLiteral(code));
  if (row->Eof()) return std::nullopt;
  DocumentType type;
  type.code = code;
  type.area = CLng(row->Fields("AREAG").Value());
  type.operation = CLng(row->Fields("TPOPER").Value());
  type.counterpart = static_cast<DocumentType::Counterpart>(CLng(row->Fields("ENTIDADE").Value()));
  type.stock = static_cast<DocumentType::Stock>(CLng(row->Fields("TPFSTC").Value()));
  type.credit_note = CBool(row->Fields("NOTACRED").Value());
  return type;
}

}  // namespace pellora::vela
