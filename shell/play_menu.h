// The play menu: song selection, tutorial, high scores, back.
#pragma once

#include "shell/flow.h"

extern int cursor_count2;  // highlighted row of the play menu, 0..4
extern int menu3;          // loop-exit flag of the play menu
extern int select_score;   // high-score file shown by the high-score view, 0..6

Next play_menu();
