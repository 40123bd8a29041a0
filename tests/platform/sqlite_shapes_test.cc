// The statement shapes both engines share, in SQLite's spelling.
#include <gtest/gtest.h>

#include "platform/sqlite/tsql_translator.h"
#include "tests/tsql/tsql_shape_cases.h"

namespace pellora::sqlite {
namespace {

class SqliteShapesTest : public ::testing::TestWithParam<tsql::ShapeCase> {};

TEST_P(SqliteShapesTest, GivesSqliteSteps) {
  const tsql::FakeSchema schema;
  EXPECT_EQ(tsql::DescribeSteps(TranslateBatch(GetParam().tsql, schema)), GetParam().sqlite);
}

INSTANTIATE_TEST_SUITE_P(Shapes, SqliteShapesTest, ::testing::ValuesIn(tsql::ShapeCases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace pellora::sqlite
