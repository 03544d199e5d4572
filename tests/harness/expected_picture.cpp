#include "harness/expected_picture.h"

#include "harness/game_fixture.h"

#include <SDL/SDL_image.h>

#include <cstdio>
#include <map>

namespace {

SDL_Surface* screen_format_surface(int w, int h)
{
    return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 16, 0xF800, 0x07E0, 0x001F, 0);
}

// A copy of the image with exactly the key and alpha asked for.
SDL_Surface* prepared_copy(SDL_Surface* image, Key key, Uint8 alpha, bool as_screen_format)
{
    SDL_Surface* copy = nullptr;
    if (as_screen_format) {
        SDL_Surface* format = screen_format_surface(1, 1);
        copy = SDL_ConvertSurface(image, format->format, SDL_SWSURFACE);
        SDL_FreeSurface(format);
    } else {
        copy = SDL_ConvertSurface(image, image->format, SDL_SWSURFACE);
    }
    if (!copy) return nullptr;
    // The copy may have taken over the image's key and alpha: set both afresh.
    SDL_SetColorKey(copy, 0, 0);
    SDL_SetAlpha(copy, 0, SDL_ALPHA_OPAQUE);
    if (key != Key::None) {
        const Uint8 g = key == Key::White ? 255 : 0;
        SDL_SetColorKey(copy, SDL_SRCCOLORKEY, SDL_MapRGB(copy->format, 255, g, 255));
    }
    if (alpha != SDL_ALPHA_OPAQUE) SDL_SetAlpha(copy, SDL_SRCALPHA, alpha);
    return copy;
}

}  // namespace

ExpectedPicture::ExpectedPicture() : surface_(screen_format_surface(320, 240)) {}

ExpectedPicture::~ExpectedPicture()
{
    if (surface_) SDL_FreeSurface(surface_);
}

void ExpectedPicture::start_from(SDL_Surface* picture)
{
    SDL_Surface* copy = SDL_ConvertSurface(picture, surface_->format, SDL_SWSURFACE);
    if (!copy) return;
    SDL_FreeSurface(surface_);
    surface_ = copy;
}

ExpectedPicture& ExpectedPicture::draw(SDL_Surface* image, const SDL_Rect* cell, int x, int y, Key key,
                                       Uint8 alpha, bool as_screen_format)
{
    if (!image) return *this;
    SDL_Surface* copy = prepared_copy(image, key, alpha, as_screen_format);
    if (!copy) return *this;
    SDL_Rect clip = cell ? *cell : SDL_Rect{};
    SDL_Rect at = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_BlitSurface(copy, cell ? &clip : nullptr, surface_, &at);
    SDL_FreeSurface(copy);
    return *this;
}

ExpectedPicture& ExpectedPicture::fill(SDL_Rect area, Uint8 r, Uint8 g, Uint8 b)
{
    SDL_FillRect(surface_, &area, SDL_MapRGB(surface_->format, r, g, b));
    return *this;
}

ExpectedPicture& ExpectedPicture::text(TTF_Font* font, const char* line, SDL_Color colour, int x, int y)
{
    SDL_Surface* rendered = TTF_RenderText_Solid(font, line, colour);
    if (!rendered) return *this;
    SDL_Rect at = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_BlitSurface(rendered, nullptr, surface_, &at);
    SDL_FreeSurface(rendered);
    return *this;
}

ExpectedPicture& ExpectedPicture::centred_text(TTF_Font* font, const char* line, SDL_Color colour, int y)
{
    int w = 0, h = 0;
    TTF_SizeText(font, line, &w, &h);
    return text(font, line, colour, (320 - w) / 2, y);
}

std::string picture_difference(SDL_Surface* shown, SDL_Surface* expected, SDL_Rect area)
{
    if (!shown || !expected) return "no picture to compare";
    long differing = 0;
    char first[96] = "";
    for (int y = area.y; y < area.y + area.h; ++y) {
        for (int x = area.x; x < area.x + area.w; ++x) {
            const Uint32 a = rgb_at(shown, x, y), b = rgb_at(expected, x, y);
            if (a == b) continue;
            if (differing++ == 0) {
                std::snprintf(first, sizeof first, "first at (%d, %d): shown 0x%06X, expected 0x%06X", x, y,
                              static_cast<unsigned>(a), static_cast<unsigned>(b));
            }
        }
    }
    if (differing == 0) return "";
    return std::to_string(differing) + " pixels differ, " + first;
}

TTF_Font* test_font(int points)
{
    static std::map<int, TTF_Font*> fonts;
    if (!TTF_WasInit()) {
        // The game's shutdown quit SDL_ttf, and the handles went with it.
        fonts.clear();
        TTF_Init();
    }
    TTF_Font*& font = fonts[points];
    if (!font) font = TTF_OpenFont("ariblk.ttf", points);
    return font;
}

LoadedImage image_file(const char* path) { return LoadedImage(IMG_Load(path), SDL_FreeSurface); }
