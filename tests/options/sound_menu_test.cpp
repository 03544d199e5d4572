// The sound screen: the volume within 0..100, its bar and its text, applied
// in every pass.
#include "options/options_fixture.h"
#include "shell/platform.h"
#include "shell/settings.h"

#include <SDL/SDL_mixer.h>

namespace {

struct VolumeCase {
    const char* name;
    int start;
    std::vector<SDLKey> keys;
    int volume;
    int bar_width;  // 0: no bar
};

void PrintTo(const VolumeCase& c, std::ostream* os) { *os << c.name; }

class SoundTest : public OptionsTest, public ::testing::WithParamInterface<VolumeCase> {};

TEST_P(SoundTest, TheVolumeStaysInItsRangeAndShowsItsBarAndText)
{
    const VolumeCase& c = GetParam();
    replace(menu_sound, black());
    replace(Select_vol, solid_surface(109, 66, 0, 255, 0));
    int bar = -1;
    bool text = false;
    driver.on_flip = [&](SDL_Surface* s) {
        bar = 0;
        while (bar < 200 && rgb_at(s, 105 + bar, 140) == 0x00FF00) ++bar;
        const std::string volume = "VOLUME: " + std::to_string(VOL);
        text = shows_text(s, font_big, volume.c_str(), 100, 180);
    };
    VOL = c.start;
    open_options_row(ROW_SOUND);
    press(c.keys);
    driver.grace_polls = 1;
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(VOL, c.volume);
    EXPECT_EQ(bar, c.bar_width);
    EXPECT_TRUE(text);
    // Applied to every channel and to the music (the dummy audio driver opens).
    ASSERT_TRUE(audio_available);
    EXPECT_EQ(Mix_Volume(-1, -1), c.volume);
    EXPECT_EQ(Mix_VolumeMusic(-1), c.volume);
    EXPECT_EQ(driver.count_effect(snd_cursor), 4);  // the menus' moves only
    EXPECT_EQ(accept_cancel_sounds(), "AA");
}

INSTANTIATE_TEST_SUITE_P(
    Volumes, SoundTest,
    ::testing::Values(VolumeCase{"Default", 30, {}, 30, 51},
                      VolumeCase{"TwoLeftFromTheDefault", 30, {SDLK_LEFT, SDLK_LEFT}, 10, 35},
                      VolumeCase{"LeftAtZeroStaysWithoutABar", 0, {SDLK_LEFT}, 0, 0},
                      VolumeCase{"RightAtHundredStays", 100, {SDLK_RIGHT}, 100, 109},
                      VolumeCase{"NinetyIsNotTheFullBar", 80, {SDLK_RIGHT, SDLK_UP, BUTTON_A}, 90, 98},
                      VolumeCase{"ManyRightsStopAtHundred", 30, std::vector<SDLKey>(9, SDLK_RIGHT), 100, 109}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
