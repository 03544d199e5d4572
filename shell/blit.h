// Blit helpers: draw a surface, or one cell of it, at an integer position.
#pragma once

#include <SDL/SDL.h>

// Draws the clip cell of source (the whole image when clip is null) with its
// top-left corner at (x, y) of destination. The clipped size that SDL writes
// back lands in a temporary and is dropped.
void apply_surface(int x, int y, SDL_Surface* source, SDL_Surface* destination, SDL_Rect* clip);

// The same; used for the song clock text of the play frame.
void apply_surface0(int x, int y, SDL_Surface* source, SDL_Surface* destination, SDL_Rect* clip);

// Draws the cell of source (the whole image when cell is null) onto the screen
// at where's x and y. `where` is copied, so the size SDL writes back is dropped.
void blit_to_screen(SDL_Surface* source, const SDL_Rect* cell, const SDL_Rect& where);

// Set the magenta (255, 0, 255) or white colour key on a surface, mapped into
// its own pixel format. A surface that failed to load is left alone.
void key_magenta(SDL_Surface* surface);
void key_white(SDL_Surface* surface);
