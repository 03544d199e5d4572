// What the sound screen and the key configuration show, composed from the
// real artwork with its magenta keys and compared pixel for pixel.
#include "options/menu_pictures.h"
#include "options/options_fixture.h"
#include "shell/key_bindings.h"
#include "shell/key_config.h"
#include "shell/settings.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

TEST_F(OptionsTest, TheSoundScreenShowsTheBarCellTheVolumeAndTheFooterAtEveryVolume)
{
    // Widths of the bar cells for 10, 20, .. 100; every cell is 66 rows high
    // and starts at the sheet's top-left corner.
    const int bar_width[10] = {35, 43, 51, 59, 67, 75, 83, 91, 98, 109};
    // The last picture shown at each volume.
    std::map<int, Snapshot> shown;
    driver.on_flip = [&](SDL_Surface* s) {
        if (menu5 == 1) shown[VOL].take(s);
    };
    VOL = 0;
    open_options_row(ROW_SOUND);
    for (int i = 0; i < 11; ++i) driver.key_down(SDLK_RIGHT);  // the last one is held at 100
    driver.grace_polls = 1;
    EXPECT_EQ(run_game(), STOPPED);
    ASSERT_EQ(VOL, 100);

    for (int volume = 0; volume <= 100; volume += 10) {
        ASSERT_TRUE(shown[volume]) << "volume " << volume;
        ExpectedPicture expected;
        expected.draw(menu_sound, nullptr, 0, 0);
        if (volume > 0) expected.draw(Select_vol, SDL_Rect{0, 0, Uint16(bar_width[volume / 10 - 1]), 66}, 105, 105, Key::Magenta);
        const std::string text = "VOLUME: " + std::to_string(volume);
        expected.text(big_font(), text.c_str(), WHITE, 100, 180)
            .centred_text(small_font(), "Press B back to MENU", WHITE, 220);
        EXPECT_EQ(picture_difference(shown[volume].get(), expected.get()), "") << "volume " << volume;
    }
    EXPECT_EQ(shown.size(), 11u);  // no value outside 0..100 was ever shown
}

TEST_F(OptionsTest, EachKeyConfigurationStepShowsTheFretRowItsPressedFretAndItsPrompt)
{
    // The pressed-fret cells of the frets sheet, by fret, and the fret
    // targets they are drawn at, as in play.
    const SDL_Rect pressed_cell[5] = {{0, 33, 31, 23}, {31, 33, 33, 23}, {64, 33, 35, 23}, {99, 33, 35, 23}, {0, 56, 163, 23}};
    const int lane_x[5] = {80, 110, 145, 177, 210};
    const char* const prompts[10] = {
        "PRESS BUTTONS TO FRET 1",
        "PRESS BUTTONS TO FRET 2",
        "PRESS BUTTONS TO FRET 3",
        "PRESS BUTTONS TO FRET 4",
        "PRESS BUTTONS TO FRET 5",
        "PRESS BUTTONS TO ALTERNATIVE FRET 1",
        "PRESS BUTTONS TO ALTERNATIVE FRET 2",
        "PRESS BUTTONS TO ALTERNATIVE FRET 3",
        "PRESS BUTTONS TO ALTERNATIVE FRET 4",
        "PRESS BUTTONS TO ALTERNATIVE FRET 5",
    };
    // Each step's picture, composed once.
    auto expected_of = [&](int step) {
        auto picture = std::make_unique<ExpectedPicture>();
        const int fret = step % 5;
        picture->draw(menu_keys, nullptr, 0, 0)
            .draw(my_surfFrets, SDL_Rect{0, 0, 200, 33}, 80, 215, Key::Magenta)
            .draw(my_surfFrets, pressed_cell[fret], lane_x[fret], 222, Key::Magenta)
            .text(small_font(), prompts[step], WHITE, step < 5 ? 80 : 40, 100);
        return picture;
    };
    std::map<int, std::unique_ptr<ExpectedPicture>> expected;
    std::map<int, int> pictures;  // by step
    std::vector<std::string> differences;
    key_conf = -1;  // the screen sets it to 0 when it opens
    driver.on_flip = [&](SDL_Surface* s) {
        if (menu5 != 1 || key_conf < 0) return;
        const int step = key_conf;
        ++pictures[step];
        if (step >= 10) return;
        if (!expected[step]) expected[step] = expected_of(step);
        const std::string difference = picture_difference(s, expected[step]->get());
        if (!difference.empty())
            differences.push_back("step " + std::to_string(step) + ", picture " + std::to_string(pictures[step]) + ": " +
                                  difference);
    };
    open_options_row(ROW_KEYS);
    for (const KeyBinding& b : KEY_BINDINGS) driver.key_down(b.key, 2);
    driver.grace_polls = 1;
    EXPECT_EQ(run_game(), STOPPED);
    ASSERT_EQ(key_conf, 10);

    EXPECT_EQ(differences, std::vector<std::string>{});
    // Every step was shown, from the first pass of the screen on; the tenth
    // key ends it without a picture of step 10.
    for (int step = 0; step < 10; ++step) EXPECT_GE(pictures[step], 2) << "step " << step;
    EXPECT_EQ(pictures.count(10), 0u);
}

}  // namespace
