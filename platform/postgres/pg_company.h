#ifndef PELLORA_PLATFORM_POSTGRES_PG_COMPANY_H_
#define PELLORA_PLATFORM_POSTGRES_PG_COMPANY_H_

#include <string>
#include <string_view>

#include "platform/postgres/pg_address.h"
#include "platform/postgres/pg_connection.h"

namespace pellora::postgres {

// Creates the database `company` on the server of `address`, in UTF-8, with the tables of
// `schema_ddl` (PostgreSQL DDL, one statement per line). Raises, leaving no database behind,
// when it exists already or the server refuses.
void CreateCompanyDatabase(const PgAddress& address, const std::string& company,
                           std::string_view schema_ddl);

// Drops the database `company`, ending the sessions still on it; nothing when there is none.
void DropCompanyDatabase(const PgAddress& address, const std::string& company);

// Runs PostgreSQL DDL of one statement per line, in one transaction: all or none.
void RunSchema(PgConnection& connection, std::string_view schema_ddl);

}  // namespace pellora::postgres

#endif  // PELLORA_PLATFORM_POSTGRES_PG_COMPANY_H_
