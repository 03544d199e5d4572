// What the tests of the options, gallery and credits screens share: the roads
// into each screen, plain surfaces in place of the artwork, a check that a
// text stands on screen, and a script of the dispatch's two polls.
#pragma once

#include "harness/game_fixture.h"
#include "shell/image_table.h"
#include "shell/keys.h"
#include "shell/main_menu.h"
#include "shell/options_menu.h"
#include "shell/resources.h"
#include "shell/video.h"

#include <SDL/SDL_ttf.h>

#include <string>
#include <vector>

class OptionsTest : public GameTest {
protected:
    // The main menu, then the options menu (on its row 0).
    void open_options()
    {
        skip_intro();
        driver.key_down(SDLK_DOWN);
        driver.key_down(SDLK_DOWN);
        driver.key_down(BUTTON_A);
    }

    // The options menu, then the screen of one of its rows.
    void open_options_row(int row)
    {
        open_options();
        for (int i = 0; i < row; ++i) driver.key_down(SDLK_DOWN);
        driver.key_down(BUTTON_A);
    }

    // Row 1 or 3 of the main menu: the gallery or the credits.
    void open_main_row(int row)
    {
        skip_intro();
        for (int i = 0; i < row; ++i) driver.key_down(SDLK_DOWN);
        driver.key_down(BUTTON_A);
    }

    void press(const std::vector<SDLKey>& keys)
    {
        for (SDLKey key : keys) driver.key_down(key);
    }

    // Replaces one of the game's images with a plain one.
    static void replace(SDL_Surface*& image, SDL_Surface* with)
    {
        SDL_FreeSurface(image);
        image = with;
    }
    static SDL_Surface* black() { return solid_surface(SCREEN_WIDTH, SCREEN_HEIGHT, 0, 0, 0); }

    // The accept and cancel sounds in the order they were started.
    std::string accept_cancel_sounds() const
    {
        std::string order;
        for (const EffectCall& e : driver.effects) {
            if (e.chunk == snd_accept) order += 'A';
            if (e.chunk == snd_cancel) order += 'C';
        }
        return order;
    }

    // The game has arrived at the main-menu top since the options menu was
    // confirmed (the top is the only place that clears its flag).
    static bool back_at_top() { return menu5 == 0 && menu1 == 0; }
};

// True when the screen shows exactly this white text at (x, y) on black: its
// pixels white where the rendered text has ink and black elsewhere.
inline bool shows_text(SDL_Surface* surface, TTF_Font* font, const char* text, int x, int y)
{
    SDL_Surface* rendered = TTF_RenderText_Solid(font, text, SDL_Color{255, 255, 255, 0});
    if (!rendered) return false;
    bool same = true;
    for (int j = 0; same && j < rendered->h; ++j) {
        for (int i = 0; same && i < rendered->w; ++i) {
            const Uint8 index = static_cast<const Uint8*>(rendered->pixels)[j * rendered->pitch + i];
            const bool ink = index != rendered->format->colorkey;
            const Uint32 shown = rgb_at(surface, x + i, y + j);
            same = ink ? (shown & 0xF0F0F0) == 0xF0F0F0 : shown == 0;
        }
    }
    SDL_FreeSurface(rendered);
    return same;
}

// Scripts key presses for the two polls of a dispatch pass: the screen's own
// poll and the back poll after it. Poll 0 is the first of the dispatch.
class DispatchScript {
public:
    explicit DispatchScript(ScriptDriver& driver, int polls_per_pass = 2)
        : driver_(driver), per_pass_(polls_per_pass) {}

    void screen_poll(SDLKey key) { at(key, 0); }
    void back_poll(SDLKey key) { at(key, per_pass_ - 1); }
    // Lets whole passes go by without a key.
    void skip_passes(int passes) { earliest_ += passes * per_pass_; }

private:
    void at(SDLKey key, int slot)
    {
        long poll = earliest_;
        while (poll % per_pass_ != slot) ++poll;
        driver_.key_down(key, static_cast<int>(poll - delivered_));
        delivered_ = earliest_ = poll + 1;
    }
    ScriptDriver& driver_;
    int per_pass_;
    long delivered_ = 0;  // the poll after the last delivery
    long earliest_ = 0;   // the first poll the next key may take
};
