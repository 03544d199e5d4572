// The play field: its sprite sheets' colour keys and its static layers.
#pragma once

#include <SDL/SDL.h>

extern SDL_Rect dst_rectalpha;    // backdrop position (0, 0)
extern SDL_Rect camera;           // neck source clip; only its y scrolls
extern SDL_Rect dst_rectLinha;    // lane lines (80, 0)
extern SDL_Rect src_rectFrets;    // frets row cell (0, 0, 200, 33)
extern SDL_Rect dst_rectFrets;    // frets row position (80, 215)
extern SDL_Rect dst_rectScore;    // score panel (0, 5)
extern SDL_Rect dst_rectRockBar;  // rock meter (298, 10)
extern SDL_Rect dst_multiplicador;  // multiplier (0, 180)

// Multiplier cells x1, x2, x3 and the streaks from which each shows.
constexpr int MULTIPLIER_CELLS = 3;
extern const SDL_Rect MULTIPLIER_CELL[MULTIPLIER_CELLS];
extern const SDL_Rect& src_multiplicador1;
extern const SDL_Rect& src_multiplicador2;
extern const SDL_Rect& src_multiplicador3;

// The backdrop and neck of a setting 0..3, or null for any other value.
SDL_Surface* backdrop_for(int setting);
SDL_Surface* neck_for(int setting);

// Keys the play-field sheets, sets the necks' alpha, and draws the backdrop,
// neck, lane lines, frets row, score panel, whole rock meter cover and the
// multiplier. Presents nothing.
void carrega_img();

// Layers shared with the play frame.
void draw_backdrop_and_neck();
void draw_lines_frets_and_panel();
void draw_multiplier();
