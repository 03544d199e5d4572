#include "shell/main_menu.h"

#include "highway/judge_state.h"
#include "shell/credits.h"
#include "shell/gallery.h"
#include "shell/image_table.h"
#include "shell/keys.h"
#include "shell/menu.h"
#include "shell/name_entry_state.h"
#include "shell/options_menu.h"
#include "shell/platform.h"
#include "shell/play_menu.h"
#include "shell/resources.h"
#include "shell/row_menu.h"
#include "shell/song_state.h"
#include "shell/video.h"

#include <cstdio>

int cursor_count = 0;
int menu1 = 0;

namespace {

void start_menu_music()
{
    // Channels paused by a fail or by leaving a song are freed here, or they
    // would stay taken for the rest of the run.
    halt_effects();
    if (!audio_available) return;
    if (music_menu) Mix_FreeMusic(music_menu);
    music_menu = Mix_LoadMUS(MENU_MUSIC_FILE);
    if (!music_menu) {
        std::fprintf(stderr, "%s: cannot load %s: %s (the menu stays silent)\n", program_name,
                     MENU_MUSIC_FILE, Mix_GetError());
        return;
    }
    play_music(music_menu, 5);
}

void reset_at_top()
{
    nSCORE = nHITS = tHITS = nHit = nMISS = Balanca = 0;
    msec = 0;
    menu1 = menu3 = menu5 = 0;
    count_song = 0;
    cursor_count2 = 0;
}

// The back poll that ends every pass of the gallery and the credits.
Next back_poll()
{
    if (poll_key_down() && event_key() == BUTTON_B) {
        play_effect(snd_cancel);
        camera_credits.y = 0;
        return Next::MenuTop;
    }
    return Next::Stay;
}

Next dispatch()
{
    for (;;) {
        pace_pass();
        Next next = Next::Stay;
        switch (cursor_count) {
        case ROW_PLAY: return play_menu();
        case ROW_GUITARS: next = guitar_gallery_pass(); break;
        case ROW_OPTIONS: return options_menu();
        case ROW_CREDITS: next = credits_pass(); break;
        default: return Next::Quit;
        }
        if (next != Next::Stay) return next;
        next = back_poll();
        if (next != Next::Stay) return next;
    }
}

}  // namespace

Next main_menu_entry()
{
    start_menu_music();
    xNULL = xGOOD = xMISS = 0;
    BPS = 10;
    count_song = 0;
    reset_name_entry_state();
    return Next::MenuTop;
}

Next run_main_menu()
{
    reset_at_top();
    blit_to_screen(::main_menu, nullptr, dst_rectintro);
    game_flip(screen);

    run_row_menu(::main_menu, cursor_count, MAIN_MENU_ROWS - 1, menu1);
    return dispatch();
}
