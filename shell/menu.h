// What every menu screen shares: the event, the pass pacing, the row cursor,
// the erase strip and rendered texts.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include "shell/blit.h"

// The one event that every screen polls into.
extern SDL_Event event;

// Takes at most one event into `event`. True only for a key-down, the one
// kind of event that menus act on; every other event is dropped.
bool poll_key_down();
SDLKey event_key();

// Paces menu passes like a 60 Hz display: pass k of a run of passes starts no
// earlier than 1000 k / 60 ms after the first one, without drift. A pass that
// comes more than one period late (after a song, a loading screen...) starts
// a new run instead of racing to catch up.
void pace_pass();
constexpr int PACE_HZ = 60;

// Row cursor of the row menus: cell k of the cursor sheet drawn at position k.
constexpr int CURSOR_ROWS = 5;
extern const SDL_Rect CURSOR_CELLS[CURSOR_ROWS];
extern const SDL_Rect CURSOR_POSITIONS[CURSOR_ROWS];
extern const SDL_Rect& src_rectCursor;
extern const SDL_Rect& src_rectCursor1;
extern const SDL_Rect& src_rectCursor2;
extern const SDL_Rect& src_rectCursor3;
extern const SDL_Rect& src_rectCursor4;
extern const SDL_Rect& dst_rectCursor;
extern const SDL_Rect& dst_rectCursor1;
extern const SDL_Rect& dst_rectCursor2;
extern const SDL_Rect& dst_rectCursor3;
extern const SDL_Rect& dst_rectCursor4;

// The cursor column of a menu background, repainted to wipe the old cursor.
extern SDL_Rect src_my_surfCursor1;
// Where the intro images, the main menu and the erase strip are drawn.
extern SDL_Rect dst_rectintro;

// Brings a row counter back into 0..last (clamped, never wrapped).
void clamp_row(int& row, int last);
// Up and Down move a row counter by one with the cursor sound; true if the
// key was one of them.
bool move_row(int& row, SDLKey key);
// Repaints the erase strip of `background` at (0, 0).
void draw_erase_strip(SDL_Surface* background);
// Keys the cursor sheet on magenta and draws the cursor of `row`.
void draw_row_cursor(int row);

// x that centres a surface of this width on the screen.
int centred_x(int width);

// A rendered text. Rendering again frees the previous surface first, so that a
// text holds one surface at a time.
class Text {
public:
    Text() = default;
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;
    ~Text() { release(); }

    SDL_Surface* render(TTF_Font* font, const char* text, SDL_Color colour);
    void draw(int x, int y) const;
    void draw_centred(int y) const;
    void release();
    SDL_Surface* surface() const { return surface_; }

private:
    SDL_Surface* surface_ = nullptr;
};

// A centred footer line at y 220 in the small font.
void draw_footer(Text& text, const char* line);
