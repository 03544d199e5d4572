// Runs the name entry and the high-score view on their own: the screen and
// the fonts are set up as the start-up does, in a temporary game directory
// under the script driver.
#pragma once

#include "harness/game_fixture.h"
#include "shell/keys.h"
#include "shell/resources.h"
#include "shell/video.h"

#include <SDL/SDL_ttf.h>

#include <fstream>
#include <string>
#include <vector>

// The name entry's keys.
inline constexpr SDLKey UP = SDLK_UP;
inline constexpr SDLKey DOWN = SDLK_DOWN;
inline constexpr SDLKey LEFT = SDLK_LEFT;
inline constexpr SDLKey RIGHT = SDLK_RIGHT;
inline constexpr SDLKey OK = BUTTON_A;

// Puts a plain-coloured picture in place of a loaded one.
inline void plain_picture(SDL_Surface*& image, Uint8 r, Uint8 g, Uint8 b)
{
    if (image) SDL_FreeSurface(image);
    image = solid_surface(SCREEN_WIDTH, SCREEN_HEIGHT, r, g, b);
}

// A colour as a picture of the given format shows it, as 0xRRGGBB.
inline Uint32 shown_as(SDL_Surface* picture, Uint8 r, Uint8 g, Uint8 b)
{
    Uint8 rr, gg, bb;
    SDL_GetRGB(SDL_MapRGB(picture->format, r, g, b), picture->format, &rr, &gg, &bb);
    return Uint32(rr) << 16 | Uint32(gg) << 8 | bb;
}

class HighScoreTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        open_screen();
        if (HasFatalFailure()) return;
        ASSERT_EQ(TTF_Init(), 0);
        ASSERT_TRUE(open_fonts());
        color_white = SDL_Color{255, 255, 255, 0};
    }

    void TearDown() override
    {
        SDL_Quit();
        GameTest::TearDown();
    }

    void write_file(const std::string& relative, const std::string& content) const
    {
        std::ofstream out(dir / relative, std::ios::binary);
        out << content;
    }
};

// A high-score line as the game writes it: two blanks, the name, a gap of 33
// blanks, the score and 35 blanks.
inline std::string score_line(const std::string& name, int score)
{
    return "  " + name + std::string(33, ' ') + std::to_string(score) + std::string(35, ' ') + "\n";
}

// Draws a text as the game draws its texts (solid rendering, white).
inline void draw_text(SDL_Surface* target, TTF_Font* font, const std::string& text, int x, int y)
{
    SDL_Surface* rendered = TTF_RenderText_Solid(font, text.c_str(), SDL_Color{255, 255, 255, 0});
    ASSERT_NE(rendered, nullptr) << "cannot render \"" << text << "\"";
    SDL_Rect at = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_UpperBlit(rendered, nullptr, target, &at);
    SDL_FreeSurface(rendered);
}

// Width of a text in a font, as the game centres it.
inline int text_width(TTF_Font* font, const std::string& text)
{
    int w = 0;
    int h = 0;
    TTF_SizeText(font, text.c_str(), &w, &h);
    return w;
}

// A blank surface of the screen's format.
inline SDL_Surface* screen_like()
{
    return SDL_CreateRGBSurface(SDL_SWSURFACE, screen->w, screen->h, screen->format->BitsPerPixel,
                                screen->format->Rmask, screen->format->Gmask, screen->format->Bmask, 0);
}

// Compares two surfaces of the screen's format within a rectangle; the first
// pixel that differs is reported.
inline ::testing::AssertionResult same_pixels(SDL_Surface* expected, SDL_Surface* actual, SDL_Rect area)
{
    for (int y = area.y; y < area.y + area.h; ++y) {
        for (int x = area.x; x < area.x + area.w; ++x) {
            const Uint32 want = rgb_at(expected, x, y);
            const Uint32 got = rgb_at(actual, x, y);
            if (want != got) {
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is " << std::hex << got << ", expected " << want;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

// The high-score view as it should be presented: the background, the footer
// at (100, 220), the header at (80, 90), the title centred at y 60 and the
// rows from (80, 100) down, 10 pixels apart ("" leaves a row empty). The
// caller frees the surface.
inline SDL_Surface* expected_view(SDL_Surface* background, const char* title, const std::vector<std::string>& rows)
{
    SDL_Surface* expected = screen_like();
    SDL_Rect at = {0, 0, 0, 0};
    SDL_UpperBlit(background, nullptr, expected, &at);
    draw_text(expected, font_small, "Press B back to MENU", 100, 220);
    draw_text(expected, font_small, "NAME                              SCORE", 80, 90);
    if (title) draw_text(expected, font_small, title, (320 - text_width(font_small, title)) / 2, 60);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (!rows[row].empty()) draw_text(expected, font_small, rows[row], 80, 100 + 10 * int(row));
    }
    return expected;
}
