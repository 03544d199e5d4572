// The name entry's picture with its real artwork: the background, the letter
// grid and the cursor keyed magenta at their places, and the name characters.
#include "harness/expected_picture.h"
#include "high_scores/high_score_fixture.h"
#include "shell/keys.h"
#include "shell/name_entry.h"

#include <SDL/SDL_image.h>

#include <array>
#include <memory>
#include <ostream>
#include <vector>

namespace {

struct PictureCase {
    const char* name;
    std::vector<SDLKey> keys;  // each pressed and released
    int cursor_x, cursor_y;    // where the cursor stands at the end
    std::array<const char*, 3> shown;  // the name characters on screen, null for none
};

void PrintTo(const PictureCase& c, std::ostream* out) { *out << c.name; }

const PictureCase PICTURE_CASES[] = {
    // Before any event: the grid and the cursor on "0", no character yet.
    {"OnEntry", {}, 67, 127, {nullptr, nullptr, nullptr}},
    {"RightShowsOne", {RIGHT}, 86, 127, {"1", nullptr, nullptr}},
    {"CellOfN", {RIGHT, RIGHT, RIGHT, DOWN, DOWN}, 124, 163, {"N", nullptr, nullptr}},
    {"LastColumnOfRowTwo", {LEFT, DOWN, DOWN}, 238, 163, {"T", nullptr, nullptr}},
    // From "U" onto the delete cell: no preview there, "U" stays.
    {"DeleteCell", {UP, LEFT}, 238, 181, {"U", nullptr, nullptr}},
    {"ThreePositions", {DOWN, OK, RIGHT, OK}, 86, 145, {"A", "B", "B"}},
};

class NameEntryPictureTest : public HighScoreTest, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(NameEntryPictureTest, ShowsTheGridTheCursorAndTheName)
{
    const PictureCase& c = GetParam();
    for (SDLKey key : c.keys) driver.tap(key);
    try {
        name_entry();
        FAIL() << "the name entry ended before its third character";
    } catch (const StopGame& stop) {
        ASSERT_FALSE(stop.timed_out);
    }

    const LoadedImage background = image_file("img/menus/rank_score.png");
    const LoadedImage grid = image_file("img/sprite/letras.png");
    const LoadedImage cursor = image_file("img/sprite/cursor_nome.png");
    ASSERT_TRUE(background && grid && cursor);
    ExpectedPicture expected;
    expected.draw(background.get(), nullptr, 0, 0)
        .draw(grid.get(), nullptr, 65, 125, Key::Magenta)
        .draw(cursor.get(), nullptr, c.cursor_x, c.cursor_y, Key::Magenta);
    const int x[] = {109, 154, 196};
    for (int position = 0; position < 3; ++position) {
        if (c.shown[position]) expected.text(test_font(18), c.shown[position], {255, 255, 255, 0}, x[position], 70);
    }
    // The screen holds the last picture presented: nothing draws after a present.
    EXPECT_EQ(picture_difference(screen, expected.get()), "");
}

INSTANTIATE_TEST_SUITE_P(Cells, NameEntryPictureTest, ::testing::ValuesIn(PICTURE_CASES),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
