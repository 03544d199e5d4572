// The pause screen, opened by START during play: the notes, the song clock,
// the music and every sound channel stand still until START or SELECT.
#pragma once

extern int pause_menu;  // 1 asks the next pass to resume

enum class PauseEnd {
    Resume,     // START: the frame goes on with its press pass
    LeaveSong,  // SELECT: the notes are put back; the song is abandoned
};

PauseEnd run_pause_screen();
