// What start-up leaves behind for the rest of the run: the audio device's
// format and volumes, the three fonts and the two text colours. The expected
// values are written out here; the fonts are compared with the font file
// opened by the test itself at the sizes the game is meant to use.
#include "harness/expected_picture.h"
#include "harness/pictures.h"
#include "highway/judge_state.h"
#include "play/play_fixture.h"
#include "shell/image_table.h"
#include "shell/play_input.h"
#include "shell/resources.h"
#include "shell/song_state.h"

#include <SDL/SDL_mixer.h>
#include <SDL/SDL_ttf.h>

#include <array>
#include <atomic>
#include <string>

namespace {

std::atomic<int> mixed_bytes{0};
void note_mixed_bytes(void*, Uint8*, int len) { mixed_bytes = len; }

class StartupValues : public GameTest {
protected:
    // Runs the game up to the main menu and a few of its polls.
    void start_game()
    {
        skip_intro();
        driver.grace_polls = 3;
        ASSERT_EQ(run_game(), STOPPED);
    }
};

TEST_F(StartupValues, AudioIsOpenedAt22050HzSigned16BitStereoIn1024SampleChunksAtVolume30)
{
    start_game();
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    ASSERT_NE(Mix_QuerySpec(&frequency, &format, &channels), 0);
    EXPECT_EQ(frequency, 22050);
    EXPECT_EQ(format, AUDIO_S16LSB);
    EXPECT_EQ(channels, 2);
    // Every channel and the music: Mix_Volume(-1, -1) answers their mean.
    EXPECT_EQ(Mix_Volume(-1, -1), 30);
    EXPECT_EQ(Mix_VolumeMusic(-1), 30);

    // The mixer hands each buffer of the device to a post-mix hook: 1024
    // samples of two 2-byte channels.
    Mix_SetPostMix(note_mixed_bytes, nullptr);
    for (int waited = 0; mixed_bytes == 0 && waited < 2000; waited += 5) SDL_Delay(5);
    Mix_SetPostMix(nullptr, nullptr);
    EXPECT_EQ(mixed_bytes, 1024 * 2 * 2);
}

TEST_F(StartupValues, FontsRenderAsTheFontFileAtTenTenAndEighteenPoints)
{
    start_game();
    const struct {
        const char* name;
        TTF_Font* game;
        int points;
    } fonts[] = {{"font_small", font_small, 10}, {"font_small2", font_small2, 10}, {"font_big", font_big, 18}};
    const char* sample = "Wins: 3 ACCURACY 0123456789 gjpqy";
    const SDL_Color ink = {255, 255, 255, 0};
    for (const auto& f : fonts) {
        ASSERT_NE(f.game, nullptr) << f.name;
        SDL_Surface* shown = TTF_RenderText_Solid(f.game, sample, ink);
        SDL_Surface* expected = TTF_RenderText_Solid(test_font(f.points), sample, ink);
        ASSERT_NE(shown, nullptr) << f.name;
        ASSERT_NE(expected, nullptr) << f.name;
        EXPECT_EQ(shown->w, expected->w) << f.name;
        EXPECT_EQ(shown->h, expected->h) << f.name;
        if (shown->w == expected->w && shown->h == expected->h) {
            // Solid renders are 8-bit: 0 for the background, non-zero for ink.
            int differing = 0;
            for (int y = 0; y < shown->h; ++y)
                for (int x = 0; x < shown->w; ++x) {
                    const Uint8 a = static_cast<const Uint8*>(shown->pixels)[y * shown->pitch + x];
                    const Uint8 b = static_cast<const Uint8*>(expected->pixels)[y * expected->pitch + x];
                    differing += (a != 0) != (b != 0);
                }
            EXPECT_EQ(differing, 0) << f.name;
        }
        SDL_FreeSurface(shown);
        SDL_FreeSurface(expected);
    }
    // The two 10-point fonts are two handles of their own.
    EXPECT_NE(font_small, font_small2);
}

TEST_F(StartupValues, ColoursAreWhiteAndYellow)
{
    start_game();
    EXPECT_EQ((std::array<int, 3>{color_white.r, color_white.g, color_white.b}), (std::array<int, 3>{255, 255, 255}));
    EXPECT_EQ((std::array<int, 3>{color_yellow.r, color_yellow.g, color_yellow.b}), (std::array<int, 3>{255, 255, 0}));
}

// The results screen of a fifth win shows texts in both colours and in two
// of the three fonts.
class StartupValuesOnResults : public PlayTest {};

TEST_F(StartupValuesOnResults, UnlockMessageIsYellowAndTheOtherLinesWhite)
{
    replace_image(show_you_win, 320, 240, 0, 0, 96);
    replace_image(star, 209, 39, 255, 0, 0);
    replace_image(starNull, 209, 39, 96, 96, 96);
    wins = 4;
    choose_song(0);
    each_frame([&](long k) {
        if (k != 5) return;
        tHITS = 416;  // every note of the first song: 100 percent
        driver.key_down(SKIP_KEY);
    });
    Snapshot results;
    driver.on_flip = [&](SDL_Surface* shown) {
        if (!results && rgb_at(shown, 0, 0) == as_shown(shown, 0, 0, 96)) results.take(shown);
    };
    driver.stop_when = [&] { return static_cast<bool>(results); };  // at the name entry's first poll
    EXPECT_EQ(run_game(), STOPPED);

    ASSERT_TRUE(results);
    SDL_Surface* shot = results.get();
    const Uint32 background = as_shown(shot, 0, 0, 96);
    const SDL_Color white = {255, 255, 255, 0};
    const SDL_Color yellow = {255, 255, 0, 0};
    EXPECT_TRUE(shows_centred_text(shot, test_font(10), "NEW GUITAR UNLOCK IN GALERY!", yellow, background, 160));
    EXPECT_TRUE(shows_centred_text(shot, test_font(10), "ACCURACY: 100 percents", white, background, 180));
    const std::string streak = "LONGEST NOTE STREAK: " + std::to_string(nSTREAK);
    const int shared = TTF_FontHeight(test_font(10)) - 10;  // the accuracy line reaches into its box
    EXPECT_TRUE(shows_centred_text(shot, test_font(10), streak.c_str(), white, background, 190, shared)) << streak;
    const std::string score = std::to_string(nSCORE);
    EXPECT_TRUE(shows_centred_text(shot, test_font(18), score.c_str(), white, background, 60)) << score;
}

}  // namespace
