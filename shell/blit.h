// Blit helpers: draw a surface, or one cell of it, at an integer position.
#pragma once

#include <SDL/SDL.h>

// Draws the clip cell of source (the whole image when clip is null) with its
// top-left corner at (x, y) of destination. The clipped size that SDL writes
// back lands in a temporary and is dropped.
void apply_surface(int x, int y, SDL_Surface* source, SDL_Surface* destination, SDL_Rect* clip);

// The same; used for the song clock text of the play frame.
void apply_surface0(int x, int y, SDL_Surface* source, SDL_Surface* destination, SDL_Rect* clip);
