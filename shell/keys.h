// The handheld buttons as keyboard keys.
#pragma once

#include <SDL/SDL.h>

constexpr SDLKey BUTTON_A = SDLK_LCTRL;
constexpr SDLKey BUTTON_B = SDLK_LALT;
constexpr SDLKey BUTTON_X = SDLK_SPACE;
constexpr SDLKey BUTTON_Y = SDLK_LSHIFT;
constexpr SDLKey BUTTON_L = SDLK_TAB;
constexpr SDLKey BUTTON_R = SDLK_BACKSPACE;
constexpr SDLKey BUTTON_START = SDLK_RETURN;
constexpr SDLKey BUTTON_SELECT = SDLK_ESCAPE;
