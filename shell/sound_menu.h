// The sound screen: the volume of effects and music, 0..100 in steps of 10.
#pragma once

#include "shell/flow.h"

#include <SDL/SDL.h>

constexpr int VOLUME_MAX = 100;
constexpr int VOLUME_STEP = 10;
constexpr int VOLUME_CELLS = VOLUME_MAX / VOLUME_STEP;

// Bar cells of the volume sheet, for 10, 20, .. 100; none is drawn at 0.
extern const SDL_Rect VOLUME_CELL[VOLUME_CELLS];
extern const SDL_Rect& src_volume1;
extern const SDL_Rect& src_volume10;

// Left and Right change `VOL`; every pass clamps it, shows it and applies it
// to every channel and the music. Button B leaves.
Next sound_screen();
