#include "shell/play_menu.h"

int cursor_count2 = 0;
int menu3 = 0;
int select_score = 0;

// Not built yet: back to the main-menu top.
Next play_menu() { return Next::MenuTop; }
