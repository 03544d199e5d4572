// The guitar gallery: one pass per pass of the main-menu dispatch. Four
// guitars, each locked until enough songs are won, with a scrollable
// description of every unlocked one.
#pragma once

#include "shell/flow.h"

#include <SDL/SDL.h>

constexpr int GUITARS = 4;

// The description's scroll: the y of `dst_txtbox` is the offset into the
// description image (0..370 in steps of 10), the y of `dst_cursorbar` the
// scroll bar's knob (86 + 3 per step). Kept between visits.
extern SDL_Rect dst_txtbox;
extern SDL_Rect dst_cursorbar;

constexpr Sint16 SCROLL_STEP = 10;
constexpr Sint16 SCROLL_MAX = 370;
constexpr Sint16 KNOB_TOP = 86;
constexpr Sint16 KNOB_STEP = 3;

// Fewest wins that unlock a guitar 0..3.
int unlock_wins(int guitar);

// Draws the page of guitar `count_song` and takes one event: Up and Down
// scroll, Left and Right turn the page, button B leaves (Next::MenuTop).
Next guitar_gallery_pass();
