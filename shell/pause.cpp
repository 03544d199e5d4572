#include "shell/pause.h"

#include "highway/note_slots.h"
#include "shell/image_table.h"
#include "shell/keys.h"
#include "shell/menu.h"
#include "shell/platform.h"
#include "shell/resources.h"
#include "shell/song_state.h"
#include "shell/video.h"

int pause_menu = 0;

namespace {

constexpr int PLAYING_BPS = 10;

void draw_pause_screen()
{
    for (SDL_Surface* overlay : {pause_screen, pause_screen2}) {
        key_magenta(overlay);
        SDL_Rect at = {0, 0, 0, 0};
        SDL_UpperBlit(overlay, nullptr, screen, &at);
    }
    Text message0;
    message0.render(font_small, "Press SELECT to EXIT or START to RESUME", color_white);
    message0.draw_centred(120);
}

}  // namespace

PauseEnd run_pause_screen()
{
    for (;;) {
        // The resuming pass does not wait, so the song clock gains nothing
        // from the pacing.
        if (pause_menu == 1) {
            pause_menu = 0;
            resume_music();
            resume_effects();
            BPS = PLAYING_BPS;
            return PauseEnd::Resume;
        }
        pace_pass();
        draw_pause_screen();
        game_flip(screen);
        BPS = 0;
        pause_music();
        pause_effects();
        start = game_ticks() - static_cast<Uint32>(msec);  // hold the song clock
        if (!poll_key_down()) continue;
        if (event_key() == BUTTON_START) pause_menu = 1;
        if (event_key() == BUTTON_SELECT) {
            zerar_notas();
            return PauseEnd::LeaveSong;
        }
    }
}
