// Routes through the game's menus, scripted as key presses. Menus act on
// key-downs alone, so only key-downs are scripted. Each route starts where
// its comment says and leaves the game where the next route can start.
#pragma once

#include "harness/script_driver.h"

#include <string>

namespace route {

// From any row of the main menu: Up four times (the row is clamped at 0),
// Down to `row`, button A.
void main_menu_row(ScriptDriver& driver, int row);

// From the play menu's cursor loop on row 0: the songs 0..4 through the song
// selection (the page turned with Right in the screen's own poll, the shared
// poll between two of them let pass), the tutorial (99) through its row.
void song_from_play_menu(ScriptDriver& driver, int song);

// From the main menu: the play menu, then a song as above.
void song(ScriptDriver& driver, int song);

// From the main menu: the play menu's high-score view, its pages turned from
// `from` to `to` the short way round, a few passes on that page, then back
// to the main menu (which keeps its row 0).
void high_score_page(ScriptDriver& driver, int from, int to);

// From the main menu: the guitar gallery, one page turned, then button B.
void gallery(ScriptDriver& driver);

// From the main menu: the credits for `passes` passes, then button B.
void credits(ScriptDriver& driver, int passes);

// From the main menu: options, game configuration, the backdrop set from 0
// to `backdrop`, back (the main menu then highlights row 0).
void backdrop(ScriptDriver& driver, int backdrop);

// On a fresh name entry (cursor on "0"): each character of `name`, a digit
// or a letter A..T, chosen on the letter grid and confirmed with button A.
void name(ScriptDriver& driver, const std::string& name);

// From the main menu: the exit row.
void exit_game(ScriptDriver& driver);

}  // namespace route
