// The fail and results screens as shown: each picture composed from the real
// images over the play field of the frame that ended the song, how long each
// stays up, and the sounds and music meanwhile.
#include "play/field_picture.h"
#include "play/play_fixture.h"

#include "highway/judge_state.h"
#include "shell/image_table.h"
#include "shell/resources.h"

#include <SDL/SDL_mixer.h>

#include <deque>
#include <functional>
#include <vector>

namespace {

// The song ends in frame 6, whose neck stands at 540 - 5 * 10.
constexpr long LAST_FRAME_PLAYED = 5;
constexpr int NECK_Y_IN_FRAME_6 = 490;

const SDL_Color WHITE = {255, 255, 255, 0};
const SDL_Color YELLOW = {255, 255, 0, 0};

// Whether an effect's channel is sounding and not paused, or paused.
struct ChannelState {
    bool playing = false, paused = false;
};
ChannelState channel_state(int channel)
{
    if (channel < 0) return {};
    return {Mix_Playing(channel) == 1, Mix_Paused(channel) == 1};
}

class EndScreensTest : public PlayTest {
protected:
    // Chooses `song`, runs `end_it` at the input poll of frame 5, and keeps
    // every picture presented after it, up to the next poll.
    void run_to_the_end(int song, std::function<void()> end_it)
    {
        choose_song(song);
        each_frame([this, end_it](long k) {
            if (k != LAST_FRAME_PLAYED) return;
            end_it();
            ended_at_poll = driver.polls;
            delays_from = driver.delay_calls.size();
            music_from = driver.music.size();
        });
        driver.on_flip = [this](SDL_Surface* screen) {
            if (!ended_at_poll) return;
            shown.emplace_back().take(screen);
            at.push_back(driver.now);
            song_music_on.push_back(Mix_PlayingMusic() == 1 && Mix_PausedMusic() == 0);
            on_flip_after_end();
        };
        driver.stop_when = [this] {
            if (!ended_at_poll || driver.polls == ended_at_poll) return false;
            next_poll_at = driver.now;
            return true;
        };
        EXPECT_EQ(run_game(), STOPPED);
    }

    // The delays from the end screen's first picture on (frame 5's cap
    // comes before it), as (ms, at).
    std::vector<std::pair<Uint32, Uint32>> delays_after_end() const
    {
        std::vector<std::pair<Uint32, Uint32>> delays;
        for (size_t i = delays_from; i < driver.delay_calls.size(); ++i)
            if (!at.empty() && driver.delay_calls[i].at >= at[0])
                delays.emplace_back(driver.delay_calls[i].ms, driver.delay_calls[i].at);
        return delays;
    }

    const EffectCall* last_effect(Mix_Chunk* chunk) const
    {
        for (auto it = driver.effects.rbegin(); it != driver.effects.rend(); ++it)
            if (it->chunk == chunk) return &*it;
        return nullptr;
    }

    std::function<void()> on_flip_after_end = [] {};
    long ended_at_poll = 0;
    size_t delays_from = 0, music_from = 0;
    std::deque<Snapshot> shown;
    std::vector<Uint32> at;
    std::vector<bool> song_music_on;
    Uint32 next_poll_at = 0;
};

TEST_F(EndScreensTest, FailShowsItsPictureOverTheFrameForThreeSecondsWithOnlyTheLoseSound)
{
    // Frame 5 leaves the meter at its bottom and presses lane 1 with no note
    // near: frame 6 shows "MISS", starts the miss sound and fails.
    ChannelState miss_channel, lose_channel;
    on_flip_after_end = [&] {
        if (shown.size() != 1) return;
        miss_channel = channel_state(last_effect(snd_miss) ? last_effect(snd_miss)->channel : -1);
        lose_channel = channel_state(last_effect(snd_lose) ? last_effect(snd_lose)->channel : -1);
    };
    run_to_the_end(SONG_TUTORIAL, [this] {
        Balanca = -6;
        driver.key_down(SDLK_a);
    });
    ASSERT_FALSE(shown.empty());
    const Uint32 t = at[0];

    // The frame's field with the meter fully covered and "MISS", then the
    // fail picture keyed over it.
    ExpectedPicture expected;
    field::draw_frame_field(expected, NECK_Y_IN_FRAME_6, 160);
    expected.text(test_font(10), "MISS", WHITE, 20, 100);
    expected.draw(show_lose, nullptr, 0, 0, Key::Magenta);
    EXPECT_EQ(picture_difference(shown[0].get(), expected.get()), "");

    // Held three seconds; nothing else is shown or polled meanwhile.
    for (size_t i = 1; i < at.size(); ++i) EXPECT_GE(at[i], t + 3000) << "present " << i;
    const auto delays = delays_after_end();
    ASSERT_FALSE(delays.empty());
    EXPECT_EQ(delays[0], std::make_pair(3000u, t));
    for (size_t i = 1; i < delays.size(); ++i) EXPECT_GE(delays[i].second, t + 3000) << "delay " << i;
    EXPECT_GE(next_poll_at, t + 3000);

    // The music and the miss sound paused, the lose sound started after them.
    ASSERT_NE(last_effect(snd_lose), nullptr);
    EXPECT_EQ(last_effect(snd_lose)->at, t);
    EXPECT_TRUE(miss_channel.playing && miss_channel.paused);
    EXPECT_TRUE(lose_channel.playing && !lose_channel.paused);
    EXPECT_FALSE(song_music_on[0]);
    ASSERT_EQ(driver.music.size(), music_from + 2);
    EXPECT_EQ(driver.music[music_from].kind, MusicCall::Pause);
    EXPECT_EQ(driver.music[music_from].at, t);
    EXPECT_EQ(driver.music[music_from + 1].music, music_menu);  // the main-menu entry, after the hold
    EXPECT_EQ(driver.music[music_from + 1].at, t + 3000);
    EXPECT_EQ(loses, 1);
    EXPECT_EQ(driver.count_effect(snd_win), 0);
}

TEST_F(EndScreensTest, ResultsShowTheWinPictureForTwoSecondsThenTheResultsForFour)
{
    wins = 2;  // the third win, after a song other than the first: unlock
    run_to_the_end(1, [this] {
        tHITS = 307;  // 30700 / 613 notes: 50 percent, five stars
        nSCORE = 12345;
        nSTREAK = 7;
        driver.key_down(SDLK_q);
    });
    ASSERT_GE(shown.size(), 2u);
    const Uint32 t = at[0];

    // The frame's field with the meter at 0 (80 rows covered), the win
    // picture keyed over it.
    ExpectedPicture expected;
    field::draw_frame_field(expected, NECK_Y_IN_FRAME_6, 80);
    expected.draw(show_win, nullptr, 0, 0, Key::Magenta);
    EXPECT_EQ(picture_difference(shown[0].get(), expected.get()), "") << "win picture";

    // The results picture over it: background, star lines, texts.
    expected.draw(show_you_win, nullptr, 0, 0);
    expected.draw(starNull, nullptr, 55, 100, Key::Magenta);
    expected.draw(star, SDL_Rect{0, 0, 105, 39}, 55, 100, Key::Magenta);
    expected.centred_text(test_font(10), "NEW GUITAR UNLOCK IN GALERY!", YELLOW, 160);
    expected.centred_text(test_font(18), "12345", WHITE, 60);
    expected.centred_text(test_font(10), "ACCURACY: 50 percents", WHITE, 180);
    expected.centred_text(test_font(10), "LONGEST NOTE STREAK: 7", WHITE, 190);
    EXPECT_EQ(picture_difference(shown[1].get(), expected.get()), "") << "results picture";

    // Two seconds, then four; nothing polled meanwhile.
    EXPECT_EQ(at[1], t + 2000);
    for (size_t i = 2; i < at.size(); ++i) EXPECT_GE(at[i], t + 6000) << "present " << i;
    const auto delays = delays_after_end();
    ASSERT_GE(delays.size(), 2u);
    EXPECT_EQ(delays[0], std::make_pair(2000u, t));
    EXPECT_EQ(delays[1], std::make_pair(4000u, t + 2000));
    for (size_t i = 2; i < delays.size(); ++i) EXPECT_GE(delays[i].second, t + 6000) << "delay " << i;
    EXPECT_GE(next_poll_at, t + 6000);

    // The win sound with the first picture; the song plays on throughout.
    ASSERT_NE(last_effect(snd_win), nullptr);
    EXPECT_EQ(last_effect(snd_win)->at, t);
    EXPECT_EQ(driver.count_effect(snd_win), 1);
    EXPECT_TRUE(song_music_on[0]);
    EXPECT_TRUE(song_music_on[1]);
    EXPECT_EQ(driver.music.size(), music_from);
    EXPECT_EQ(wins, 3);
}

}  // namespace
