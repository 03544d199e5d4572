// Music, sound effects, fonts and colours loaded at start-up and held for the
// whole run, and the menu music that each main-menu entry loads again.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>
#include <SDL/SDL_ttf.h>

// Song tunes, in load order.
extern Mix_Music* music_tutorial;
extern Mix_Music* music_paranoid;
extern Mix_Music* music_runtothehills;
extern Mix_Music* music_aceofspades;
extern Mix_Music* music_highwaytohell;
extern Mix_Music* music_forwhomthebellstolls;

extern Mix_Music* music_menu;
constexpr const char* MENU_MUSIC_FILE = "audio/menu1.mp3";

// Sound effects, in load order.
extern Mix_Chunk* snd_miss;
extern Mix_Chunk* snd_bonus;
extern Mix_Chunk* snd_win;
extern Mix_Chunk* snd_lose;
extern Mix_Chunk* snd_cursor;
extern Mix_Chunk* snd_accept;
extern Mix_Chunk* snd_cancel;
extern Mix_Chunk* snd_explosion;

extern TTF_Font* font_small;   // 10 pt: prompts, footers, counters, messages
extern TTF_Font* font_small2;  // 10 pt: field labels, status and results lines
extern TTF_Font* font_big;     // 18 pt: titles and large values
constexpr const char* FONT_FILE = "ariblk.ttf";

extern SDL_Color color_white;
extern SDL_Color color_yellow;

template <typename T>
struct ResourceRow {
    T** handle;
    const char* path;
};

extern const ResourceRow<Mix_Music> TUNE_FILES[6];
extern const ResourceRow<Mix_Chunk> EFFECT_FILES[8];

// Each tries every file of its table and prints
// "<program>: cannot load <path>: <reason>" for each one that fails, in table
// order; false when any failed.
bool load_tunes();
bool load_effects();
// The three fonts come from one file: false after naming it once.
bool open_fonts();
