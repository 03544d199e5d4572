// The two ways into the main menu, its rows and its exit.
#include "harness/game_fixture.h"
#include "highway/judge_state.h"
#include "shell/credits.h"
#include "shell/keys.h"
#include "shell/main_menu.h"
#include "shell/name_entry_state.h"
#include "shell/play_menu.h"
#include "shell/resources.h"
#include "shell/song_state.h"

#include <cstring>

namespace {

class MainMenuTest : public GameTest {};

TEST_F(MainMenuTest, EntryAndTopResetTheirStateAndKeepTheRest)
{
    BPS = 0;
    xNULL = xGOOD = xMISS = 1;
    count_song = 3;
    hiscore = hiscoreMENU = letrasX = letrasY = 2;
    std::strcpy(ScoreLetraX, "A");
    dst_CursorLetras.x = 200;
    nSCORE = nHITS = tHITS = nHit = nMISS = Balanca = msec = 9;
    cursor_count2 = 3;
    camera_credits.y = 100;
    nSTREAK = 11;
    wins = 4;
    loses = 5;
    skip_intro();
    EXPECT_EQ(run_game(), STOPPED);

    EXPECT_EQ(driver.count_music(MusicCall::Play, music_menu), 1);
    EXPECT_EQ(driver.music.back().loops, 5);
    for (int v : {xNULL, xGOOD, xMISS, count_song, hiscore, hiscoreMENU, letrasX, letrasY, nSCORE, nHITS,
                  tHITS, nHit, nMISS, Balanca, msec, cursor_count2, menu1, menu3})
        EXPECT_EQ(v, 0);
    EXPECT_EQ(BPS, 10);
    EXPECT_STREQ(ScoreLetraX, "0");
    EXPECT_EQ(dst_CursorLetras.x, 67);
    EXPECT_EQ(dst_CursorLetras.y, 127);
    // Not reset by either way in.
    EXPECT_EQ(camera_credits.y, 100);
    EXPECT_EQ(nSTREAK, 11);
    EXPECT_EQ(wins, 4);
    EXPECT_EQ(loses, 5);
    EXPECT_EQ(cursor_count, 0);
}

struct RowCase {
    const char* name;
    std::vector<SDLKey> keys;
    int row;            // the highlighted row after the keys
    int cursor_sounds;
};

class MainMenuRowTest : public MainMenuTest, public ::testing::WithParamInterface<RowCase> {};

TEST_P(MainMenuRowTest, UpAndDownMoveWithinTheRowsWithASoundEachTime)
{
    skip_intro();
    for (SDLKey key : GetParam().keys) driver.key_down(key);
    driver.grace_polls = 1;  // one more pass clamps the counter
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(cursor_count, GetParam().row);
    EXPECT_EQ(driver.count_effect(snd_cursor), GetParam().cursor_sounds);
    EXPECT_EQ(driver.count_effect(snd_accept) + driver.count_effect(snd_cancel), 0);
    EXPECT_EQ(menu1, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MainMenuRowTest,
    ::testing::Values(RowCase{"UpOnRowZeroStays", {SDLK_UP}, 0, 1},
                      RowCase{"DownTwice", {SDLK_DOWN, SDLK_DOWN}, 2, 2},
                      RowCase{"DownPastTheExitRowStays", {SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN}, 4, 6},
                      RowCase{"ButtonBDoesNothing", {BUTTON_B, SDLK_LEFT, SDLK_RETURN}, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainMenuTest, ExitRowEndsTheGameWithStatusZero)
{
    skip_intro();
    for (int i = 0; i < 4; ++i) driver.key_down(SDLK_DOWN);
    driver.key_down(BUTTON_A);
    EXPECT_EQ(run_game(), 0);
    EXPECT_EQ(driver.count_effect(snd_accept), 1);
}

TEST_F(MainMenuTest, CloseRequestDoesNotEndTheGame)
{
    skip_intro();
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    driver.push(quit);
    driver.grace_polls = 10;
    EXPECT_EQ(run_game(), STOPPED);
}

TEST_F(MainMenuTest, BackPollReturnsToTheTopKeepingTheRowAndResettingTheCounters)
{
    skip_intro();
    for (int i = 0; i < 3; ++i) driver.key_down(SDLK_DOWN);
    bool scored = false;
    driver.on_poll = [&scored] {
        if (!scored && cursor_count == 3) nSCORE = 42, scored = true;
    };
    driver.key_down(BUTTON_A);  // the credits
    driver.key_down(BUTTON_B);  // taken by the back poll of the first dispatch pass
    driver.grace_polls = 2;
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(cursor_count, 3);
    EXPECT_EQ(menu1, 0);
    EXPECT_EQ(nSCORE, 0);
    EXPECT_EQ(camera_credits.y, 0);
    EXPECT_EQ(driver.count_effect(snd_accept), 1);
    EXPECT_EQ(driver.count_effect(snd_cancel), 1);
    // The menu music is not started again by a return to the top.
    EXPECT_EQ(driver.count_music(MusicCall::Play, music_menu), 1);
}

}  // namespace
