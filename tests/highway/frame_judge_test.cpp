#include "highway_fixture.h"

#include <map>
#include <set>
#include <utility>
#include <vector>

namespace {

using FrameJudgeTest = HighwayTest;

constexpr int THRESHOLD = 2000;

// Plays note frames 1..last of notes whose note frame 1 is that of THRESHOLD;
// after each frame's judges, `input(k)` stands for frame k's input step.
template <typename Input>
void play_note_frames(const Chart& chart, int last, Input input)
{
    for (int k = 1; k <= last; ++k) {
        play_frame(chart, clock_of_note_frame(THRESHOLD, k));
        input(k);
    }
}

void no_input(int) {}

TEST_F(FrameJudgeTest, UnplayedNoteCostsOneMissInNoteFrame24)
{
    const ChartNote notes[] = {{THRESHOLD, 1, 0}};
    const Chart chart = {notes, 1};
    nHITS = 3;
    Balanca = 2;

    play_note_frames(chart, 30, [](int k) {
        EXPECT_EQ(nMISS, k >= 24 ? 1 : 0) << "note frame " << k;
        EXPECT_EQ(xMISS, k == 24 ? 1 : 0) << "note frame " << k;
        EXPECT_EQ(xNULL, 1) << "note frame " << k;
    });
    EXPECT_EQ(Balanca, 1);
    EXPECT_EQ(nHITS, 0);
}

TEST_F(FrameJudgeTest, MissShowsWhicheverLaneItIsIn)
{
    for (int lane = 1; lane <= LANE_COUNT; ++lane) {
        new_song();
        const ChartNote notes[] = {{THRESHOLD, lane, 2}};
        const Chart chart = {notes, 1};
        play_note_frames(chart, 24, no_input);
        EXPECT_EQ(xMISS, 1) << "lane " << lane;
        EXPECT_EQ(nMISS, 1) << "lane " << lane;
    }
}

TEST_F(FrameJudgeTest, OneMissPerLanePerFrame)
{
    struct Case {
        const char* what;
        std::vector<ChartNote> notes;
        int misses;
    };
    const Case cases[] = {
        {"two notes of one lane together", {{THRESHOLD, 2, 0}, {THRESHOLD, 2, 1}}, 1},
        {"a chord of two lanes", {{THRESHOLD, 1, 0}, {THRESHOLD, 4, 0}}, 2},
        {"all five lanes, two notes each",
         {{THRESHOLD, 1, 0}, {THRESHOLD, 1, 1}, {THRESHOLD, 2, 0}, {THRESHOLD, 2, 1}, {THRESHOLD, 3, 0},
          {THRESHOLD, 3, 1}, {THRESHOLD, 4, 0}, {THRESHOLD, 4, 1}, {THRESHOLD, 5, 0}, {THRESHOLD, 5, 1}},
         5},
    };
    for (const Case& c : cases) {
        new_song();
        const Chart chart = {c.notes.data(), static_cast<int>(c.notes.size())};
        play_note_frames(chart, 23, no_input);
        ASSERT_EQ(nMISS, 0) << c.what;
        play_frame(chart, clock_of_note_frame(THRESHOLD, 24));
        EXPECT_EQ(nMISS, c.misses) << c.what;
        EXPECT_EQ(Balanca, -c.misses) << c.what;
    }
}

TEST_F(FrameJudgeTest, FrameJudgesOnlyRecordAMissAndLeaveTheStatusOtherwise)
{
    xNULL = 0;
    xGOOD = 1;
    xMISS = 0;
    for (int lane = 1; lane <= LANE_COUNT; ++lane) frame_judge(lane);
    EXPECT_EQ(xNULL, 0);
    EXPECT_EQ(xGOOD, 1);
    EXPECT_EQ(xMISS, 0);

    // One routine resets the status, once per frame.
    reset_note_status();
    EXPECT_EQ(xNULL, 1);
    EXPECT_EQ(xGOOD, 0);
    EXPECT_EQ(xMISS, 0);

    // A miss in lane 1 survives the four judges after it.
    dst_Nota1[0].y = MISS_LINE_Y;
    for (void (*judge)() : {fret1_A, fret2_B, fret3_C, fret4_D, fret5_E}) judge();
    EXPECT_EQ(xMISS, 1);
    EXPECT_EQ(nMISS, 1);
}

TEST_F(FrameJudgeTest, LaneHitFlagGuardsItsWholeLaneOnly)
{
    int* const flags[LANE_COUNT] = {&A, &B, &C, &D, &E};
    for (int guarded = 1; guarded <= LANE_COUNT; ++guarded) {
        new_song();
        for (int lane = 1; lane <= LANE_COUNT; ++lane) note_slot(lane, 5).y = MISS_LINE_Y;
        *flags[guarded - 1] = 1;
        reset_note_status();
        for (int lane = 1; lane <= LANE_COUNT; ++lane) frame_judge(lane);
        EXPECT_EQ(nMISS, LANE_COUNT - 1) << "lane " << guarded << " guarded";
    }
}

// Input that presses a lane in one note frame and lets go in the next (the
// release clears the lane hit flags).
auto tap_in_frame(int lane, int frame)
{
    return [lane, frame](int k) {
        if (k == frame) press(lane);
        if (k == frame + 1) take_event();
    };
}

TEST_F(FrameJudgeTest, HitNotesAreNotCountedAgainAtTheMissLine)
{
    struct Case {
        const char* what;
        std::vector<ChartNote> notes;
        int lane;
        int press_frame;
        int misses;
    };
    const Case cases[] = {
        {"one note", {{THRESHOLD, 3, 0}}, 3, 21, 0},
        {"one note in its last window frame", {{THRESHOLD, 3, 0}}, 3, 23, 0},
        {"coinciding pair, one press", {{THRESHOLD, 2, 40}, {THRESHOLD, 2, 41}}, 2, 22, 0},
        {"a note 200 ms later is not at the target yet", {{THRESHOLD, 1, 0}, {THRESHOLD + 200, 1, 1}}, 1, 20, 1},
    };
    for (const Case& c : cases) {
        new_song();
        nHITS = 2;
        const Chart chart = {c.notes.data(), static_cast<int>(c.notes.size())};
        play_note_frames(chart, 32, tap_in_frame(c.lane, c.press_frame));
        EXPECT_EQ(nHit, 1) << c.what;
        EXPECT_EQ(nMISS, c.misses) << c.what;
        EXPECT_EQ(Balanca, 1 - c.misses) << c.what;
        EXPECT_EQ(nHITS, c.misses == 0 ? 3 : 0) << c.what;
        for (const ChartNote& note : c.notes) {
            const bool at_target = note.threshold == THRESHOLD;
            EXPECT_EQ(note_played(note.lane, note.slot), at_target) << c.what << ", slot " << note.slot;
        }
    }
}

TEST_F(FrameJudgeTest, NewSongForgetsThePlayedMarks)
{
    const ChartNote notes[] = {{THRESHOLD, 4, 0}};
    const Chart chart = {notes, 1};
    play_note_frames(chart, 26, tap_in_frame(4, 20));
    ASSERT_EQ(nMISS, 0);

    zerar_notas();  // the song's way out; the next song uses the same slot
    play_note_frames(chart, 26, no_input);
    EXPECT_EQ(nMISS, 1);
}

// The whole tutorial frame by frame at 50 ms.
class TutorialRun : public HighwayTest {
protected:
    static constexpr int END_TIME = 146000;

    template <typename Input>
    static void run(Input input)
    {
        for (int clock = FRAME_MS; clock < END_TIME; clock += FRAME_MS) {
            play_frame(chart_tutorial, clock);
            input();
        }
    }
};

TEST_F(TutorialRun, IdlePlayerMissesOncePerLaneAndFrameThatNotesPass)
{
    ASSERT_GT(chart_tutorial.count, 0);
    // Frame f has the clock 50 f; a note's first frame is the first whose
    // clock exceeds its threshold, and it is on the miss line 23 frames later.
    std::set<std::pair<int, int>> passing;
    for (int n = 0; n < chart_tutorial.count; ++n) {
        const ChartNote& note = chart_tutorial.notes[n];
        passing.insert({note.lane, note.threshold / FRAME_MS + 1 + 23});
    }
    std::map<int, int> lanes_missing_in_frame;
    for (const auto& p : passing) ++lanes_missing_in_frame[p.second];

    int frame = 0;
    run([&] {
        ++frame;
        const auto found = lanes_missing_in_frame.find(frame);
        const int expected = found == lanes_missing_in_frame.end() ? 0 : found->second;
        EXPECT_EQ(xMISS, expected > 0 ? 1 : 0) << "frame " << frame;
    });
    EXPECT_EQ(nMISS, static_cast<int>(passing.size()));
    EXPECT_EQ(Balanca, -nMISS);
}

TEST_F(TutorialRun, PlayerWhoPressesEveryNoteMissesNone)
{
    ASSERT_GT(chart_tutorial.count, 0);
    int presses = 0;
    run([&] {
        take_event();
        for (int lane = 1; lane <= LANE_COUNT; ++lane) {
            const Lane& row = lane_data(lane);
            for (int i = 0; i < row.pool_size; ++i) {
                if (!row.played[i] && row.slots[i].y >= 200 && row.slots[i].y <= 230) {
                    press(lane);
                    ++presses;
                    break;
                }
            }
        }
    });
    EXPECT_EQ(nMISS, 0);
    EXPECT_EQ(nHit, presses);
    for (int n = 0; n < chart_tutorial.count; ++n) {
        const ChartNote& note = chart_tutorial.notes[n];
        EXPECT_TRUE(note_played(note.lane, note.slot)) << "note " << n;
    }
}

}  // namespace
