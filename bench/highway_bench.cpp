// Times the note highway's share of one play frame at the end of the longest
// chart: parking, the chart step over every note (all in play), the five
// frame judges and the five press judges with all lanes held. Prints the
// median and the 99th percentile over many frames, on the dummy video driver.
#include "charts/chart_step.h"
#include "highway/judge_state.h"
#include "highway/judges.h"
#include "highway/lanes.h"
#include "shell/image_table.h"
#include "shell/song_state.h"
#include "shell/video.h"

#include <SDL/SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

const Uint32 video_mode_flags = 0;
const char* const program_name = "highway_bench";

namespace {

using Clock = std::chrono::steady_clock;

constexpr int FRAME_MS = 50;
constexpr int SONG_END_MS = 309000;  // end time of forwhomthebellstolls
constexpr int CHART_NOTES = 859;
constexpr int WARM_UP_FRAMES = 2000;
constexpr int TIMED_FRAMES = 50000;

// Until the real chart is built in, a stand-in of the same size and lane
// spread: 303, 260, 206 and 90 notes in lanes 1 to 4 across the song.
std::vector<ChartNote> stand_in_notes()
{
    const int per_lane[] = {303, 260, 206, 90};
    std::vector<ChartNote> notes;
    for (int lane = 1; lane <= 4; ++lane) {
        const int count = per_lane[lane - 1];
        for (int slot = 0; slot < count; ++slot) {
            notes.push_back({7311 + slot * (304186 - 7311) / count, lane, slot});
        }
    }
    return notes;
}

SDL_Surface* sheet(int w, int h, Uint32 key)
{
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xff0000, 0xff00, 0xff, 0);
    SDL_FillRect(s, nullptr, 0x336699);
    SDL_SetColorKey(s, SDL_SRCCOLORKEY, key);
    return s;
}

struct Parts {
    double parking, chart_step, frame_judges, press_judges, total;  // microseconds
};

double micros(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::micro>(to - from).count();
}

Parts one_frame(const Chart& chart)
{
    const auto t0 = Clock::now();
    parar_notas();
    const auto t1 = Clock::now();
    chart_step(chart);
    const auto t2 = Clock::now();
    reset_note_status();
    for (int lane = 1; lane <= LANE_COUNT; ++lane) frame_judge(lane);
    const auto t3 = Clock::now();
    for (int lane = 1; lane <= LANE_COUNT; ++lane) press_judge(lane);
    const auto t4 = Clock::now();
    return {micros(t0, t1), micros(t1, t2), micros(t2, t3), micros(t3, t4), micros(t0, t4)};
}

void report(const char* what, std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const double median = values[values.size() / 2];
    const double p99 = values[values.size() * 99 / 100];
    std::printf("  %-28s median %8.2f us   p99 %8.2f us   max %8.2f us\n", what, median, p99, values.back());
}

}  // namespace

int main(int, char**)
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "%s: SDL_Init: %s\n", program_name, SDL_GetError());
        return 1;
    }
    screen = SDL_SetVideoMode(SCREEN_WIDTH, SCREEN_HEIGHT, SCREEN_BPP, video_mode_flags);
    if (!screen) {
        std::fprintf(stderr, "%s: SDL_SetVideoMode: %s\n", program_name, SDL_GetError());
        return 1;
    }
    my_surfNotas = sheet(160, 23, 0xffffff);
    my_surfFrets = sheet(200, 88, 0xff00ff);
    hitflames = sheet(352, 64, 0xff00ff);

    std::vector<ChartNote> stand_in;
    Chart chart = chart_forwhomthebellstolls;
    if (chart.count != CHART_NOTES) {
        stand_in = stand_in_notes();
        chart = {stand_in.data(), static_cast<int>(stand_in.size())};
        std::printf("forwhomthebellstolls has %d notes, not %d: timing a stand-in chart of %d notes\n",
                    chart_forwhomthebellstolls.count, CHART_NOTES, chart.count);
    }

    // Play the song through to its last frame, so every note has appeared
    // and all but the last few are parked below the screen.
    for (int clock = FRAME_MS; clock < SONG_END_MS; clock += FRAME_MS) {
        parar_notas();
        msec = clock;
        chart_step(chart);
        reset_note_status();
        for (int lane = 1; lane <= LANE_COUNT; ++lane) frame_judge(lane);
    }
    int in_play = 0;
    for (int i = 0; i < chart.count; ++i) in_play += msec > chart.notes[i].threshold;

    // Five lanes held: every pressed fret drawn, so every target has its size.
    for (int lane = 1; lane <= LANE_COUNT; ++lane) draw_pressed_fret(lane);

    for (int i = 0; i < WARM_UP_FRAMES; ++i) one_frame(chart);

    std::vector<double> parking, step, frame_judges, press_judges, total;
    for (std::vector<double>* v : {&parking, &step, &frame_judges, &press_judges, &total}) v->reserve(TIMED_FRAMES);
    for (int i = 0; i < TIMED_FRAMES; ++i) {
        const Parts p = one_frame(chart);
        parking.push_back(p.parking);
        step.push_back(p.chart_step);
        frame_judges.push_back(p.frame_judges);
        press_judges.push_back(p.press_judges);
        total.push_back(p.total);
    }

    std::printf("highway share of a play frame at msec %d: %d of %d notes in play, 5 lanes held, %d frames\n", msec,
                in_play, chart.count, TIMED_FRAMES);
    report("parar_notas", parking);
    report("chart step", step);
    report("five frame judges", frame_judges);
    report("five press judges", press_judges);
    report("whole share", total);

    SDL_FreeSurface(my_surfNotas);
    SDL_FreeSurface(my_surfFrets);
    SDL_FreeSurface(hitflames);
    SDL_Quit();
    return 0;
}
