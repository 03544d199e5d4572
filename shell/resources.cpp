#include "shell/resources.h"

#include "shell/video.h"

#include <cstdio>

Mix_Music* music_tutorial = nullptr;
Mix_Music* music_paranoid = nullptr;
Mix_Music* music_runtothehills = nullptr;
Mix_Music* music_aceofspades = nullptr;
Mix_Music* music_highwaytohell = nullptr;
Mix_Music* music_forwhomthebellstolls = nullptr;
Mix_Music* music_menu = nullptr;

Mix_Chunk* snd_miss = nullptr;
Mix_Chunk* snd_bonus = nullptr;
Mix_Chunk* snd_win = nullptr;
Mix_Chunk* snd_lose = nullptr;
Mix_Chunk* snd_cursor = nullptr;
Mix_Chunk* snd_accept = nullptr;
Mix_Chunk* snd_cancel = nullptr;
Mix_Chunk* snd_explosion = nullptr;

TTF_Font* font_small = nullptr;
TTF_Font* font_small2 = nullptr;
TTF_Font* font_big = nullptr;

SDL_Color color_white = {0, 0, 0, 0};
SDL_Color color_yellow = {0, 0, 0, 0};

const ResourceRow<Mix_Music> TUNE_FILES[6] = {
    {&music_tutorial, "song/tutorial/Tutorial.ogg"},
    {&music_paranoid, "song/Paranoid.ogg"},
    {&music_runtothehills, "song/RunToTheHills.ogg"},
    {&music_aceofspades, "song/AceOfSpads.ogg"},
    {&music_highwaytohell, "song/HighwayToHell.ogg"},
    {&music_forwhomthebellstolls, "song/ForWhomTheBellsTools.ogg"},
};

const ResourceRow<Mix_Chunk> EFFECT_FILES[8] = {
    {&snd_miss, "audio/ERRO4.wav"},    {&snd_bonus, "audio/ESTRELA_MAIS.wav"},
    {&snd_win, "audio/PTPOWER.wav"},   {&snd_lose, "audio/PTRUIM.wav"},
    {&snd_cursor, "audio/BATIDA.wav"}, {&snd_accept, "audio/ACEITA.wav"},
    {&snd_cancel, "audio/CANCELA.wav"}, {&snd_explosion, "audio/EXPLOSAO.wav"},
};

namespace {

bool report(const char* path, const char* reason)
{
    std::fprintf(stderr, "%s: cannot load %s: %s\n", program_name, path, reason);
    return false;
}

}  // namespace

bool load_tunes()
{
    bool all = true;
    for (const auto& row : TUNE_FILES) {
        *row.handle = Mix_LoadMUS(row.path);
        if (!*row.handle) all = report(row.path, Mix_GetError());
    }
    return all;
}

bool load_effects()
{
    bool all = true;
    for (const auto& row : EFFECT_FILES) {
        // The 1 hands the stream to the loader, which closes it.
        *row.handle = Mix_LoadWAV_RW(SDL_RWFromFile(row.path, "rb"), 1);
        if (!*row.handle) all = report(row.path, Mix_GetError());
    }
    return all;
}

bool open_fonts()
{
    struct FontRow {
        TTF_Font** font;
        int size;
    };
    const FontRow rows[] = {{&font_small, 10}, {&font_small2, 10}, {&font_big, 18}};
    for (const auto& row : rows) {
        *row.font = TTF_OpenFont(FONT_FILE, row.size);
        if (!*row.font) return report(FONT_FILE, TTF_GetError());
    }
    return true;
}
