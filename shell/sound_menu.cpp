#include "shell/sound_menu.h"

#include "shell/blit.h"
#include "shell/image_table.h"
#include "shell/keys.h"
#include "shell/menu.h"
#include "shell/platform.h"
#include "shell/resources.h"
#include "shell/settings.h"
#include "shell/video.h"

#include <SDL/SDL_mixer.h>

#include <cstdio>

const SDL_Rect VOLUME_CELL[VOLUME_CELLS] = {
    {0, 0, 35, 66}, {0, 0, 43, 66}, {0, 0, 51, 66}, {0, 0, 59, 66}, {0, 0, 67, 66},
    {0, 0, 75, 66}, {0, 0, 83, 66}, {0, 0, 91, 66}, {0, 0, 98, 66}, {0, 0, 109, 66},
};
const SDL_Rect& src_volume1 = VOLUME_CELL[0];
const SDL_Rect& src_volume10 = VOLUME_CELL[VOLUME_CELLS - 1];

namespace {

const SDL_Rect dst_volume = {105, 105, 0, 0};
const SDL_Rect dst_mesagem3 = {100, 180, 0, 0};

void draw_volume_bar()
{
    if (VOL < VOLUME_STEP || VOL % VOLUME_STEP != 0) return;
    SDL_Rect cell = VOLUME_CELL[VOL / VOLUME_STEP - 1];
    key_magenta(Select_vol);
    apply_surface(dst_volume.x, dst_volume.y, Select_vol, screen, &cell);
}

void apply_volume()
{
    if (!audio_available) return;
    Mix_Volume(-1, VOL);
    Mix_VolumeMusic(VOL);
}

}  // namespace

Next sound_screen()
{
    Text messageH, messageM;
    for (;;) {
        pace_pass();
        messageH.release();
        messageM.release();
        apply_surface(0, 0, menu_sound, screen, nullptr);
        if (VOL < 0) VOL = 0;
        if (VOL > VOLUME_MAX) VOL = VOLUME_MAX;
        draw_volume_bar();
        apply_volume();
        char texto3[50];
        std::snprintf(texto3, sizeof texto3, "VOLUME: %d", VOL);
        messageH.render(font_big, texto3, color_white);
        messageH.draw(dst_mesagem3.x, dst_mesagem3.y);
        draw_footer(messageM, "Press B back to MENU");
        game_flip(screen);

        if (!poll_key_down()) continue;
        switch (event_key()) {
        case SDLK_LEFT: VOL -= VOLUME_STEP; break;
        case SDLK_RIGHT: VOL += VOLUME_STEP; break;
        case BUTTON_B: play_effect(snd_cancel); return Next::MenuTop;
        default: break;
        }
    }
}
