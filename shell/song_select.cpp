#include "shell/song_select.h"

#include "shell/image_table.h"
#include "shell/keys.h"
#include "shell/menu.h"
#include "shell/platform.h"
#include "shell/play_menu.h"
#include "shell/resources.h"
#include "shell/song_state.h"
#include "shell/song_table.h"
#include "shell/video.h"

#include <cstdio>

namespace {

// The screen's texts. Each keeps its last rendering until the next pass
// frees it.
Text messageR;  // footer
Text messageX;  // wins
Text messageY;  // loses
Text messageS;  // "Song"
Text messageT;  // title
Text messageU;  // album line
Text messageV;  // band line
Text* const TEXTS[] = {&messageR, &messageS, &messageT, &messageU, &messageV, &messageX, &messageY};

const SDL_Rect dst_capa = {178, 68, 0, 0};

// One line of the song page: the text, its font and where it goes.
struct PageLine {
    Text* text;
    TTF_Font* const* font;
    const char* SongPage::*field;  // null: the fixed label "Song"
    SDL_Rect at;
};
const PageLine PAGE_LINES[] = {
    {&messageS, &font_small2, nullptr, {12, 10, 0, 0}},
    {&messageT, &font_big, &SongPage::title, {12, 22, 0, 0}},
    {&messageU, &font_small2, &SongPage::album, {12, 51, 0, 0}},
    {&messageV, &font_small2, &SongPage::band, {12, 66, 0, 0}},
};

void draw_footer_and_counts()
{
    char texto3[50];
    draw_footer(messageR, "Press A play or B back to MENU");
    std::snprintf(texto3, sizeof texto3, "Wins: %d", wins);
    messageX.render(font_small, texto3, color_white);
    messageX.draw(12, 120);
    std::snprintf(texto3, sizeof texto3, "Loses: %d", loses);
    messageY.render(font_small, texto3, color_white);
    messageY.draw(12, 140);
}

// The page of `count_song`; it shows at the next pass's flip.
void draw_page()
{
    const SongRow* row = song_row(count_song);
    if (!row || !row->page.title) return;
    blit_to_screen(Select_song, nullptr, {0, 0, 0, 0});
    blit_to_screen(*row->page.cover, nullptr, dst_capa);
    for (const PageLine& line : PAGE_LINES) {
        const char* text = line.field ? row->page.*line.field : "Song";
        if (SDL_Surface* surface = line.text->render(*line.font, text, color_white)) blit_to_screen(surface, nullptr, line.at);
    }
}

void turn_page(int by)
{
    play_effect(snd_cursor);
    count_song += by;
    if (count_song < 0) count_song = SONG_PAGES - 1;
    if (count_song >= SONG_PAGES) count_song = 0;
}

}  // namespace

SelectStep song_select_pass()
{
    for (Text* text : TEXTS) text->release();
    draw_footer_and_counts();
    game_flip(screen);
    draw_page();

    if (!poll_key_down()) return SelectStep::Stay;
    switch (event_key()) {
    case SDLK_LEFT: turn_page(-1); return SelectStep::Stay;
    case SDLK_RIGHT: turn_page(+1); return SelectStep::Stay;
    case BUTTON_B: play_effect(snd_cancel); return SelectStep::Back;
    case BUTTON_A:
        play_effect(snd_accept);
        free_menu_music();
        return SelectStep::Chosen;
    default: return SelectStep::Stay;
    }
}
