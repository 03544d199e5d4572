#include "shell/key_config.h"

#include "highway/judges.h"
#include "shell/blit.h"
#include "shell/image_table.h"
#include "shell/key_bindings.h"
#include "shell/keys.h"
#include "shell/menu.h"
#include "shell/platform.h"
#include "shell/play_field.h"
#include "shell/resources.h"
#include "shell/video.h"

#include <cstdio>

int key_conf = 0;

namespace {

constexpr int FRETS = 5;

// Steps 0..4 bind the frets, steps 5..9 the alternative frets.
struct StepGroup {
    const char* prompt;  // takes the fret number
    SDL_Rect at;
};
const StepGroup STEP_GROUPS[KEY_CONF_STEPS / FRETS] = {
    {"PRESS BUTTONS TO FRET %d", {80, 100, 0, 0}},              // dst_mesagem2
    {"PRESS BUTTONS TO ALTERNATIVE FRET %d", {40, 100, 0, 0}},  // dst_mesagem4
};

// Draws the screen of a step 0..9: the frets row with the step's fret pressed
// and its prompt.
void draw_step(int step, Text& message)
{
    const StepGroup& group = STEP_GROUPS[step / FRETS];
    const int fret = step % FRETS + 1;
    char texto3[50];
    std::snprintf(texto3, sizeof texto3, group.prompt, fret);
    // The same cell at the same target as in play, so the target keeps the
    // size that play gives it.
    draw_pressed_fret(fret);
    message.render(font_small, texto3, color_white);
    message.draw(group.at.x, group.at.y);
}

}  // namespace

Next key_configuration()
{
    Text message;
    key_conf = 0;
    for (;;) {
        pace_pass();
        message.release();
        apply_surface(0, 0, menu_keys, screen, nullptr);
        key_magenta(my_surfFrets);
        apply_surface(dst_rectFrets.x, dst_rectFrets.y, my_surfFrets, screen, &src_rectFrets);
        if (key_conf >= KEY_CONF_STEPS) {
            // The last prompt stays on screen until the main menu draws.
            play_effect(snd_cancel);
            return Next::MenuTop;
        }
        draw_step(key_conf, message);
        game_flip(screen);

        if (!poll_key_down()) continue;
        const SDLKey key = event_key();
        if (key == BUTTON_SELECT) {
            play_effect(snd_cancel);
            return Next::MenuTop;
        }
        if (int* binding = binding_of(key)) {
            *binding = key_conf + 1;
            ++key_conf;
        }
    }
}
