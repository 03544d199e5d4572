// Songs left through the pause screen and through fails while effects are
// sounding pause those channels; the main-menu entry must free them, or the
// game runs out of channels for its effects. Played on SDL_mixer's real
// channels (the dummy audio driver), which the harness passes the calls to.
#include "play/play_fixture.h"

#include "highway/judge_state.h"
#include "shell/resources.h"

#include <SDL/SDL_mixer.h>

#include <algorithm>

namespace {

constexpr int EXITS = 20;

class SoundChannelsTest : public PlayTest {
protected:
    void choose_tutorial()
    {
        driver.key_down(BUTTON_A);  // main menu row 0
        driver.key_down(SDLK_DOWN);
        driver.key_down(SDLK_DOWN);
        driver.key_down(BUTTON_A);  // the tutorial row
    }
};

TEST_F(SoundChannelsTest, TwentySongsLeftThroughPauseAndFailLeaveChannelsForTheMenuEffects)
{
    skip_intro();
    choose_tutorial();
    int exits = 0;
    long song_base = 0, last = 0;
    bool pausing = false, menu_checked = true;
    int fewest_sounding = 99;     // channels busy at each way out
    int menu_music_faults = 0;    // menu music not playing, or left paused, after an exit

    auto left_song = [&] {
        fewest_sounding = std::min(fewest_sounding, Mix_Playing(-1));
        ++exits;
        song_base = frame();
        menu_checked = false;
        if (exits < EXITS) return choose_tutorial();
        driver.key_down(SDLK_DOWN);  // snd_cursor
        driver.key_down(BUTTON_A);   // snd_accept
    };
    driver.on_poll = [&] {
        if (!menu_checked && driver.count_music(MusicCall::Play) == 1 + 2 * exits) {
            menu_checked = true;
            menu_music_faults += Mix_PlayingMusic() != 1 || Mix_PausedMusic() != 0;
        }
        if (pausing && BPS == 0) {  // the pause screen's first pass
            pausing = false;
            driver.key_down(BUTTON_SELECT);
            return left_song();
        }
        if (frame() == last) return;
        last = frame();
        // Frame 1 presses lane 1 with no note near: a miss, whose sound starts
        // in frame 2. Odd songs fail there; even ones pause.
        const long k = last - song_base;
        if (k == 1) {
            driver.key_down(SDLK_a);
            if (exits % 2 == 1) Balanca = -5;
        }
        if (k == 2 && exits % 2 == 0) {
            driver.key_down(BUTTON_START);
            pausing = true;
        }
    };
    driver.on_flip = [&, fails = 0](SDL_Surface*) mutable {
        if (loses == fails) return;
        fails = loses;
        left_song();
    };
    driver.stop_when_script_ends = true;
    driver.grace_polls = 2;
    EXPECT_EQ(run_game(), STOPPED);

    EXPECT_EQ(exits, EXITS);
    EXPECT_EQ(loses, EXITS / 2);
    EXPECT_GE(fewest_sounding, 1);  // effects were sounding at every way out
    EXPECT_EQ(menu_music_faults, 0);
    EXPECT_TRUE(menu_checked);
    ASSERT_GE(driver.effects.size(), 2u);
    const EffectCall& cursor = driver.effects[driver.effects.size() - 2];
    const EffectCall& accept = driver.effects.back();
    EXPECT_EQ(cursor.chunk, snd_cursor);
    EXPECT_NE(cursor.channel, -1);
    EXPECT_EQ(accept.chunk, snd_accept);
    EXPECT_NE(accept.channel, -1);
    const long no_channel = std::count_if(driver.effects.begin(), driver.effects.end(),
                                          [](const EffectCall& call) { return call.channel == -1; });
    EXPECT_EQ(no_channel, 0) << "effects that found no free channel";
}

}  // namespace
