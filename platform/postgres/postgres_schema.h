#ifndef PELLORA_PLATFORM_POSTGRES_POSTGRES_SCHEMA_H_
#define PELLORA_PLATFORM_POSTGRES_POSTGRES_SCHEMA_H_

#include <string>
#include <string_view>

namespace pellora::postgres {

// The company schema (schema/company.sql, whose CREATE TABLE statements carry SQL Server's types)
// as PostgreSQL DDL: the case-blind collation first, then each table with the comments that
// record its columns' SQL Server types, then the indexes. One statement per line, each ended by
// ";".
std::string PostgresSchema(std::string_view schema_text);

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_POSTGRES_SCHEMA_H_
