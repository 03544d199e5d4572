// A game run that goes down a song's road: the keys that choose a song, a
// hook at every play frame, and pictures of the screen to read texts from.
#pragma once

#include "harness/game_fixture.h"
#include "highway/lanes.h"
#include "shell/keys.h"
#include "shell/song_state.h"

#include <SDL/SDL_ttf.h>

#include <functional>

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
// text's own ink is looked at.
inline bool shows_text_at(SDL_Surface* picture, TTF_Font* font, const char* text, SDL_Color colour,
                          Uint32 background, int x, int y, int shared_rows = 0)
{
    SDL_Surface* expected = TTF_RenderText_Solid(font, text, colour);
    if (!expected) return false;
    const Uint32 ink = as_shown(picture, colour.r, colour.g, colour.b);
    bool same = x >= 0 && y >= 0 && x + expected->w <= picture->w && y + expected->h <= picture->h;
    SDL_LockSurface(expected);
    for (int row = 0; same && row < expected->h; ++row) {
        const Uint8* line = static_cast<const Uint8*>(expected->pixels) + row * expected->pitch;
        for (int col = 0; same && col < expected->w; ++col) {
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

// True when every note slot is back at the top, as every way out of a song
// leaves them.
inline bool every_slot_at_top()
{
    for (const Lane& lane : LANES)
        for (int i = 0; i < lane.pool_size; ++i)
            if (lane.slots[i].y != 0) return false;
    return true;
}

class PlayTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        driver.stop_when_script_ends = false;
    }

    // Scripts the keys from the intro to a song: 0..4 through the song
    // selection (turning pages with Right; the shared poll between two of the
    // screen's own polls is let pass), the tutorial through its row.
    void choose_song(int song)
    {
        skip_intro();
        driver.key_down(BUTTON_A);  // main menu, row 0: the play menu
        driver.key_down(SDLK_DOWN);
        if (song == SONG_TUTORIAL) {
            driver.key_down(SDLK_DOWN);
            driver.key_down(BUTTON_A);
            return;
        }
        driver.key_down(BUTTON_A);  // the song selection
        for (int page = 0; page < song; ++page) driver.key_down(SDLK_RIGHT, page == 0 ? 0 : 1);
        driver.key_down(BUTTON_A, song == 0 ? 0 : 1);
    }

    // The play frame whose input step is polling: the frames presented so far.
    long frame() const { return driver.updates; }
    bool playing() const { return driver.updates > 0; }

    // Runs `act` once per play frame, at the frame's input poll, with the
    // frame's number (1 for the first); events it scripts are taken there.
    void each_frame(std::function<void(long)> act)
    {
        driver.on_poll = [this, act, last = 0L]() mutable {
            if (frame() <= last) return;
            last = frame();
            act(last);
        };
    }

    // Music calls until a song has been played and the menu music has
    // started again.
    bool back_at_main_menu() const { return playing() && driver.count_music(MusicCall::Play) >= 3; }
};
