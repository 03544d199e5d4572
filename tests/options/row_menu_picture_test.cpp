// What the row menus show on each of their rows: the background, the row
// cursor keyed on magenta at the row's place, and the texts of the screen,
// composed from the real artwork and compared pixel for pixel.
#include "options/menu_pictures.h"
#include "options/options_fixture.h"
#include "shell/settings.h"

#include <functional>
#include <string>

namespace {

enum class Menu { Main, Options, GameConfiguration, Save };

struct RowPicture {
    Menu menu;
    int row;
};

std::string name_of(const RowPicture& c)
{
    const char* const menus[] = {"Main", "Options", "GameConfiguration", "Save"};
    return std::string(menus[static_cast<int>(c.menu)]) + "Row" + std::to_string(c.row);
}

void PrintTo(const RowPicture& c, std::ostream* os) { *os << name_of(c); }

class RowMenuPictureTest : public OptionsTest, public ::testing::WithParamInterface<RowPicture> {
protected:
    void repeat(SDLKey key, int times)
    {
        for (int i = 0; i < times; ++i) driver.key_down(key);
    }

    // Opens the menu and brings the cursor to the row. The main and options
    // menus only wipe the cursor column between passes, so their cursor walks
    // over every row first: a cursor left behind would show.
    void go_to_row(Menu menu, int row)
    {
        switch (menu) {
        case Menu::Main:
            skip_intro();
            repeat(SDLK_DOWN, 4);
            repeat(SDLK_UP, 4 - row);
            break;
        case Menu::Options:
            open_options();
            repeat(SDLK_DOWN, 4);
            repeat(SDLK_UP, 4 - row);
            break;
        case Menu::GameConfiguration:
            open_options_row(ROW_GAME);  // opens on row 1
            repeat(SDLK_DOWN, 2);
            repeat(SDLK_UP, 3 - row);
            break;
        case Menu::Save:
            open_options_row(ROW_SAVE);  // opens on row 3
            repeat(SDLK_UP, 3);
            repeat(SDLK_DOWN, row);
            break;
        }
    }

    // Still on the menu: the flags that its confirmation would change.
    bool on_menu(Menu menu) const
    {
        switch (menu) {
        case Menu::Main: return menu1 == 0;
        case Menu::Options: return menu1 == 1 && menu5 == 0;
        default: return menu1 == 1 && menu5 == 1;
        }
    }

    void compose(ExpectedPicture& expected, Menu menu, int row)
    {
        switch (menu) {
        case Menu::Main: expected.draw(main_menu, nullptr, 0, 0); break;
        case Menu::Options: expected.draw(my_surfMenu3, nullptr, 0, 0); break;
        case Menu::GameConfiguration:
            expected.draw(menu_configuregame, nullptr, 0, 0)
                .text(small_font(), "1", WHITE, 268, 68)    // backdrop
                .text(small_font(), "2", WHITE, 268, 103)   // flames
                .text(small_font(), "3", WHITE, 268, 136);  // neck
            break;
        case Menu::Save: expected.draw(menu_save, nullptr, 0, 0); break;
        }
        draw_cursor(expected, row);
    }
};

TEST_P(RowMenuPictureTest, ShowsTheCursorOfTheRowOverTheMenu)
{
    const RowPicture& c = GetParam();
    // Three different values, so that each stands at its own row.
    bg_menu = 1;
    flame_menu = 2;
    nk_menu = 3;
    LastPresent shown;
    driver.on_flip = shown.recorder();
    go_to_row(c.menu, c.row);
    driver.grace_polls = 1;  // one more pass draws the last move
    EXPECT_EQ(run_game(), STOPPED);
    ASSERT_TRUE(on_menu(c.menu));
    ASSERT_EQ(cursor_count, c.row);

    ExpectedPicture expected;
    compose(expected, c.menu, c.row);
    EXPECT_EQ(picture_difference(shown.get(), expected.get()), "");
}

std::vector<RowPicture> every_row()
{
    std::vector<RowPicture> rows;
    for (int row = 0; row < 5; ++row) rows.push_back({Menu::Main, row});
    for (int row = 0; row < 5; ++row) rows.push_back({Menu::Options, row});
    for (int row = 0; row < 4; ++row) rows.push_back({Menu::GameConfiguration, row});
    for (int row = 0; row < 4; ++row) rows.push_back({Menu::Save, row});
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Rows, RowMenuPictureTest, ::testing::ValuesIn(every_row()),
                         [](const auto& info) { return name_of(info.param); });

}  // namespace
