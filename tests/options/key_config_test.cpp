// The key configuration: each step binds the next bindable key to its code.
#include "highway/lanes.h"
#include "options/options_fixture.h"
#include "shell/key_bindings.h"
#include "shell/key_config.h"

#include <array>

namespace {

using Codes = std::array<int, BINDABLE_KEYS>;  // in the order of KEY_BINDINGS
const Codes DEFAULTS = {1, 2, 4, 3, 5, 5, 4, 2, 1, 3};

Codes bound_codes()
{
    Codes codes{};
    for (int i = 0; i < BINDABLE_KEYS; ++i) codes[i] = *KEY_BINDINGS[i].code;
    return codes;
}

struct Press {
    SDLKey key;
    bool release = false;
};

struct KeyCase {
    const char* name;
    std::vector<Press> presses;
    Codes codes;
    int steps;  // key_conf at the end
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class KeyConfigTest : public OptionsTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyConfigTest, BindsOneKeyPerStepAndEndsAtTenOrOnSelect)
{
    open_options_row(ROW_KEYS);
    for (const Press& p : GetParam().presses) {
        if (p.release) driver.key_up(p.key);
        else driver.key_down(p.key);
    }
    driver.grace_polls = 1;
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(bound_codes(), GetParam().codes);
    EXPECT_EQ(key_conf, GetParam().steps);
    EXPECT_TRUE(back_at_top());
    EXPECT_EQ(cursor_count, 0);
    EXPECT_EQ(accept_cancel_sounds(), "AAC");  // main menu, options, end
    EXPECT_EQ(driver.count_effect(snd_cursor), 2);  // only the main menu's moves
}

INSTANTIATE_TEST_SUITE_P(
    Steps, KeyConfigTest,
    ::testing::Values(
        KeyCase{"SelectAtStepZeroChangesNothing", {{BUTTON_SELECT}}, DEFAULTS, 0},
        KeyCase{"TheLaterStepWins",
                {{SDLK_LEFT}, {SDLK_TAB}, {SDLK_BACKSPACE}, {SDLK_UP}, {SDLK_DOWN}, {SDLK_LEFT}, {BUTTON_SELECT}},
                {1, 2, 4, 3, 2, 3, 4, 5, 6, 3},
                6},
        KeyCase{"TenKeysInARow",
                {{SDLK_LSHIFT}, {SDLK_LALT}, {SDLK_SPACE}, {SDLK_LCTRL}, {SDLK_TAB}, {SDLK_BACKSPACE}, {SDLK_UP},
                 {SDLK_DOWN}, {SDLK_LEFT}, {SDLK_RIGHT}},
                {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                10},
        KeyCase{"ButtonsAAndBAreBoundLikeTheOthers", {{BUTTON_B}, {BUTTON_A}, {BUTTON_SELECT}},
                {1, 1, 4, 2, 5, 5, 4, 2, 1, 3}, 2},
        KeyCase{"OtherKeysAndReleasesLeaveTheStep",
                {{SDLK_RETURN}, {SDLK_q}, {SDLK_a}, {SDLK_F1}, {SDLK_TAB, true}, {SDLK_TAB}, {BUTTON_SELECT}},
                {1, 2, 4, 3, 1, 5, 4, 2, 1, 3},
                1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OptionsTest, EachStepShowsItsPromptAndPressesItsFret)
{
    replace(menu_keys, black());
    // The fret row green, the pressed-fret cells below it red.
    replace(my_surfFrets, solid_surface(200, 88, 0, 255, 0));
    SDL_Rect pressed = {0, 33, 200, 55};
    SDL_FillRect(my_surfFrets, &pressed, SDL_MapRGB(my_surfFrets->format, 255, 0, 0));
    const int lane_x[] = {80, 110, 145, 177, 210};

    std::vector<int> shown_steps;
    key_conf = -1;  // the screen sets it to 0 when it opens
    driver.on_flip = [&](SDL_Surface* s) {
        if (menu5 != 1 || key_conf < 0 || key_conf >= KEY_CONF_STEPS) return;
        const int step = key_conf;
        const int fret = step % 5 + 1;
        const std::string prompt = step < 5 ? "PRESS BUTTONS TO FRET " + std::to_string(fret)
                                            : "PRESS BUTTONS TO ALTERNATIVE FRET " + std::to_string(fret);
        EXPECT_TRUE(shows_text(s, font_small, prompt.c_str(), step < 5 ? 80 : 40, 100)) << "step " << step;
        for (int lane = 1; lane <= 5; ++lane)
            EXPECT_EQ(rgb_at(s, lane_x[lane - 1] + 10, 230), lane == fret ? 0xFF0000u : 0x00FF00u)
                << "step " << step << " lane " << lane << " fret " << fret;
        // The fret row is 200 columns wide, from x 80.
        EXPECT_EQ(rgb_at(s, 80, 218), 0x00FF00u) << "step " << step;
        EXPECT_EQ(rgb_at(s, 279, 218), 0x00FF00u) << "step " << step;
        EXPECT_EQ(rgb_at(s, 280, 218), 0u) << "step " << step;
        // The target keeps the size that the same blit gives it in play.
        EXPECT_EQ(fret_target(fret).h, 18) << "step " << step;
        if (shown_steps.empty() || shown_steps.back() != step) shown_steps.push_back(step);
    };
    open_options_row(ROW_KEYS);
    for (const KeyBinding& b : KEY_BINDINGS) driver.key_down(b.key, 2);
    driver.grace_polls = 1;
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(shown_steps, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(OptionsTest, AfterTheTenthKeyNothingIsPresentedBeforeTheMainMenu)
{
    int flips_at_ten = 0;
    driver.on_flip = [&](SDL_Surface*) { flips_at_ten += menu5 == 1 && key_conf == KEY_CONF_STEPS; };
    open_options_row(ROW_KEYS);
    for (const KeyBinding& b : KEY_BINDINGS) driver.key_down(b.key);
    driver.grace_polls = 1;
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(flips_at_ten, 0);
    EXPECT_EQ(driver.count_effect(snd_cancel), 1);
    EXPECT_TRUE(back_at_top());
}

TEST_F(OptionsTest, OpenedAgainTheScreenStartsFromStepZeroAndKeepsTheOtherCodes)
{
    open_options_row(ROW_KEYS);
    press({SDLK_UP, SDLK_DOWN, BUTTON_SELECT});
    // Back on the main menu's row 0: to the options and their row 0 again.
    press({SDLK_DOWN, SDLK_DOWN, BUTTON_A, BUTTON_A, SDLK_RIGHT, BUTTON_SELECT});
    driver.grace_polls = 1;
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(bound_codes(), (Codes{1, 2, 4, 3, 5, 5, 1, 2, 1, 1}));
    EXPECT_EQ(key_conf, 1);
    EXPECT_EQ(accept_cancel_sounds(), "AACAAC");
}

}  // namespace
