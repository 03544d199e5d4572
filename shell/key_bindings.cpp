#include "shell/key_bindings.h"

int KEY_Y = 1;
int KEY_B = 2;
int KEY_X = 4;
int KEY_A = 3;
int KEY_L = 5;
int KEY_R = 5;
int KEY_UP = 4;
int KEY_DOWN = 2;
int KEY_LEFT = 1;
int KEY_RIGHT = 3;

const KeyBinding KEY_BINDINGS[BINDABLE_KEYS] = {
    {SDLK_LSHIFT, &KEY_Y}, {SDLK_LALT, &KEY_B},      {SDLK_SPACE, &KEY_X},  {SDLK_LCTRL, &KEY_A},
    {SDLK_TAB, &KEY_L},    {SDLK_BACKSPACE, &KEY_R}, {SDLK_UP, &KEY_UP},    {SDLK_DOWN, &KEY_DOWN},
    {SDLK_LEFT, &KEY_LEFT}, {SDLK_RIGHT, &KEY_RIGHT},
};

int* binding_of(SDLKey key)
{
    for (const KeyBinding& b : KEY_BINDINGS)
        if (b.key == key) return b.code;
    return nullptr;
}

int lane_of_code(int code)
{
    if (code >= 1 && code <= 5) return code;
    if (code >= 6 && code <= 10) return code - 5;
    return 0;
}
