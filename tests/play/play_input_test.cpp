// The input step: held lanes from keys and bindings, the press pass, the
// chord rule, the skip key and the pause screen.
#include "play/play_fixture.h"

#include "highway/judge_state.h"
#include "highway/note_slots.h"
#include "shell/key_bindings.h"
#include "shell/pause.h"
#include "shell/play_input.h"
#include "shell/resources.h"

#include <SDL/SDL_mixer.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

struct ChordCase {
    const char* name;
    std::vector<int> held;
    int streak_before;
    int streak_after;
    int balance_gain;
    int accuracy_loss;
};

class ChordRuleTest : public ::testing::TestWithParam<ChordCase> {};

TEST_P(ChordRuleTest, EveryPairOfHeldLanesCostsTwoWhileTheStreakIsNotZero)
{
    const ChordCase& c = GetParam();
    for (int& flag : held_lanes) flag = 0;
    for (int lane : c.held) held_lanes[lane - 1] = 1;
    nHITS = c.streak_before;
    Balanca = 0;
    tHITS = 100;
    chord_rule();
    EXPECT_EQ(nHITS, c.streak_after);
    EXPECT_EQ(Balanca, c.balance_gain);
    EXPECT_EQ(100 - tHITS, c.accuracy_loss);
}

INSTANTIATE_TEST_SUITE_P(
    Chords, ChordRuleTest,
    ::testing::Values(ChordCase{"OneLane", {3}, 7, 7, 0, 0},
                      ChordCase{"TwoLanes", {2, 5}, 7, 5, 2, 2},
                      ChordCase{"ThreeLanesFromOneGoBelowZero", {1, 2, 3}, 1, -5, 6, 6},
                      ChordCase{"StreakZeroKeepsTheCounters", {1, 4}, 0, 0, 2, 0},
                      ChordCase{"StreakTwoStopsAtZero", {1, 2, 3}, 2, 0, 6, 2},
                      ChordCase{"AllFiveLanes", {1, 2, 3, 4, 5}, 30, 10, 20, 20}),
    [](const auto& info) { return std::string(info.param.name); });

// The tutorial's first frames, long before its first note: every press
// judge misses.
class PlayInputTest : public PlayTest {
protected:
    void SetUp() override
    {
        PlayTest::SetUp();
        choose_song(SONG_TUTORIAL);
    }
};

struct KeyEvent {
    SDLKey key;
    bool down;
};

struct LaneCase {
    const char* name;
    std::vector<std::pair<int*, int>> bindings;  // rebinding before the song
    std::vector<KeyEvent> keys;                  // one per frame
    std::vector<int> held;                       // lanes held afterwards
    int misses;                                  // one per held lane per press
    int balance;
};

class HeldLaneTest : public PlayInputTest, public ::testing::WithParamInterface<LaneCase> {};

TEST_P(HeldLaneTest, KeysHoldTheirLanesAndEveryPressJudgesEveryHeldLane)
{
    const LaneCase& c = GetParam();
    for (const auto& [binding, code] : c.bindings) *binding = code;
    constexpr long FIRST = 5;
    each_frame([&](long k) {
        const long i = k - FIRST;
        if (i < 0 || i >= static_cast<long>(c.keys.size())) return;
        if (c.keys[i].down) driver.key_down(c.keys[i].key);
        else driver.key_up(c.keys[i].key);
    });
    std::vector<int> held_after;
    driver.stop_when = [&] {
        if (frame() < FIRST + static_cast<long>(c.keys.size())) return false;
        for (int lane = 1; lane <= 5; ++lane)
            if (held_lanes[lane - 1]) held_after.push_back(lane);
        return true;
    };
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(held_after, c.held);
    EXPECT_EQ(nMISS, c.misses);
    EXPECT_EQ(Balanca, c.balance);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, HeldLaneTest,
    ::testing::Values(
        LaneCase{"LetterPlaysItsLane", {}, {{SDLK_d, true}}, {3}, 1, -1},
        LaneCase{"BoundKeyPlaysItsDefaultLane", {}, {{SDLK_LEFT, true}}, {1}, 1, -1},
        LaneCase{"AlternativeCodePlaysTheSameLane", {{&KEY_X, 7}}, {{SDLK_SPACE, true}}, {2}, 1, -1},
        LaneCase{"CodeOutsideTheTableJudgesOnlyTheHeld", {{&KEY_X, 11}}, {{SDLK_a, true}, {SDLK_SPACE, true}}, {1}, 2, -2},
        LaneCase{"EscapeIsAnOrdinaryPress", {}, {{SDLK_a, true}, {SDLK_ESCAPE, true}}, {1}, 2, -2},
        LaneCase{"SecondLaneJudgesTheFirstAgainThenTheChordRule", {}, {{SDLK_a, true}, {SDLK_s, true}}, {1, 2}, 3, -1},
        LaneCase{"ThreeLanesPressedOneAfterAnother",
                 {},
                 {{SDLK_a, true}, {SDLK_s, true}, {SDLK_d, true}},
                 {1, 2, 3},
                 6,
                 2},
        LaneCase{"AnyReleaseLetsGoOfEveryLane", {}, {{SDLK_a, true}, {SDLK_s, true}, {SDLK_z, false}}, {}, 3, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlayInputTest, AnyEventClearsTheLaneHitFlagsAndOnlyAPressJudges)
{
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    each_frame([&](long k) {
        if (k == 5) driver.key_down(SDLK_a);
        if (k == 6) {
            A = B = E = 1;
            driver.push(quit);
        }
    });
    int flags_after = -1, misses_after = -1, held_after = -1;
    driver.stop_when = [&] {
        if (frame() < 7) return false;
        flags_after = A + B + C + D + E, misses_after = nMISS, held_after = GP2X_Y;
        return true;
    };
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(flags_after, 0);
    EXPECT_EQ(misses_after, 1);  // the press of frame 5 only
    EXPECT_EQ(held_after, 1);
}

// How a song ended, seen at the first picture of its fail or results screen.
struct EndSeen {
    bool results = false, failed = false;
    long frame = 0;  // the frame that ended it
    int misses = 0;
    int score = 0;
};

struct SkipCase {
    const char* name;
    int song;
    std::vector<SDLKey> held_keys;  // pressed one a frame before the skip key
    int balance_at_skip;            // set in the skip key's frame, before its press
    bool fails;
    int misses_of_skip;             // misses counted by the skip key's press pass
};

class SkipKeyTest : public PlayTest, public ::testing::WithParamInterface<SkipCase> {};

TEST_P(SkipKeyTest, EndsTheSongFromTheNextFrameAfterJudgingTheHeldLanes)
{
    const SkipCase& c = GetParam();
    choose_song(c.song);
    constexpr long FIRST = 40;
    const long skip_frame = FIRST + static_cast<long>(c.held_keys.size());
    int misses_before = 0;
    each_frame([&](long k) {
        if (k >= FIRST && k < skip_frame) driver.key_down(c.held_keys[k - FIRST]);
        if (k == skip_frame) {
            Balanca = c.balance_at_skip;
            misses_before = nMISS;
            nSCORE = 230;
            driver.key_down(SKIP_KEY);
        }
    });
    EndSeen seen;
    driver.on_flip = [&](SDL_Surface*) {
        if (seen.results || seen.failed) return;
        seen.failed = loses == 1;
        seen.results = driver.count_effect(snd_win) == 1;
        if (!seen.results && !seen.failed) return;
        seen.frame = frame() + 1;
        seen.misses = nMISS - misses_before;
        seen.score = nSCORE;
    };
    driver.stop_when = [&] { return seen.results || seen.failed; };
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(seen.failed, c.fails);
    EXPECT_EQ(seen.results, !c.fails);
    EXPECT_EQ(seen.frame, skip_frame + 1);
    EXPECT_EQ(seen.misses, c.misses_of_skip);
    EXPECT_TRUE(every_slot_at_top());
    EXPECT_EQ(seen.score, 230);  // the score reached so far stands
    EXPECT_EQ(wins, !c.fails && c.song != SONG_TUTORIAL ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, SkipKeyTest,
    ::testing::Values(SkipCase{"NothingHeldCompletesTheSongWithItsWin", 0, {}, 0, false, 0},
                      SkipCase{"NothingHeldCompletesTheTutorialWithoutAWin", SONG_TUTORIAL, {}, 3, false, 0},
                      SkipCase{"HeldLanesCountAMissEach", 3, {SDLK_a, SDLK_f}, 0, false, 2},
                      SkipCase{"TheFailTestComesFirst", 2, {SDLK_s}, -5, true, 1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
