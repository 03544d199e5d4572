// The scripted player: which lane it presses in which play frame of a song,
// worked out from the song's chart alone. Each note's lane is pressed in the
// middle of the note's hit window and released in the next frame, one key
// event per frame, as a player on a real keyboard would.
#pragma once

#include "charts/chart_data.h"

#include <SDL/SDL.h>

#include <map>

namespace player {

constexpr int LANES = 5;
constexpr int FRAME_MS = 50;

// The letters that play lanes 1..5.
constexpr SDLKey LANE_LETTERS[LANES] = {SDLK_a, SDLK_s, SDLK_d, SDLK_f, SDLK_g};

// With 50 ms frames and no time spent inside a frame, frame k shows the song
// clock 50 (k - 1); a note is first drawn in the first frame whose clock
// exceeds its threshold.
inline long first_frame(int threshold) { return threshold / FRAME_MS + 2; }

// One key event in one frame: a press of a lane (1..5), or a release (0).
struct Key {
    int lane;
};
using Plan = std::map<long, Key>;

// Each note's lane pressed in its note frame 21, or 22 when 21 is taken, and
// released in the next frame. A note that a planned press of its lane already
// catches in its window gets no press of its own; a note that finds neither
// frame free is let go.
Plan plan_player(const Chart& chart);

// The presses of a plan (releases not counted).
int presses_of(const Plan& plan);

}  // namespace player
