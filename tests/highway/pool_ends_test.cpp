// Both judges walk a lane's whole pool: a note in the last slot of each pool
// is scored by a press in its window and counted at the miss line when left.
#include "highway_fixture.h"

#include <string>

namespace {

using PoolEndsTest = HighwayTest;

TEST_F(PoolEndsTest, LastSlotOfEveryLaneIsJudged)
{
    struct Case {
        int lane;
        int last_slot;
    };
    const Case cases[] = {{1, 310}, {2, 259}, {3, 249}, {4, 125}, {5, 99}};
    constexpr int THRESHOLD = 4000;

    for (const Case& c : cases) {
        SCOPED_TRACE("lane " + std::to_string(c.lane) + ", slot " + std::to_string(c.last_slot));
        const ChartNote notes[] = {{THRESHOLD, c.lane, c.last_slot}};
        const Chart chart = {notes, 1};

        // Pressed in note frame 21: one hit.
        new_song();
        for (int k = 1; k <= 21; ++k) play_frame(chart, clock_of_note_frame(THRESHOLD, k));
        press(c.lane);
        EXPECT_EQ(nHit, 1);
        EXPECT_EQ(nMISS, 0);

        // Left alone: one miss, in note frame 24.
        new_song();
        for (int k = 1; k <= 23; ++k) play_frame(chart, clock_of_note_frame(THRESHOLD, k));
        EXPECT_EQ(nMISS, 0);
        play_frame(chart, clock_of_note_frame(THRESHOLD, 24));
        EXPECT_EQ(nMISS, 1);
    }
}

}  // namespace
