// Whole-game figures on the real clock: start-up time to the first intro
// present, processor use in the main menu and during play, the frame period
// over play, and resident memory. Runs the real SDL_main on SDL's dummy
// drivers from the built game directory, with key presses injected.
// Usage: whole_game_bench [seconds per phase]   (default 10)
#include "shell/image_table.h"
#include "shell/platform.h"
#include "shell/song_state.h"
#include "shell/startup.h"
#include "shell/video.h"

#include <SDL/SDL.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

const Uint32 video_mode_flags = 0;
const char* const program_name = "whole_game_bench";

namespace {

using Clock = std::chrono::steady_clock;

struct Stop {};

double seconds_since(Clock::time_point t) { return std::chrono::duration<double>(Clock::now() - t).count(); }

double cpu_seconds()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_utime.tv_sec + r.ru_utime.tv_usec / 1e6 + r.ru_stime.tv_sec + r.ru_stime.tv_usec / 1e6;
}

long status_kb(const char* field)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::strlen(field));
    return -1;
}

enum class Phase { Startup, Intro, Menu, ToTutorial, Play, Done };

Phase phase = Phase::Startup;
Clock::time_point process_start;
Clock::time_point phase_start;
double phase_cpu = 0;
double phase_seconds = 10;
double startup_ms = 0;
double menu_cpu_percent = 0;
double play_cpu_percent = 0;
std::vector<double> frame_periods;
Clock::time_point last_frame;
std::deque<SDLKey> keys;

void begin_phase(Phase p)
{
    phase = p;
    phase_start = Clock::now();
    phase_cpu = cpu_seconds();
}

double phase_cpu_percent() { return 100.0 * (cpu_seconds() - phase_cpu) / seconds_since(phase_start); }

int bench_flip(SDL_Surface* s)
{
    if (phase == Phase::Startup) {
        startup_ms = 1000.0 * seconds_since(process_start);
        begin_phase(Phase::Intro);
        for (int i = 0; i < 5; ++i) keys.push_back(SDLK_LCTRL);
    }
    return SDL_Flip(s);
}

void bench_delay(Uint32 ms)
{
    // The frame cap's sleep ends every play frame: time the period there.
    if (phase == Phase::Play && ms > 0 && ms <= 50) {
        SDL_Delay(ms);
        const auto now = Clock::now();
        if (last_frame != Clock::time_point{})
            frame_periods.push_back(std::chrono::duration<double, std::milli>(now - last_frame).count());
        last_frame = now;
        return;
    }
    SDL_Delay(ms);
}

int bench_poll(SDL_Event* event)
{
    switch (phase) {
    case Phase::Intro:
        if (keys.empty()) begin_phase(Phase::Menu);
        break;
    case Phase::Menu:
        if (seconds_since(phase_start) >= phase_seconds) {
            menu_cpu_percent = phase_cpu_percent();
            // Play menu, tutorial row.
            keys = {SDLK_LCTRL, SDLK_DOWN, SDLK_DOWN, SDLK_LCTRL};
            phase = Phase::ToTutorial;
        }
        break;
    case Phase::ToTutorial:
        if (keys.empty() && count_song == SONG_TUTORIAL && msec > 0) begin_phase(Phase::Play);
        break;
    case Phase::Play:
        if (seconds_since(phase_start) >= phase_seconds) {
            play_cpu_percent = phase_cpu_percent();
            phase = Phase::Done;
            throw Stop{};
        }
        break;
    default: break;
    }
    if (!keys.empty()) {
        std::memset(event, 0, sizeof *event);
        event->type = SDL_KEYDOWN;
        event->key.keysym.sym = keys.front();
        keys.pop_front();
        return 1;
    }
    return SDL_PollEvent(event);
}

double percentile(std::vector<double> v, double p)
{
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(p * (v.size() - 1))];
}

}  // namespace

int main(int argc, char** argv)
{
    process_start = Clock::now();
    if (argc > 1) phase_seconds = std::atof(argv[1]);
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    std::filesystem::current_path(QUORL_TEST_GAME_DIR);
    load_image_table();

    PlatformDriver driver = sdl_platform_driver;
    driver.flip = bench_flip;
    driver.poll_event = bench_poll;
    driver.delay = bench_delay;
    set_platform_driver(&driver);

    try {
        SDL_main(argc, argv);
    } catch (const Stop&) {
    }

    double sum = 0;
    for (double p : frame_periods) sum += p;
    const double mean = frame_periods.empty() ? 0 : sum / frame_periods.size();
    std::printf("start-up to the first intro present: %.1f ms (target < 100 ms)\n", startup_ms);
    std::printf("processor use in the main menu:      %.2f %% of one core (target < 5 %%)\n", menu_cpu_percent);
    std::printf("processor use during play:           %.2f %% of one core (target < 5 %%)\n", play_cpu_percent);
    std::printf("frame period over %zu play frames:   mean %.3f ms (%.2f %% off 50 ms), p99 %.3f ms, max %.3f ms\n",
                frame_periods.size(), mean, 100.0 * (mean - 50.0) / 50.0, percentile(frame_periods, 0.99),
                percentile(frame_periods, 1.0));
    std::printf("resident memory: now %ld kB, peak %ld kB (target < 64 MB)\n", status_kb("VmRSS:"),
                status_kb("VmHWM:"));
    return 0;
}
