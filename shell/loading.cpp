#include "shell/loading.h"

#include "shell/image_table.h"
#include "shell/menu.h"
#include "shell/play_field.h"
#include "shell/play_frame.h"
#include "shell/platform.h"
#include "shell/resources.h"
#include "shell/video.h"

namespace {

constexpr Uint32 PICTURE_MS = 500;

// The bar's stages: ever wider cells from the sheet's top-left corner, each
// drawn over the one before, and the wait after each.
struct BarStage {
    SDL_Rect cell;
    Uint32 wait_ms;
};
const BarStage BAR_STAGES[] = {
    {{0, 0, 30, 43}, 300}, {{0, 0, 55, 43}, 300}, {{0, 0, 92, 43}, 300},
    {{0, 0, 127, 43}, 300}, {{0, 0, 150, 43}, 500},
};
const SDL_Rect dst_loading = {80, 170, 0, 0};

// The digits, each over a freshly drawn play field; only the first sounds.
struct CountdownDigit {
    SDL_Surface* const* picture;
    Mix_Chunk* const* sound;
};
const CountdownDigit DIGITS[] = {
    {&contagem3, &snd_explosion},
    {&contagem2, nullptr},
    {&contagem1, nullptr},
};
constexpr Uint32 DIGIT_MS = 1000;

// The surfaces that every play frame draws. They are loaded in the format of
// their files; in the screen's format their blits need no conversion, which
// is most of a frame's work otherwise.
SDL_Surface** const PLAY_SURFACES[] = {
    &BG00, &BG01, &BG02, &BG03, &nk0, &nk1, &nk2, &nk3, &my_surfLinha, &my_surfFrets, &my_surfNotas,
    &my_surfScore, &my_surfRockometro, &my_surfRockometro2, &multiplicador, &hitflames,
};

bool in_screen_format(const SDL_PixelFormat* f)
{
    const SDL_PixelFormat* s = screen->format;
    return f->BitsPerPixel == s->BitsPerPixel && f->Rmask == s->Rmask && f->Gmask == s->Gmask &&
           f->Bmask == s->Bmask && f->Amask == s->Amask;
}

// Converts each play surface once; colour keys and alpha are set on them
// afterwards by the play field's preparation.
void convert_play_surfaces()
{
    for (SDL_Surface** image : PLAY_SURFACES) {
        if (!*image || in_screen_format((*image)->format)) continue;
        if (SDL_Surface* converted = SDL_DisplayFormat(*image)) {
            SDL_FreeSurface(*image);
            *image = converted;
        }
    }
}

}  // namespace

void loading_and_countdown()
{
    convert_play_surfaces();
    cor_fundo = SDL_MapRGB(screen->format, 0, 0, 0);
    SDL_FillRect(screen, nullptr, cor_fundo);
    blit_to_screen(loading, nullptr, {0, 0, 0, 0});
    game_flip(screen);
    game_delay(PICTURE_MS);

    key_magenta(my_surfloading2);
    for (const BarStage& stage : BAR_STAGES) {
        SDL_Rect cell = stage.cell;
        SDL_Rect at = dst_loading;
        SDL_UpperBlit(my_surfloading2, &cell, screen, &at);
        game_flip(screen);
        game_delay(stage.wait_ms);
    }

    for (const CountdownDigit& digit : DIGITS) {
        carrega_img();
        if (digit.sound) play_effect(*digit.sound);
        key_magenta(*digit.picture);
        blit_to_screen(*digit.picture, nullptr, {0, 0, 0, 0});
        game_flip(screen);
        game_delay(DIGIT_MS);
    }
}
