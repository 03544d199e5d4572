// The stopwatch on the game clock and the blit helpers.
#include "harness/game_fixture.h"
#include "shell/blit.h"
#include "shell/timer.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

// A stopwatch script: each step does one thing, then checks what the
// stopwatch reports, then lets the clock run on.
enum class Op { Look, Start, Stop, Pause, Unpause };

struct TimerStep {
    Op op;
    int ticks;
    bool started;
    bool paused;
    Uint32 then_advance;
};

struct TimerCase {
    const char* name;
    std::vector<TimerStep> steps;
};
void PrintTo(const TimerCase& c, std::ostream* os) { *os << c.name; }

class TimerTest : public ::testing::TestWithParam<TimerCase> {
protected:
    void SetUp() override
    {
        driver.reset();
        driver.now = 1000;  // a clock that is not at 0, so a start from 0 shows
        driver.install();
    }
    void TearDown() override { driver.uninstall(); }
    ScriptDriver& driver = ScriptDriver::instance();
    Timer timer;
};

TEST_P(TimerTest, ReportsWhatEachStepLeaves)
{
    int n = 0;
    for (const TimerStep& step : GetParam().steps) {
        switch (step.op) {
        case Op::Look: break;
        case Op::Start: timer.start(); break;
        case Op::Stop: timer.stop(); break;
        case Op::Pause: timer.pause(); break;
        case Op::Unpause: timer.unpause(); break;
        }
        ++n;
        EXPECT_EQ(timer.get_ticks(), step.ticks) << "step " << n;
        EXPECT_EQ(timer.is_started(), step.started) << "step " << n;
        EXPECT_EQ(timer.is_paused(), step.paused) << "step " << n;
        driver.now += step.then_advance;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, TimerTest,
    ::testing::Values(
        TimerCase{"FreshReportsNothing", {{Op::Look, 0, false, false, 0}}},
        TimerCase{"RunsPausesAndContinuesFromTheFrozenValue",
                  {{Op::Start, 0, true, false, 30},
                   {Op::Look, 30, true, false, 0},
                   {Op::Pause, 30, true, true, 500},
                   {Op::Look, 30, true, true, 0},
                   {Op::Unpause, 30, true, false, 20},
                   {Op::Look, 50, true, false, 0},
                   {Op::Stop, 0, false, false, 0}}},
        TimerCase{"PauseBeforeStartAndUnpauseWhileRunningDoNothing",
                  {{Op::Pause, 0, false, false, 10},
                   {Op::Unpause, 0, false, false, 0},
                   {Op::Start, 0, true, false, 40},
                   {Op::Unpause, 40, true, false, 0},
                   // Restarting re-bases the count, as the play loop does every frame.
                   {Op::Start, 0, true, false, 0}}},
        TimerCase{"SecondPauseKeepsTheFirstFrozenValue",
                  {{Op::Start, 0, true, false, 30},
                   {Op::Pause, 30, true, true, 20},
                   {Op::Pause, 30, true, true, 0},
                   {Op::Unpause, 30, true, false, 5},
                   {Op::Look, 35, true, false, 0}}},
        TimerCase{"StartOnAPausedStopwatchRunsAgainFromZero",
                  {{Op::Start, 0, true, false, 30},
                   {Op::Pause, 30, true, true, 100},
                   {Op::Start, 0, true, false, 7},
                   {Op::Look, 7, true, false, 0},
                   {Op::Pause, 7, true, true, 0}}},
        TimerCase{"StopOnAPausedStopwatchEndsThePause",
                  {{Op::Start, 0, true, false, 30},
                   {Op::Pause, 30, true, true, 10},
                   {Op::Stop, 0, false, false, 10},
                   {Op::Unpause, 0, false, false, 10},
                   {Op::Pause, 0, false, false, 0},
                   {Op::Start, 0, true, false, 5},
                   {Op::Look, 5, true, false, 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

// apply_surface and its twin apply_surface0 behave alike: each case runs on both.
struct BlitHelper {
    const char* name;
    void (*draw)(int, int, SDL_Surface*, SDL_Surface*, SDL_Rect*);
};
void PrintTo(const BlitHelper& h, std::ostream* os) { *os << h.name; }

class BlitTest : public ::testing::TestWithParam<BlitHelper> {
protected:
    void SetUp() override { screen = solid_surface(320, 240, 0, 0, 0); }
    void TearDown() override { SDL_FreeSurface(screen); }
    void draw(int x, int y, SDL_Surface* source, SDL_Rect* clip) { GetParam().draw(x, y, source, screen, clip); }
    SDL_Surface* screen = nullptr;
};

TEST_P(BlitTest, NullClipDrawsTheWholeSourceAtThePosition)
{
    SDL_Surface* red = solid_surface(10, 5, 255, 0, 0);
    draw(100, 50, red, nullptr);
    EXPECT_EQ(rgb_at(screen, 100, 50), 0xFF0000u);
    EXPECT_EQ(rgb_at(screen, 109, 54), 0xFF0000u);
    EXPECT_EQ(rgb_at(screen, 110, 54), 0u);
    EXPECT_EQ(rgb_at(screen, 109, 55), 0u);
    EXPECT_EQ(rgb_at(screen, 99, 50), 0u);
    EXPECT_EQ(rgb_at(screen, 100, 49), 0u);
    SDL_FreeSurface(red);
}

TEST_P(BlitTest, NeckClipLeftOfTheImageShiftsTheDrawingRight)
{
    // A 240 x 1080 neck whose rows 540.. are green, rows above red.
    SDL_Surface* neck = solid_surface(240, 1080, 255, 0, 0);
    SDL_Rect lower = {0, 540, 240, 540};
    SDL_FillRect(neck, &lower, SDL_MapRGB(neck->format, 0, 255, 0));
    SDL_Rect camera = {-80, 540, 320, 540};
    draw(0, 0, neck, &camera);
    EXPECT_EQ(rgb_at(screen, 79, 0), 0u);
    EXPECT_EQ(rgb_at(screen, 80, 0), 0x00FF00u);
    EXPECT_EQ(rgb_at(screen, 319, 239), 0x00FF00u);
    // The helper leaves the clip as it was: nothing is written back into it.
    EXPECT_EQ(camera.x, -80);
    EXPECT_EQ(camera.y, 540);
    EXPECT_EQ(camera.w, 320);
    EXPECT_EQ(camera.h, 540);
    SDL_FreeSurface(neck);
}

TEST_P(BlitTest, CellPastTheSourcesEdgesIsCutThere)
{
    // A 20 x 20 sheet, its lower right quarter blue; the cell starts in that
    // quarter and reaches 20 pixels past the sheet's right and bottom edges.
    SDL_Surface* sheet = solid_surface(20, 20, 255, 0, 0);
    SDL_Rect quarter = {10, 10, 10, 10};
    SDL_FillRect(sheet, &quarter, SDL_MapRGB(sheet->format, 0, 0, 255));
    SDL_Rect cell = {10, 10, 30, 30};
    draw(200, 100, sheet, &cell);
    EXPECT_EQ(rgb_at(screen, 200, 100), 0x0000FFu);
    EXPECT_EQ(rgb_at(screen, 209, 109), 0x0000FFu);
    EXPECT_EQ(rgb_at(screen, 210, 109), 0u);
    EXPECT_EQ(rgb_at(screen, 209, 110), 0u);
    SDL_FreeSurface(sheet);
}

TEST_P(BlitTest, TextWiderThanTheScreenIsCutAtTheLeftEdge)
{
    SDL_Surface* wide = solid_surface(400, 10, 0, 0, 255);
    const int x = (320 - wide->w) / 2;
    EXPECT_EQ(x, -40);
    draw(x, 0, wide, nullptr);
    EXPECT_EQ(rgb_at(screen, 0, 0), 0x0000FFu);
    EXPECT_EQ(rgb_at(screen, 319, 9), 0x0000FFu);
    EXPECT_EQ(rgb_at(screen, 0, 10), 0u);
    SDL_FreeSurface(wide);
}

INSTANTIATE_TEST_SUITE_P(Helpers, BlitTest,
                         ::testing::Values(BlitHelper{"apply_surface", apply_surface},
                                           BlitHelper{"apply_surface0", apply_surface0}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
