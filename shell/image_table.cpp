#include "shell/image_table.h"

#include <SDL/SDL_image.h>

#include <cstdio>
#include <cstring>

SDL_Surface* gtr01 = nullptr;
SDL_Surface* gtr02 = nullptr;
SDL_Surface* gtr03 = nullptr;
SDL_Surface* gtr04 = nullptr;
SDL_Surface* gtr_lock00 = nullptr;
SDL_Surface* gtr_lock01 = nullptr;
SDL_Surface* gtr_lock02 = nullptr;
SDL_Surface* gtr_lock03 = nullptr;
SDL_Surface* gtr_desc00 = nullptr;
SDL_Surface* gtr_desc01 = nullptr;
SDL_Surface* gtr_desc02 = nullptr;
SDL_Surface* gtr_desc03 = nullptr;
SDL_Surface* introducao1 = nullptr;
SDL_Surface* introducao2 = nullptr;
SDL_Surface* introducao3 = nullptr;
SDL_Surface* introducao4 = nullptr;
SDL_Surface* introducao5 = nullptr;
SDL_Surface* txtbox = nullptr;
SDL_Surface* cursor_bar = nullptr;
SDL_Surface* hitflames = nullptr;
SDL_Surface* star = nullptr;
SDL_Surface* starNull = nullptr;
SDL_Surface* multiplicador = nullptr;
SDL_Surface* credits_tela = nullptr;
SDL_Surface* new_score = nullptr;
SDL_Surface* letras_score = nullptr;
SDL_Surface* cursor_score = nullptr;
SDL_Surface* pause_screen = nullptr;
SDL_Surface* pause_screen2 = nullptr;
SDL_Surface* Select_vol = nullptr;
SDL_Surface* Select_song = nullptr;
SDL_Surface* capa1 = nullptr;
SDL_Surface* capa2 = nullptr;
SDL_Surface* capa4 = nullptr;
SDL_Surface* capa5 = nullptr;
SDL_Surface* capa6 = nullptr;
SDL_Surface* loading = nullptr;
SDL_Surface* my_surfloading2 = nullptr;
SDL_Surface* main_menu = nullptr;
SDL_Surface* main_menu1_1 = nullptr;
SDL_Surface* menu_keys = nullptr;
SDL_Surface* menu_sound = nullptr;
SDL_Surface* menu_save = nullptr;
SDL_Surface* menu_configuregame = nullptr;
SDL_Surface* contagem3 = nullptr;
SDL_Surface* contagem2 = nullptr;
SDL_Surface* contagem1 = nullptr;
SDL_Surface* show_lose = nullptr;
SDL_Surface* show_win = nullptr;
SDL_Surface* show_you_win = nullptr;
SDL_Surface* my_surfMenu2 = nullptr;
SDL_Surface* my_surfMenu3 = nullptr;
SDL_Surface* my_surfMenu4 = nullptr;
SDL_Surface* my_surfMenu5 = nullptr;
SDL_Surface* my_surfFrets = nullptr;
SDL_Surface* my_surfLinha = nullptr;
SDL_Surface* my_surfNotas = nullptr;
SDL_Surface* my_surfScore = nullptr;
SDL_Surface* my_surfCursor = nullptr;
SDL_Surface* my_surfRockometro = nullptr;
SDL_Surface* my_surfRockometro2 = nullptr;
SDL_Surface* nk0 = nullptr;
SDL_Surface* nk1 = nullptr;
SDL_Surface* nk2 = nullptr;
SDL_Surface* nk3 = nullptr;
SDL_Surface* BG00 = nullptr;
SDL_Surface* BG01 = nullptr;
SDL_Surface* BG02 = nullptr;
SDL_Surface* BG03 = nullptr;

const ImageRow IMAGE_FILES[IMAGE_COUNT] = {
    {&gtr01, "img/guitars/gtr00.png"},
    {&gtr02, "img/guitars/gtr01.png"},
    {&gtr03, "img/guitars/gtr02.png"},
    {&gtr04, "img/guitars/gtr03.png"},
    {&gtr_lock00, "img/guitars/lock00.png"},
    {&gtr_lock01, "img/guitars/lock01.png"},
    {&gtr_lock02, "img/guitars/lock02.png"},
    {&gtr_lock03, "img/guitars/lock03.png"},
    {&gtr_desc00, "img/guitars/gtr_desc00.png"},
    {&gtr_desc01, "img/guitars/gtr_desc01.png"},
    {&gtr_desc02, "img/guitars/gtr_desc02.png"},
    {&gtr_desc03, "img/guitars/gtr_desc03.png"},
    {&introducao1, "img/intro/splash_320.png"},
    {&introducao2, "img/intro/sponsor_320.png"},
    {&introducao3, "img/intro/ondravel.png"},
    {&introducao4, "img/intro/NDRQ.png"},
    {&introducao5, "img/intro/presents.png"},
    {&txtbox, "img/sprite/txt_box.png"},
    {&cursor_bar, "img/sprite/cursor_bar.png"},
    {&hitflames, "img/sprite/hitflames1.png"},
    {&star, "img/sprite/star_line.png"},
    {&starNull, "img/sprite/star_line_null.png"},
    {&multiplicador, "img/sprite/multiplicador.png"},
    {&credits_tela, "img/sprite/credits.png"},
    {&new_score, "img/menus/rank_score.png"},
    {&letras_score, "img/sprite/letras.png"},
    {&cursor_score, "img/sprite/cursor_nome.png"},
    {&pause_screen, "img/menus/pause.png"},
    {&pause_screen2, "img/menus/pause2.png"},
    {&Select_vol, "img/sprite/audio1.png"},
    {&Select_song, "img/menus/select_song_band.png"},
    {&capa1, "img/capas/Paranoid_small.jpg"},
    {&capa2, "img/capas/number_small.jpg"},
    {&capa4, "img/capas/aceofspades_small.jpg"},
    {&capa5, "img/capas/Highway_small.jpg"},
    {&capa6, "img/capas/Ridethelightning_small.jpg"},
    {&loading, "img/menus/loading.png"},
    {&my_surfloading2, "img/sprite/loading_sprits.png"},
    {&main_menu, "img/menus/menu1.png"},
    {&main_menu1_1, "img/menus/menu1.1.png"},
    {&menu_keys, "img/menus/set_keys.png"},
    {&menu_sound, "img/menus/menu_sound1.png"},
    {&menu_save, "img/menus/menu_save.png"},
    {&menu_configuregame, "img/menus/menu_configuregame.png"},
    {&contagem3, "img/sprite/3.png"},
    {&contagem2, "img/sprite/2.png"},
    {&contagem1, "img/sprite/1.png"},
    {&show_lose, "img/sprite/YOUFAILED.png"},
    {&show_win, "img/sprite/YOUROCK.png"},
    {&show_you_win, "img/menus/you_win.png"},
    {&my_surfMenu2, "img/menus/main2.png"},
    {&my_surfMenu3, "img/menus/main3.png"},
    {&my_surfMenu4, "img/menus/main4.png"},
    {&my_surfMenu5, "img/menus/hiscore.png"},
    {&my_surfFrets, "img/sprite/frets.png"},
    {&my_surfLinha, "img/sprite/linhas.png"},
    {&my_surfNotas, "img/sprite/notas.png"},
    {&my_surfScore, "img/sprite/score.png"},
    {&my_surfCursor, "img/sprite/cursorA.png"},
    {&my_surfRockometro, "img/sprite/rock_bar.png"},
    {&my_surfRockometro2, "img/sprite/rock_bar0.png"},
    {&nk0, "img/necks/neck0.png"},
    {&nk1, "img/necks/neck1.png"},
    {&nk2, "img/necks/neck2.png"},
    {&nk3, "img/necks/neck3.png"},
    {&BG00, "img/bg/backdrop00.png"},
    {&BG01, "img/bg/backdrop01.png"},
    {&BG02, "img/bg/backdrop02.png"},
    {&BG03, "img/bg/backdrop03.png"},
};

namespace {
// Plain character arrays: the table is loaded during static initialisation,
// before objects with constructors in this file can be relied on.
constexpr int ERROR_TEXT = 256;
char load_errors[IMAGE_COUNT][ERROR_TEXT];
}

void load_image_table()
{
    for (int i = 0; i < IMAGE_COUNT; ++i) {
        *IMAGE_FILES[i].surface = IMG_Load(IMAGE_FILES[i].path);
        const char* reason = *IMAGE_FILES[i].surface ? "" : IMG_GetError();
        std::snprintf(load_errors[i], ERROR_TEXT, "%s", reason);
    }
}

int report_image_failures(const char* program)
{
    int failed = 0;
    for (int i = 0; i < IMAGE_COUNT; ++i) {
        if (*IMAGE_FILES[i].surface) continue;
        std::fprintf(stderr, "%s: cannot load %s: %s\n", program, IMAGE_FILES[i].path, load_errors[i]);
        ++failed;
    }
    return failed;
}
