#ifndef PELLORA_PLATFORM_SQLITE_SQLITE_EMITTER_H_
#define PELLORA_PLATFORM_SQLITE_SQLITE_EMITTER_H_

#include "platform/tsql/tsql_emitter.h"

namespace pellora::sqlite {

// SQLite's spelling of the add-in's T-SQL: ifnull, substr with T-SQL's start rule, CAST or
// strftime cut to the length, sqlite_master, text columns in the company's collation, the IDENTITY
// column as the rowid, and ALTER COLUMN as a table rebuild. Variables keep their T-SQL name, which
// SQLite takes as a parameter name.
class SqliteEmitter : public tsql::Emitter {
 public:
  std::string_view Engine() const override { return "SQLite"; }
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

}  // namespace pellora::sqlite

#endif  // PELLORA_PLATFORM_SQLITE_SQLITE_EMITTER_H_
