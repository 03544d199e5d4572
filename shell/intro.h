// The intro sequence: five full-screen images, each held for 500 passes of
// one counter or skipped with button A.
#pragma once

#include "shell/flow.h"

extern int intro_logo;   // passes of the intro, never reset
constexpr int INTRO_IMAGES = 5;
constexpr int INTRO_PASSES_PER_IMAGE = 500;

Next run_intro();
