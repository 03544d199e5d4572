// The play field under the countdown's digits and under the fail and win
// pictures, composed like a play frame (play_picture.h). Backdrop 0 and
// neck 0, as a fresh run leaves them.
#pragma once

#include "play/play_picture.h"

namespace field {

// What the countdown draws before each digit: the layers, the rock meter's
// cover image whole (no base) and the x1 multiplier.
inline void draw_countdown_field(ExpectedPicture& picture, int neck_y)
{
    compose_field_layers(picture, BG00, nk0, neck_y);
    compose_meter_cover(picture, -1);
    picture.draw(multiplicador, MULTIPLIER_CELLS[0], 0, 180, Key::Magenta, SDL_ALPHA_OPAQUE, SCREEN_FORMAT);
}

// What a play frame has drawn when it reaches its end tests, with a streak
// below 5 and no note status text: the frame's picture before its texts.
inline void draw_frame_field(ExpectedPicture& picture, int neck_y, int cover_rows)
{
    picture.fill({0, 0, 320, 240}, 0, 0, 0);
    compose_field_layers(picture, BG00, nk0, neck_y);
    picture.draw(my_surfRockometro2, nullptr, 298, 10, Key::Magenta, SDL_ALPHA_OPAQUE, SCREEN_FORMAT);
    picture.draw(multiplicador, MULTIPLIER_CELLS[0], 0, 180, Key::Magenta, SDL_ALPHA_OPAQUE, SCREEN_FORMAT);
    compose_meter_cover(picture, cover_rows);
}

}  // namespace field
