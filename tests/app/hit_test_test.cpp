#include "app/hit_test.h"

#include <gtest/gtest.h>

namespace {

struct HitCase {
    int mx, my;
    bool withContainer;
    float scale;
    bool expected;
};

// A link at 511, 167, 100 x 25 inside MainPanel at 41, 10.
const ControlBox kLink{511, 167, 100, 25};
const ControlBox kPanel{41, 10, 680, 656};

class HitTest : public ::testing::TestWithParam<HitCase> {};

TEST_P(HitTest, Edges) {
    const HitCase& c = GetParam();
    EXPECT_EQ(IsMouseOverBox(c.mx, c.my, kLink, c.withContainer ? &kPanel : nullptr, c.scale, c.scale), c.expected)
        << c.mx << "," << c.my << " scale " << c.scale;
}

// Without a container at 1.0 the box spans 511..611 x 167..192, both ends outside.
// With the panel at 1.0 the mouse is shifted by 41 + 3 and 10 + 3, so y 180 is the top edge.
// At 1.25 without container: left 638.75 -> 639, right 763.75 -> 764, top 208.75 -> 209,
// bottom 240 (208.75 + 31.25).
// At 1.25 with container: mx - 51.25 - 3 rounded; the left edge 639 needs mx - 54.25 > 639.
INSTANTIATE_TEST_SUITE_P(
    Edges, HitTest,
    ::testing::Values(HitCase{511, 180, false, 1.0f, false}, HitCase{512, 180, false, 1.0f, true},
                      HitCase{610, 180, false, 1.0f, true}, HitCase{611, 180, false, 1.0f, false},
                      HitCase{560, 167, false, 1.0f, false}, HitCase{560, 168, false, 1.0f, true},
                      HitCase{560, 191, false, 1.0f, true}, HitCase{560, 192, false, 1.0f, false},
                      HitCase{555, 193, true, 1.0f, false}, HitCase{556, 193, true, 1.0f, true},
                      HitCase{654, 193, true, 1.0f, true}, HitCase{655, 193, true, 1.0f, false},
                      HitCase{600, 180, true, 1.0f, false}, HitCase{600, 181, true, 1.0f, true},
                      HitCase{639, 220, false, 1.25f, false}, HitCase{640, 220, false, 1.25f, true},
                      HitCase{763, 220, false, 1.25f, true}, HitCase{764, 220, false, 1.25f, false},
                      HitCase{700, 209, false, 1.25f, false}, HitCase{700, 210, false, 1.25f, true},
                      HitCase{700, 239, false, 1.25f, true}, HitCase{700, 240, false, 1.25f, false},
                      // 693.25 - 54.25 = 639 (not over); 694 - 54.25 = 639.75 -> 640 (over).
                      HitCase{693, 240, true, 1.25f, false}, HitCase{694, 240, true, 1.25f, true},
                      HitCase{-1, -1, false, 1.0f, false}, HitCase{-1, -1, true, 1.25f, false}));

TEST(HitTestRounding, HalvesGoToEven) {
    // 1.5 scale: a box at x 3, width 1 spans 4.5 -> 4 to 6 -> 6: only 5 is inside.
    const ControlBox box{3, 3, 1, 1};
    EXPECT_FALSE(IsMouseOverBox(4, 5, box, nullptr, 1.5f, 1.5f));
    EXPECT_TRUE(IsMouseOverBox(5, 5, box, nullptr, 1.5f, 1.5f));
    EXPECT_FALSE(IsMouseOverBox(6, 5, box, nullptr, 1.5f, 1.5f));
}

}  // namespace
