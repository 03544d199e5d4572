// The play menu behind the main menu's first row: song selection, tutorial,
// high scores, back. Its dispatch runs one pass of the chosen row's screen,
// then the shared poll.
#pragma once

#include "shell/flow.h"

extern int cursor_count2;  // highlighted row of the play menu, 0..4
extern int menu3;          // loop-exit flag of the play menu
extern int select_score;   // high-score file shown by the view, 0..6; the shared poll turns it

constexpr int PLAY_MENU_ROWS = 5;
enum PlayMenuRow { ROW_NOTHING = 0, ROW_SONGS = 1, ROW_TUTORIAL = 2, ROW_HIGH_SCORES = 3, ROW_BACK = 4 };

// Runs the play menu from its top; returns Next::SongRoad with the song in
// `count_song` (the menu music freed), or Next::MenuTop for the back row.
Next play_menu();

// Frees the menu music when a song or the tutorial is chosen.
void free_menu_music();
