// The song selection screen: one page per song, turned with Left and Right;
// one pass per pass of the play menu's dispatch.
#pragma once

enum class SelectStep {
    Stay,    // the pass is over; the dispatch goes on to its shared poll
    Back,    // button B: back to the play-menu top
    Chosen,  // button A: `count_song` holds the song, the menu music is freed
};

SelectStep song_select_pass();
