#include "shell/song_state.h"

int msec = 0;
Uint32 start = 0;
int BPS = 10;
int count_song = 0;
int nSTREAK = 0;
int wins = 0;
int loses = 0;
