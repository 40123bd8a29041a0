// The company of the PostgreSQL test programs: the database <company> of the program's cluster,
// which the `pellora` commands the tests run reach with the cluster's password in PGPASSWORD.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <map>

#include "platform/postgres/pg_address.h"
#include "platform/postgres/pg_company.h"
#include "platform/postgres/postgres_data_access.h"
#include "platform/postgres/postgres_schema.h"
#include "tests/company_engine.h"
#include "tests/postgres/pg_rows.h"
#include "tests/shared_postgres_cluster.h"

namespace pellora::testing {
namespace {

postgres::PgAddress Address() {
  return *postgres::ParsePgAddress(SharedCluster().Server());
}

std::string Quoted(const std::string& name) {
  return "\"" + name + "\"";
}

class PostgresCompanyEngine : public CompanyEngine {
 public:
  explicit PostgresCompanyEngine(const std::string& company) : CompanyEngine(company) {
    setenv("PGPASSWORD", PostgresCluster::kPassword, 1);
    postgres::DropCompanyDatabase(Address(), company);
  }
  ~PostgresCompanyEngine() override {
    try {
      postgres::DropCompanyDatabase(Address(), company());
    } catch (const std::exception& error) {
      ADD_FAILURE() << error.what();
    }
  }

  void Create() override { Admin("CREATE DATABASE " + Quoted(company())); }
  // The company schema's syntax becomes PostgreSQL's as the company schema does.
  void Exec(const std::string& sql) override {
    std::unique_ptr<postgres::PgConnection> connection =
        postgres::PgConnection::Open(Address(), company());
    connection->Begin();
    postgres::RunSchema(*connection, postgres::PostgresSchema(sql));
    connection->Commit();
  }
  std::vector<std::string> Rows(const std::string& sql) override { return PgRows(company(), sql); }
  std::string Server() const override { return SharedCluster().Server(); }
  std::shared_ptr<DataAccess> NewDataAccess(session::StatementObserverPtr observer) const override {
    return std::make_shared<postgres::PostgresDataAccess>(
        postgres::kDefaultLockTimeout, postgres::kDefaultSilenceLimit, std::move(observer));
  }
  // Rows sorted within each table: the server keeps no order of insertion. One connection reads
  // every table.
  std::vector<std::string> Snapshot(const std::set<std::string>& left_out) override {
    PGconn* connection = PgConnect(company());
    std::map<std::string, std::string> columns;  // the select list of each table
    for (const PgColumn& column : PgColumns(connection)) {
      if (left_out.count(column.name)) continue;
      std::string& list = columns[column.table];
      list += (list.empty() ? "" : ", ") + Quoted(column.name);
    }
    std::vector<std::string> snapshot;
    for (const auto& [table, list] : columns) {
      snapshot.push_back(table);
      std::vector<std::string> rows =
          PgRowsOf(connection, "SELECT " + list + " FROM " + Quoted(table));
      std::sort(rows.begin(), rows.end());
      snapshot.insert(snapshot.end(), rows.begin(), rows.end());
    }
    PQfinish(connection);
    return snapshot;
  }
  void ReplaceWith(const CompanyEngine& source) override {
    postgres::DropCompanyDatabase(Address(), company());
    Admin("CREATE DATABASE " + Quoted(company()) + " TEMPLATE " + Quoted(source.company()) +
          " STRATEGY FILE_COPY");
  }
  std::string DemoOptions() const override {
    return "--server postgresql://" + std::string(PostgresCluster::kUser) +
           "@127.0.0.1:" + std::to_string(SharedCluster().port());
  }

 private:
  static void Admin(const std::string& sql) {
    postgres::PgConnection::Open(Address(), "postgres")->Run(sql);
  }
};

}  // namespace

std::unique_ptr<CompanyEngine> MakeCompanyEngine(const std::filesystem::path& /*folder*/,
                                                 const std::string& company) {
  return std::make_unique<PostgresCompanyEngine>(company);
}

}  // namespace pellora::testing
