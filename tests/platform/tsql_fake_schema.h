#ifndef PELLORA_TESTS_PLATFORM_TSQL_FAKE_SCHEMA_H_
#define PELLORA_TESTS_PLATFORM_TSQL_FAKE_SCHEMA_H_

#include "platform/sqlite/tsql_translator.h"
#include "tests/tsql/tsql_fake_schema.h"

namespace pellora::sqlite {

using tsql::FakeSchema;
using tsql::Lines;

}  // namespace pellora::sqlite

#endif  // PELLORA_TESTS_PLATFORM_TSQL_FAKE_SCHEMA_H_
