#ifndef PELLORA_TESTS_POSTGRES_PG_ROWS_H_
#define PELLORA_TESTS_POSTGRES_PG_ROWS_H_

#include <libpq-fe.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/shared_postgres_cluster.h"

namespace pellora::testing {

// A connection to database `database` of the test program's cluster, outside the objects under
// test, dates written as ISO does.
inline PGconn* PgConnect(const std::string& database) {
  const std::string conninfo = "host=127.0.0.1 port=" + std::to_string(SharedCluster().port()) +
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
      std::string text;
      for (int column = 0; column < PQnfields(result); ++column) {
        if (column > 0) text += "|";
        text += PQgetisnull(result, row, column) ? "NULL" : PQgetvalue(result, row, column);
      }
      rows.push_back(text);
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

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_POSTGRES_PG_ROWS_H_
