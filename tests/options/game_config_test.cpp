// The game configuration screen: three settings within 0..3 and a back row.
#include "options/options_fixture.h"
#include "shell/settings.h"

#include <array>

namespace {

struct SettingCase {
    const char* name;
    std::vector<SDLKey> keys;    // from row 1, where the screen opens
    std::array<int, 3> values;   // bg_menu, flame_menu, nk_menu afterwards
    int row;
    int cursor_sounds;
};

void PrintTo(const SettingCase& c, std::ostream* os) { *os << c.name; }

class GameConfigTest : public OptionsTest, public ::testing::WithParamInterface<SettingCase> {};

TEST_P(GameConfigTest, LeftAndRightChangeTheRowsSettingSilentlyWithinItsRange)
{
    replace(menu_configuregame, black());
    // The values shown on the last present.
    std::array<bool, 3> shown{};
    driver.on_flip = [&](SDL_Surface* s) {
        const int ys[] = {68, 103, 136};
        const int values[] = {bg_menu, flame_menu, nk_menu};
        for (int i = 0; i < 3; ++i) shown[i] = shows_text(s, font_small, std::to_string(values[i]).c_str(), 268, ys[i]);
    };
    open_options_row(ROW_GAME);
    press(GetParam().keys);
    driver.grace_polls = 1;
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ((std::array<int, 3>{bg_menu, flame_menu, nk_menu}), GetParam().values);
    EXPECT_EQ(cursor_count, GetParam().row);
    EXPECT_EQ(menu5, 1);  // still on the screen
    EXPECT_EQ(driver.count_effect(snd_cursor) - 3, GetParam().cursor_sounds);  // 3 on the menus before
    EXPECT_EQ(accept_cancel_sounds(), "AA");
    EXPECT_EQ(shown, (std::array<bool, 3>{true, true, true}));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GameConfigTest,
    ::testing::Values(
        SettingCase{"RightStopsAtThree", {SDLK_UP, SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT}, {3, 0, 0}, 0, 1},
        SettingCase{"LeftStopsAtZero", {SDLK_UP, SDLK_LEFT, SDLK_LEFT}, {0, 0, 0}, 0, 1},
        SettingCase{"FlamesOnTheStartRow", {SDLK_RIGHT, SDLK_RIGHT, SDLK_LEFT, SDLK_RIGHT}, {0, 2, 0}, 1, 0},
        SettingCase{"Neck", {SDLK_DOWN, SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_LEFT}, {0, 0, 2}, 2, 1},
        SettingCase{"BackRowIgnoresLeftAndRight", {SDLK_DOWN, SDLK_DOWN, SDLK_RIGHT, SDLK_LEFT, SDLK_RIGHT}, {0, 0, 0}, 3, 2},
        SettingCase{"ButtonAOnASettingRowDoesNothing", {BUTTON_A, SDLK_UP, BUTTON_A, BUTTON_B}, {0, 0, 0}, 0, 1},
        SettingCase{"UpAndDownAreClamped", {SDLK_UP, SDLK_UP, SDLK_UP, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN},
                    {0, 0, 0}, 3, 8}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OptionsTest, SettingsSurviveTheWayBackAndTheNextVisit)
{
    open_options_row(ROW_GAME);
    press({SDLK_RIGHT, SDLK_DOWN, SDLK_RIGHT, SDLK_RIGHT, SDLK_RIGHT, SDLK_DOWN, BUTTON_A});
    // The main menu (row 0) to the game configuration again.
    press({SDLK_DOWN, SDLK_DOWN, BUTTON_A, SDLK_DOWN, BUTTON_A, SDLK_UP, SDLK_LEFT});
    driver.grace_polls = 1;
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(bg_menu, 0);
    EXPECT_EQ(flame_menu, 1);
    EXPECT_EQ(nk_menu, 3);
    EXPECT_EQ(accept_cancel_sounds(), "AAAAA");
}

}  // namespace
