// The credits scroll: one pass per pass of the main-menu dispatch.
#pragma once

#include "shell/flow.h"

#include <SDL/SDL.h>

extern SDL_Rect camera_credits;  // source clip of the credits image; y is the scroll

Next credits_pass();
