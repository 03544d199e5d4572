// The play menu's picture on each row: its background, and the cursor cell of
// the row at the row's position, keyed magenta, with the previous cursor wiped.
#include "play/play_fixture.h"

#include "harness/expected_picture.h"
#include "shell/play_menu.h"
#include "shell/resources.h"

#include <SDL/SDL_image.h>

#include <memory>
#include <ostream>
#include <vector>

namespace {

struct CursorCase {
    const char* name;
    std::vector<SDLKey> keys;  // on the play menu
    int row;
    SDL_Rect cell;  // of the cursor sheet
    int x, y;       // where the cell is drawn
};

void PrintTo(const CursorCase& c, std::ostream* out) { *out << c.name; }

constexpr SDLKey UP = SDLK_UP;
constexpr SDLKey DOWN = SDLK_DOWN;

const CursorCase CURSOR_CASES[] = {
    {"Row0", {}, 0, {0, 66, 23, 16}, 5, 65},
    {"Row1", {DOWN}, 1, {0, 101, 23, 16}, 5, 100},
    {"Row2", {DOWN, DOWN}, 2, {0, 133, 23, 16}, 5, 134},
    {"Row3", {DOWN, DOWN, DOWN}, 3, {0, 168, 23, 16}, 5, 165},
    {"Row4", {DOWN, DOWN, DOWN, DOWN}, 4, {0, 203, 23, 16}, 5, 200},
    {"DownPastTheLastRowStaysOnRow4", {DOWN, DOWN, DOWN, DOWN, DOWN, DOWN}, 4, {0, 203, 23, 16}, 5, 200},
    {"UpWipesTheCursorBelow", {DOWN, DOWN, DOWN, UP}, 2, {0, 133, 23, 16}, 5, 134},
    {"UpOnRow0Stays", {UP}, 0, {0, 66, 23, 16}, 5, 65},
};

class PlayMenuCursorTest : public PlayTest, public ::testing::WithParamInterface<CursorCase> {};

TEST_P(PlayMenuCursorTest, ShowsTheRowsCursorCellKeyedOverTheBackground)
{
    const CursorCase& c = GetParam();
    skip_intro();
    driver.key_down(BUTTON_A);  // main menu row 0: the play menu
    for (SDLKey key : c.keys) driver.key_down(key);
    driver.stop_when_script_ends = true;
    driver.grace_polls = 3;  // passes enough to clamp the row and draw it
    Snapshot last;
    driver.on_flip = [&](SDL_Surface* shown) { last.take(shown); };
    ASSERT_EQ(run_game(), STOPPED);
    EXPECT_EQ(cursor_count2, c.row);
    EXPECT_EQ(driver.count_effect(snd_cursor), static_cast<int>(c.keys.size()));

    const LoadedImage background = image_file("img/menus/menu1.1.png");
    const LoadedImage cursor = image_file("img/sprite/cursorA.png");
    ASSERT_TRUE(background && cursor);
    ExpectedPicture expected;
    expected.draw(background.get(), nullptr, 0, 0).draw(cursor.get(), c.cell, c.x, c.y, Key::Magenta);
    ASSERT_TRUE(last);
    EXPECT_EQ(picture_difference(last.get(), expected.get()), "");
}

INSTANTIATE_TEST_SUITE_P(Rows, PlayMenuCursorTest, ::testing::ValuesIn(CURSOR_CASES),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
