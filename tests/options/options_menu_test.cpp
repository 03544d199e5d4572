// The options menu: its rows, and the row that every screen it opens leaves
// for the main menu.
#include "options/options_fixture.h"

namespace {

TEST_F(OptionsTest, OptionsMenuOpensOnRowZero)
{
    open_options();  // chosen from the main menu's row 2
    driver.grace_polls = 1;
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(cursor_count, 0);
    EXPECT_EQ(menu5, 0);
}

TEST_F(OptionsTest, MovesAreClampedWithASoundEachAndButtonBDoesNothing)
{
    open_options();
    press({SDLK_UP, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, BUTTON_B, SDLK_LEFT});
    driver.grace_polls = 1;
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(cursor_count, 4);
    EXPECT_EQ(menu5, 0);
    EXPECT_EQ(driver.count_effect(snd_cursor), 2 + 7);  // two on the main menu
    EXPECT_EQ(accept_cancel_sounds(), "A");
}

struct ReturnCase {
    const char* name;
    std::vector<SDLKey> keys;  // from the options menu's row 0
    int main_menu_row;         // the row the main menu highlights afterwards
    const char* sounds;        // accept (A) and cancel (C) after the main menu's own A
};

void PrintTo(const ReturnCase& c, std::ostream* os) { *os << c.name; }

class OptionsReturnTest : public OptionsTest, public ::testing::WithParamInterface<ReturnCase> {};

TEST_P(OptionsReturnTest, EveryScreenGoesBackToTheMainMenuTopWithItsRow)
{
    open_options();
    press(GetParam().keys);
    driver.grace_polls = 2;
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_TRUE(back_at_top());
    EXPECT_EQ(cursor_count, GetParam().main_menu_row);
    EXPECT_EQ(accept_cancel_sounds(), std::string("A") + GetParam().sounds);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, OptionsReturnTest,
    ::testing::Values(
        ReturnCase{"BackRow", {SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, BUTTON_A}, 4, "AC"},
        ReturnCase{"KeyConfigurationAborted", {BUTTON_A, BUTTON_SELECT}, 0, "AC"},
        ReturnCase{"GameConfigurationBackRow", {SDLK_DOWN, BUTTON_A, SDLK_DOWN, SDLK_DOWN, BUTTON_A}, 0, "AA"},
        ReturnCase{"SoundScreen", {SDLK_DOWN, SDLK_DOWN, BUTTON_A, BUTTON_B}, 2, "AC"},
        ReturnCase{"SaveMenuBackRow", {SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, BUTTON_A, BUTTON_A}, 0, "AA"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OptionsTest, ButtonAAfterTheBackRowEndsTheGame)
{
    open_options();
    press({SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, BUTTON_A, BUTTON_A});
    EXPECT_EQ(run_game(), 0);
}

class StartRowTest : public OptionsTest, public ::testing::WithParamInterface<int> {};

TEST_P(StartRowTest, ARowScreenStartsOnTheRowThatOpenedIt)
{
    // Up once: the screen's row is one less than the options row that chose it.
    open_options_row(GetParam());
    driver.key_down(SDLK_UP);
    driver.grace_polls = 1;
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(cursor_count, GetParam() - 1);
    EXPECT_EQ(menu5, 1);  // still in the screen
}

INSTANTIATE_TEST_SUITE_P(Rows, StartRowTest, ::testing::Values(int(ROW_GAME), int(ROW_SAVE)));

}  // namespace
