// Where a screen sends the game next. Screens return one of these to the
// loop in SDL_main; none calls another screen to leave it.
#pragma once

enum class Next {
    Stay,        // a pass of a dispatched screen: keep running the dispatch
    MenuEntry,   // main-menu entry: menu music, per-song resets, then the top
    MenuTop,     // main-menu top: counter resets, then the main menu
    SongRoad,    // the chosen song: loading, countdown, play, results
    Quit,        // the main menu's exit row
};
