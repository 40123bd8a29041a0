#ifndef PELLORA_TESTS_APP_HOSTILE_INPUT_H_
#define PELLORA_TESTS_APP_HOSTILE_INPUT_H_

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/app/demo_on_engine.h"
#include "tests/temp_folder.h"

namespace pellora::app {

using Texts = std::vector<std::string>;

// A demo company and a pristine copy of it; the first inventory set's Id in `set_`.
struct Refusal {
  std::string change;   // the SET list of an UPDATE of one reading
  std::string message;  // a text the output holds
};

class HostileInput : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(demo_.Create().status, 0);
    const Texts sets = demo_.Sets("I");
    ASSERT_FALSE(sets.empty());
    set_ = sets[0];
    pristine_.engine().ReplaceWith(demo_.engine());
  }

  std::string Dir() const { return folder_.path().string(); }
  std::string Import(const std::string& kind = "inventario") const {
    return "import --kind " + kind + " --set '" + set_ + "'";
  }
  // The first reading of the inventory set, as an SQL condition.
  std::string FirstReading() const {
    const std::string in_set = "TerminalId || '|' || DataSync = '" + set_ + "'";
    return " WHERE " + in_set +
           " AND NumeroLinha = (SELECT MIN(NumeroLinha) FROM oru_ARM_Picking_Movimentos WHERE " +
           in_set + ")";
  }
  void Change(const std::string& sql) { demo_.Exec(sql); }
  // The company as the demo made it.
  void Restore() { demo_.engine().ReplaceWith(pristine_.engine()); }

  // Runs `args` and expects it refused with `status` and a line holding `message`, the
  // company as it was.
  void ExpectRefused(const std::string& args, int status, const std::string& message) {
    const Texts before = demo_.Snapshot();
    const Outcome run = demo_.Run(args);
    EXPECT_EQ(run.status, status) << args << "\n" << run.out;
    EXPECT_NE(run.out.find(message), std::string::npos) << args << "\n" << run.out;
    EXPECT_EQ(demo_.Snapshot(), before) << args;
  }

  // Each change made to the first reading alone is refused with exit 1.
  void ExpectEachRefused(const std::vector<Refusal>& refusals) {
    for (const Refusal& refusal : refusals) {
      Change("UPDATE oru_ARM_Picking_Movimentos SET " + refusal.change + FirstReading());
      ExpectRefused(Import(), 1, refusal.message);
      Restore();
    }
  }

  testing::TempFolder folder_;
  DemoOnEngine demo_{folder_.path().string()};
  DemoOnEngine pristine_{folder_.path().string(), "PRISTINE"};  // the company as the demo made it
  std::string set_;
};

}  // namespace pellora::app

#endif  // PELLORA_TESTS_APP_HOSTILE_INPUT_H_
