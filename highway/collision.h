// The overlap test of the judges.
#pragma once

#include <SDL/SDL.h>

// True when a and b overlap. Edges are compared as signed ints (x and y
// sign-extended, w and h unsigned), so rectangles that only share an edge do
// not overlap, and a zero-sized rectangle strictly inside the other does.
bool check_collision(SDL_Rect a, SDL_Rect b);
