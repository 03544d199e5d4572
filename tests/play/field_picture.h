// The play field as a test composes it from the real images, with the cells,
// positions, keys and alpha written out here: the countdown's field under the
// digits, and a play frame's field up to its end tests (under the fail and
// win pictures). Backdrop 0 and neck 0, as a fresh run leaves them; the play
// sheets are drawn in the screen's format, as the game draws them.
#pragma once

#include "harness/expected_picture.h"
#include "shell/image_table.h"

namespace field {

// Backdrop, neck through its clip (-80, y, 320, 540) at alpha 200, lane
// lines, frets row and score panel.
inline void draw_lower_layers(ExpectedPicture& picture, int neck_y)
{
    picture.draw(BG00, nullptr, 0, 0, Key::None, SDL_ALPHA_OPAQUE, true);
    picture.draw(nk0, SDL_Rect{-80, static_cast<Sint16>(neck_y), 320, 540}, 0, 0, Key::None, 200, true);
    picture.draw(my_surfLinha, nullptr, 80, 0, Key::White, SDL_ALPHA_OPAQUE, true);
    picture.draw(my_surfFrets, SDL_Rect{0, 0, 200, 33}, 80, 215, Key::Magenta, SDL_ALPHA_OPAQUE, true);
    picture.draw(my_surfScore, nullptr, 0, 5, Key::Magenta, SDL_ALPHA_OPAQUE, true);
}

inline void draw_multiplier_x1(ExpectedPicture& picture)
{
    picture.draw(multiplicador, SDL_Rect{0, 0, 77, 19}, 0, 180, Key::Magenta, SDL_ALPHA_OPAQUE, true);
}

// What the countdown draws before each digit: the layers, the rock meter's
// cover image whole (no base) and the x1 multiplier.
inline void draw_countdown_field(ExpectedPicture& picture, int neck_y)
{
    draw_lower_layers(picture, neck_y);
    picture.draw(my_surfRockometro, nullptr, 298, 10, Key::Magenta, SDL_ALPHA_OPAQUE, true);
    draw_multiplier_x1(picture);
}

// What a play frame has drawn when it reaches its end tests, with a streak
// below 5 and no note status text: black, the layers, the meter's base, x1,
// and the meter's cover clipped to `cover_rows`.
inline void draw_frame_field(ExpectedPicture& picture, int neck_y, int cover_rows)
{
    picture.fill({0, 0, 320, 240}, 0, 0, 0);
    draw_lower_layers(picture, neck_y);
    picture.draw(my_surfRockometro2, nullptr, 298, 10, Key::Magenta, SDL_ALPHA_OPAQUE, true);
    draw_multiplier_x1(picture);
    if (cover_rows > 0) {
        const SDL_Rect cover = {0, 0, 11, static_cast<Uint16>(cover_rows)};
        picture.draw(my_surfRockometro, cover, 298, 10, Key::Magenta, SDL_ALPHA_OPAQUE, true);
    }
}

}  // namespace field
