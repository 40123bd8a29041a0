#ifndef PELLORA_TESTS_POSTGRES_PG_TEST_DATABASE_H_
#define PELLORA_TESTS_POSTGRES_PG_TEST_DATABASE_H_

#include <chrono>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "platform/postgres/pg_address.h"
#include "platform/postgres/pg_connection.h"
#include "tests/shared_postgres_cluster.h"

namespace pellora::testing {

// A test on a fresh, empty company database of the test program's cluster.
class PgDatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    database_ = SharedCluster().CreateDatabase();
    address_ = *postgres::ParsePgAddress(SharedCluster().Server());
  }
  void TearDown() override { SharedCluster().DropDatabase(database_); }

  std::unique_ptr<postgres::PgConnection> Connect(
      std::chrono::milliseconds lock_timeout = postgres::kDefaultLockTimeout) {
    return postgres::PgConnection::Open(address_, database_, lock_timeout);
  }

  // The single value of `sql` on a connection of its own, as another workstation sees it.
  Variant ValueSeenElsewhere(const std::string& sql) {
    RecordsetPtr rows = Connect()->Run(sql);
    return rows->Fields(size_t{0}).Value();
  }

  postgres::PgAddress address_;
  std::string database_;
};

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_POSTGRES_PG_TEST_DATABASE_H_
