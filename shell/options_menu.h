// The options menu: keys, game, sound, save, back.
#pragma once

#include "shell/flow.h"

extern int menu5;  // loop-exit flag of the options menu

Next options_menu();
