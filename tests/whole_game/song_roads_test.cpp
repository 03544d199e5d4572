// Every road of the game, from the start-up to the exit row, on the virtual
// clock: each song and the tutorial played to the end by the scripted player,
// with the name entry and its line in the song's high-score file, seen again
// in the high-score view; each left alone until it fails; and a song left
// from the pause screen. The credits, the gallery and the options are
// visited on the way.
#include "harness/pictures.h"
#include "harness/road.h"
#include "harness/routes.h"
#include "highway/judge_state.h"
#include "shell/credits.h"
#include "shell/image_table.h"
#include "shell/keys.h"
#include "shell/main_menu.h"
#include "shell/play_field.h"
#include "shell/play_menu.h"
#include "shell/resources.h"
#include "shell/settings.h"
#include "shell/song_state.h"
#include "shell/video.h"

#include <SDL/SDL_mixer.h>

#include <algorithm>
#include <string>

namespace {

struct SongCase {
    const char* name;
    int song;            // count_song
    const Chart* chart;
    int end_time;        // song clock (ms) that completes it
    const char* file;    // the high-score file it appends to
    int page;            // the high-score view's page of that file
    bool counts_as_win;
    const char* player;  // the name entered after it
};

const SongCase SONGS[] = {
    {"tutorial", SONG_TUTORIAL, &chart_tutorial, 146000, "data/DATA6.dat", 6, false, "T0R"},
    {"paranoid", 0, &chart_paranoid, 170000, "data/DATA0.dat", 0, true, "PRN"},
    {"highwaytohell", 1, &chart_highwaytohell, 211000, "data/DATA1.dat", 1, true, "HTH"},
    {"aceofspades", 2, &chart_aceofspades, 188000, "data/DATA2.dat", 2, true, "ACE"},
    {"runtothehills", 3, &chart_runtothehills, 238000, "data/DATA3.dat", 3, true, "RTH"},
    {"forwhomthebellstolls", 4, &chart_forwhomthebellstolls, 309000, "data/DATA4.dat", 4, true, "FBT"},
};

void PrintTo(const SongCase& c, std::ostream* out) { *out << c.name; }

// A corner of the play screen, left of the neck and below the multiplier,
// that only the backdrop covers.
constexpr SDL_Rect BACKDROP_PROBE = {0, 200, 80, 40};

bool strip_matches(SDL_Surface* picture, SDL_Surface* image, const SDL_Rect& strip)
{
    for (int y = strip.y; y < strip.y + strip.h; ++y)
        for (int x = strip.x; x < strip.x + strip.w; ++x) {
            const Uint32 rgb = rgb_at(image, x, y);
            if (rgb_at(picture, x, y) != as_shown(picture, rgb >> 16, rgb >> 8 & 0xFF, rgb & 0xFF)) return false;
        }
    return true;
}

bool high_score_view_shows(int page)
{
    return menu1 && cursor_count == ROW_PLAY && menu3 && cursor_count2 == ROW_HIGH_SCORES && select_score == page;
}

// The file name of a data path ("data/DATA0.dat" gives "DATA0.dat").
std::string file_name(const char* path) { return std::string(path).substr(std::string("data/").size()); }

struct SongEnd {
    int nHit = -1, tHITS = -1, nMISS = -1, nSCORE = -1, wins = -1, loses = -1;
};

class SongRoadTest : public RoadTest, public ::testing::WithParamInterface<SongCase> {
protected:
    void SetUp() override
    {
        RoadTest::SetUp();
        if (GetParam().chart->count == 0) GTEST_SKIP() << "the chart of " << GetParam().name << " is not built yet";
    }

    // The song clock and the rock meter of the last play frame, as its input
    // poll sees them.
    long frames = 0;
    int last_msec = 0, last_balanca = 0, last_misses = 0;
    void record_frame(long frame)
    {
        frames = frame;
        last_msec = msec;
        last_balanca = Balanca;
        last_misses = nMISS;
    }
};

TEST_P(SongRoadTest, PlayedToTheEndItsNameLineGoesToItsFileAndShowsInTheView)
{
    const SongCase& c = GetParam();
    const player::Plan plan = player::plan_player(*c.chart);
    const int presses = player::presses_of(plan);
    ASSERT_GT(presses, 0);
    ASSERT_NE(backdrop_for(1), nullptr);
    ASSERT_FALSE(strip_matches(backdrop_for(1), backdrop_for(0), BACKDROP_PROBE)) << "backdrops 0 and 1 look alike there";
    replace_image(my_surfMenu5, 320, 240, 0, 0, 96);  // a plain view, to read its rows

    skip_intro();
    route::credits(driver, 30);
    route::gallery(driver);
    route::backdrop(driver, 1);
    route::song(driver, c.song);
    play_plan(plan);
    const auto press = in_play;
    bool backdrop_shown = false;
    in_play = [&, press](long frame) {
        if (frame == 1) backdrop_shown = strip_matches(screen, backdrop_for(1), BACKDROP_PROBE);
        record_frame(frame);
        press(frame);
    };
    SongEnd at;
    at_next(Mark::Completed, [&] {
        at = {nHit, tHITS, nMISS, nSCORE, wins, loses};
        route::name(driver, c.player);
        route::high_score_page(driver, 0, c.page);
        route::exit_game(driver);
    });

    Sint16 credits_scrolled = 0;
    long gallery_polls = 0;
    watch = [&] {
        credits_scrolled = std::max(credits_scrolled, camera_credits.y);
        gallery_polls += menu1 && cursor_count == ROW_GUITARS;
    };
    bool line_shown = false;
    driver.on_flip = [&](SDL_Surface* shown) {
        if (line_shown || at.nSCORE < 0 || !high_score_view_shows(c.page)) return;
        std::string row = high_score_line(c.player, at.nSCORE);
        row.pop_back();  // drawn without its line break
        // The header, 10 rows higher, reaches into the first row's box.
        line_shown = shows_text_at(shown, font_small, row.c_str(), color_white, as_shown(shown, 0, 0, 96), 80, 100,
                                   TTF_FontHeight(font_small) - 10);
    };

    EXPECT_EQ(run_game(), 0);
    EXPECT_EQ(marks(Mark::Completed), 1);
    EXPECT_EQ(marks(Mark::Failed), 0);
    // Complete in the first frame after the clock has reached the end time.
    EXPECT_GE(last_msec, c.end_time);
    EXPECT_LT(last_msec, c.end_time + player::FRAME_MS);
    // Every press in the middle of a hit window is a hit, and counts for accuracy.
    EXPECT_EQ(at.nHit, presses);
    EXPECT_EQ(at.tHITS, presses);
    EXPECT_GT(at.nSCORE, 0);
    EXPECT_EQ(at.wins, c.counts_as_win ? 1 : 0);
    EXPECT_EQ(at.loses, 0);
    EXPECT_EQ(read_file(c.file), high_score_line(c.player, at.nSCORE));
    EXPECT_EQ(data_files(), file_name(c.file));
    EXPECT_TRUE(line_shown) << "the high-score view did not show the new line";
    EXPECT_GT(credits_scrolled, 0);
    EXPECT_GT(gallery_polls, 0);
    EXPECT_EQ(bg_menu, 1);
    EXPECT_TRUE(backdrop_shown) << "the song was not played over the backdrop chosen in the options";
    EXPECT_EQ(stray_keys, 0);
    EXPECT_EQ(effects_without_channel(), 0);
    std::printf("%s: %ld frames, %d notes, %d presses, %d hits, %d misses, score %d\n", c.name, frames, c.chart->count,
                presses, at.nHit, at.nMISS, at.nSCORE);
}

TEST_P(SongRoadTest, LeftAloneFailsOnItsMissesAndWritesNoLine)
{
    const SongCase& c = GetParam();
    skip_intro();
    route::song(driver, c.song);
    in_play = [this](long frame) { record_frame(frame); };
    bool menu_music_back = false;
    at_next(Mark::Failed, [&] {
        menu_music_back = Mix_PlayingMusic() == 1 && Mix_PausedMusic() == 0;
        route::exit_game(driver);
    });

    EXPECT_EQ(run_game(), 0);
    EXPECT_EQ(marks(Mark::Failed), 1);
    EXPECT_EQ(marks(Mark::Completed), 0);
    EXPECT_EQ(loses, 1);
    EXPECT_EQ(wins, 0);
    // The last frame played took the meter to its bottom by misses alone,
    // long before the end of the song.
    EXPECT_GE(last_misses, 6);
    EXPECT_EQ(last_balanca, -last_misses);
    EXPECT_LT(last_msec, c.end_time);
    EXPECT_EQ(data_files(), "");
    EXPECT_TRUE(menu_music_back);
    EXPECT_EQ(stray_keys, 0);
    EXPECT_EQ(effects_without_channel(), 0);
    std::printf("%s: failed in frame %ld, at %d ms\n", c.name, frames + 1, last_msec);
}

INSTANTIATE_TEST_SUITE_P(Songs, SongRoadTest, ::testing::ValuesIn(SONGS),
                         [](const auto& info) { return std::string(info.param.name); });

using PauseRoadTest = RoadTest;

TEST_F(PauseRoadTest, ASongLeftFromThePauseScreenCountsNothingAndTheNextSongPlaysOn)
{
    const player::Plan plan = player::plan_player(chart_tutorial);
    // Some hits in, at a frame where no lane is held and no key is due.
    long pause_frame = plan.begin()->first + 100;
    while (plan.count(pause_frame) || plan.count(pause_frame - 1)) ++pause_frame;

    skip_intro();
    route::song(driver, SONG_TUTORIAL);
    play_plan(plan);
    const auto press = in_play;
    int hits_at_pause = -1;
    in_play = [&, press](long frame) {
        if (frame < pause_frame) return press(frame);
        hits_at_pause = nHit;
        driver.key_down(BUTTON_START);
        driver.key_down(BUTTON_SELECT, 10);  // after ten passes of the pause screen
    };
    long pause_polls = 0, music_paused = 0;
    watch = [&] {
        if (BPS != 0 || hits_at_pause < 0) return;
        ++pause_polls;
        music_paused += Mix_PausedMusic() == 1;
    };
    struct {
        int completed = -1, failed = -1, wins = -1, loses = -1, bps = -1;
        std::string files = "?";
        bool menu_music = false;
        int paused_channels = -1;
    } after_leaving;
    at_next(Mark::SongStart, [&] {
        at_next(Mark::MenuEntry, [&] {
            after_leaving = {marks(Mark::Completed), marks(Mark::Failed), wins, loses, BPS, data_files(),
                             Mix_PlayingMusic() == 1 && Mix_PausedMusic() == 0, Mix_Paused(-1)};
            // The tutorial again, ended at once with the skip key.
            in_play = [this](long frame) {
                if (frame == 1) driver.key_down(SDLK_q);
            };
            route::song(driver, SONG_TUTORIAL);
            at_next(Mark::Completed, [&] {
                route::name(driver, "Q01");
                route::exit_game(driver);
            });
        });
    });

    EXPECT_EQ(run_game(), 0);
    EXPECT_GT(hits_at_pause, 0);
    EXPECT_EQ(pause_polls, 11);  // ten passes, and the one that takes SELECT
    EXPECT_EQ(music_paused, pause_polls);
    EXPECT_EQ(after_leaving.completed, 0);
    EXPECT_EQ(after_leaving.failed, 0);
    EXPECT_EQ(after_leaving.wins, 0);
    EXPECT_EQ(after_leaving.loses, 0);
    EXPECT_EQ(after_leaving.bps, 10);
    EXPECT_EQ(after_leaving.files, "");
    EXPECT_TRUE(after_leaving.menu_music);
    EXPECT_EQ(after_leaving.paused_channels, 0);
    // The song after it: skipped at once, so its line holds the score 0.
    EXPECT_EQ(marks(Mark::SongStart), 2);
    EXPECT_EQ(marks(Mark::Completed), 1);
    EXPECT_EQ(read_file("data/DATA6.dat"), high_score_line("Q01", 0));
    EXPECT_EQ(stray_keys, 0);
    EXPECT_EQ(effects_without_channel(), 0);
}

}  // namespace
