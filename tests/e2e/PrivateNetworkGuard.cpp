// These tests broadcast and use the product's real ports. They refuse to run anywhere but in a
// private network namespace that has nothing but loopback (scripts/in-netns makes one).
#include <gtest/gtest.h>
#include <QNetworkInterface>
#include <cstdio>
#include <cstdlib>

namespace {

class PrivateNetworkGuard : public testing::Environment {
 public:
  void SetUp() override {
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
      const bool up = interface.flags().testFlag(QNetworkInterface::IsUp);
      if (up && !interface.flags().testFlag(QNetworkInterface::IsLoopBack)) {
        std::fprintf(stderr,
                     "e2e_tests: interface %s is up; run these tests through scripts/in-netns "
                     "so nothing reaches a real network\n",
                     interface.name().toLocal8Bit().constData());
        std::exit(1);
      }
    }
  }
};

const testing::Environment* const kGuard =
    testing::AddGlobalTestEnvironment(new PrivateNetworkGuard);

}  // namespace
