#include "shell/name_entry_state.h"

#include <initializer_list>

int hiscore = 0;
int hiscoreMENU = 0;
int letrasX = 0;
int letrasY = 0;
SDL_Rect dst_CursorLetras = {67, 127, 0, 0};
char ScoreLetraX[2] = "0";
char ScoreLetraY[2] = "0";
char ScoreLetraZ[2] = "0";
SDL_Surface* letraX = nullptr;
SDL_Surface* letraY = nullptr;
SDL_Surface* letraZ = nullptr;

void reset_name_entry_state()
{
    hiscoreMENU = 0;
    letrasX = 0;
    letrasY = 0;
    hiscore = 0;
    ScoreLetraX[0] = ScoreLetraY[0] = ScoreLetraZ[0] = '0';
    ScoreLetraX[1] = ScoreLetraY[1] = ScoreLetraZ[1] = '\0';
    for (SDL_Surface** letter : {&letraX, &letraY, &letraZ}) {
        if (*letter) SDL_FreeSurface(*letter);
        *letter = nullptr;
    }
    dst_CursorLetras.x = 67;
    dst_CursorLetras.y = 127;
}
