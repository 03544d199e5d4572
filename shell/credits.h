// The credits: one tall image scrolled up by a row per pass of the main-menu
// dispatch.
#pragma once

#include "shell/flow.h"

#include <SDL/SDL.h>

extern SDL_Rect camera_credits;  // source clip of the credits image; y is the scroll

constexpr Sint16 CREDITS_END = 2048;  // the scroll that ends the credits

// Draws the credits from the current scroll and moves it on by one row;
// Next::MenuTop, silently and without presenting, once the scroll reaches
// its end (which starts the next visit from the top).
Next credits_pass();
