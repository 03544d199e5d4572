// The head-up display of a play frame: note status, rock meter, score and
// streak with the streak bonus, and the song clock.
#pragma once

#include <SDL/SDL.h>

// Rock meter cover cells, indexed by `Balanca` + 6 (so -6..6): the cover
// hides the top of the meter, less of it the higher the value.
constexpr int ROCK_METER_LOW = -6;
constexpr int ROCK_METER_HIGH = 6;
constexpr int ROCK_METER_CELLS = ROCK_METER_HIGH - ROCK_METER_LOW + 1;
extern const SDL_Rect ROCK_BAR_CELLS[ROCK_METER_CELLS];
extern const SDL_Rect& src_rectRockBarA;  // 6
extern const SDL_Rect& src_rectRockBarB;  // 5
extern const SDL_Rect& src_rectRockBarC;  // 4
extern const SDL_Rect& src_rectRockBarD;  // 3
extern const SDL_Rect& src_rectRockBarE;  // 2
extern const SDL_Rect& src_rectRockBarF;  // 1
extern const SDL_Rect& src_rectRockBar1;  // 0
extern const SDL_Rect& src_rectRockBar2;  // -1
extern const SDL_Rect& src_rectRockBar3;  // -2
extern const SDL_Rect& src_rectRockBar4;  // -3
extern const SDL_Rect& src_rectRockBar5;  // -4
extern const SDL_Rect& src_rectRockBar6;  // -5
extern const SDL_Rect& src_rectRockBar7;  // -6

// The note status text; it keeps its content from frame to frame (and from
// song to song) and changes only when a note status flag is set.
extern char textoE[8];

// "", "GOOD" or "MISS" by the note status flags (the last that is set wins);
// "MISS" also starts the miss sound.
void draw_note_status();

// Keeps `Balanca` within -6..6 and draws the meter's cover for it.
void draw_rock_meter();

// Score and streak numbers; a streak standing on 5 or 10 gets the bonus
// sound and one more, shown from the next frame.
void draw_score_and_streak();

// Recomputes the song clock from `start` and draws it as minutes and seconds.
void draw_song_clock();
