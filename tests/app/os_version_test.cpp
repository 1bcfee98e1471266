#include "app/os_version.h"

#include <gtest/gtest.h>

namespace {

struct VersionCase {
    bool readable, win9x;
    uint32_t major, minor, build;
    bool workstation;
    int code;
};

class OsVersionCodeTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(OsVersionCodeTest, Classifies) {
    const VersionCase& c = GetParam();
    VersionFacts f{c.readable, c.win9x, c.major, c.minor, c.build, c.workstation};
    EXPECT_EQ(OsVersionCode(f), c.code) << c.major << "." << c.minor << " build " << c.build;
}

INSTANTIATE_TEST_SUITE_P(
    Table, OsVersionCodeTest,
    ::testing::Values(VersionCase{true, true, 4, 0, 950, true, 10}, VersionCase{true, true, 4, 10, 2222, true, 30},
                      VersionCase{true, true, 4, 90, 3000, true, 40}, VersionCase{true, true, 4, 20, 0, true, 200},
                      VersionCase{true, false, 3, 51, 1057, true, 5}, VersionCase{true, false, 4, 0, 1381, true, 20},
                      VersionCase{true, false, 5, 0, 2195, true, 50}, VersionCase{true, false, 5, 1, 2600, true, 60},
                      VersionCase{true, false, 5, 2, 3790, true, 60}, VersionCase{true, false, 5, 2, 3790, false, 65},
                      VersionCase{true, false, 6, 0, 6002, true, 70}, VersionCase{true, false, 6, 0, 6002, false, 75},
                      VersionCase{true, false, 6, 1, 7601, true, 80}, VersionCase{true, false, 6, 1, 7601, false, 85},
                      VersionCase{true, false, 6, 2, 9200, true, 90}, VersionCase{true, false, 6, 2, 9200, false, 95},
                      VersionCase{true, false, 6, 3, 9600, true, 100}, VersionCase{true, false, 6, 3, 9600, false, 105},
                      VersionCase{true, false, 10, 0, 19045, true, 110}, VersionCase{true, false, 10, 0, 21999, false, 110},
                      VersionCase{true, false, 10, 0, 22000, true, 120}, VersionCase{true, false, 10, 0, 26100, true, 120},
                      VersionCase{true, false, 10, 1, 0, true, 200}, VersionCase{true, false, 11, 0, 0, true, 200},
                      VersionCase{true, false, 6, 4, 0, true, 200}, VersionCase{false, false, 0, 0, 0, true, 200}));

}  // namespace
