// Player settings chosen in the options and kept in memory for the run.
#pragma once

extern int VOL;         // volume of effects and music, 0..100 in steps of 10
extern int bg_menu;     // backdrop 0..3
extern int flame_menu;  // flame choice 0..3 (shown only)
extern int nk_menu;     // neck 0..3
