// State of the song being played that the shell owns and the note highway
// and the charts read.
#pragma once

#include <SDL/SDL.h>

extern int msec;         // song clock: milliseconds since the song's music started
extern Uint32 start;     // SDL_GetTicks() when the song clock started
extern int BPS;          // fall step: pixels a note moves per play frame (0 while paused)
extern int count_song;   // 0..4 the five songs, 99 the tutorial
extern int nSTREAK;      // longest streak of the run, never reset
extern int wins;         // songs completed this run (or loaded from the save file)
extern int loses;        // songs failed this run (or loaded from the save file)

constexpr int SONG_TUTORIAL = 99;
