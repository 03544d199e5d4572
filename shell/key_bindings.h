// The ten bindable keys, each holding a lane code, and what a code means.
#pragma once

#include <SDL/SDL.h>

extern int KEY_Y;
extern int KEY_B;
extern int KEY_X;
extern int KEY_A;
extern int KEY_L;
extern int KEY_R;
extern int KEY_UP;
extern int KEY_DOWN;
extern int KEY_LEFT;
extern int KEY_RIGHT;

struct KeyBinding {
    SDLKey key;
    int* code;
};

constexpr int BINDABLE_KEYS = 10;
extern const KeyBinding KEY_BINDINGS[BINDABLE_KEYS];

// The binding of a key, or null for a key that cannot be bound.
int* binding_of(SDLKey key);

// The lane (1..5) that a lane code plays: codes n and n + 5 play lane n;
// any other code plays no lane (0).
int lane_of_code(int code);
