// The stopwatch on the game clock and the blit helpers.
#include "harness/game_fixture.h"
#include "shell/blit.h"
#include "shell/timer.h"

#include <gtest/gtest.h>

namespace {

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        driver.reset();
        driver.now = 1000;
        driver.install();
    }
    void TearDown() override { driver.uninstall(); }
    ScriptDriver& driver = ScriptDriver::instance();
    Timer timer;
};

TEST_F(TimerTest, FreshTimerReportsNothing)
{
    EXPECT_EQ(timer.get_ticks(), 0);
    EXPECT_FALSE(timer.is_started());
    EXPECT_FALSE(timer.is_paused());
}

TEST_F(TimerTest, RunsPausesAndContinuesFromTheFrozenValue)
{
    timer.start();
    driver.now += 30;
    EXPECT_EQ(timer.get_ticks(), 30);
    timer.pause();
    driver.now += 500;
    EXPECT_EQ(timer.get_ticks(), 30);
    EXPECT_TRUE(timer.is_paused());
    timer.unpause();
    driver.now += 20;
    EXPECT_EQ(timer.get_ticks(), 50);
    timer.stop();
    EXPECT_EQ(timer.get_ticks(), 0);
}

TEST_F(TimerTest, PauseBeforeStartAndUnpauseWhileRunningDoNothing)
{
    timer.pause();
    EXPECT_FALSE(timer.is_paused());
    timer.start();
    driver.now += 40;
    timer.unpause();
    EXPECT_EQ(timer.get_ticks(), 40);
    // Restarting re-bases the count, as the play loop does every frame.
    timer.start();
    EXPECT_EQ(timer.get_ticks(), 0);
}

class BlitTest : public ::testing::Test {
protected:
    void SetUp() override { screen = solid_surface(320, 240, 0, 0, 0); }
    void TearDown() override { SDL_FreeSurface(screen); }
    SDL_Surface* screen = nullptr;
};

TEST_F(BlitTest, NullClipDrawsTheWholeSourceAtThePosition)
{
    SDL_Surface* red = solid_surface(10, 5, 255, 0, 0);
    apply_surface(100, 50, red, screen, nullptr);
    EXPECT_EQ(rgb_at(screen, 100, 50), 0xFF0000u);
    EXPECT_EQ(rgb_at(screen, 109, 54), 0xFF0000u);
    EXPECT_EQ(rgb_at(screen, 110, 54), 0u);
    EXPECT_EQ(rgb_at(screen, 99, 50), 0u);
    SDL_FreeSurface(red);
}

TEST_F(BlitTest, NeckClipLeftOfTheImageShiftsTheDrawingRight)
{
    // A 240 x 1080 neck whose rows 540.. are green, rows above red.
    SDL_Surface* neck = solid_surface(240, 1080, 255, 0, 0);
    SDL_Rect lower = {0, 540, 240, 540};
    SDL_FillRect(neck, &lower, SDL_MapRGB(neck->format, 0, 255, 0));
    SDL_Rect camera = {-80, 540, 320, 540};
    apply_surface(0, 0, neck, screen, &camera);
    EXPECT_EQ(rgb_at(screen, 79, 0), 0u);
    EXPECT_EQ(rgb_at(screen, 80, 0), 0x00FF00u);
    EXPECT_EQ(rgb_at(screen, 319, 239), 0x00FF00u);
    // The helper leaves the clip as it was.
    EXPECT_EQ(camera.x, -80);
    EXPECT_EQ(camera.w, 320);
    SDL_FreeSurface(neck);
}

TEST_F(BlitTest, TextWiderThanTheScreenIsCutAtTheLeftEdge)
{
    SDL_Surface* wide = solid_surface(400, 10, 0, 0, 255);
    const int x = (320 - wide->w) / 2;
    EXPECT_EQ(x, -40);
    apply_surface(x, 0, wide, screen, nullptr);
    EXPECT_EQ(rgb_at(screen, 0, 0), 0x0000FFu);
    EXPECT_EQ(rgb_at(screen, 319, 9), 0x0000FFu);
    SDL_FreeSurface(wide);
}

}  // namespace
