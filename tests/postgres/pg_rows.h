#ifndef PELLORA_TESTS_POSTGRES_PG_ROWS_H_
#define PELLORA_TESTS_POSTGRES_PG_ROWS_H_

#include <libpq-fe.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/shared_postgres_cluster.h"

namespace pellora::testing {

// A connection to database `database` of the test program's cluster (or of the cluster listening
// on `port`), outside the objects under test, dates written as ISO does.
inline PGconn* PgConnect(const std::string& database, int port = SharedCluster().port()) {
  const std::string conninfo = "host=127.0.0.1 port=" + std::to_string(port) +
                               " user=" + PostgresCluster::kUser +
                               " password=" + PostgresCluster::kPassword + " dbname=" + database +
                               " options='-c DateStyle=ISO'";
  return PQconnectdb(conninfo.c_str());
}

// The rows of `sql` on `connection`: each row's columns joined by "|" as the server writes them
// in text (NULL as "NULL"). A failing query fails the test.
inline std::vector<std::string> PgRowsOf(PGconn* connection, const std::string& sql) {
  std::vector<std::string> rows;
  PGresult* result = PQexec(connection, sql.c_str());
  if (PQresultStatus(result) != PGRES_TUPLES_OK) {
    ADD_FAILURE() << PQerrorMessage(connection) << sql;
  } else {
    for (int row = 0; row < PQntuples(result); ++row) {
      std::string& text = rows.emplace_back();
      for (int column = 0; column < PQnfields(result); ++column) {
        if (column > 0) text += "|";
        text += PQgetisnull(result, row, column) ? "NULL" : PQgetvalue(result, row, column);
      }
    }
  }
  PQclear(result);
  return rows;
}

// The rows of `sql` on database `database` of the test program's cluster, as PgRowsOf gives them.
inline std::vector<std::string> PgRows(const std::string& database, const std::string& sql) {
  PGconn* connection = PgConnect(database);
  std::vector<std::string> rows = PgRowsOf(connection, sql);
  PQfinish(connection);
  return rows;
}

// A column of the company's tables as the server describes it.
struct PgColumn {
  std::string table, name, type;
};

// Every column of every table of the database `connection` is on, table by table, each table's
// in their order.
inline std::vector<PgColumn> PgColumns(PGconn* connection) {
  std::vector<PgColumn> columns;
  for (const std::string& line :
       PgRowsOf(connection,
                "SELECT table_name, column_name, data_type FROM information_schema.columns "
                "WHERE table_schema = current_schema() ORDER BY table_name, ordinal_position")) {
    const size_t first = line.find('|');
    const size_t second = line.find('|', first + 1);
    columns.push_back({line.substr(0, first), line.substr(first + 1, second - first - 1),
                       line.substr(second + 1)});
  }
  return columns;
}

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_POSTGRES_PG_ROWS_H_
