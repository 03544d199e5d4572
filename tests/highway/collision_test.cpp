#include "highway/collision.h"

#include <gtest/gtest.h>

namespace {

struct OverlapCase {
    const char* what;
    SDL_Rect a;
    SDL_Rect b;
    bool overlap;
};

constexpr SDL_Rect TARGET = {80, 222, 31, 18};  // lane 1's fret target after its pressed-fret blit

const OverlapCase OVERLAP_CASES[] = {
    {"note at 200 reaches into the target", {80, 200, 31, 23}, TARGET, true},
    {"note at 190 ends on the target's top edge", {80, 190, 31, 23}, TARGET, false},
    {"note at 230 cut to 20 rows", {80, 230, 31, 20}, TARGET, true},
    {"note on the miss line starts at the target's bottom", {80, 240, 31, 10}, TARGET, false},
    {"parked note", {80, 250, 0, 0}, TARGET, false},
    {"idle note at the top", {80, 0, 31, 23}, TARGET, false},
    {"zero size strictly inside", {90, 230, 0, 0}, TARGET, true},
    {"zero size on the left edge", {80, 230, 0, 0}, TARGET, false},
    {"touching on the left", {49, 222, 31, 18}, TARGET, false},
    {"touching on the right", {111, 222, 31, 18}, TARGET, false},
    {"one column in on the right", {110, 222, 31, 18}, TARGET, true},
    {"target never drawn (w 0) overlaps nothing", {80, 210, 31, 23}, {80, 222, 0, 0}, false},
    {"negative x is sign-extended", {-10, 0, 31, 23}, {0, 0, 31, 23}, true},
    {"negative y is sign-extended", {0, -10, 31, 23}, {0, 0, 31, 23}, true},
    {"widths are unsigned", {0, 0, 65535, 1}, {30000, 0, 1, 1}, true},
};

TEST(CheckCollision, DecidesOverlapByTheFourEdges)
{
    for (const OverlapCase& c : OVERLAP_CASES) {
        EXPECT_EQ(check_collision(c.a, c.b), c.overlap) << c.what;
        EXPECT_EQ(check_collision(c.b, c.a), c.overlap) << c.what << " (swapped)";
    }
}

}  // namespace
