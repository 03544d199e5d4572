#include "shell/menu.h"

#include "shell/blit.h"
#include "shell/image_table.h"
#include "shell/platform.h"
#include "shell/resources.h"
#include "shell/video.h"

SDL_Event event;

const SDL_Rect CURSOR_CELLS[CURSOR_ROWS] = {
    {0, 66, 23, 16}, {0, 101, 23, 16}, {0, 133, 23, 16}, {0, 168, 23, 16}, {0, 203, 23, 16},
};
const SDL_Rect CURSOR_POSITIONS[CURSOR_ROWS] = {
    {5, 65, 0, 0}, {5, 100, 0, 0}, {5, 134, 0, 0}, {5, 165, 0, 0}, {5, 200, 0, 0},
};
const SDL_Rect& src_rectCursor = CURSOR_CELLS[0];
const SDL_Rect& src_rectCursor1 = CURSOR_CELLS[1];
const SDL_Rect& src_rectCursor2 = CURSOR_CELLS[2];
const SDL_Rect& src_rectCursor3 = CURSOR_CELLS[3];
const SDL_Rect& src_rectCursor4 = CURSOR_CELLS[4];
const SDL_Rect& dst_rectCursor = CURSOR_POSITIONS[0];
const SDL_Rect& dst_rectCursor1 = CURSOR_POSITIONS[1];
const SDL_Rect& dst_rectCursor2 = CURSOR_POSITIONS[2];
const SDL_Rect& dst_rectCursor3 = CURSOR_POSITIONS[3];
const SDL_Rect& dst_rectCursor4 = CURSOR_POSITIONS[4];

SDL_Rect src_my_surfCursor1 = {0, 0, 28, 240};
SDL_Rect dst_rectintro = {0, 0, 0, 0};

bool poll_key_down()
{
    if (!game_poll_event(&event)) return false;
    return event.type == SDL_KEYDOWN;
}

SDLKey event_key() { return event.key.keysym.sym; }

namespace {
Uint32 pace_origin = 0;
Uint32 pace_count = 0;
}  // namespace

void pace_pass()
{
    const Uint32 now = game_ticks();
    const Uint32 period = 1000 / PACE_HZ + 1;
    const Uint32 due = pace_origin + static_cast<Uint32>(1000ull * pace_count / PACE_HZ);
    if (pace_count == 0 || static_cast<Sint32>(now - due) > static_cast<Sint32>(period)) {
        pace_origin = now;  // a new run of passes starts now
        pace_count = 1;
        return;
    }
    if (static_cast<Sint32>(due - now) > 0) game_delay(due - now);
    ++pace_count;
}

void clamp_row(int& row, int last)
{
    if (row < 0) row = 0;
    if (row > last) row = last;
}

bool move_row(int& row, SDLKey key)
{
    if (key != SDLK_UP && key != SDLK_DOWN) return false;
    play_effect(snd_cursor);
    row += key == SDLK_UP ? -1 : 1;
    return true;
}

void draw_erase_strip(SDL_Surface* background)
{
    blit_to_screen(background, &src_my_surfCursor1, dst_rectintro);
}

void draw_row_cursor(int row)
{
    key_magenta(my_surfCursor);
    blit_to_screen(my_surfCursor, &CURSOR_CELLS[row], CURSOR_POSITIONS[row]);
}

int centred_x(int width) { return (SCREEN_WIDTH - width) / 2; }

SDL_Surface* Text::render(TTF_Font* font, const char* text, SDL_Color colour)
{
    release();
    surface_ = TTF_RenderText_Solid(font, text, colour);
    return surface_;
}

void Text::draw(int x, int y) const
{
    if (surface_) apply_surface(x, y, surface_, screen, nullptr);
}

void Text::draw_centred(int y) const
{
    if (surface_) draw(centred_x(surface_->w), y);
}

void Text::release()
{
    if (surface_) SDL_FreeSurface(surface_);
    surface_ = nullptr;
}

void draw_footer(Text& text, const char* line)
{
    text.render(font_small, line, color_white);
    text.draw_centred(220);
}
