#include "shell/row_menu.h"

#include "shell/keys.h"
#include "shell/menu.h"
#include "shell/platform.h"
#include "shell/resources.h"
#include "shell/video.h"

void run_row_menu(SDL_Surface* background, int& row, int last_row, int& flag)
{
    while (!flag) {
        pace_pass();
        clamp_row(row, last_row);
        draw_erase_strip(background);
        draw_row_cursor(row);
        game_flip(screen);
        if (!poll_key_down()) continue;
        const SDLKey key = event_key();
        if (!move_row(row, key) && key == BUTTON_A) {
            play_effect(snd_accept);
            flag = 1;
        }
        game_flip(screen);
    }
}
