// Play frame benchmark: runs the real game (SDL_main) on SDL's dummy video and
// audio drivers under a driver of its own, and prints
//  1. the frame period over a whole song on the real clock, with a player that
//     presses each note's lane as it reaches the frets;
//  2. the play frame's own work (everything but the frame cap's sleep) in the
//     heaviest frames: the last 30 s of forwhomthebellstolls, every chart note
//     in play, five lanes held and a hit with its flame in every lane at every
//     frame. Here the sleeps pass on a virtual clock, so only the work is timed.
//
// Usage: play_frame_bench [period song: 0..4 or 99, default 99] [--work-only]
#include "highway/lanes.h"
#include "highway/note_slots.h"
#include "shell/image_table.h"
#include "shell/keys.h"
#include "shell/platform.h"
#include "shell/song_state.h"
#include "shell/song_table.h"
#include "shell/startup.h"
#include "shell/video.h"

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <vector>

#include <unistd.h>

const Uint32 video_mode_flags = 0;
const char* const program_name = "play_frame_bench";

namespace {

using Clock = std::chrono::steady_clock;

constexpr int WORK_SONG = 4;               // forwhomthebellstolls
constexpr Uint32 WORK_SPAN_MS = 30000;     // the song's last 30 s
constexpr long WORK_WARM_UP_FRAMES = 40;   // until every note that jumped in has passed
constexpr SDLKey LANE_KEYS[LANE_COUNT] = {SDLK_a, SDLK_s, SDLK_d, SDLK_f, SDLK_g};

double ms_between(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

struct Bench {
    int period_song = SONG_TUTORIAL;
    bool work_only = false;

    // The game's clock: the real one plus an offset that delays passed
    // virtually move on.
    Uint32 offset = 0;
    bool virtual_sleeps = false;

    // Keys for the menus and the name entry; an event of type 0 lets one poll
    // pass empty.
    std::deque<SDL_Event> menu_keys;

    long frames = 0;  // play frames presented in the run
    long polled_frame = 0;
    long song_first_frame = 0;
    int song = -1;

    // Period: the time of every frame's update on the real clock.
    std::vector<Clock::time_point> updates;
    // Work: from the end of one frame's cap to the next frame's cap.
    Clock::time_point cap_returned;
    std::vector<double> work_ms;
    // Period song: each frame's own work and how much its sleep overran.
    std::vector<double> period_work_ms;
    std::vector<double> oversleep_ms;

    int pending_release = 0;
} bench;

void queue_key(SDLKey key)
{
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = key;
    bench.menu_keys.push_back(e);
}

void queue_empty_poll() { bench.menu_keys.push_back(SDL_Event{}); }

// From the main menu to a song: the play menu, then the song selection's
// pages (the shared poll between two of its own polls is let pass), or the
// tutorial row.
void queue_song(int song)
{
    queue_key(BUTTON_A);
    queue_key(SDLK_DOWN);
    if (song == SONG_TUTORIAL) {
        queue_key(SDLK_DOWN);
        queue_key(BUTTON_A);
        return;
    }
    queue_key(BUTTON_A);
    for (int page = 0; page < song; ++page) {
        if (page > 0) queue_empty_poll();
        queue_key(SDLK_RIGHT);
    }
    if (song > 0) queue_empty_poll();
    queue_key(BUTTON_A);
}

void queue_name_entry()
{
    for (int i = 0; i < 3; ++i) queue_key(BUTTON_A);
}

Uint32 ticks() { return SDL_GetTicks() + bench.offset; }

void delay(Uint32 ms)
{
    const bool frame_cap = bench.song >= 0 && ms <= 50;
    const Clock::time_point called = Clock::now();
    const double work = ms_between(bench.cap_returned, called);
    if (frame_cap && bench.song == WORK_SONG && bench.frames - bench.song_first_frame > WORK_WARM_UP_FRAMES)
        bench.work_ms.push_back(work);
    // Screens' long holds pass at once; the frame cap sleeps for real while
    // the period is measured.
    if (bench.virtual_sleeps || ms > 50) {
        bench.offset += ms;
    } else {
        SDL_Delay(ms);
    }
    bench.cap_returned = Clock::now();
    if (frame_cap && bench.song == bench.period_song) {
        bench.period_work_ms.push_back(work);
        bench.oversleep_ms.push_back(ms_between(called, bench.cap_returned) - ms);
    }
}

// Stages a hit in every lane: one slot per lane in the hit window.
void stage_hits()
{
    for (int lane = 1; lane <= LANE_COUNT; ++lane) {
        SDL_Rect& slot = note_slot(lane, lane_data(lane).pool_size - 1);
        slot.y = 210;
        slot.w = 31;
        slot.h = 23;
    }
}

// The period song's player: the lane of a note that has just reached note
// frame 21 is pressed, and released in the next frame.
int lane_to_press()
{
    for (int lane = 1; lane <= LANE_COUNT; ++lane)
        for (int i = 0; i < lane_data(lane).pool_size; ++i)
            if (note_slot(lane, i).y == 210) return lane;
    return 0;
}

int key_event(SDL_Event* event, Uint8 type, SDLKey key)
{
    *event = SDL_Event{};
    event->type = type;
    event->key.type = type;
    event->key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event->key.keysym.sym = key;
    return 1;
}

int play_poll(SDL_Event* event)
{
    const long k = bench.frames - bench.song_first_frame + 1;
    if (bench.song == WORK_SONG) {
        if (k == 1) bench.offset += song_row(WORK_SONG)->end_time - WORK_SPAN_MS;
        stage_hits();
        return key_event(event, SDL_KEYDOWN, LANE_KEYS[k % LANE_COUNT]);
    }
    if (bench.pending_release) {
        const SDLKey key = LANE_KEYS[bench.pending_release - 1];
        bench.pending_release = 0;
        return key_event(event, SDL_KEYUP, key);
    }
    if (const int lane = lane_to_press()) {
        bench.pending_release = lane;
        return key_event(event, SDL_KEYDOWN, LANE_KEYS[lane - 1]);
    }
    return 0;
}

int poll_event(SDL_Event* event)
{
    if (bench.frames > bench.polled_frame) {  // the input step of a play frame
        bench.polled_frame = bench.frames;
        return play_poll(event);
    }
    bench.song = -1;  // any other poll: the song is over
    bench.virtual_sleeps = false;
    if (bench.menu_keys.empty()) return 0;
    *event = bench.menu_keys.front();
    bench.menu_keys.pop_front();
    return event->type != 0;
}

void update_rect(SDL_Surface* surface, Sint32 x, Sint32 y, Uint32 w, Uint32 h)
{
    SDL_UpdateRect(surface, x, y, w, h);
    if (bench.song < 0) {  // the first frame of a song
        bench.song = count_song;
        bench.song_first_frame = bench.frames + 1;
        bench.virtual_sleeps = bench.song == WORK_SONG;
    }
    ++bench.frames;
    if (bench.song == bench.period_song) bench.updates.push_back(Clock::now());
}

int play_channel(int channel, Mix_Chunk* chunk, int loops, int ticks_limit)
{
    return Mix_PlayChannelTimed(channel, chunk, loops, ticks_limit);
}

const PlatformDriver bench_driver = {
    ticks,         delay,          poll_event, SDL_Flip,  update_rect, play_channel,
    Mix_PlayMusic, Mix_PauseMusic, Mix_ResumeMusic, Mix_Pause, Mix_Resume, Mix_HaltChannel,
};

double percentile(std::vector<double> values, double p)
{
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t i = static_cast<size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[i];
}

void report_period()
{
    const auto& t = bench.updates;
    const auto& o = bench.oversleep_ms;
    if (t.size() < 2) return;
    // Period i holds frame i - 1's sleep; when every frame slept, the OS's
    // overrun of that sleep can be told apart from the game's own timing.
    const bool every_frame_slept = o.size() + 1 >= t.size();
    double sum = 0, longest = 0;
    long over = 0, over_without_overrun = 0;
    for (size_t i = 1; i < t.size(); ++i) {
        const double period = ms_between(t[i - 1], t[i]);
        sum += period;
        longest = std::max(longest, period);
        over += period > 52.0;
        if (every_frame_slept) over_without_overrun += period - o[i - 1] > 52.0;
    }
    const double mean = sum / static_cast<double>(t.size() - 1);
    std::printf("frame period over song %d, %zu frames on the real clock:\n", bench.period_song, t.size());
    std::printf("  mean %.3f ms (%+.2f %% from 50 ms), longest %.3f ms, frames over 52 ms: %ld", mean,
                (mean - 50.0) * 2.0, longest, over);
    if (every_frame_slept) std::printf(" (%ld without the sleep's overrun)", over_without_overrun);
    std::printf("\n");
    const auto& w = bench.period_work_ms;
    std::printf("  own work: median %.3f ms, p99 %.3f ms; sleep overrun: median %.3f ms, p99 %.3f ms, longest %.3f ms\n",
                percentile(w, 0.5), percentile(w, 0.99), percentile(o, 0.5), percentile(o, 0.99),
                o.empty() ? 0.0 : *std::max_element(o.begin(), o.end()));
}

void report_work()
{
    const auto& w = bench.work_ms;
    std::printf("play frame's own work, last %u s of forwhomthebellstolls, five lanes held, five hits with flames "
                "a frame (%zu frames):\n",
                WORK_SPAN_MS / 1000, w.size());
    std::printf("  median %.3f ms, p99 %.3f ms, longest %.3f ms\n", percentile(w, 0.5), percentile(w, 0.99),
                w.empty() ? 0.0 : *std::max_element(w.begin(), w.end()));
}

}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--work-only") == 0) bench.work_only = true;
        else bench.period_song = std::atoi(argv[i]);
    }
    if (!song_row(bench.period_song) || bench.period_song == WORK_SONG) {
        std::fprintf(stderr, "play_frame_bench: the period song is 0..3 or 99\n");
        return 2;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (chdir(QUORL_TEST_GAME_DIR) != 0) {
        std::perror("play_frame_bench: " QUORL_TEST_GAME_DIR);
        return 1;
    }
    load_image_table();
    set_platform_driver(&bench_driver);

    for (int i = 0; i < 5; ++i) queue_key(BUTTON_A);  // the intro
    if (!bench.work_only) {
        queue_song(bench.period_song);
        queue_name_entry();
    }
    queue_song(WORK_SONG);
    queue_name_entry();
    for (int i = 0; i < 4; ++i) queue_key(SDLK_DOWN);
    queue_key(BUTTON_A);  // the exit row

    const int status = SDL_main(argc, argv);
    if (status != 0) return status;
    report_period();
    report_work();
    return 0;
}
