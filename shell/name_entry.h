// The name entry after a completed song: three characters chosen on a letter
// grid, then the song's high-score line is appended and the game goes on to
// the main-menu entry.
#pragma once

#include "shell/flow.h"

Next name_entry();
