#include "platform/vela/document_numbering.h"

#include <algorithm>
#include <string>

#include "platform/vela/company_sql.h"
#include "platform/vela/member_values.h"
#include "platform/vela/sql_literal.h"
#include "runtime/convert.h"

namespace pellora::vela {

namespace {

int32_t LastNumber(DataAccess& data_access, const std::string& sql) {
  const RecordsetPtr row = Query(data_access, sql);
  return row->Eof() ? 0 : static_cast<int32_t>(NumberOf(row->Fields(0).Value()));
}

}  // namespace

int32_t TakeNextNumber(DataAccess& data_access, const DocumentKey& key) {
  const std::string where = "WHERE TPDOC = " + UnicodeLiteral(key.type) +
                            " AND SERIE = " + UnicodeLiteral(key.series) +
                            " AND ANO = " + SqlNumber(key.year);
  const RecordsetPtr counter = Query(data_access, "SELECT ULTNUM FROM NUMERADOR " + where);
  const int32_t counted = counter->Eof() ? 0 : CLng(counter->Fields("ULTNUM").Value());
  const int32_t used = LastNumber(data_access, "SELECT MAX(NNUMDOC) FROM DOCGCCAB " + where);
  const int32_t next = std::max(counted, used) + 1;
  if (counter->Eof()) {
    InsertStatement insert("NUMERADOR");
    insert.AddText("TPDOC", key.type);
    insert.AddText("SERIE", key.series);
    insert.AddNumber("ANO", key.year);
    insert.AddNumber("ULTNUM", next);
    insert.Run(data_access);
  } else {
    Execute(data_access, "UPDATE NUMERADOR SET ULTNUM = " + SqlNumber(next) + " " + where);
  }
  return next;
}

}  // namespace pellora::vela
