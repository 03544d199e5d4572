// Two hundred songs in one game run, over all six charts: completed with the
// skip key, failed on misses and left from the pause screen, in turn, with
// the high-score view and the gallery visited after every completed song.
// The heap in use at the main menu does not grow from the first fifty songs
// to the last fifty, and the effects still find free channels at the end.
// Run on its own with leak checking on (tests/CMakeLists.txt), so that under
// AddressSanitizer any leak of the whole run fails it at exit.
#include "harness/road.h"
#include "harness/routes.h"
#include "highway/judge_state.h"
#include "shell/keys.h"
#include "shell/resources.h"
#include "shell/song_state.h"

#include <SDL/SDL_mixer.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define QUORL_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUORL_ASAN 1
#endif
#endif

#ifdef QUORL_ASAN
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace {

// Bytes the program has allocated and not yet freed.
std::size_t heap_in_use()
{
#ifdef QUORL_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

constexpr int SONGS = 200;
constexpr int WINDOW = 50;  // songs compared at the start and at the end

// The median heap in use at the main menu over the last fifty songs may
// exceed that over the first fifty by this much. Medians, because the first
// play of each tune sets up its decoder, some 60 KB kept for the rest of the
// run, so the samples of the first 15 songs stand lower. After that the
// sanitizer's count repeats exactly with the songs and their ways, but for
// the texts a screen keeps until its next visit, whose size follows what
// they said (about 1 KB). The C library's count also holds the freed blocks
// that its per-thread caches keep for reuse, which drift by about 10 KB over
// a run. Memory kept at a rate of 30 bytes a song (110 with the C library's
// count) over the 150 songs between the windows exceeds these.
#ifdef QUORL_ASAN
constexpr std::size_t TOLERANCE = 4 * 1024;
#else
constexpr std::size_t TOLERANCE = 16 * 1024;
#endif

enum class Way { Skip, Fail, Pause };
constexpr Way WAYS[] = {Way::Skip, Way::Fail, Way::Pause};

std::size_t median(std::vector<std::size_t> samples)
{
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

// Songs in turn, each for three songs running (one of each way).
constexpr int SONG_ORDER[] = {SONG_TUTORIAL, 0, 1, 2, 3, 4};

// The high-score view's page of a song's file.
int page_of(int song) { return song == SONG_TUTORIAL ? 6 : song; }

class LongRun : public RoadTest {
protected:
    void SetUp() override
    {
        RoadTest::SetUp();
        driver.max_polls = 2000000;
        // The record must not grow its storage during the run, or the test's
        // own allocations would count as the game's.
        driver.effects.reserve(100000);
        driver.music.reserve(10000);
        driver.record_timeline = false;
        heap.reserve(SONGS);
        // SDL_mixer decodes and mixes on the audio thread, in real time, while
        // the game runs on the virtual clock: how far its decoders get into a
        // tune, and so how large the buffers they keep grow, would change
        // from run to run. With the audio device paused that work stops
        // (the game calls nothing on that thread); channels still end on the
        // virtual clock, and every effect still needs a free one.
        watch = [this] {
            if (!audio_paused && SDL_GetAudioStatus() == SDL_AUDIO_PLAYING) {
                SDL_PauseAudio(1);
                audio_paused = true;
            }
            if (BPS == 0) fewest_paused_channels = std::min(fewest_paused_channels, Mix_Paused(-1));
        };
        // Every high-score file already holds more lines than the view shows,
        // so that each visit of the view holds the same rows however many
        // lines the run appends.
        for (int page = 0; page <= 6; ++page) {
            std::ofstream file(dir / ("data/DATA" + std::to_string(page) + ".dat"));
            for (int line = 0; line < 12; ++line) file << high_score_line("OLD", 100 * line);
        }
    }

    static int song_of(int n) { return SONG_ORDER[n / 3 % 6]; }
    static Way way_of(int n) { return WAYS[n % 3]; }

    // What the play frames of song n press.
    void play_song(int n)
    {
        switch (way_of(n)) {
        case Way::Skip:
            in_play = [this](long frame) {
                if (frame == 1) driver.key_down(SDLK_q);
            };
            break;
        case Way::Fail:
            // Lane 1 tapped where no note is near: six misses take the rock
            // meter to its bottom.
            in_play = [this](long frame) {
                if (frame > 11) return;
                if (frame % 2) driver.key_down(SDLK_a);
                else driver.key_up(SDLK_a);
            };
            break;
        case Way::Pause:
            // A miss, whose sound is still sounding when the pause screen
            // pauses every channel; then SELECT.
            in_play = [this](long frame) {
                if (frame == 1) driver.key_down(SDLK_a);
                if (frame == 2) driver.key_up(SDLK_a);
                if (frame != 3) return;
                driver.key_down(BUTTON_START);
                driver.key_down(BUTTON_SELECT, 2);
            };
            break;
        }
    }

    void start_song(int n)
    {
        route::song(driver, song_of(n));
        play_song(n);
        if (way_of(n) == Way::Skip) {
            at_next(Mark::Completed, [this, n] {
                route::name(driver, "000");
                route::high_score_page(driver, select_page, page_of(song_of(n)));
                select_page = page_of(song_of(n));
                route::gallery(driver);
            });
        }
        at_next(Mark::MenuEntry, [this, n] {
            heap.push_back(heap_in_use());
            if (n + 1 < SONGS) return start_song(n + 1);
            route::exit_game(driver);
        });
    }

    std::vector<std::size_t> heap;  // heap in use at the main menu after each song
    int select_page = 0;            // the page the high-score view opens on
    bool audio_paused = false;
    int fewest_paused_channels = 99;  // channels paused by the pause screen, at its fewest
};

TEST_F(LongRun, TwoHundredSongsInTurnLeaveNoLeakNoGrowthAndChannelsForTheEffects)
{
    skip_intro();
    start_song(0);

    int completed = 0, won = 0, failed = 0;
    for (int n = 0; n < SONGS; ++n) {
        completed += way_of(n) == Way::Skip;
        won += way_of(n) == Way::Skip && song_of(n) != SONG_TUTORIAL;
        failed += way_of(n) == Way::Fail;
    }

    EXPECT_EQ(run_game(), 0);
    ASSERT_EQ(static_cast<int>(heap.size()), SONGS);
    EXPECT_EQ(marks(Mark::SongStart), SONGS);
    EXPECT_EQ(marks(Mark::Completed), completed);
    EXPECT_EQ(marks(Mark::Failed), failed);
    EXPECT_EQ(wins, won);
    EXPECT_EQ(loses, failed);
    EXPECT_EQ(stray_keys, 0);

    const std::size_t first = median({heap.begin(), heap.begin() + WINDOW});
    const std::size_t last = median({heap.end() - WINDOW, heap.end()});
    std::printf("heap in use at the main menu, median of the first %d songs: %zu bytes, of the last %d: %zu\n",
                WINDOW, first, WINDOW, last);
    EXPECT_LE(last, first + TOLERANCE);

    // Each pause screen held a sounding effect, which stays paused unless the
    // way out frees its channel; yet every effect found a channel, up to the
    // last ones: the exit row's cursor moves and its confirmation.
    EXPECT_GE(fewest_paused_channels, 1);
    EXPECT_EQ(effects_without_channel(), 0);
    ASSERT_GE(driver.effects.size(), 2u);
    EXPECT_EQ(driver.effects.back().chunk, snd_accept);
    EXPECT_NE(driver.effects.back().channel, -1);
    EXPECT_EQ(driver.effects[driver.effects.size() - 2].chunk, snd_cursor);
    EXPECT_NE(driver.effects[driver.effects.size() - 2].channel, -1);
}

}  // namespace
