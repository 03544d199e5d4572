// The options menu: keys, game, sound, save, back. Every screen that it opens
// goes back to the main-menu top, never to the options menu.
#pragma once

#include "shell/flow.h"

extern int menu5;  // loop-exit flag of the options menu

constexpr int OPTIONS_ROWS = 5;
enum OptionsRow { ROW_KEYS = 0, ROW_GAME = 1, ROW_SOUND = 2, ROW_SAVE = 3, ROW_OPTIONS_BACK = 4 };

// Opens on row 0 and runs until button A; then opens the highlighted row.
// The chosen screen starts with its row number still in `cursor_count`.
Next options_menu();
