#include "shell/play_hud.h"

#include "highway/judge_state.h"
#include "shell/blit.h"
#include "shell/image_table.h"
#include "shell/menu.h"
#include "shell/play_field.h"
#include "shell/platform.h"
#include "shell/resources.h"
#include "shell/song_state.h"
#include "shell/video.h"

#include <cstdio>
#include <cstring>

// Rows covered for -6..6; the steps are uneven on purpose (the meter's art).
const SDL_Rect ROCK_BAR_CELLS[ROCK_METER_CELLS] = {
    {0, 0, 11, 160}, {0, 0, 11, 150}, {0, 0, 11, 140}, {0, 0, 11, 120}, {0, 0, 11, 100},
    {0, 0, 11, 90},  {0, 0, 11, 80},  {0, 0, 11, 70},  {0, 0, 11, 50},  {0, 0, 11, 40},
    {0, 0, 11, 20},  {0, 0, 11, 10},  {0, 0, 11, 0},
};
const SDL_Rect& src_rectRockBar7 = ROCK_BAR_CELLS[0];
const SDL_Rect& src_rectRockBar6 = ROCK_BAR_CELLS[1];
const SDL_Rect& src_rectRockBar5 = ROCK_BAR_CELLS[2];
const SDL_Rect& src_rectRockBar4 = ROCK_BAR_CELLS[3];
const SDL_Rect& src_rectRockBar3 = ROCK_BAR_CELLS[4];
const SDL_Rect& src_rectRockBar2 = ROCK_BAR_CELLS[5];
const SDL_Rect& src_rectRockBar1 = ROCK_BAR_CELLS[6];
const SDL_Rect& src_rectRockBarF = ROCK_BAR_CELLS[7];
const SDL_Rect& src_rectRockBarE = ROCK_BAR_CELLS[8];
const SDL_Rect& src_rectRockBarD = ROCK_BAR_CELLS[9];
const SDL_Rect& src_rectRockBarC = ROCK_BAR_CELLS[10];
const SDL_Rect& src_rectRockBarB = ROCK_BAR_CELLS[11];
const SDL_Rect& src_rectRockBarA = ROCK_BAR_CELLS[12];

char textoE[8] = "";

namespace {

const SDL_Rect dst_nota_status = {20, 100, 0, 0};
const SDL_Rect dst_rectPontos = {40, 11, 0, 0};
const SDL_Rect dst_rectHits = {40, 29, 0, 0};
const SDL_Rect dst_clock = {0, 50, 0, 0};

// The note status texts, tested in this order; the last flag that is set wins.
struct StatusText {
    const int* flag;
    const char* text;
    Mix_Chunk* const* sound;
};
const StatusText STATUS_TEXTS[] = {
    {&xNULL, "", nullptr},
    {&xGOOD, "GOOD", nullptr},
    {&xMISS, "MISS", &snd_miss},
};

// Streaks that earn the bonus: standing on one of them lifts the streak by one.
constexpr int BONUS_STREAKS[] = {5, 10};

void draw_text(TTF_Font* font, const char* text, const SDL_Rect& at)
{
    if (!*text) return;  // an empty text has nothing to draw
    Text rendered;
    rendered.render(font, text, color_white);
    rendered.draw(at.x, at.y);
}

}  // namespace

void draw_note_status()
{
    for (const StatusText& status : STATUS_TEXTS) {
        if (*status.flag != 1) continue;
        std::strcpy(textoE, status.text);
        if (status.sound) play_effect(*status.sound);
    }
    draw_text(font_small2, textoE, dst_nota_status);
}

void draw_rock_meter()
{
    if (Balanca > ROCK_METER_HIGH - 1) Balanca = ROCK_METER_HIGH;
    if (Balanca <= ROCK_METER_LOW) Balanca = ROCK_METER_LOW;
    SDL_Rect cell = ROCK_BAR_CELLS[Balanca - ROCK_METER_LOW];
    SDL_Rect at = dst_rectRockBar;
    SDL_UpperBlit(my_surfRockometro, &cell, screen, &at);
}

void draw_score_and_streak()
{
    char texto[16];
    char texto2[16];
    std::snprintf(texto, sizeof texto, "%d", nSCORE);
    std::snprintf(texto2, sizeof texto2, "%d", nHITS);
    for (int streak : BONUS_STREAKS) {
        if (nHITS != streak) continue;
        play_effect(snd_bonus);
        nHITS = streak + 1;
    }
    Text message3_1;
    Text message2_1;
    message3_1.render(font_small, texto, color_white);
    message2_1.render(font_small, texto2, color_white);
    message3_1.draw(dst_rectPontos.x, dst_rectPontos.y);
    message2_1.draw(dst_rectHits.x, dst_rectHits.y);
}

void draw_song_clock()
{
    msec = static_cast<int>(game_ticks() - start);
    const int segundos = msec / 1000;
    const int sec = segundos % 60;
    const int minutos = msec / 60000;
    const int min = minutos % 60;
    char timer_msec[32];
    std::snprintf(timer_msec, sizeof timer_msec, "Timer: %02d:%02d", min, sec);
    if (SDL_Surface* seconds = TTF_RenderText_Solid(font_small, timer_msec, color_white)) {
        apply_surface0(dst_clock.x, dst_clock.y, seconds, screen, nullptr);
        SDL_FreeSurface(seconds);
    }
}
