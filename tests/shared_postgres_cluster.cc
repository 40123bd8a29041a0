#include "tests/shared_postgres_cluster.h"

#include <gtest/gtest.h>

#include <memory>

namespace pellora::testing {
namespace {

// Stops the shared cluster after the last test.
class ClusterEnvironment : public ::testing::Environment {
 public:
  void TearDown() override { cluster.reset(); }
  std::unique_ptr<PostgresCluster> cluster;
};

ClusterEnvironment* const environment =
    static_cast<ClusterEnvironment*>(::testing::AddGlobalTestEnvironment(new ClusterEnvironment));

}  // namespace

PostgresCluster& SharedCluster() {
  if (!environment->cluster) environment->cluster = std::make_unique<PostgresCluster>();
  return *environment->cluster;
}

}  // namespace pellora::testing
