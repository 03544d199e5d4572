// The play menu and the song selection: the two polls of a selection pass,
// the page turns, the pages themselves and what each way out leaves behind.
#include "play/play_fixture.h"

#include "shell/image_table.h"
#include "shell/main_menu.h"
#include "shell/play_menu.h"
#include "shell/resources.h"

#include <SDL/SDL_mixer.h>

#include <string>
#include <vector>

namespace {

constexpr SDLKey NO_KEY = SDLK_UNKNOWN;

class SongSelectTest : public PlayTest {
protected:
    // Scripts the keys to the song selection's first pass.
    void open_song_selection()
    {
        skip_intro();
        driver.key_down(BUTTON_A);  // play menu
        driver.key_down(SDLK_DOWN);
        driver.key_down(BUTTON_A);  // row 1: the song selection
    }

    // Scripts one key per poll, NO_KEY letting a poll pass without an event.
    void keys_at_polls(const std::vector<SDLKey>& polls)
    {
        int skipped = 0;
        for (SDLKey key : polls) {
            if (key == NO_KEY) {
                ++skipped;
                continue;
            }
            driver.key_down(key, skipped);
            skipped = 0;
        }
    }

    void stop_after_script(int polls)
    {
        driver.stop_when_script_ends = true;
        driver.grace_polls = polls;
    }

    // Effects played since the song selection opened (the play menu's Down
    // and the two confirmations come before).
    int cursor_sounds() const { return driver.count_effect(snd_cursor) - 1; }
};

struct PassCase {
    const char* name;
    std::vector<SDLKey> polls;  // own poll, shared poll, own poll, ...
    int page;                   // count_song afterwards
    int score_file;             // select_score afterwards
    int cursor_sounds;
};

class SelectionPassTest : public SongSelectTest, public ::testing::WithParamInterface<PassCase> {};

TEST_P(SelectionPassTest, OwnPollTurnsThePageWithASoundAndTheSharedPollTheFileSilently)
{
    open_song_selection();
    keys_at_polls(GetParam().polls);
    stop_after_script(2);
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(count_song, GetParam().page);
    EXPECT_EQ(select_score, GetParam().score_file);
    EXPECT_EQ(cursor_sounds(), GetParam().cursor_sounds);
    EXPECT_EQ(driver.count_effect(snd_cancel), 0);
    EXPECT_EQ(cursor_count2, ROW_SONGS);
}

INSTANTIATE_TEST_SUITE_P(
    Passes, SelectionPassTest,
    ::testing::Values(
        PassCase{"TwoRightsInOnePass", {SDLK_RIGHT, SDLK_RIGHT}, 1, 1, 1},
        PassCase{"LeftOnTheFirstPageShowsTheLast", {SDLK_LEFT}, 4, 0, 1},
        PassCase{"RightOnTheLastPageShowsTheFirst",
                 {SDLK_RIGHT, NO_KEY, SDLK_RIGHT, NO_KEY, SDLK_RIGHT, NO_KEY, SDLK_RIGHT, NO_KEY, SDLK_RIGHT}, 0, 0, 5},
        PassCase{"SharedLeftWrapsTheFileFromFirstToLast", {NO_KEY, SDLK_LEFT}, 0, 6, 0},
        PassCase{"SharedRightWrapsTheFileFromLastToFirst",
                 {NO_KEY, SDLK_LEFT, NO_KEY, SDLK_RIGHT, NO_KEY, SDLK_RIGHT}, 0, 1, 0},
        PassCase{"UpDownAndStartDoNothing", {SDLK_UP, SDLK_DOWN, SDLK_RETURN, SDLK_ESCAPE}, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SongSelectTest, ButtonATakenByTheSharedPollIsLost)
{
    open_song_selection();
    // Pass 1: Right turns to song 1, the shared poll drops button A; pass 2
    // turns to song 2; pass 3's own poll starts it.
    keys_at_polls({SDLK_RIGHT, BUTTON_A, SDLK_RIGHT, NO_KEY, BUTTON_A});
    driver.stop_when = [this] { return playing(); };
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(count_song, 2);
    EXPECT_EQ(driver.count_effect(snd_accept), 3);  // main menu, play menu, the song
    EXPECT_EQ(driver.count_music(MusicCall::Play, music_aceofspades), 1);
}

TEST_F(SongSelectTest, ButtonAStartsTheSongShownAndFreesTheMenuMusic)
{
    open_song_selection();
    keys_at_polls({SDLK_LEFT, NO_KEY, BUTTON_A});
    bool menu_music_held_at_play = true;
    driver.stop_when = [&] {
        menu_music_held_at_play = music_menu != nullptr;
        return playing();
    };
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(count_song, 4);
    EXPECT_FALSE(menu_music_held_at_play);
    EXPECT_EQ(driver.count_music(MusicCall::Play, music_forwhomthebellstolls), 1);
    EXPECT_EQ(driver.music.back().loops, 0);  // played once
    EXPECT_EQ(driver.count_effect(snd_explosion), 1);
}

struct BackCase {
    const char* name;
    std::vector<SDLKey> polls;
};

class SelectionBackTest : public SongSelectTest, public ::testing::WithParamInterface<BackCase> {};

TEST_P(SelectionBackTest, ButtonBGoesBackToThePlayMenuKeepingRowPageAndMusic)
{
    open_song_selection();
    keys_at_polls(GetParam().polls);
    driver.key_down(BUTTON_A, 1);  // confirms row 1 again, on the play menu
    stop_after_script(3);
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(driver.count_effect(snd_cancel), 1);
    EXPECT_EQ(cursor_count2, ROW_SONGS);
    EXPECT_EQ(count_song, 1);  // the same page opens again
    EXPECT_NE(music_menu, nullptr);
    EXPECT_EQ(driver.count_music(MusicCall::Play), 1);
    EXPECT_EQ(menu3, 1);
}

INSTANTIATE_TEST_SUITE_P(Polls, SelectionBackTest,
                         ::testing::Values(BackCase{"OwnPoll", {SDLK_RIGHT, NO_KEY, BUTTON_B}},
                                           BackCase{"SharedPoll", {SDLK_RIGHT, BUTTON_B}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SongSelectTest, PagesShowTheSongAndTheCountsFromTheSecondPassAfterATurn)
{
    replace_image(Select_song, 320, 240, 0, 0, 96);
    replace_image(main_menu1_1, 320, 240, 0, 96, 0);
    wins = 3;
    loses = 12;
    open_song_selection();
    keys_at_polls({NO_KEY, NO_KEY, SDLK_RIGHT});  // turn in pass 2
    stop_after_script(4);
    std::vector<std::string> titles;  // the title shown at each flip of a selection pass
    bool counts_shown = true;
    driver.on_flip = [&](SDL_Surface* shown) {
        const Uint32 page = as_shown(shown, 0, 0, 96);
        const Uint32 background = rgb_at(shown, 300, 5);
        // A selection pass presents the footer over the page or the play menu picture.
        if (!shows_centred_text(shown, font_small, "Press A play or B back to MENU", color_white, background, 220))
            return;
        const int shared = TTF_FontHeight(font_small2) + 10 - 22;  // "Song" reaches into the title's box
        std::string title = "-";
        for (const char* t : {"PARANOID", "HIGHWAY TO HELL"})
            if (shows_text_at(shown, font_big, t, color_white, page, 12, 22, shared)) title = t;
        titles.push_back(title);
        counts_shown = counts_shown && shows_text_at(shown, font_small, "Wins: 3", color_white, background, 12, 120) &&
                       shows_text_at(shown, font_small, "Loses: 12", color_white, background, 12, 140);
    };
    EXPECT_EQ(run_game(), STOPPED);
    // Pass 1 shows the play menu picture, pass 2 the first page; Right in pass
    // 2 turns the page, drawn in pass 3 and shown at pass 4's flip.
    ASSERT_GE(titles.size(), 4u);
    EXPECT_EQ(titles[0], "-");
    EXPECT_EQ(titles[1], "PARANOID");
    EXPECT_EQ(titles[2], "PARANOID");
    EXPECT_EQ(titles[3], "HIGHWAY TO HELL");
    EXPECT_TRUE(counts_shown);
}

TEST_F(SongSelectTest, TutorialRowChoosesTheTutorialAndFreesTheMenuMusic)
{
    skip_intro();
    driver.key_down(BUTTON_A);
    driver.key_down(SDLK_DOWN);
    driver.key_down(SDLK_DOWN);
    driver.key_down(BUTTON_A);
    driver.stop_when = [this] { return playing(); };
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(count_song, SONG_TUTORIAL);
    EXPECT_EQ(music_menu, nullptr);
    EXPECT_EQ(driver.count_music(MusicCall::Play, music_tutorial), 1);
    EXPECT_EQ(driver.count_effect(snd_accept), 2);
    EXPECT_EQ(driver.count_effect(snd_explosion), 1);
}

TEST_F(SongSelectTest, BackRowReturnsToTheMainMenuTopWithTheAcceptSoundOnly)
{
    skip_intro();
    driver.key_down(BUTTON_A);
    for (int i = 0; i < 4; ++i) driver.key_down(SDLK_DOWN);
    driver.key_down(BUTTON_A);
    stop_after_script(2);
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(cursor_count2, 0);  // the main-menu top resets it
    EXPECT_EQ(cursor_count, 0);
    EXPECT_EQ(menu1, 0);
    EXPECT_EQ(driver.count_effect(snd_accept), 2);
    EXPECT_EQ(driver.count_effect(snd_cancel), 0);
    EXPECT_EQ(driver.count_music(MusicCall::Play), 1);
    EXPECT_NE(music_menu, nullptr);
}

TEST_F(SongSelectTest, RowZeroWaitsForButtonBWithOnlyTheSharedPoll)
{
    skip_intro();
    driver.key_down(BUTTON_A);
    driver.key_down(BUTTON_A);  // row 0
    keys_at_polls({SDLK_DOWN, SDLK_UP, BUTTON_A, SDLK_RIGHT, BUTTON_B});
    stop_after_script(2);
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(select_score, 1);
    EXPECT_EQ(driver.count_effect(snd_cursor), 0);
    EXPECT_EQ(driver.count_effect(snd_accept), 2);
    EXPECT_EQ(driver.count_effect(snd_cancel), 1);
    EXPECT_EQ(menu3, 0);  // back in the play menu's cursor loop
    EXPECT_EQ(cursor_count2, 0);
}

}  // namespace
