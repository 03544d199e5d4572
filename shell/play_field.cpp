#include "shell/play_field.h"

#include "highway/judge_state.h"
#include "shell/blit.h"
#include "shell/image_table.h"
#include "shell/menu.h"
#include "shell/settings.h"
#include "shell/video.h"

#include <climits>

SDL_Rect dst_rectalpha = {0, 0, 0, 0};
SDL_Rect camera = {-80, 540, 320, 540};
SDL_Rect dst_rectLinha = {80, 0, 0, 0};
SDL_Rect src_rectFrets = {0, 0, 200, 33};
SDL_Rect dst_rectFrets = {80, 215, 0, 0};
SDL_Rect dst_rectScore = {0, 5, 0, 0};
SDL_Rect dst_rectRockBar = {298, 10, 0, 0};
SDL_Rect dst_multiplicador = {0, 180, 0, 0};

const SDL_Rect MULTIPLIER_CELL[MULTIPLIER_CELLS] = {{0, 0, 77, 19}, {0, 19, 77, 19}, {0, 38, 77, 19}};
const SDL_Rect& src_multiplicador1 = MULTIPLIER_CELL[0];
const SDL_Rect& src_multiplicador2 = MULTIPLIER_CELL[1];
const SDL_Rect& src_multiplicador3 = MULTIPLIER_CELL[2];

namespace {

constexpr int SETTINGS = 4;
SDL_Surface* const* const BACKDROPS[SETTINGS] = {&BG00, &BG01, &BG02, &BG03};
SDL_Surface* const* const NECKS[SETTINGS] = {&nk0, &nk1, &nk2, &nk3};

// Streak above which each multiplier cell is drawn on top of the one before;
// x1 shows for every streak, negative ones (left by the chord rule) included.
constexpr int MULTIPLIER_FROM[MULTIPLIER_CELLS] = {INT_MIN, 4, 9};

constexpr Uint8 NECK_ALPHA = 200;

}  // namespace

SDL_Surface* backdrop_for(int setting)
{
    return setting >= 0 && setting < SETTINGS ? *BACKDROPS[setting] : nullptr;
}

SDL_Surface* neck_for(int setting)
{
    return setting >= 0 && setting < SETTINGS ? *NECKS[setting] : nullptr;
}

void draw_backdrop_and_neck()
{
    if (SDL_Surface* backdrop = backdrop_for(bg_menu)) blit_to_screen(backdrop, nullptr, dst_rectalpha);
    if (SDL_Surface* neck = neck_for(nk_menu)) apply_surface(0, 0, neck, screen, &camera);
}

void draw_lines_frets_and_panel()
{
    blit_to_screen(my_surfLinha, nullptr, dst_rectLinha);
    blit_to_screen(my_surfFrets, &src_rectFrets, dst_rectFrets);
    blit_to_screen(my_surfScore, nullptr, dst_rectScore);
}

void draw_multiplier()
{
    key_magenta(multiplicador);
    for (int i = 0; i < MULTIPLIER_CELLS; ++i) {
        if (nHITS <= MULTIPLIER_FROM[i]) break;
        SDL_Rect cell = MULTIPLIER_CELL[i];
        blit_to_screen(multiplicador, &cell, dst_multiplicador);
    }
}

void carrega_img()
{
    key_white(my_surfLinha);
    key_magenta(my_surfFrets);
    key_white(my_surfNotas);
    key_magenta(my_surfScore);
    key_magenta(my_surfRockometro);
    key_magenta(my_surfRockometro2);
    key_magenta(my_surfloading2);
    for (SDL_Surface* const* neck : NECKS) SDL_SetAlpha(*neck, SDL_SRCALPHA, NECK_ALPHA);

    draw_backdrop_and_neck();
    draw_lines_frets_and_panel();
    blit_to_screen(my_surfRockometro, nullptr, dst_rectRockBar);
    draw_multiplier();
}
