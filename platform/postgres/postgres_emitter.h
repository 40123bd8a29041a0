#ifndef PELLORA_PLATFORM_POSTGRES_POSTGRES_EMITTER_H_
#define PELLORA_PLATFORM_POSTGRES_POSTGRES_EMITTER_H_

#include "platform/tsql/tsql_emitter.h"

namespace pellora::postgres {

// PostgreSQL 15's spelling of the add-in's T-SQL. Names are folded to lower case, as the company
// tables are created; a bracketed one stays quoted, so that reserved words still serve as names.
// Variables become numbered parameters ($1, ...) cast to their declared type. Texts compare
// without case through the pellora_ci collation, and LIKE, which PostgreSQL refuses on it, is
// made an ILIKE under ICU's root collation.
class PostgresEmitter : public tsql::Emitter {
 public:
  std::string_view Engine() const override { return "PostgreSQL"; }
  std::string Name(const std::string& name) const override;
  std::string Variable(const std::string& written, const tsql::Step* declaration,
                       std::vector<std::string>& parameters) const override;
  std::string IsNull(const std::vector<std::string>& args) const override;
  std::string Substring(tsql::ItemSpan start, tsql::ItemSpan length,
                        const std::vector<std::string>& args) const override;
  std::string ConvertToText(tsql::ColumnType target, const std::string& value,
                            bool date_style) const override;
  std::optional<std::string> Like(bool negated) const override;
  std::string TableExists(const std::string& table) const override;
  std::vector<tsql::Step> CreateTable(const tsql::TableShape& table) const override;
  std::vector<tsql::Step> AlterColumn(const tsql::ColumnChange& change) const override;
};

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_POSTGRES_EMITTER_H_
