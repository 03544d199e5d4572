// A picture that a test composes from the images, cells, positions, colour
// keys and texts a screen is meant to draw, to compare pixel for pixel with
// what the game presented. The cells and positions come from the test, never
// from the game's own tables, so a wrong value in the game shows.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <memory>
#include <string>

enum class Key { None, Magenta, White };

class ExpectedPicture {
public:
    // A black 320 x 240 picture in the screen's 16-bit format (5-6-5).
    ExpectedPicture();
    ~ExpectedPicture();
    ExpectedPicture(const ExpectedPicture&) = delete;
    ExpectedPicture& operator=(const ExpectedPicture&) = delete;

    // Starts from a copy of a picture (a snapshot of an earlier present).
    void start_from(SDL_Surface* picture);

    // Draws the cell of `image` (all of it when `cell` is null) with its
    // top-left corner at (x, y), keyed and blended as given. It draws from a
    // copy of the image, so the key and alpha that the game set on the image
    // itself play no part. `as_screen_format` draws it as a copy converted to
    // the screen's format first, as the play frame draws its sheets.
    ExpectedPicture& draw(SDL_Surface* image, const SDL_Rect* cell, int x, int y, Key key = Key::None,
                          Uint8 alpha = SDL_ALPHA_OPAQUE, bool as_screen_format = false);
    ExpectedPicture& draw(SDL_Surface* image, SDL_Rect cell, int x, int y, Key key = Key::None,
                          Uint8 alpha = SDL_ALPHA_OPAQUE, bool as_screen_format = false)
    {
        return draw(image, &cell, x, y, key, alpha, as_screen_format);
    }

    ExpectedPicture& fill(SDL_Rect area, Uint8 r, Uint8 g, Uint8 b);

    // A text rendered as the game renders texts (TTF_RenderText_Solid), at
    // (x, y), or centred at x = (320 - width) / 2.
    ExpectedPicture& text(TTF_Font* font, const char* text, SDL_Color colour, int x, int y);
    ExpectedPicture& centred_text(TTF_Font* font, const char* text, SDL_Color colour, int y);

    SDL_Surface* get() const { return surface_; }

private:
    SDL_Surface* surface_ = nullptr;
};

// "" when the two pictures show the same colours over `area`; otherwise how
// many pixels differ, and the first of them with both colours as 0xRRGGBB.
std::string picture_difference(SDL_Surface* shown, SDL_Surface* expected, SDL_Rect area = {0, 0, 320, 240});

// The game's font file opened at a size, as a test's own handle (kept open
// for the rest of the test process). The file is looked up in the working
// directory, as the game looks it up; SDL_ttf is initialised when it is not.
TTF_Font* test_font(int points);

// An image file of the working directory loaded afresh, apart from the
// game's image table (so nothing the game did to its surfaces carries over).
using LoadedImage = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;
LoadedImage image_file(const char* path);
