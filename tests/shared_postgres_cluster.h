#ifndef PELLORA_TESTS_SHARED_POSTGRES_CLUSTER_H_
#define PELLORA_TESTS_SHARED_POSTGRES_CLUSTER_H_

#include "tests/postgres_cluster.h"

namespace pellora::testing {

// The cluster of this test program: started at first use, stopped after the last test, whether
// the tests passed or not.
PostgresCluster& SharedCluster();

}  // namespace pellora::testing

#endif  // PELLORA_TESTS_SHARED_POSTGRES_CLUSTER_H_
