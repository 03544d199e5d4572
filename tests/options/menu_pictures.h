// What the picture tests of the menus share: the fonts and colour of their
// texts, the row cursor of the row menus, and a copy of the last picture a
// screen presented.
#pragma once

#include "harness/expected_picture.h"
#include "harness/pictures.h"
#include "shell/image_table.h"

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <functional>
#include <utility>

constexpr SDL_Color WHITE = {255, 255, 255, 0};

// The game's font at the sizes of its small texts (prompts, footers, labels)
// and of its big ones (titles, the volume).
inline TTF_Font* small_font() { return test_font(10); }
inline TTF_Font* big_font() { return test_font(18); }

// The row cursor: cell k of the cursor sheet drawn at position k, keyed on
// magenta; the same for every row menu.
struct CursorPlace {
    SDL_Rect cell;
    int x, y;
};
constexpr CursorPlace CURSOR_PLACES[5] = {
    {{0, 66, 23, 16}, 5, 65},   {{0, 101, 23, 16}, 5, 100}, {{0, 133, 23, 16}, 5, 134},
    {{0, 168, 23, 16}, 5, 165}, {{0, 203, 23, 16}, 5, 200},
};

inline ExpectedPicture& draw_cursor(ExpectedPicture& picture, int row)
{
    const CursorPlace& place = CURSOR_PLACES[row];
    return picture.draw(my_surfCursor, place.cell, place.x, place.y, Key::Magenta);
}

// Keeps a copy of every picture presented while `showing` holds, so that the
// last one can be compared once the run is over.
class LastPresent {
public:
    explicit LastPresent(std::function<bool()> showing = [] { return true; }) : showing_(std::move(showing)) {}

    std::function<void(SDL_Surface*)> recorder()
    {
        return [this](SDL_Surface* shown) {
            if (!showing_()) return;
            snapshot_.take(shown);
            ++count_;
        };
    }
    SDL_Surface* get() const { return snapshot_.get(); }
    int count() const { return count_; }

private:
    std::function<bool()> showing_;
    Snapshot snapshot_;
    int count_ = 0;
};
