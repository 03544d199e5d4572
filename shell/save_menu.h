// The save menu: save, load and clear the win and loss counts, and back.
#pragma once

#include "shell/flow.h"

constexpr int SAVE_MENU_ROWS = 4;
constexpr int SAVE_MESSAGE_MS = 500;  // how long the outcome of an operation shows

// Starts on the row left in `cursor_count` (3 from the options menu). Button
// A runs the row's file operation and shows its outcome for half a second;
// on the back row it leaves with `cursor_count` 0.
Next save_menu();
