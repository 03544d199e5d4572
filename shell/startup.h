// The game's entry: start-up, the screens, shutdown.
#pragma once

#include "shell/timer.h"

// The frame timer of the play loop, constructed during start-up.
Timer& frame_timer();

extern "C" int SDL_main(int argc, char** argv);
