#include "shell/credits.h"

#include "shell/blit.h"
#include "shell/image_table.h"
#include "shell/menu.h"
#include "shell/platform.h"
#include "shell/video.h"

SDL_Rect camera_credits = {0, 0, 320, 2048};

Next credits_pass()
{
    apply_surface(0, 0, my_surfMenu4, screen, nullptr);
    key_magenta(credits_tela);
    apply_surface(0, 0, credits_tela, screen, &camera_credits);
    ++camera_credits.y;
    if (camera_credits.y >= CREDITS_END) {
        camera_credits.y = 0;
        return Next::MenuTop;
    }
    game_flip(screen);
    return Next::Stay;
}
