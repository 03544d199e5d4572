// The input step of a play frame: at most one event, the held-button flags,
// the press pass over the held lanes, the chord rule, pause and skip key.
#pragma once

#include "highway/note_slots.h"

#include <SDL/SDL.h>

// Held-button flags of lanes 1..5 (index lane - 1): set by a key press during
// play, all cleared by any key release; nothing else touches them, so they
// carry over from one song into the next.
extern int held_lanes[LANE_COUNT];
extern int& GP2X_Y;  // lane 1
extern int& GP2X_B;  // lane 2
extern int& GP2X_A;  // lane 3
extern int& GP2X_X;  // lane 4
extern int& GP2X_R;  // lane 5

// The key that ends the song from the next frame on, and the clock it sets.
constexpr SDLKey SKIP_KEY = SDLK_q;
constexpr int SKIPPED_SONG_CLOCK = 520000;

enum class InputEnd {
    Play,       // on to the frame cap
    LeaveSong,  // SELECT on the pause screen: back to the main-menu entry
};

InputEnd input_step();

// The lane (1..5) that a key plays during play, or 0.
int lane_of_key(SDLKey key);

// For every held lane in order: its pressed fret at its target, then its
// press judge.
void press_pass();

// Every pair of held lanes raises the rock meter by 2 and, while the streak is
// not 0, takes 2 from the streak and from the hits counted for accuracy.
void chord_rule();
