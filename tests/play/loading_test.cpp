// The loading screen and the countdown between the choice of a song and its
// first play frame: what is presented, how long each picture stays, when the
// explosion sounds and when the song's music starts; then each picture,
// composed from the real images.
#include "play/field_picture.h"
#include "play/play_fixture.h"

#include "shell/image_table.h"
#include "shell/resources.h"

#include <SDL/SDL_mixer.h>

#include <deque>
#include <string>
#include <vector>

namespace {

// Every present of the sequence and the wait that follows it, in ms from the
// loading picture's present.
struct Shown {
    const char* what;
    Uint32 at;
    Uint32 wait;
};
const Shown SEQUENCE[] = {
    {"loading picture", 0, 500}, {"bar stage 1", 500, 300},  {"bar stage 2", 800, 300},
    {"bar stage 3", 1100, 300},  {"bar stage 4", 1400, 300}, {"bar stage 5", 1700, 500},
    {"digit 3", 2200, 1000},     {"digit 2", 3200, 1000},    {"digit 1", 4200, 1000},
};
constexpr int PICTURES = sizeof SEQUENCE / sizeof SEQUENCE[0];
constexpr Uint32 FIRST_FRAME_AT = 5200;
constexpr Uint32 EXPLOSION_AT = 2200;

class LoadingTest : public PlayTest {
protected:
    // Runs up to the first play frame's input poll. The sequence takes no
    // event, so it lies after the last poll before that frame; there the
    // record's lengths are marked and the pictures kept from then on.
    void run_to_first_frame(int song)
    {
        choose_song(song);
        driver.on_poll = [this] {
            delays_from = driver.delay_calls.size();
            effects_from = driver.effects.size();
            music_from = driver.music.size();
            shown.clear();
            music_playing.clear();
        };
        driver.on_flip = [this](SDL_Surface* screen) {
            shown.emplace_back().take(screen);
            music_playing.push_back(Mix_PlayingMusic() == 1);
        };
        driver.stop_when = [this] { return playing(); };
        EXPECT_EQ(run_game(), STOPPED);
    }

    // The presents from the loading picture on: the sequence's pictures and
    // the first frame's update (the menu may present once before them).
    size_t first_of_sequence() const { return shown.size() - (PICTURES + 1); }

    size_t delays_from = 0, effects_from = 0, music_from = 0;
    std::deque<Snapshot> shown;
    std::vector<bool> music_playing;
};

class LoadingSequenceTest : public LoadingTest, public ::testing::WithParamInterface<int> {};

TEST_P(LoadingSequenceTest, PresentsWaitsExplosionAndMusicComeAsTimed)
{
    const int song = GetParam();
    run_to_first_frame(song);
    ASSERT_GE(shown.size(), PICTURES + 1u);

    const std::vector<PresentCall> presents(driver.presents.end() - (PICTURES + 1), driver.presents.end());
    const Uint32 t0 = presents[0].at;
    std::vector<DelayCall> delays;
    for (size_t i = delays_from; i < driver.delay_calls.size(); ++i)
        if (driver.delay_calls[i].at >= t0) delays.push_back(driver.delay_calls[i]);
    ASSERT_EQ(delays.size(), static_cast<size_t>(PICTURES));
    for (int i = 0; i < PICTURES; ++i) {
        SCOPED_TRACE(SEQUENCE[i].what);
        EXPECT_EQ(presents[i].kind, PresentCall::Flip);
        EXPECT_EQ(presents[i].at - t0, SEQUENCE[i].at);
        EXPECT_EQ(delays[i].at - t0, SEQUENCE[i].at);
        EXPECT_EQ(delays[i].ms, SEQUENCE[i].wait);
        EXPECT_FALSE(music_playing[first_of_sequence() + i]);
    }
    EXPECT_EQ(presents[PICTURES].kind, PresentCall::UpdateRect);
    EXPECT_EQ(presents[PICTURES].at - t0, FIRST_FRAME_AT);

    // The one sound of the sequence, with the digit 3 (the button's click
    // that chose the song comes before).
    std::vector<Uint32> explosions;
    for (size_t i = effects_from; i < driver.effects.size(); ++i) {
        const EffectCall& effect = driver.effects[i];
        if (effect.chunk == snd_accept) continue;
        EXPECT_EQ(effect.chunk, snd_explosion);
        explosions.push_back(effect.at - t0);
    }
    EXPECT_EQ(explosions, std::vector<Uint32>{EXPLOSION_AT});

    // The song's own music, played once when the countdown is over.
    ASSERT_EQ(driver.music.size(), music_from + 1);
    const MusicCall& start = driver.music.back();
    EXPECT_EQ(start.kind, MusicCall::Play);
    EXPECT_EQ(start.music, song == SONG_TUTORIAL ? music_tutorial : music_paranoid);
    EXPECT_EQ(start.loops, 0);
    EXPECT_EQ(start.at - t0, FIRST_FRAME_AT);
}

INSTANTIATE_TEST_SUITE_P(SongAndTutorial, LoadingSequenceTest, ::testing::Values(0, SONG_TUTORIAL),
                         [](const auto& info) { return std::string(info.param == 0 ? "Song" : "Tutorial"); });

TEST_F(LoadingTest, BarGrowsOverTheLoadingPictureThenEachDigitStandsOverAFreshField)
{
    run_to_first_frame(SONG_TUTORIAL);
    ASSERT_GE(shown.size(), PICTURES + 1u);
    auto picture = [this](int i) { return shown[first_of_sequence() + i].get(); };

    // Black, then the loading picture whole and unkeyed.
    ExpectedPicture expected;
    expected.draw(loading, nullptr, 0, 0);
    EXPECT_EQ(picture_difference(picture(0), expected.get()), "") << SEQUENCE[0].what;

    // Ever wider cells from the sheet's top-left corner, keyed, at (80, 170),
    // each over the one before.
    constexpr Uint16 BAR_WIDTHS[] = {30, 55, 92, 127, 150};
    for (int stage = 0; stage < 5; ++stage) {
        expected.draw(my_surfloading2, SDL_Rect{0, 0, BAR_WIDTHS[stage], 43}, 80, 170, Key::Magenta);
        EXPECT_EQ(picture_difference(picture(1 + stage), expected.get()), "") << SEQUENCE[1 + stage].what;
    }

    // 3, 2, 1: each keyed at (0, 0) over the play field drawn afresh, with
    // the neck standing at its first position.
    SDL_Surface* const digits[] = {contagem3, contagem2, contagem1};
    for (int d = 0; d < 3; ++d) {
        field::draw_countdown_field(expected, 540);
        expected.draw(digits[d], nullptr, 0, 0, Key::Magenta);
        EXPECT_EQ(picture_difference(picture(6 + d), expected.get()), "") << SEQUENCE[6 + d].what;
    }
}

}  // namespace
