#include "highway_fixture.h"

#include <algorithm>
#include <set>
#include <utility>

namespace {

using ChartStepTest = HighwayTest;

constexpr int THRESHOLD = 5000;

// One row per note frame: where the note is drawn, where the judges see it,
// and the size the blit leaves.
struct FallRow {
    int note_frame;
    int drawn_at;  // -1: nothing of it is visible
    Sint16 y_after;
    Uint16 w, h;
};

const FallRow FALL[] = {
    {1, 0, 10, 31, 23},     {2, 10, 20, 31, 23},     {19, 180, 190, 31, 23},
    {20, 190, 200, 31, 23}, {21, 200, 210, 31, 23},  {22, 210, 220, 31, 23},
    {23, 220, 230, 31, 20}, {24, 230, 240, 31, 10},  {25, -1, 250, 0, 0},
    {26, -1, 250, 0, 0},    {27, -1, 250, 0, 0},
};

TEST_F(ChartStepTest, NoteFallsTenPixelsAFrameAndParksBelowTheScreen)
{
    const ChartNote notes[] = {{THRESHOLD, 3, 4}};
    const Chart chart = {notes, 1};
    const int x = LANE_X[2] + 15;

    int k = 0;
    for (const FallRow& row : FALL) {
        while (k < row.note_frame) {
            ++k;
            clear_screen();
            play_frame(chart, clock_of_note_frame(THRESHOLD, k));
        }
        const SDL_Rect& slot = dst_Nota3[4];
        EXPECT_EQ(slot.x, LANE_X[2]) << "note frame " << k;
        EXPECT_EQ(slot.y, row.y_after) << "note frame " << k;
        EXPECT_EQ(slot.w, row.w) << "note frame " << k;
        EXPECT_EQ(slot.h, row.h) << "note frame " << k;
        if (row.drawn_at >= 0) {
            EXPECT_TRUE(screen_shows(x, row.drawn_at, NOTE_COLOUR[2])) << "note frame " << k;
            if (row.drawn_at > 0) {
                EXPECT_TRUE(screen_shows(x, row.drawn_at - 1, BLACK)) << "note frame " << k;
            }
        } else {
            EXPECT_TRUE(screen_shows(x, 239, BLACK)) << "note frame " << k;
        }
    }

    // A parked note is back at 240 at the top of the next frame, before the chart step.
    parar_notas();
    EXPECT_EQ(dst_Nota3[4].y, MISS_LINE_Y);
}

TEST_F(ChartStepTest, ThresholdMustBePassedNotReached)
{
    const ChartNote notes[] = {{THRESHOLD, 1, 0}};
    const Chart chart = {notes, 1};

    play_frame(chart, THRESHOLD);
    EXPECT_EQ(dst_Nota1[0].y, 0);
    EXPECT_EQ(dst_Nota1[0].h, 0);

    play_frame(chart, THRESHOLD + 1);
    EXPECT_EQ(dst_Nota1[0].y, 10);
    EXPECT_EQ(dst_Nota1[0].w, 31);
    EXPECT_EQ(dst_Nota1[0].h, 23);
}

TEST_F(ChartStepTest, DrawsExactlyTheNotesWhoseThresholdsHavePassed)
{
    // Lane 1 ends with an appended note earlier than the ones before it, lane 4
    // skips slot 1, and lanes 2 and 5 have notes still to come.
    const ChartNote notes[] = {
        {1000, 1, 0}, {3000, 1, 1}, {500, 1, 2}, {2000, 2, 0}, {2999, 2, 1},
        {1500, 4, 0}, {2500, 4, 2}, {2998, 5, 0}, {4000, 5, 1},
    };
    const Chart chart = {notes, static_cast<int>(std::size(notes))};
    const int clock = 2998;

    clear_screen();
    msec = clock;
    chart_step(chart);

    std::set<std::pair<int, int>> drawn;
    for (const ChartNote& note : notes) {
        const SDL_Rect& slot = note_slot(note.lane, note.slot);
        const bool passed = clock > note.threshold;
        if (passed) drawn.insert({note.lane, note.slot});
        EXPECT_EQ(slot.y, passed ? 10 : 0) << "lane " << note.lane << " slot " << note.slot;
        EXPECT_EQ(slot.h, passed ? 23 : 0) << "lane " << note.lane << " slot " << note.slot;
    }
    EXPECT_EQ(dst_Nota4[1].y, 0) << "a slot the chart skips is never touched";

    // Nothing else moved.
    for (int lane = 1; lane <= LANE_COUNT; ++lane) {
        for (int i = 0; i < lane_data(lane).pool_size; ++i) {
            if (drawn.count({lane, i}) == 0) {
                ASSERT_EQ(note_slot(lane, i).y, 0) << "lane " << lane << " slot " << i;
            }
        }
    }

    // Each drawn note shows its own lane's cell; lanes with no note due stay dark.
    for (int lane = 1; lane <= LANE_COUNT; ++lane) {
        const bool any = std::any_of(drawn.begin(), drawn.end(), [&](auto& d) { return d.first == lane; });
        EXPECT_TRUE(screen_shows(LANE_X[lane - 1] + 15, 5, any ? NOTE_COLOUR[lane - 1] : BLACK)) << "lane " << lane;
    }
}

TEST_F(ChartStepTest, ChordsAndEqualThresholdsFallLevel)
{
    const ChartNote notes[] = {{1000, 1, 0}, {1000, 2, 0}, {1000, 2, 1}, {1000, 3, 0}, {1001, 3, 1}};
    const Chart chart = {notes, static_cast<int>(std::size(notes))};

    for (int k = 1; k <= 12; ++k) play_frame(chart, clock_of_note_frame(1000, k));

    for (const ChartNote& note : notes) {
        const Sint16 expected = note.threshold == 1000 ? 120 : 110;
        EXPECT_EQ(note_slot(note.lane, note.slot).y, expected) << "lane " << note.lane << " slot " << note.slot;
    }
}

TEST_F(ChartStepTest, ParkingBoundsTheLongestSong)
{
    const ChartNote notes[] = {{1, 2, 0}};
    const Chart chart = {notes, 1};
    Sint16 highest = 0;
    for (int clock = FRAME_MS; clock < 309000; clock += FRAME_MS) {
        play_frame(chart, clock);
        highest = std::max(highest, dst_Nota2[0].y);
        ASSERT_GE(dst_Nota2[0].y, 0) << "at " << clock;
    }
    EXPECT_EQ(highest, PARKED_Y);
}

struct EntryPoint {
    const char* name;
    void (*step)();
    const Chart* chart;
};

const EntryPoint ENTRY_POINTS[] = {
    {"tutorial", tutorial, &chart_tutorial},
    {"paranoid", paranoid, &chart_paranoid},
    {"highwaytohell", highwaytohell, &chart_highwaytohell},
    {"aceofspades", aceofspades, &chart_aceofspades},
    {"runtothehills", runtothehills, &chart_runtothehills},
    {"forwhomthebellstolls", forwhomthebellstolls, &chart_forwhomthebellstolls},
};

TEST_F(ChartStepTest, EachEntryPointStepsItsOwnChartOnly)
{
    for (const EntryPoint& entry : ENTRY_POINTS) {
        zerar_notas();
        msec = 1000000;  // past every threshold
        entry.step();

        int moved = 0;
        for (int lane = 1; lane <= LANE_COUNT; ++lane) {
            for (int i = 0; i < lane_data(lane).pool_size; ++i) moved += note_slot(lane, i).y == 10;
        }
        EXPECT_EQ(moved, entry.chart->count) << entry.name;
        for (int n = 0; n < entry.chart->count; ++n) {
            const ChartNote& note = entry.chart->notes[n];
            ASSERT_EQ(note_slot(note.lane, note.slot).y, 10) << entry.name << " note " << n;
        }
    }
}

// The chart step indexes the pools by the chart's lanes and slots unchecked,
// so every chart must stay within them, one slot per note.
TEST(ChartData, EveryNoteHasASlotOfItsOwnWithinItsLanesPool)
{
    for (const EntryPoint& entry : ENTRY_POINTS) {
        std::set<std::pair<int, int>> used;
        for (int n = 0; n < entry.chart->count; ++n) {
            const ChartNote& note = entry.chart->notes[n];
            ASSERT_GE(note.lane, 1) << entry.name << " note " << n;
            ASSERT_LE(note.lane, LANE_COUNT) << entry.name << " note " << n;
            ASSERT_GE(note.slot, 0) << entry.name << " note " << n;
            ASSERT_LT(note.slot, lane_data(note.lane).pool_size) << entry.name << " note " << n;
            EXPECT_TRUE(used.insert({note.lane, note.slot}).second)
                << entry.name << ": lane " << note.lane << " slot " << note.slot << " twice";
        }
    }
}

}  // namespace
