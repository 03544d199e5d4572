// The display surface and what tells the two programs apart.
#pragma once

#include <SDL/SDL.h>

extern SDL_Surface* screen;   // returned by SDL_SetVideoMode; every drawing goes here

constexpr int SCREEN_WIDTH = 320;
constexpr int SCREEN_HEIGHT = 240;
constexpr int SCREEN_BPP = 16;

// Defined once per program: SDL_FULLSCREEN and "quorl_demo" for the full-screen
// program, 0 and "quorl_demo_windowed" for the windowed one.
extern const Uint32 video_mode_flags;
extern const char* const program_name;
