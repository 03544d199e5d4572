// The start-up images: one global surface per image, loaded by static
// initialisation from the constant table IMAGE_FILES.
#pragma once

#include <SDL/SDL.h>

// Surfaces, in table order. Null until loaded.
extern SDL_Surface* gtr01;
extern SDL_Surface* gtr02;
extern SDL_Surface* gtr03;
extern SDL_Surface* gtr04;
extern SDL_Surface* gtr_lock00;
extern SDL_Surface* gtr_lock01;
extern SDL_Surface* gtr_lock02;
extern SDL_Surface* gtr_lock03;
extern SDL_Surface* gtr_desc00;
extern SDL_Surface* gtr_desc01;
extern SDL_Surface* gtr_desc02;
extern SDL_Surface* gtr_desc03;
extern SDL_Surface* introducao1;
extern SDL_Surface* introducao2;
extern SDL_Surface* introducao3;
extern SDL_Surface* introducao4;
extern SDL_Surface* introducao5;
extern SDL_Surface* txtbox;
extern SDL_Surface* cursor_bar;
extern SDL_Surface* hitflames;
extern SDL_Surface* star;
extern SDL_Surface* starNull;
extern SDL_Surface* multiplicador;
extern SDL_Surface* credits_tela;
extern SDL_Surface* new_score;
extern SDL_Surface* letras_score;
extern SDL_Surface* cursor_score;
extern SDL_Surface* pause_screen;
extern SDL_Surface* pause_screen2;
extern SDL_Surface* Select_vol;
extern SDL_Surface* Select_song;
extern SDL_Surface* capa1;
extern SDL_Surface* capa2;
extern SDL_Surface* capa4;
extern SDL_Surface* capa5;
extern SDL_Surface* capa6;
extern SDL_Surface* loading;
extern SDL_Surface* my_surfloading2;
extern SDL_Surface* main_menu;
extern SDL_Surface* main_menu1_1;
extern SDL_Surface* menu_keys;
extern SDL_Surface* menu_sound;
extern SDL_Surface* menu_save;
extern SDL_Surface* menu_configuregame;
extern SDL_Surface* contagem3;
extern SDL_Surface* contagem2;
extern SDL_Surface* contagem1;
extern SDL_Surface* show_lose;
extern SDL_Surface* show_win;
extern SDL_Surface* show_you_win;
extern SDL_Surface* my_surfMenu2;
extern SDL_Surface* my_surfMenu3;
extern SDL_Surface* my_surfMenu4;
extern SDL_Surface* my_surfMenu5;
extern SDL_Surface* my_surfFrets;
extern SDL_Surface* my_surfLinha;
extern SDL_Surface* my_surfNotas;
extern SDL_Surface* my_surfScore;
extern SDL_Surface* my_surfCursor;
extern SDL_Surface* my_surfRockometro;
extern SDL_Surface* my_surfRockometro2;
extern SDL_Surface* nk0;
extern SDL_Surface* nk1;
extern SDL_Surface* nk2;
extern SDL_Surface* nk3;
extern SDL_Surface* BG00;
extern SDL_Surface* BG01;
extern SDL_Surface* BG02;
extern SDL_Surface* BG03;

// One row of the image table: the surface it fills and the file it reads.
struct ImageRow {
    SDL_Surface** surface;
    const char* path;
};

constexpr int IMAGE_COUNT = 69;
extern const ImageRow IMAGE_FILES[IMAGE_COUNT];

// Loads every row in table order with IMG_Load, keeping the loader's error
// text of each row that fails (later loads overwrite SDL_image's own).
void load_image_table();

// Prints one line per image that failed to load, as
// "<program>: cannot load <path>: <reason>", and returns how many failed.
int report_image_failures(const char* program);
