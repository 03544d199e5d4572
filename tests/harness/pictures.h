// Reading pictures that the game presented: a kept copy of a picture, and
// tests of whether a text stands somewhere on it as the game renders texts.
#pragma once

#include "harness/game_fixture.h"

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <algorithm>

// A copy of a presented picture, kept after the game has drawn over it.
class Snapshot {
public:
    Snapshot() = default;
    Snapshot(const Snapshot&) = delete;
    Snapshot& operator=(const Snapshot&) = delete;
    ~Snapshot() { clear(); }

    void take(SDL_Surface* from)
    {
        clear();
        surface_ = SDL_ConvertSurface(from, from->format, SDL_SWSURFACE);
    }
    void clear()
    {
        if (surface_) SDL_FreeSurface(surface_);
        surface_ = nullptr;
    }
    SDL_Surface* get() const { return surface_; }
    explicit operator bool() const { return surface_ != nullptr; }

private:
    SDL_Surface* surface_ = nullptr;
};

// The colour as the picture's pixel format shows it, as 0xRRGGBB.
inline Uint32 as_shown(SDL_Surface* picture, Uint8 r, Uint8 g, Uint8 b)
{
    Uint8 rr, gg, bb;
    SDL_GetRGB(SDL_MapRGB(picture->format, r, g, b), picture->format, &rr, &gg, &bb);
    return Uint32(rr) << 16 | Uint32(gg) << 8 | bb;
}

// True when `text`, rendered like the game renders it, stands at (x, y) of the
// picture over a plain background: every pixel of its box is the text colour
// where the text has ink and the background elsewhere. The box's first
// `shared_rows` rows may hold the ink of the line above, so there only the
// text's own ink is looked at. A text that runs past the picture's right edge
// (as the game lets long lines do) is compared as far as the picture goes.
inline bool shows_text_at(SDL_Surface* picture, TTF_Font* font, const char* text, SDL_Color colour,
                          Uint32 background, int x, int y, int shared_rows = 0)
{
    SDL_Surface* expected = TTF_RenderText_Solid(font, text, colour);
    if (!expected) return false;
    const Uint32 ink = as_shown(picture, colour.r, colour.g, colour.b);
    bool same = x >= 0 && y >= 0 && x < picture->w && y + expected->h <= picture->h;
    const int visible_w = std::min(expected->w, picture->w - x);
    SDL_LockSurface(expected);
    for (int row = 0; same && row < expected->h; ++row) {
        const Uint8* line = static_cast<const Uint8*>(expected->pixels) + row * expected->pitch;
        for (int col = 0; same && col < visible_w; ++col) {
            const Uint32 shown = rgb_at(picture, x + col, y + row);
            same = line[col] ? shown == ink : shown == background || (row < shared_rows && shown == ink);
        }
    }
    SDL_UnlockSurface(expected);
    SDL_FreeSurface(expected);
    return same;
}

inline bool shows_centred_text(SDL_Surface* picture, TTF_Font* font, const char* text, SDL_Color colour,
                               Uint32 background, int y, int shared_rows = 0)
{
    int w = 0, h = 0;
    TTF_SizeText(font, text, &w, &h);
    return shows_text_at(picture, font, text, colour, background, (320 - w) / 2, y, shared_rows);
}

// Replaces an image of the table with a plain one (freeing the original).
inline void replace_image(SDL_Surface*& image, int w, int h, Uint8 r, Uint8 g, Uint8 b)
{
    if (image) SDL_FreeSurface(image);
    image = solid_surface(w, h, r, g, b);
}
