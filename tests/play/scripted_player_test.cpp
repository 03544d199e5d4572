// Whole songs on the virtual clock: a scripted player against what the chart
// and the rules give, and a song left alone until it fails.
#include "play/play_fixture.h"
#include "play/play_model.h"

#include "highway/judge_state.h"
#include "shell/image_table.h"
#include "shell/resources.h"
#include "shell/results.h"

#include <SDL/SDL_mixer.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr SDLKey LANE_LETTERS[model::LANES] = {SDLK_a, SDLK_s, SDLK_d, SDLK_f, SDLK_g};

struct Counters {
    int nSCORE, nHITS, tHITS, nHit, nMISS, Balanca, nSTREAK;
    bool operator==(const Counters& o) const
    {
        return nSCORE == o.nSCORE && nHITS == o.nHITS && tHITS == o.tHITS && nHit == o.nHit && nMISS == o.nMISS &&
               Balanca == o.Balanca && nSTREAK == o.nSTREAK;
    }
};

std::ostream& operator<<(std::ostream& out, const Counters& c)
{
    return out << "score " << c.nSCORE << ", streak " << c.nHITS << ", accuracy hits " << c.tHITS << ", hits "
               << c.nHit << ", misses " << c.nMISS << ", rock meter " << c.Balanca << ", longest " << c.nSTREAK;
}

Counters game_counters() { return {nSCORE, nHITS, tHITS, nHit, nMISS, Balanca, nSTREAK}; }

Counters expected_counters(const model::Outcome& o)
{
    return {o.nSCORE, o.nHITS, o.tHITS, o.nHit, o.nMISS, o.Balanca, o.nSTREAK};
}

// Width of the star line's cell for an accuracy: one star up to 19 percent,
// one more for every ten from 20, ten at 100, none outside 0..100.
int star_width(int percent)
{
    constexpr int WIDTHS[] = {21, 41, 63, 83, 105, 125, 147, 167, 189, 209};
    if (percent < 0 || percent > 100) return 0;
    return WIDTHS[percent < 20 ? 0 : percent / 10 - 1];
}

int red_run(SDL_Surface* picture, int x, int y)
{
    int n = 0;
    while (x + n < picture->w && rgb_at(picture, x + n, y) == as_shown(picture, 255, 0, 0)) ++n;
    return n;
}

struct SongCase {
    const char* name;
    int song;
    const Chart* chart;
    int end_time;
    int wins_after;
};

class ScriptedPlayerTest : public PlayTest, public ::testing::WithParamInterface<SongCase> {};

TEST_P(ScriptedPlayerTest, EndsWithTheCountersAndTextsThatTheChartAndThePressesGive)
{
    const SongCase& c = GetParam();
    if (c.chart->count == 0) GTEST_SKIP() << "the chart of " << c.name << " is not built yet";
    const model::Plan plan = model::plan_player(*c.chart);
    const model::Outcome expected = model::Song(*c.chart, c.end_time).play(plan);
    ASSERT_FALSE(expected.failed);

    // Plain pictures under the results, so that every text can be read back.
    replace_image(show_you_win, 320, 240, 0, 0, 96);
    replace_image(star, 209, 39, 255, 0, 0);
    replace_image(starNull, 209, 39, 96, 96, 96);

    choose_song(c.song);
    int pressed = 1;
    each_frame([&](long k) {
        const auto key = plan.find(k);
        if (key == plan.end()) return;
        if (key->second.lane == 0) return driver.key_up(LANE_LETTERS[pressed - 1]);
        pressed = key->second.lane;
        driver.key_down(LANE_LETTERS[pressed - 1]);
    });
    Snapshot results;
    Counters at_results{};
    int wins_at_results = -1;
    driver.on_flip = [&](SDL_Surface* shown) {
        if (results || rgb_at(shown, 0, 0) != as_shown(shown, 0, 0, 96)) return;
        results.take(shown);
        at_results = game_counters();
        wins_at_results = wins;
    };
    driver.stop_when = [&] { return static_cast<bool>(results); };  // the name entry's first poll

    EXPECT_EQ(run_game(), STOPPED);
    ASSERT_TRUE(results);
    EXPECT_EQ(frame(), expected.end_frame - 1);
    EXPECT_EQ(at_results, expected_counters(expected));
    EXPECT_EQ(driver.count_effect(snd_miss), expected.miss_sounds);
    EXPECT_EQ(driver.count_effect(snd_bonus), expected.bonus_sounds);
    EXPECT_EQ(wins_at_results, c.wins_after);
    EXPECT_EQ(loses, 0);

    const int percent = expected.tHITS * 100 / c.chart->count;
    EXPECT_EQ(percent_score, percent);
    SDL_Surface* shot = results.get();
    const Uint32 background = as_shown(shot, 0, 0, 96);
    const std::string lines[] = {std::to_string(expected.nSCORE),
                                 "ACCURACY: " + std::to_string(percent) + " percents",
                                 "LONGEST NOTE STREAK: " + std::to_string(expected.nSTREAK)};
    EXPECT_TRUE(shows_centred_text(shot, font_big, lines[0].c_str(), color_white, background, 60)) << lines[0];
    EXPECT_TRUE(shows_centred_text(shot, font_small2, lines[1].c_str(), color_white, background, 180)) << lines[1];
    // The accuracy line, 10 rows higher, reaches into the streak line's box.
    const int shared = TTF_FontHeight(font_small2) - 10;
    EXPECT_TRUE(shows_centred_text(shot, font_small2, lines[2].c_str(), color_white, background, 190, shared))
        << lines[2];
    EXPECT_EQ(red_run(shot, 55, 110), star_width(percent));
    std::printf("%s: %d of %d notes hit for accuracy, %d misses, %d percent\n", c.name, expected.tHITS,
                c.chart->count, expected.nMISS, percent);
}

INSTANTIATE_TEST_SUITE_P(
    Songs, ScriptedPlayerTest,
    ::testing::Values(SongCase{"tutorial", SONG_TUTORIAL, &chart_tutorial, 146000, 0},
                      SongCase{"paranoid", 0, &chart_paranoid, 170000, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlayTest, ASongLeftAloneFailsAfterItsSixthMissAndTheMenuMusicComesBack)
{
    const model::Outcome expected = model::Song(chart_tutorial, 146000).play({});
    ASSERT_TRUE(expected.failed);
    ASSERT_GE(expected.nMISS, 6);

    choose_song(SONG_TUTORIAL);
    Counters at_fail{};
    long fail_frame = 0;
    driver.on_flip = [&](SDL_Surface*) {
        if (loses != 1 || fail_frame) return;
        at_fail = game_counters();
        fail_frame = frame() + 1;
    };
    std::vector<int> misses_by_frame = {0};  // after each frame's judges
    each_frame([&](long) { misses_by_frame.push_back(nMISS); });
    driver.stop_when = [this] { return back_at_main_menu(); };

    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(fail_frame, expected.end_frame);
    EXPECT_EQ(at_fail, expected_counters(expected));
    // The last frame played is the one whose passing notes made the sixth miss.
    ASSERT_EQ(static_cast<long>(misses_by_frame.size()), expected.end_frame);
    EXPECT_GE(misses_by_frame[expected.end_frame - 1], 6);
    EXPECT_LT(misses_by_frame[expected.end_frame - 2], 6);
    EXPECT_EQ(loses, 1);
    EXPECT_EQ(wins, 0);
    EXPECT_EQ(driver.count_effect(snd_lose), 1);
    EXPECT_EQ(driver.count_effect(snd_win), 0);
    EXPECT_EQ(driver.music.back().kind, MusicCall::Play);
    EXPECT_EQ(driver.music.back().music, music_menu);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(Mix_PausedMusic(), 0);
}

}  // namespace
