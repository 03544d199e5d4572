#include "shell/results.h"

#include "highway/judge_state.h"
#include "highway/note_slots.h"
#include "shell/image_table.h"
#include "shell/menu.h"
#include "shell/platform.h"
#include "shell/resources.h"
#include "shell/song_state.h"
#include "shell/song_table.h"
#include "shell/video.h"

#include <cstdio>

int percent_score = 0;

namespace {

constexpr Uint32 FAIL_HOLD_MS = 3000;
constexpr Uint32 WIN_PICTURE_MS = 2000;
constexpr Uint32 RESULTS_HOLD_MS = 4000;

// Cells of the full star line showing 1..10 stars: its left part, 39 high.
constexpr int MAX_STARS = 10;
constexpr Uint16 STAR_WIDTHS[MAX_STARS] = {21, 41, 63, 83, 105, 125, 147, 167, 189, 209};
const SDL_Rect dst_starNull = {55, 100, 0, 0};

void blit_keyed(SDL_Surface* surface, const SDL_Rect& where)
{
    key_magenta(surface);
    blit_to_screen(surface, nullptr, where);
}

// The empty star line, and over it as many stars as the accuracy earns.
void draw_star_line()
{
    blit_keyed(starNull, dst_starNull);
    key_magenta(star);
    const int stars = stars_for(percent_score);
    if (stars == 0) return;
    const SDL_Rect cell = {0, 0, STAR_WIDTHS[stars - 1], 39};
    blit_to_screen(star, &cell, dst_starNull);
}

void draw_centred(TTF_Font* font, SDL_Color colour, int y, const char* texto3)
{
    Text text;
    text.render(font, texto3, colour);
    text.draw_centred(y);
}

void draw_results_texts()
{
    char texto3[50];
    std::snprintf(texto3, sizeof texto3, "%d", nSCORE);
    draw_centred(font_big, color_white, 60, texto3);
    std::snprintf(texto3, sizeof texto3, "ACCURACY: %d percents", percent_score);
    draw_centred(font_small2, color_white, 180, texto3);
    std::snprintf(texto3, sizeof texto3, "LONGEST NOTE STREAK: %d", nSTREAK);
    draw_centred(font_small2, color_white, 190, texto3);
}

}  // namespace

int stars_for(int percent)
{
    if (percent < 0 || percent > 100) return 0;
    if (percent < 20) return 1;
    return percent / 10;
}

void fail_screen()
{
    blit_keyed(show_lose, {0, 0, 0, 0});
    zerar_notas();
    pause_music();
    pause_effects();
    play_effect(snd_lose);  // after the pause, so it is heard
    ++loses;
    game_flip(screen);
    game_delay(FAIL_HOLD_MS);
}

void results_screen()
{
    const SongRow* row = song_row(count_song);
    play_effect(snd_win);
    blit_keyed(show_win, {0, 0, 0, 0});
    percent_score = row ? tHITS * 100 / row->note_count : 0;
    game_flip(screen);
    zerar_notas();
    game_delay(WIN_PICTURE_MS);

    blit_to_screen(show_you_win, nullptr, {0, 0, 0, 0});
    draw_star_line();
    if (row && row->counts_as_win) {
        ++wins;
        if (unlocks_guitar(*row, wins))
            draw_centred(font_small2, color_yellow, 160, "NEW GUITAR UNLOCK IN GALERY!");
    }
    draw_results_texts();
    game_flip(screen);
    game_delay(RESULTS_HOLD_MS);
}
