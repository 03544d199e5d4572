#include "shell/play_menu.h"

#include "shell/high_score_file.h"
#include "shell/high_score_view.h"
#include "shell/image_table.h"
#include "shell/keys.h"
#include "shell/menu.h"
#include "shell/platform.h"
#include "shell/resources.h"
#include "shell/row_menu.h"
#include "shell/song_select.h"
#include "shell/song_state.h"
#include "shell/video.h"

#include <optional>

int cursor_count2 = 0;
int menu3 = 0;
int select_score = 0;

namespace {

void draw_top()
{
    SDL_Rect at = {0, 0, 0, 0};
    SDL_UpperBlit(main_menu1_1, nullptr, screen, &at);
    game_flip(screen);
}

// Left and Right turn the high-score file, silently; button B goes back to
// the play-menu top (true). Anything else is dropped.
bool shared_poll()
{
    if (!poll_key_down()) return false;
    switch (event_key()) {
    case SDLK_LEFT:
        if (--select_score < 0) select_score = HIGH_SCORE_PAGE_COUNT - 1;
        game_flip(screen);
        return false;
    case SDLK_RIGHT:
        if (++select_score >= HIGH_SCORE_PAGE_COUNT) select_score = 0;
        game_flip(screen);
        return false;
    case BUTTON_B:
        play_effect(snd_cancel);
        return true;
    default:
        return false;
    }
}

// What one pass of the confirmed row decides.
struct RowStep {
    enum Kind { SharedPoll, Top, Leave } kind;  // go on to the shared poll, back to the top, or leave
    Next next;                                  // where to, for Leave
};
constexpr RowStep GO_ON = {RowStep::SharedPoll, Next::Stay};
constexpr RowStep BACK_TO_TOP = {RowStep::Top, Next::Stay};
RowStep leave_for(Next next) { return {RowStep::Leave, next}; }

RowStep row_step()
{
    switch (cursor_count2) {
    case ROW_SONGS:
        switch (song_select_pass()) {
        case SelectStep::Back: return BACK_TO_TOP;
        case SelectStep::Chosen: return leave_for(Next::SongRoad);
        case SelectStep::Stay: break;
        }
        return GO_ON;
    case ROW_TUTORIAL:
        count_song = SONG_TUTORIAL;
        free_menu_music();
        return leave_for(Next::SongRoad);
    case ROW_HIGH_SCORES: {
        const Next next = high_score_view_pass();
        return next == Next::Stay ? GO_ON : leave_for(next);
    }
    case ROW_BACK: return leave_for(Next::MenuTop);
    default: return GO_ON;  // row 0 opens nothing: only the shared poll acts
    }
}

// The dispatch: one pass of the confirmed row, then the shared poll, paced
// once per pass. Returns where to go, or nullopt for the play-menu top.
std::optional<Next> dispatch()
{
    for (;;) {
        pace_pass();
        const RowStep step = row_step();
        if (step.kind == RowStep::Leave) return step.next;
        if (step.kind == RowStep::Top || shared_poll()) return std::nullopt;
    }
}

}  // namespace

void free_menu_music()
{
    if (music_menu) Mix_FreeMusic(music_menu);
    music_menu = nullptr;
}

Next play_menu()
{
    for (;;) {
        menu3 = 0;
        draw_top();
        run_row_menu(main_menu1_1, cursor_count2, PLAY_MENU_ROWS - 1, menu3);
        if (const std::optional<Next> next = dispatch()) return *next;
    }
}
