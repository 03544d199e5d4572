// What the guitar gallery and the credits show, composed from the real
// artwork with its magenta keys and compared pixel for pixel.
#include "options/menu_pictures.h"
#include "options/options_fixture.h"
#include "shell/credits.h"
#include "shell/gallery.h"
#include "shell/song_state.h"

#include <string>

namespace {

struct GalleryPage {
    const char* name;
    int wins;
    std::vector<SDLKey> keys;  // at the gallery's own poll, from guitar 0 at the top
    int guitar;
    bool unlocked;
    int offset, knob_y;  // the description's scroll and its knob
};

void PrintTo(const GalleryPage& c, std::ostream* os) { *os << c.name; }

class GalleryPictureTest : public OptionsTest, public ::testing::WithParamInterface<GalleryPage> {};

TEST_P(GalleryPictureTest, ShowsTheGuitarsPageWithItsTexts)
{
    const GalleryPage& c = GetParam();
    SDL_Surface* const unlocked_picture[4] = {gtr01, gtr02, gtr03, gtr04};
    SDL_Surface* const locked_picture[4] = {gtr_lock00, gtr_lock01, gtr_lock02, gtr_lock03};
    SDL_Surface* const description[4] = {gtr_desc00, gtr_desc01, gtr_desc02, gtr_desc03};
    const char* const names[4] = {"STRATOCAST", "EXPLORER", "FLYING V", "TALVORE"};
    const char* const hints[4] = {"Win 5 times to Unlock", "Win 10 times to Unlock", "Win 15 times to Unlock",
                                  "Win 20 times to Unlock"};
    wins = c.wins;
    LastPresent shown([] { return menu1 == 1; });
    driver.on_flip = shown.recorder();
    open_main_row(ROW_GUITARS);
    DispatchScript dispatch(driver);
    for (SDLKey key : c.keys) dispatch.screen_poll(key);
    driver.grace_polls = 1;  // the next pass draws the last key's page
    EXPECT_EQ(run_game(), STOPPED);
    ASSERT_EQ(count_song, c.guitar);
    ASSERT_EQ(dst_txtbox.y, c.offset);

    const int g = c.guitar;
    ExpectedPicture expected;
    expected.draw(my_surfMenu2, nullptr, 0, 0);
    if (c.unlocked) {
        expected.draw(unlocked_picture[g], nullptr, 178, 49)
            .draw(txtbox, nullptr, 6, 78)
            .draw(description[g], SDL_Rect{0, Sint16(c.offset), 141, 462}, 6, 78, Key::Magenta)
            .draw(cursor_bar, nullptr, 147, c.knob_y)
            .draw(my_surfMenu2, SDL_Rect{0, 212, 175, 239}, 0, 212)  // hides the description below the frame
            .centred_text(small_font(), "Press B back to MENU", WHITE, 220)
            .text(small_font(), "Model", WHITE, 12, 10)
            .text(big_font(), names[g], WHITE, 12, 22)
            .text(small_font(), "Status: Unlocked", WHITE, 12, 51);
    } else {
        expected.draw(locked_picture[g], nullptr, 178, 49)
            .centred_text(small_font(), "Press B back to MENU", WHITE, 220)
            .text(small_font(), "Model", WHITE, 12, 10)
            .text(big_font(), "UNKNOWN", WHITE, 12, 22)
            .text(small_font(), "Status: locked", WHITE, 12, 51)
            .text(small_font(), hints[g], WHITE, 15, 120);
    }
    EXPECT_EQ(picture_difference(shown.get(), expected.get()), "");
}

std::vector<SDLKey> then(std::vector<SDLKey> keys, int downs)
{
    keys.insert(keys.end(), downs, SDLK_DOWN);
    return keys;
}

// Each guitar once locked and once unlocked, on both sides of its threshold.
INSTANTIATE_TEST_SUITE_P(
    Pages, GalleryPictureTest,
    ::testing::Values(GalleryPage{"FirstLocked", 4, {}, 0, false, 0, 86},
                      GalleryPage{"FirstUnlockedAtTheTop", 5, {}, 0, true, 0, 86},
                      GalleryPage{"SecondLocked", 9, {SDLK_RIGHT}, 1, false, 0, 86},
                      GalleryPage{"SecondUnlockedScrolled", 10, then({SDLK_RIGHT}, 3), 1, true, 30, 95},
                      GalleryPage{"ThirdLocked", 14, {SDLK_RIGHT, SDLK_RIGHT}, 2, false, 0, 86},
                      GalleryPage{"ThirdUnlockedScrolled", 15, then({SDLK_RIGHT, SDLK_RIGHT}, 12), 2, true, 120, 122},
                      GalleryPage{"FourthLocked", 19, {SDLK_LEFT}, 3, false, 0, 86},
                      GalleryPage{"FourthUnlockedAtTheEnd", 20, then({SDLK_LEFT}, 37), 3, true, 370, 197}),
    [](const auto& info) { return std::string(info.param.name); });

class CreditsPictureTest : public OptionsTest, public ::testing::WithParamInterface<int> {};

TEST_P(CreditsPictureTest, ShowTheCreditsFromTheirScrollOverTheBackground)
{
    const int row = GetParam();  // the credits row at the top of the screen
    Snapshot shown;
    // A credits pass presents after moving the scroll on by one.
    driver.on_flip = [&](SDL_Surface* s) {
        if (menu1 == 1 && camera_credits.y == row + 1) shown.take(s);
    };
    driver.stop_when = [&] { return bool(shown); };
    driver.stop_when_script_ends = false;
    open_main_row(ROW_CREDITS);
    EXPECT_EQ(run_game(), STOPPED);
    ASSERT_TRUE(shown);

    ExpectedPicture expected;
    expected.draw(my_surfMenu4, nullptr, 0, 0).draw(credits_tela, SDL_Rect{0, Sint16(row), 320, 2048}, 0, 0, Key::Magenta);
    EXPECT_EQ(picture_difference(shown.get(), expected.get()), "");
}

// The first row, one along the way, and the last row ever shown.
INSTANTIATE_TEST_SUITE_P(Scrolls, CreditsPictureTest, ::testing::Values(0, 700, 2046),
                         [](const auto& info) { return "Row" + std::to_string(info.param); });

}  // namespace
