#include "shell/video.h"

SDL_Surface* screen = nullptr;
