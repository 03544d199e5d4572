// State of the name entry, reset at every main-menu entry.
#pragma once

#include <SDL/SDL.h>

extern int hiscore;        // name position being chosen, 0..2; 3 when all are chosen
extern int hiscoreMENU;    // 1 once the high-score line is written
extern int letrasX;        // letter-grid column 0..9
extern int letrasY;        // letter-grid row 0..3
extern SDL_Rect dst_CursorLetras;
extern char ScoreLetraX[2];
extern char ScoreLetraY[2];
extern char ScoreLetraZ[2];
extern SDL_Surface* letraX;
extern SDL_Surface* letraY;
extern SDL_Surface* letraZ;

// What the main-menu entry does to the name entry.
void reset_name_entry_state();
