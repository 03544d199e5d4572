#include "shell/blit.h"

#include "shell/video.h"

void apply_surface(int x, int y, SDL_Surface* source, SDL_Surface* destination, SDL_Rect* clip)
{
    SDL_Rect position;
    position.x = static_cast<Sint16>(x);
    position.y = static_cast<Sint16>(y);
    position.w = 0;
    position.h = 0;
    SDL_UpperBlit(source, clip, destination, &position);
}

void apply_surface0(int x, int y, SDL_Surface* source, SDL_Surface* destination, SDL_Rect* clip)
{
    apply_surface(x, y, source, destination, clip);
}

void blit_to_screen(SDL_Surface* source, const SDL_Rect* cell, const SDL_Rect& where)
{
    SDL_Rect clip = cell ? *cell : SDL_Rect{};
    SDL_Rect at = where;
    SDL_UpperBlit(source, cell ? &clip : nullptr, screen, &at);
}

namespace {
void key(SDL_Surface* surface, Uint8 r, Uint8 g, Uint8 b)
{
    if (surface) SDL_SetColorKey(surface, SDL_SRCCOLORKEY, SDL_MapRGB(surface->format, r, g, b));
}
}  // namespace

void key_magenta(SDL_Surface* surface) { key(surface, 255, 0, 255); }
void key_white(SDL_Surface* surface) { key(surface, 255, 255, 255); }
