#include "shell/play_input.h"

#include "highway/judges.h"
#include "highway/judge_state.h"
#include "highway/lanes.h"
#include "highway/note_slots.h"
#include "shell/key_bindings.h"
#include "shell/keys.h"
#include "shell/menu.h"
#include "shell/pause.h"
#include "shell/platform.h"
#include "shell/song_state.h"

int held_lanes[LANE_COUNT] = {};
int& GP2X_Y = held_lanes[0];
int& GP2X_B = held_lanes[1];
int& GP2X_A = held_lanes[2];
int& GP2X_X = held_lanes[3];
int& GP2X_R = held_lanes[4];

namespace {

// The letters that play lanes 1..5 directly, whatever the bindings say.
constexpr SDLKey LANE_LETTERS[LANE_COUNT] = {SDLK_a, SDLK_s, SDLK_d, SDLK_f, SDLK_g};

// The pairs of lanes the chord rule tests, in its order.
struct LanePair {
    int first, second;
};
constexpr LanePair CHORD_PAIRS[] = {
    {1, 2}, {1, 4}, {1, 3}, {1, 5}, {2, 3}, {2, 4}, {2, 5}, {4, 3}, {4, 5}, {3, 5},
};
constexpr int CHORD_BALANCE = 2;
constexpr int CHORD_STREAK_COST = 2;

bool held(int lane) { return held_lanes[lane - 1] != 0; }

void clear_lane_hit_flags()
{
    for (const Lane& lane : LANES) *lane.hit_flag = 0;
}

void skip_song()
{
    zerar_notas();
    msec = SKIPPED_SONG_CLOCK;
}

}  // namespace

int lane_of_key(SDLKey key)
{
    for (int lane = 1; lane <= LANE_COUNT; ++lane)
        if (LANE_LETTERS[lane - 1] == key) return lane;
    if (const int* code = binding_of(key)) return lane_of_code(*code);
    return 0;
}

void press_pass()
{
    for (int lane = 1; lane <= LANE_COUNT; ++lane) {
        if (!held(lane)) continue;
        draw_pressed_fret(lane);
        press_judge(lane);
    }
}

void chord_rule()
{
    for (const LanePair& pair : CHORD_PAIRS) {
        if (!held(pair.first) || !held(pair.second)) continue;
        Balanca += CHORD_BALANCE;
        if (nHITS != 0) {
            nHITS -= CHORD_STREAK_COST;
            tHITS -= CHORD_STREAK_COST;
        }
    }
}

InputEnd input_step()
{
    if (!game_poll_event(&event)) return InputEnd::Play;
    clear_lane_hit_flags();
    if (event.type == SDL_KEYUP) {
        for (int& flag : held_lanes) flag = 0;
        return InputEnd::Play;
    }
    if (event.type != SDL_KEYDOWN) return InputEnd::Play;

    const SDLKey key = event_key();
    if (key == BUTTON_START) {
        if (run_pause_screen() == PauseEnd::LeaveSong) return InputEnd::LeaveSong;
    } else if (key == SKIP_KEY) {
        skip_song();
    } else if (const int lane = lane_of_key(key)) {
        held_lanes[lane - 1] = 1;
    }
    press_pass();
    chord_rule();
    return InputEnd::Play;
}
