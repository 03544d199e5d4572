// The passes of a row menu drawn over its background's erase strip: the main
// menu, the options menu and the play menu share them.
#pragma once

#include <SDL/SDL.h>

// Runs passes until `flag` is set (none when it already is). Each pass: the
// pacing wait; `row` clamped into 0..last_row; the erase strip of
// `background` repainted, the cursor of `row` drawn and presented; one event
// taken: Up and Down move `row` with the cursor sound, button A plays the
// accept sound and sets `flag` to 1, and every key-down is presented once more.
void run_row_menu(SDL_Surface* background, int& row, int last_row, int& flag);
