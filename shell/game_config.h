// The game configuration: backdrop, flames and neck, each 0..3, and back.
#pragma once

#include "shell/flow.h"

constexpr int GAME_CONFIG_ROWS = 4;  // three settings and the back row
constexpr int SETTING_MAX = 3;

// Starts on the row left in `cursor_count` (1 from the options menu). Left
// and Right change the row's setting within 0..3; button A on the back row
// leaves with `cursor_count` 0.
Next game_configuration();
