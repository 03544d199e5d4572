// One play frame: the head-up display with the streak bonus and the
// multiplier, the rock meter's clamp and cover, the song clock, the neck
// scroll and the frame cap.
#include "play/play_fixture.h"

#include "highway/judge_state.h"
#include "shell/image_table.h"
#include "shell/play_field.h"
#include "shell/resources.h"
#include "shell/video.h"

#include <string>
#include <vector>

namespace {

// Frames early in the tutorial, long before its first note.
constexpr long SET_AT = 10;

class PlayFrameTest : public PlayTest {
protected:
    void SetUp() override
    {
        PlayTest::SetUp();
        // A plain field left of the neck, so that the texts there can be read.
        replace_image(BG00, 320, 240, 0, 0, 96);
        replace_image(my_surfScore, 1, 1, 0, 0, 96);
        choose_song(SONG_TUTORIAL);
    }

    // Keeps a copy of the picture that frame `k` presents.
    void snapshot_frame(long k, Snapshot& shot)
    {
        driver.on_flip = [this, k, &shot, seen = 0L](SDL_Surface* shown) mutable {
            if (driver.updates == seen) return;  // a flip, not the frame's update
            seen = driver.updates;
            if (seen == k) shot.take(shown);
        };
    }

    Uint32 field() const { return as_shown(screen, 0, 0, 96); }
};

struct StreakCase {
    const char* name;
    int streak;        // set after the judges of frame SET_AT
    int streak_after;  // after the next frame's bonus
    int bonus_sounds;
    Uint8 cell_r, cell_g, cell_b;  // the multiplier's top cell
};

class StreakTest : public PlayFrameTest, public ::testing::WithParamInterface<StreakCase> {};

TEST_P(StreakTest, BonusAtFiveAndTenShowsInTheNextFrameOverTheMultiplierOfTheStreakShown)
{
    const StreakCase& c = GetParam();
    // Multiplier cells x1, x2, x3 in red, green and blue.
    replace_image(multiplicador, 77, 57, 255, 0, 0);
    SDL_Rect x2 = {0, 19, 77, 19}, x3 = {0, 38, 77, 19};
    SDL_FillRect(multiplicador, &x2, SDL_MapRGB(multiplicador->format, 0, 255, 0));
    SDL_FillRect(multiplicador, &x3, SDL_MapRGB(multiplicador->format, 0, 0, 255));

    Snapshot shown, next;
    snapshot_frame(SET_AT + 1, shown);
    int streak_after = 0, longest_after_two = 0;
    each_frame([&](long k) {
        if (k == SET_AT) nHITS = c.streak;
        if (k == SET_AT + 1) streak_after = nHITS;
        if (k == SET_AT + 2) longest_after_two = nSTREAK;
    });
    driver.stop_when = [this] { return frame() > SET_AT + 2; };
    EXPECT_EQ(run_game(), STOPPED);

    ASSERT_TRUE(shown);
    SDL_Surface* shot = shown.get();
    EXPECT_EQ(streak_after, c.streak_after);
    EXPECT_EQ(driver.count_effect(snd_bonus), c.bonus_sounds);
    EXPECT_EQ(rgb_at(shot, 0, 180), as_shown(shot, c.cell_r, c.cell_g, c.cell_b));
    // The streak number was formatted before the bonus.
    EXPECT_TRUE(shows_text_at(shot, font_small, std::to_string(c.streak).c_str(), color_white, field(), 40, 29));
    EXPECT_TRUE(shows_text_at(shot, font_small, "0", color_white, field(), 40, 11));
    // The longest streak follows by one a frame.
    EXPECT_EQ(longest_after_two, c.streak > 0 ? 2 : 0);
}

INSTANTIATE_TEST_SUITE_P(Streaks, StreakTest,
                         ::testing::Values(StreakCase{"Four", 4, 4, 0, 255, 0, 0},
                                           StreakCase{"Five", 5, 6, 1, 0, 255, 0},
                                           StreakCase{"Nine", 9, 9, 0, 0, 255, 0},
                                           StreakCase{"Ten", 10, 11, 1, 0, 0, 255},
                                           StreakCase{"Eleven", 11, 11, 0, 0, 0, 255},
                                           StreakCase{"NegativeAfterChords", -3, -3, 0, 255, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

struct MeterCase {
    const char* name;
    int balance;       // set after the judges of frame SET_AT
    int kept;          // after the next frame's clamp
    int covered_rows;  // of the meter, from its top
};

void PrintTo(const MeterCase& c, std::ostream* out) { *out << c.name; }

class RockMeterTest : public PlayFrameTest, public ::testing::WithParamInterface<MeterCase> {};

TEST_P(RockMeterTest, IsKeptWithinSixAndCoveredFromTheTopByItsCell)
{
    const MeterCase& c = GetParam();
    replace_image(my_surfRockometro, 11, 160, 255, 0, 0);   // the cover
    replace_image(my_surfRockometro2, 11, 160, 0, 255, 0);  // the base
    // A fail picture too small to hide the meter: a meter at its bottom fails
    // the song in the frame that draws it, and the fail screen's flip is the
    // first to show that frame.
    replace_image(show_lose, 1, 1, 0, 0, 96);
    Snapshot shown;
    int kept = 99;
    bool armed = false;
    each_frame([&](long k) {
        if (k != SET_AT) return;
        Balanca = c.balance;
        armed = true;
    });
    driver.on_flip = [&](SDL_Surface* picture) {
        if (!armed || shown) return;
        shown.take(picture);
        kept = Balanca;
    };
    driver.stop_when = [&] { return bool(shown); };
    EXPECT_EQ(run_game(), STOPPED);

    ASSERT_TRUE(shown);
    EXPECT_EQ(kept, c.kept);
    EXPECT_EQ(loses, c.kept == -6 ? 1 : 0);
    int covered = 0;
    while (covered < 160 && rgb_at(shown.get(), 300, 10 + covered) == as_shown(shown.get(), 255, 0, 0)) ++covered;
    EXPECT_EQ(covered, c.covered_rows);
    if (covered < 160) {
        EXPECT_EQ(rgb_at(shown.get(), 300, 10 + covered), as_shown(shown.get(), 0, 255, 0));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, RockMeterTest,
    ::testing::Values(MeterCase{"NineIsKeptAtSix", 9, 6, 0}, MeterCase{"Six", 6, 6, 0}, MeterCase{"Five", 5, 5, 10},
                      MeterCase{"Four", 4, 4, 20}, MeterCase{"Three", 3, 3, 40}, MeterCase{"Two", 2, 2, 50},
                      MeterCase{"One", 1, 1, 70}, MeterCase{"Zero", 0, 0, 80}, MeterCase{"MinusOne", -1, -1, 90},
                      MeterCase{"MinusTwo", -2, -2, 100}, MeterCase{"MinusThree", -3, -3, 120},
                      MeterCase{"MinusFour", -4, -4, 140}, MeterCase{"MinusFive", -5, -5, 150},
                      MeterCase{"MinusSixFails", -6, -6, 160}, MeterCase{"MinusEightIsKeptAtMinusSix", -8, -6, 160}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlayFrameTest, ARockMeterBelowTheBottomIsKeptAtMinusSixAndFailsInTheSameFrame)
{
    each_frame([](long k) {
        if (k == SET_AT) Balanca = -8;
    });
    int meter_at_fail = 0;
    long updates_at_fail = 0;
    driver.on_flip = [&](SDL_Surface*) {
        if (loses == 1 && !updates_at_fail) meter_at_fail = Balanca, updates_at_fail = driver.updates;
    };
    driver.stop_when = [this] { return back_at_main_menu(); };
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(meter_at_fail, -6);
    EXPECT_EQ(updates_at_fail, SET_AT);  // the failing frame presents no play field
    EXPECT_EQ(loses, 1);
}

TEST_F(PlayFrameTest, SongClockShowsMinutesAndSecondsOfTheFrame)
{
    // Frame k shows the clock 50 (k - 1): frame 1 shows 0, frame 1301 65 s.
    Snapshot first, later;
    driver.on_flip = [&, seen = 0L](SDL_Surface* shown) mutable {
        if (driver.updates == seen) return;
        seen = driver.updates;
        if (seen == 1) first.take(shown);
        if (seen == 1301) later.take(shown);
    };
    driver.stop_when = [this] { return frame() > 1301; };
    EXPECT_EQ(run_game(), STOPPED);
    ASSERT_TRUE(first && later);
    EXPECT_TRUE(shows_text_at(first.get(), font_small, "Timer: 00:00", color_white, field(), 0, 50));
    EXPECT_TRUE(shows_text_at(later.get(), font_small, "Timer: 01:05", color_white, field(), 0, 50));
}

TEST_F(PlayFrameTest, NeckScrollsTenRowsAFrameAndWrapsEveryFiftyFourFrames)
{
    std::vector<int> clip_y;
    each_frame([&](long) { clip_y.push_back(camera.y); });
    driver.stop_when = [this] { return frame() > 56; };
    EXPECT_EQ(run_game(), STOPPED);
    ASSERT_GE(clip_y.size(), 56u);
    // The first frame draws at 540 and scrolls to 530; the 54th is back at 540.
    for (int k = 1; k <= 56; ++k) {
        const int step = k % 54;
        EXPECT_EQ(clip_y[k - 1], step == 0 ? 540 : 540 - 10 * step) << "frame " << k;
    }
}

// The frame cap, seen through a driver that records every sleep.
std::vector<Uint32> sleeps;
void recording_delay(Uint32 ms)
{
    sleeps.push_back(ms);
    ScriptDriver::delay(ms);
}
const PlatformDriver recording_driver = {
    ScriptDriver::get_ticks,  recording_delay,           ScriptDriver::poll_event, ScriptDriver::flip,
    ScriptDriver::update_rect, ScriptDriver::play_channel, ScriptDriver::play_music, ScriptDriver::pause_music,
    ScriptDriver::resume_music, Mix_Pause,                Mix_Resume,               Mix_HaltChannel,
};

struct CapCase {
    const char* name;
    Uint32 work_ms;  // what each frame's poll costs
    Uint32 period;   // from one frame's update to the next
    int sleep;       // the cap's sleep, or -1 for none
};

class FrameCapTest : public PlayFrameTest, public ::testing::WithParamInterface<CapCase> {};

TEST_P(FrameCapTest, SleepsOutTheRestOfFiftyMillisecondsAndNeverMakesUpForSlowFrames)
{
    const CapCase& c = GetParam();
    set_platform_driver(&recording_driver);
    std::vector<Uint32> update_times;
    size_t sleeps_before_play = 0;
    driver.on_flip = [&, seen = 0L](SDL_Surface*) mutable {
        if (driver.updates == seen) return;
        seen = driver.updates;
        if (seen == 1) sleeps_before_play = sleeps.size(), driver.poll_cost_ms = c.work_ms;
        update_times.push_back(driver.now);
    };
    driver.stop_when = [this] { return frame() > 20; };
    EXPECT_EQ(run_game(), STOPPED);

    ASSERT_EQ(update_times.size(), 21u);
    for (size_t k = 2; k < update_times.size(); ++k) EXPECT_EQ(update_times[k] - update_times[k - 1], c.period);
    const std::vector<Uint32> in_play(sleeps.begin() + static_cast<long>(sleeps_before_play), sleeps.end());
    if (c.sleep < 0) {
        EXPECT_TRUE(in_play.empty());
    } else {
        ASSERT_EQ(in_play.size(), 20u);
        for (Uint32 ms : in_play) EXPECT_EQ(ms, static_cast<Uint32>(c.sleep));
    }
}

INSTANTIATE_TEST_SUITE_P(Work, FrameCapTest,
                         ::testing::Values(CapCase{"NoWork", 0, 50, 50}, CapCase{"Thirty", 30, 50, 20},
                                           CapCase{"FortyNine", 49, 50, 1}, CapCase{"Fifty", 50, 50, -1},
                                           CapCase{"Seventy", 70, 70, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
