// Every fact that depends on the song being played, one constant row per
// value of `count_song`. Each user looks up the row of the current song and
// reads its own column; nothing branches on the song number.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

// What the song selection shows for a song.
struct SongPage {
    const char* title;   // null: the row has no page (the tutorial)
    const char* album;
    const char* band;
    SDL_Surface* const* cover;
};

struct SongRow {
    int count_song;
    void (*chart_step)();      // runs the song's chart once per play frame
    int note_count;            // notes in that chart; the accuracy divides by it
    Mix_Music* const* music;   // the tune, started once after the countdown
    int end_time;              // song clock (ms) at which the song is complete
    bool counts_as_win;        // completing it adds one to `wins`
    const int* unlock_wins;    // values of `wins` that show the unlock message
    int unlock_count;
    const char* high_score_file;
    SongPage page;
};

constexpr int SONG_ROWS = 6;
constexpr int SONG_PAGES = 5;  // rows 0..4 have a page on the song selection
extern const SongRow SONG_TABLE[SONG_ROWS];

// The row of a `count_song` value, or null for a value that is no row.
const SongRow* song_row(int count_song);

// True when the song's unlock message shows for this new value of `wins`.
bool unlocks_guitar(const SongRow& row, int wins);
