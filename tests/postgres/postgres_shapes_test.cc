// The statement shapes both engines share, in PostgreSQL's spelling.
#include <gtest/gtest.h>

#include "platform/postgres/postgres_translator.h"
#include "tests/tsql/tsql_shape_cases.h"

namespace pellora::postgres {
namespace {

class PostgresShapesTest : public ::testing::TestWithParam<tsql::ShapeCase> {};

TEST_P(PostgresShapesTest, GivesPostgresSteps) {
  const tsql::FakeSchema schema;
  EXPECT_EQ(tsql::DescribeSteps(TranslateBatch(GetParam().tsql, schema)), GetParam().postgres);
}

INSTANTIATE_TEST_SUITE_P(Shapes, PostgresShapesTest, ::testing::ValuesIn(tsql::ShapeCases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace pellora::postgres
