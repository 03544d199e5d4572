// The play screen as its layers lay it out, composed from the real images:
// a play frame's picture, and the pressed frets that held lanes show after it.
#pragma once

#include "harness/expected_picture.h"
#include "shell/image_table.h"

#include <SDL/SDL.h>

// What one play frame shows, beyond the fixed layers.
struct FrameLook {
    SDL_Surface* backdrop;  // null: no backdrop
    SDL_Surface* neck;      // null: no neck
    int neck_row;           // the neck's row shown at the top of the screen
    int multiplier_cells;   // 1: x1; 2: x2 over x1; 3: x3 over both
    const char* status;     // the note status text
    int cover_rows;         // rock meter cover rows, from the meter's top
    const char* score;
    const char* streak;
    const char* clock;
};

inline constexpr SDL_Color TEXT_WHITE = {255, 255, 255, 0};

// The play frame draws its sheets converted to the screen's format.
inline constexpr bool SCREEN_FORMAT = true;

inline constexpr SDL_Rect MULTIPLIER_CELLS[] = {{0, 0, 77, 19}, {0, 19, 77, 19}, {0, 38, 77, 19}};

// The field's lower layers: backdrop, neck, lane lines, frets row and score
// panel. The neck's columns 0..239 land at screen x 80..319, its rows from
// `neck_row` down, blended at alpha 200.
inline void compose_field_layers(ExpectedPicture& picture, SDL_Surface* backdrop, SDL_Surface* neck, int neck_row)
{
    constexpr Uint8 OPAQUE = SDL_ALPHA_OPAQUE;
    picture.draw(backdrop, nullptr, 0, 0, Key::None, OPAQUE, SCREEN_FORMAT);
    const SDL_Rect neck_rows = {0, static_cast<Sint16>(neck_row), 240, 240};
    picture.draw(neck, neck_rows, 80, 0, Key::None, 200, SCREEN_FORMAT);
    picture.draw(my_surfLinha, nullptr, 80, 0, Key::White, OPAQUE, SCREEN_FORMAT);
    picture.draw(my_surfFrets, SDL_Rect{0, 0, 200, 33}, 80, 215, Key::Magenta, OPAQUE, SCREEN_FORMAT);
    picture.draw(my_surfScore, nullptr, 0, 5, Key::Magenta, OPAQUE, SCREEN_FORMAT);
}

// The rock meter's cover, `rows` rows of it from the top (all of it when
// `rows` is negative).
inline void compose_meter_cover(ExpectedPicture& picture, int rows)
{
    if (rows < 0) {
        picture.draw(my_surfRockometro, nullptr, 298, 10, Key::Magenta, SDL_ALPHA_OPAQUE, SCREEN_FORMAT);
    } else if (rows > 0) {
        const SDL_Rect cover = {0, 0, 11, static_cast<Uint16>(rows)};
        picture.draw(my_surfRockometro, cover, 298, 10, Key::Magenta, SDL_ALPHA_OPAQUE, SCREEN_FORMAT);
    }
}

inline void compose_play_frame(ExpectedPicture& picture, const FrameLook& look)
{
    TTF_Font* small = test_font(10);  // the score, streak and clock font, and the status font

    picture.fill({0, 0, 320, 240}, 0, 0, 0);
    compose_field_layers(picture, look.backdrop, look.neck, look.neck_row);
    picture.draw(my_surfRockometro2, nullptr, 298, 10, Key::Magenta, SDL_ALPHA_OPAQUE, SCREEN_FORMAT);
    for (int i = 0; i < look.multiplier_cells; ++i)
        picture.draw(multiplicador, MULTIPLIER_CELLS[i], 0, 180, Key::Magenta, SDL_ALPHA_OPAQUE, SCREEN_FORMAT);
    if (*look.status) picture.text(small, look.status, TEXT_WHITE, 20, 100);
    compose_meter_cover(picture, look.cover_rows);
    picture.text(small, look.score, TEXT_WHITE, 40, 11);
    picture.text(small, look.streak, TEXT_WHITE, 40, 29);
    picture.text(small, look.clock, TEXT_WHITE, 0, 50);
}

// Lane x of lanes 1..5; the fret targets are at (lane x, 222).
inline constexpr int LANE_XS[] = {80, 110, 145, 177, 210};

// A held lane's pressed fret drawn over the picture: the frets sheet's
// pressed cell of the lane (as our artwork lays the sheet out) at its target.
inline void add_pressed_fret(ExpectedPicture& picture, int lane)
{
    static const SDL_Rect PRESSED_CELLS[] = {
        {0, 33, 31, 23}, {31, 33, 33, 23}, {64, 33, 35, 23}, {99, 33, 35, 23}, {0, 56, 163, 23},
    };
    picture.draw(my_surfFrets, PRESSED_CELLS[lane - 1], LANE_XS[lane - 1], 222, Key::Magenta, SDL_ALPHA_OPAQUE,
                 SCREEN_FORMAT);
}
