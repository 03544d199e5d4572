#include "shell/intro.h"

#include "shell/image_table.h"
#include "shell/keys.h"
#include "shell/menu.h"
#include "shell/platform.h"
#include "shell/video.h"

int intro_logo = 0;

namespace {
SDL_Surface* const* const INTRO_SURFACES[INTRO_IMAGES] = {
    &introducao1, &introducao2, &introducao3, &introducao4, &introducao5,
};
}  // namespace

Next run_intro()
{
    int stage = 0;
    while (stage < INTRO_IMAGES) {
        pace_pass();
        // The image and the skip belong to the stage that the pass started in,
        // so a skip in the pass that reaches a threshold advances one image.
        const int shown = stage;
        ++intro_logo;
        if (intro_logo == INTRO_PASSES_PER_IMAGE * (shown + 1)) stage = shown + 1;

        blit_to_screen(*INTRO_SURFACES[shown], nullptr, dst_rectintro);
        game_flip(screen);

        if (poll_key_down() && event_key() == BUTTON_A) stage = shown + 1;
    }
    return Next::MenuEntry;
}
