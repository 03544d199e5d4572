#include "shell/save_menu.h"

#include "shell/blit.h"
#include "shell/image_table.h"
#include "shell/keys.h"
#include "shell/main_menu.h"
#include "shell/menu.h"
#include "shell/platform.h"
#include "shell/resources.h"
#include "shell/save_file.h"
#include "shell/video.h"

namespace {

constexpr int BACK_ROW = SAVE_MENU_ROWS - 1;

// What button A does on each of the first three rows, and what it shows.
struct SaveRow {
    bool (*operation)();
    const char* done;
    const char* failed;
    bool reload_after;  // the clear loads the zeros back once it has worked
};
const SaveRow SAVE_ROWS[BACK_ROW] = {
    {save_game, "GAME SAVED", "SAVE FAILED", false},
    {load_game, "GAME LOADED", "NO SAVED GAME", false},
    {erase_game, "GAME CLEARED", "CLEAR FAILED", true},
};

void run_row(const SaveRow& row)
{
    const bool worked = row.operation();
    Text messageZ;
    messageZ.render(font_small, worked ? row.done : row.failed, color_white);
    messageZ.draw(140, 120);
    game_flip(screen);
    // Keys pressed meanwhile wait in the queue and are acted on afterwards.
    game_delay(SAVE_MESSAGE_MS);
    if (worked && row.reload_after) load_game();
}

}  // namespace

Next save_menu()
{
    for (;;) {
        pace_pass();
        clamp_row(cursor_count, SAVE_MENU_ROWS - 1);
        apply_surface(0, 0, menu_save, screen, nullptr);
        draw_row_cursor(cursor_count);
        game_flip(screen);

        if (!poll_key_down()) continue;
        const SDLKey key = event_key();
        if (move_row(cursor_count, key) || key != BUTTON_A) continue;
        if (cursor_count == BACK_ROW) {
            play_effect(snd_accept);
            cursor_count = 0;
            return Next::MenuTop;
        }
        run_row(SAVE_ROWS[cursor_count]);
    }
}
