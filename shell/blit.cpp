#include "shell/blit.h"

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
