#include "highway_fixture.h"

namespace {

using PressJudgeTest = HighwayTest;

// Named entry points, lane by lane.
void (*const PRESS_JUDGES[LANE_COUNT])() = {fret1, fret2, fret3, fret4, fret5};
void (*const HIT_FLAMES[LANE_COUNT])() = {keyhitflames1, keyhitflames2, keyhitflames3, keyhitflames4, keyhitflames5};
int* const HIT_FLAGS[LANE_COUNT] = {&A, &B, &C, &D, &E};

TEST_F(PressJudgeTest, PressedFretGivesEachTargetItsSize)
{
    const Uint16 width[LANE_COUNT] = {31, 33, 35, 35, 110};
    for (int lane = 1; lane <= LANE_COUNT; ++lane) {
        draw_pressed_fret(lane);
        const SDL_Rect& target = fret_target(lane);
        EXPECT_EQ(target.x, LANE_X[lane - 1]) << "lane " << lane;
        EXPECT_EQ(target.y, FRET_TARGET_Y) << "lane " << lane;
        EXPECT_EQ(target.w, width[lane - 1]) << "lane " << lane;
        EXPECT_EQ(target.h, 18) << "lane " << lane;
        EXPECT_TRUE(screen_shows(LANE_X[lane - 1] + 5, 230, FRET_COLOUR)) << "lane " << lane;
    }
}

TEST_F(PressJudgeTest, HitWindowIsNoteFrames20To23)
{
    const ChartNote notes[] = {{1000, 2, 0}};
    const Chart chart = {notes, 1};
    struct Case {
        int note_frame;
        bool hit;
    };
    const Case cases[] = {{1, false}, {19, false}, {20, true}, {21, true}, {22, true},
                          {23, true}, {24, false}, {25, false}, {30, false}};

    for (const Case& c : cases) {
        new_song();
        for (int k = 1; k <= c.note_frame; ++k) play_frame(chart, clock_of_note_frame(1000, k));
        const int misses_before = nMISS;  // the frame judge's own miss in frame 24
        press(2);
        EXPECT_EQ(nHit, c.hit ? 1 : 0) << "note frame " << c.note_frame;
        EXPECT_EQ(nMISS - misses_before, c.hit ? 0 : 1) << "note frame " << c.note_frame;
    }
}

TEST_F(PressJudgeTest, HitScoresByStreakTier)
{
    struct Case {
        int streak_before;
        int score;
        int streak_after;
    };
    const Case cases[] = {{0, 10, 1}, {4, 10, 5}, {5, 20, 6}, {9, 20, 10}, {10, 30, 11}, {40, 30, 41}, {-1, 10, 0}, {-7, 10, -6}};

    for (const Case& c : cases) {
        new_song();
        nSCORE = 100;
        nHITS = c.streak_before;
        note_in_window(4, 0);
        press(4);
        EXPECT_EQ(nSCORE, 100 + c.score) << "streak " << c.streak_before;
        EXPECT_EQ(nHITS, c.streak_after) << "streak " << c.streak_before;
        EXPECT_EQ(Balanca, 1);
        EXPECT_EQ(tHITS, 1);
        EXPECT_EQ(nHit, 1);
        EXPECT_EQ(nMISS, 0);
        EXPECT_EQ(D, 1);
        EXPECT_EQ(xGOOD, 1);
        EXPECT_EQ(xMISS, 0);
    }
}

TEST_F(PressJudgeTest, SixthHitOfTheSongDoesNotAdvanceTheStreak)
{
    note_in_window(1, 0);
    int streak_after[8] = {};
    for (int hit = 1; hit <= 7; ++hit) {
        take_event();
        press(1);
        streak_after[hit] = nHITS;
    }
    EXPECT_EQ(nHit, 7);
    EXPECT_EQ(streak_after[5], 5);
    EXPECT_EQ(streak_after[6], 5) << "the sixth hit keeps the streak";
    EXPECT_EQ(streak_after[7], 6);
    EXPECT_EQ(tHITS, 7) << "the sixth hit still counts";
    EXPECT_EQ(Balanca, 7) << "not clamped here";
    EXPECT_EQ(nSCORE, 10 * 5 + 20 + 20) << "tiers follow the streak before each hit";
}

TEST_F(PressJudgeTest, PressWithNothingAtTheTargetIsAMiss)
{
    nSCORE = 50;
    nHITS = 7;
    tHITS = 7;
    nHit = 7;
    Balanca = -6;
    note_in_window(3, 0, 190);  // one frame early
    note_in_window(2, 0);       // in another lane's window

    press(3);

    EXPECT_EQ(xMISS, 1);
    EXPECT_EQ(xGOOD, 0);
    EXPECT_EQ(Balanca, -7) << "not clamped here";
    EXPECT_EQ(nHITS, 0);
    EXPECT_EQ(nMISS, 1);
    EXPECT_EQ(nSCORE, 50);
    EXPECT_EQ(tHITS, 7);
    EXPECT_EQ(nHit, 7);
    EXPECT_EQ(C, 0);
    EXPECT_FALSE(note_played(3, 0));
    EXPECT_EQ(flips_seen, 0) << "a miss shows no flame";
}

TEST_F(PressJudgeTest, JudgeWithoutThePressedFretBlitOnlyMisses)
{
    note_in_window(1, 0);
    press_judge(1);  // dst_fret1 still has no size
    EXPECT_EQ(nHit, 0);
    EXPECT_EQ(nMISS, 1);
}

TEST_F(PressJudgeTest, EachLaneJudgesItsOwnPoolAndFlag)
{
    for (int note_lane = 1; note_lane <= LANE_COUNT; ++note_lane) {
        for (int pressed = 1; pressed <= LANE_COUNT; ++pressed) {
            new_song();
            note_in_window(note_lane, note_lane * 3);
            draw_pressed_fret(pressed);
            PRESS_JUDGES[pressed - 1]();
            const bool hit = pressed == note_lane;
            EXPECT_EQ(nHit, hit ? 1 : 0) << "note in lane " << note_lane << ", lane " << pressed << " pressed";
            for (int lane = 1; lane <= LANE_COUNT; ++lane) {
                EXPECT_EQ(*HIT_FLAGS[lane - 1], hit && lane == note_lane ? 1 : 0)
                    << "flag of lane " << lane << ", note in lane " << note_lane << ", lane " << pressed << " pressed";
            }
        }
    }
}

TEST_F(PressJudgeTest, OnePressScoresOnceAndMarksEveryNoteAtTheTarget)
{
    note_in_window(3, 0, 200);
    note_in_window(3, 1, 220);
    note_in_window(3, 2, 160);  // on its way, not at the target yet

    press(3);

    EXPECT_EQ(nHit, 1);
    EXPECT_EQ(nSCORE, 10);
    EXPECT_EQ(flips_seen, 1);
    EXPECT_TRUE(note_played(3, 0));
    EXPECT_TRUE(note_played(3, 1));
    EXPECT_FALSE(note_played(3, 2));
    EXPECT_EQ(dst_Nota3[0].y, 200) << "a hit note goes on falling from where it was";
}

TEST_F(PressJudgeTest, SameNotePressedTwiceInItsWindowScoresTwice)
{
    const ChartNote notes[] = {{1000, 5, 0}};
    const Chart chart = {notes, 1};
    for (int k = 1; k <= 23; ++k) {
        play_frame(chart, clock_of_note_frame(1000, k));
        take_event();
        if (k == 20 || k == 22) press(5);
    }
    EXPECT_EQ(nHit, 2);
    EXPECT_EQ(nMISS, 0);
}

TEST_F(PressJudgeTest, EachHitShowsItsLanesFlameAndPresentsTheScreen)
{
    for (int lane = 1; lane <= LANE_COUNT; ++lane) {
        new_song();
        clear_screen();
        note_in_window(lane, 0);
        press(lane);
        EXPECT_EQ(flips_seen, 1) << "lane " << lane;
        for (int other = 1; other <= LANE_COUNT; ++other) {
            EXPECT_TRUE(screen_shows(LANE_X[other - 1] + 16, HIT_FLAME_Y + 32, other == lane ? FLAME_COLOUR : BLACK))
                << "flame of lane " << other << " after a hit in lane " << lane;
        }
        EXPECT_TRUE(screen_shows(LANE_X[lane - 1] + 16, HIT_FLAME_Y - 1, BLACK)) << "lane " << lane;
        EXPECT_TRUE(screen_shows(LANE_X[lane - 1] + 16, HIT_FLAME_Y + 63, FLAME_COLOUR)) << "lane " << lane;
    }
}

TEST_F(PressJudgeTest, NamedFlameRoutinesDrawAtTheirLanes)
{
    for (int lane = 1; lane <= LANE_COUNT; ++lane) {
        clear_screen();
        HIT_FLAMES[lane - 1]();
        EXPECT_TRUE(screen_shows(LANE_X[lane - 1] + 1, HIT_FLAME_Y, FLAME_COLOUR)) << "lane " << lane;
        EXPECT_TRUE(screen_shows(LANE_X[lane - 1] - 1, HIT_FLAME_Y, BLACK)) << "lane " << lane;
    }
    EXPECT_EQ(flips_seen, LANE_COUNT);
    EXPECT_EQ(dst_hitflames3.x, LANE_X[2]) << "the flame positions stay put";
}

TEST_F(PressJudgeTest, ThreeHeldLanesHittingShowThreeFlames)
{
    for (int lane = 1; lane <= 3; ++lane) note_in_window(lane, 0);
    for (int lane = 1; lane <= 3; ++lane) press(lane);
    EXPECT_EQ(nHit, 3);
    EXPECT_EQ(flips_seen, 3);
    EXPECT_EQ(A + B + C, 3);
}

}  // namespace
