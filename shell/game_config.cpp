#include "shell/game_config.h"

#include "shell/blit.h"
#include "shell/image_table.h"
#include "shell/keys.h"
#include "shell/main_menu.h"
#include "shell/menu.h"
#include "shell/platform.h"
#include "shell/resources.h"
#include "shell/settings.h"
#include "shell/video.h"

#include <cstdio>

namespace {

constexpr int SETTING_ROWS = GAME_CONFIG_ROWS - 1;
constexpr int BACK_ROW = SETTING_ROWS;

// The setting of each row and where its value is shown.
struct SettingRow {
    int* value;
    int x, y;
};
const SettingRow SETTINGS[SETTING_ROWS] = {
    {&bg_menu, 268, 68},
    {&flame_menu, 268, 103},
    {&nk_menu, 268, 136},
};

void draw_settings(Text (&messageQ)[SETTING_ROWS])
{
    char texto3[50];
    for (int row = 0; row < SETTING_ROWS; ++row) {
        const SettingRow& setting = SETTINGS[row];
        std::snprintf(texto3, sizeof texto3, "%d", *setting.value);
        messageQ[row].render(font_small, texto3, color_white);
        messageQ[row].draw(setting.x, setting.y);
    }
}

// Left and Right on a setting row, silently, within 0..3.
void change_setting(int row, SDLKey key)
{
    if (row >= SETTING_ROWS || (key != SDLK_LEFT && key != SDLK_RIGHT)) return;
    int& value = *SETTINGS[row].value;
    if (key == SDLK_LEFT && value > 0) --value;
    if (key == SDLK_RIGHT && value < SETTING_MAX) ++value;
}

}  // namespace

Next game_configuration()
{
    Text messageQ[SETTING_ROWS];
    for (;;) {
        pace_pass();
        for (Text& text : messageQ) text.release();
        clamp_row(cursor_count, GAME_CONFIG_ROWS - 1);
        apply_surface(0, 0, menu_configuregame, screen, nullptr);
        draw_settings(messageQ);
        draw_row_cursor(cursor_count);
        game_flip(screen);

        if (!poll_key_down()) continue;
        const SDLKey key = event_key();
        if (key == BUTTON_A && cursor_count == BACK_ROW) {
            play_effect(snd_accept);
            cursor_count = 0;
            return Next::MenuTop;
        }
        if (!move_row(cursor_count, key)) change_setting(cursor_count, key);
        game_flip(screen);
    }
}
