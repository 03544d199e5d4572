// The main menu and its two ways in.
#pragma once

#include "shell/flow.h"

extern int cursor_count;  // row counter shared by the row menus, 0..4 here
extern int menu1;         // loop-exit flag of the main menu

constexpr int MAIN_MENU_ROWS = 5;
enum MainMenuRow { ROW_PLAY = 0, ROW_GUITARS = 1, ROW_OPTIONS = 2, ROW_CREDITS = 3, ROW_EXIT = 4 };

// After the intro and after every song: menu music, note status flags, fall
// step, song and name-entry state; then the top.
Next main_menu_entry();

// Every arrival: counter resets, the main menu's passes and, after button A,
// the dispatch of the chosen row.
Next run_main_menu();
