#include "platform/postgres/pg_retry.h"

#include <gtest/gtest.h>

#include "platform/postgres/pg_error.h"
#include "runtime/error.h"
#include "tests/postgres/pg_test_database.h"

namespace pellora::testing {
namespace {

using postgres::RunInRetryingTransaction;

class PgRetryTest : public PgDatabaseTest {
 protected:
  void SetUp() override {
    PgDatabaseTest::SetUp();
    db_ = Connect();
    other_ = Connect();
    db_->Run("CREATE TABLE stock (artigo varchar(10) PRIMARY KEY, qty integer NOT NULL)");
    db_->Run("INSERT INTO stock VALUES ('A', 0)");
  }

  Variant Quantity() { return ValueSeenElsewhere("SELECT qty FROM stock WHERE artigo = 'A'"); }

  std::unique_ptr<postgres::PgConnection> db_;
  std::unique_ptr<postgres::PgConnection> other_;
};

TEST_F(PgRetryTest, UnitRunsAgainAfterAnotherWorkstationChangedWhatItRead) {
  int attempts = 0;
  RunInRetryingTransaction(*db_, [&] {
    ++attempts;
    const Variant read =
        db_->Run("SELECT qty FROM stock WHERE artigo = 'A'")->Fields("qty").Value();
    // Between the read and the write, the other workstation commits a change of the same row.
    if (attempts == 1) other_->Run("UPDATE stock SET qty = qty + 10 WHERE artigo = 'A'");
    db_->Run("UPDATE stock SET qty = $1 WHERE artigo = 'A'", {read.AsLong() + 1});
  });
  EXPECT_EQ(attempts, 2);
  EXPECT_EQ(Quantity(), Variant(int32_t{11}));  // neither change lost
  EXPECT_FALSE(db_->InTransaction());
}

TEST_F(PgRetryTest, ConflictThatPersistsIsReportedAfterTheLastAttempt) {
  int attempts = 0;
  try {
    RunInRetryingTransaction(
        *db_,
        [&] {
          ++attempts;
          db_->Run("SELECT qty FROM stock");
          other_->Run("UPDATE stock SET qty = qty + 1");
          db_->Run("UPDATE stock SET qty = 100");
        },
        3);
    FAIL() << "the conflict was not reported";
  } catch (const postgres::PgError& error) {
    EXPECT_TRUE(error.Retryable());
    EXPECT_EQ(error.number(), kDatabaseError);
  }
  EXPECT_EQ(attempts, 3);
  EXPECT_EQ(Quantity(), Variant(int32_t{3}));
}

TEST_F(PgRetryTest, OtherErrorsAreNotRetriedAndUndoTheUnit) {
  int attempts = 0;
  EXPECT_THROW(RunInRetryingTransaction(*db_,
                                        [&] {
                                          ++attempts;
                                          db_->Run("UPDATE stock SET qty = 5");
                                          db_->Run("INSERT INTO stock VALUES ('A', 1)");
                                        }),
               Error);
  EXPECT_EQ(attempts, 1);
  EXPECT_EQ(Quantity(), Variant(int32_t{0}));
  EXPECT_FALSE(db_->InTransaction());
}

TEST_F(PgRetryTest, BusyCompanyIsWaitedForThenReported) {
  auto impatient = Connect(std::chrono::milliseconds(300));
  other_->Begin();
  other_->Run("UPDATE stock SET qty = 1");
  const auto start = std::chrono::steady_clock::now();
  try {
    impatient->Run("UPDATE stock SET qty = 2");
    FAIL() << "the lock was not waited on";
  } catch (const Error& error) {
    EXPECT_EQ(error.description(), "A empresa " + database_ +
                                       " está ocupada noutro posto há mais de 1 s. Tente de "
                                       "novo quando esse posto terminar.");
  }
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(250));
  other_->Commit();
  impatient->Run("UPDATE stock SET qty = 2");
  EXPECT_EQ(Quantity(), Variant(int32_t{2}));
}

}  // namespace
}  // namespace pellora::testing
