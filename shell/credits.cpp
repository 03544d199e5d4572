#include "shell/credits.h"

SDL_Rect camera_credits = {0, 0, 320, 2048};

// Not built yet: back to the main-menu top.
Next credits_pass() { return Next::MenuTop; }
