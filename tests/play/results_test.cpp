// The song table's facts where they show, and the results screen: accuracy
// over the chart's note count, star line, unlock message, wins, and the way
// on to the name entry.
#include "play/play_fixture.h"

#include "charts/chart_data.h"
#include "highway/judge_state.h"
#include "shell/image_table.h"
#include "shell/play_input.h"
#include "shell/resources.h"
#include "shell/results.h"
#include "shell/song_table.h"

#include <SDL/SDL_mixer.h>

#include <filesystem>
#include <string>

namespace {

TEST(SongTable, HasARowForEverySongAndTheTutorialOnly)
{
    for (int song : {0, 1, 2, 3, 4, SONG_TUTORIAL}) {
        ASSERT_NE(song_row(song), nullptr) << song;
        EXPECT_EQ(song_row(song)->count_song, song);
        EXPECT_LT(song_row(song)->end_time, SKIPPED_SONG_CLOCK);
    }
    for (int other : {-1, 5, 6, 98, 100}) EXPECT_EQ(song_row(other), nullptr) << other;
}

TEST(SongTable, AccuracyDividesByTheNotesOfTheSongsOwnChart)
{
    const struct {
        int song;
        const Chart& chart;
    } charts[] = {{0, chart_paranoid},    {1, chart_highwaytohell},        {2, chart_aceofspades},
                  {3, chart_runtothehills}, {4, chart_forwhomthebellstolls}, {SONG_TUTORIAL, chart_tutorial}};
    for (const auto& c : charts) {
        if (c.chart.count == 0) continue;  // not built yet
        EXPECT_EQ(song_row(c.song)->note_count, c.chart.count) << c.song;
    }
}

struct ResultsCase {
    const char* name;
    int song;
    int wins_before;
    int accuracy_hits;  // tHITS at the end
    int percent;
    int stars;
    bool unlock;
    const char* score_file;
};

class ResultsTest : public PlayTest, public ::testing::WithParamInterface<ResultsCase> {};

TEST_P(ResultsTest, ShowAccuracyStarsAndUnlockThenGoOnToTheNameEntry)
{
    const ResultsCase& c = GetParam();
    replace_image(show_you_win, 320, 240, 0, 0, 96);
    replace_image(star, 209, 39, 255, 0, 0);
    replace_image(starNull, 209, 39, 96, 96, 96);
    wins = c.wins_before;
    choose_song(c.song);
    each_frame([&](long k) {
        if (k != 5) return;
        tHITS = c.accuracy_hits;
        driver.key_down(SKIP_KEY);
    });
    Snapshot results;
    bool music_on_at_results = false;
    driver.on_flip = [&](SDL_Surface* shown) {
        if (results || rgb_at(shown, 0, 0) != as_shown(shown, 0, 0, 96)) return;
        results.take(shown);
        music_on_at_results = Mix_PlayingMusic() == 1 && Mix_PausedMusic() == 0;
        for (int i = 0; i < 3; ++i) driver.key_down(BUTTON_A);  // a name for the high-score line
    };
    driver.stop_when = [this] { return back_at_main_menu(); };
    EXPECT_EQ(run_game(), STOPPED);

    ASSERT_TRUE(results);
    SDL_Surface* shot = results.get();
    const Uint32 background = as_shown(shot, 0, 0, 96);
    EXPECT_EQ(percent_score, c.percent);
    const std::string accuracy = "ACCURACY: " + std::to_string(c.percent) + " percents";
    EXPECT_TRUE(shows_centred_text(shot, font_small2, accuracy.c_str(), color_white, background, 180)) << accuracy;
    constexpr int WIDTHS[] = {0, 21, 41, 63, 83, 105, 125, 147, 167, 189, 209};
    int red = 0;
    while (rgb_at(shot, 55 + red, 110) == as_shown(shot, 255, 0, 0)) ++red;
    EXPECT_EQ(red, WIDTHS[c.stars]);
    if (c.stars < 10) {
        EXPECT_EQ(rgb_at(shot, 55 + 208, 110), as_shown(shot, 96, 96, 96));  // the empty line
    }
    EXPECT_EQ(shows_centred_text(shot, font_small2, "NEW GUITAR UNLOCK IN GALERY!", color_yellow, background, 160),
              c.unlock);
    EXPECT_EQ(wins, c.wins_before + (c.song == SONG_TUTORIAL ? 0 : 1));
    EXPECT_EQ(driver.count_effect(snd_win), 1);
    EXPECT_TRUE(music_on_at_results);  // the song plays on
    EXPECT_TRUE(std::filesystem::exists(dir / c.score_file));
}

INSTANTIATE_TEST_SUITE_P(
    Ends, ResultsTest,
    ::testing::Values(ResultsCase{"FullMarksAndTheFifthWinUnlock", 0, 4, 416, 100, 10, true, "data/DATA0.dat"},
                      ResultsCase{"ThirdWinAfterTheFirstSongUnlocksNothing", 0, 2, 208, 50, 5, false, "data/DATA0.dat"},
                      ResultsCase{"ThirdWinAfterAnotherSongUnlocks", 1, 2, 122, 19, 1, true, "data/DATA1.dat"},
                      ResultsCase{"SmallNegativeIsZeroPercentAndOneStar", 2, 0, -4, 0, 1, false, "data/DATA2.dat"},
                      ResultsCase{"NegativeShowsNoStarsAndPastTwentyFiveNoUnlock", 3, 25, -4, -1, 0, false,
                                  "data/DATA3.dat"},
                      ResultsCase{"AboveAHundredShowsNoStars", 4, 7, 868, 101, 0, true, "data/DATA4.dat"},
                      ResultsCase{"TutorialNeverWins", SONG_TUTORIAL, 4, 63, 100, 10, false, "data/DATA6.dat"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StarLine, OneStarUpToNineteenThenOneMoreEveryTenAndNoneOutside)
{
    const struct {
        int percent, stars;
    } cases[] = {{-1, 0}, {0, 1}, {19, 1}, {20, 2}, {29, 2}, {55, 5}, {99, 9}, {100, 10}, {101, 0}};
    for (const auto& c : cases) EXPECT_EQ(stars_for(c.percent), c.stars) << c.percent;
}

}  // namespace
