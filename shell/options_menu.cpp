#include "shell/options_menu.h"

#include "shell/blit.h"
#include "shell/game_config.h"
#include "shell/image_table.h"
#include "shell/key_config.h"
#include "shell/main_menu.h"
#include "shell/platform.h"
#include "shell/resources.h"
#include "shell/row_menu.h"
#include "shell/save_menu.h"
#include "shell/sound_menu.h"
#include "shell/video.h"

int menu5 = 0;

namespace {

Next leave_options()
{
    play_effect(snd_cancel);
    return Next::MenuTop;
}

// What each row opens, by row.
Next (*const OPTION_SCREENS[OPTIONS_ROWS])() = {
    key_configuration, game_configuration, sound_screen, save_menu, leave_options,
};

}  // namespace

Next options_menu()
{
    cursor_count = 0;
    apply_surface(0, 0, my_surfMenu3, screen, nullptr);
    game_flip(screen);

    run_row_menu(my_surfMenu3, cursor_count, OPTIONS_ROWS - 1, menu5);
    return OPTION_SCREENS[cursor_count]();
}
