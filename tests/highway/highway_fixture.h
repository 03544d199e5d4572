// A small stage for the note highway: the dummy video driver, a 320 by 240
// screen and synthetic note, frets and flame sheets of the sizes the game's
// artwork has, and helpers that run the highway's share of a play frame in
// the play loop's order.
#pragma once

#include "charts/chart_step.h"
#include "highway/judge_state.h"
#include "highway/judges.h"
#include "highway/lanes.h"
#include "shell/image_table.h"
#include "shell/platform.h"
#include "shell/song_state.h"
#include "shell/video.h"

#include <gtest/gtest.h>

#include <SDL/SDL.h>

// Colours of the synthetic sheets, as 0xRRGGBB.
constexpr Uint32 NOTE_COLOUR[LANE_COUNT] = {0x00ff00, 0xff0000, 0xffff00, 0x0000ff, 0xff8000};
constexpr Uint32 FRET_COLOUR = 0x808080;
constexpr Uint32 FLAME_COLOUR = 0xff4000;
constexpr Uint32 BLACK = 0x000000;
constexpr int FRAME_MS = 50;

inline Uint32 map_rgb(SDL_Surface* surface, Uint32 rgb)
{
    return SDL_MapRGB(surface->format, (rgb >> 16) & 0xff, (rgb >> 8) & 0xff, rgb & 0xff);
}

inline void fill(SDL_Surface* surface, SDL_Rect area, Uint32 rgb)
{
    SDL_FillRect(surface, &area, map_rgb(surface, rgb));
}

// True when the screen pixel at (x, y) has this colour (0xRRGGBB).
inline bool screen_shows(int x, int y, Uint32 rgb)
{
    SDL_LockSurface(screen);
    const Uint8* row = static_cast<const Uint8*>(screen->pixels) + y * screen->pitch;
    const Uint16 pixel = reinterpret_cast<const Uint16*>(row)[x];
    SDL_UnlockSurface(screen);
    return pixel == map_rgb(screen, rgb);
}

// Counts presents, so the tests can see each hit flame's flip.
inline int flips_seen = 0;
inline int count_flip(SDL_Surface*)
{
    ++flips_seen;
    return 0;
}

inline void clear_screen() { SDL_FillRect(screen, nullptr, 0); }

// Any input event clears the lane hit flags.
inline void take_event() { A = B = C = D = E = 0; }

// The state the main menu leaves before a song: counters at 0, slots at the top.
inline void new_song()
{
    zerar_notas();
    nSCORE = nHITS = tHITS = nHit = nMISS = Balanca = 0;
    xNULL = xGOOD = xMISS = 0;
    take_event();
    BPS = 10;
    msec = 0;
    flips_seen = 0;
}

// The highway's share of one play frame before the input step.
inline void play_frame(const Chart& chart, int song_clock)
{
    parar_notas();
    msec = song_clock;
    chart_step(chart);
    reset_note_status();
    for (int lane = 1; lane <= LANE_COUNT; ++lane) {
        frame_judge(lane);
    }
}

// A key press of one lane: its pressed fret is drawn, then it is judged.
inline void press(int lane)
{
    draw_pressed_fret(lane);
    press_judge(lane);
}

// Puts a note in the hit window of its lane, as the chart step leaves it
// in note frame 21.
inline void note_in_window(int lane, int slot, Sint16 y = 210)
{
    SDL_Rect& rect = note_slot(lane, slot);
    rect.y = y;
    rect.w = 31;
    rect.h = 23;
}

class HighwayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        screen = SDL_SetVideoMode(SCREEN_WIDTH, SCREEN_HEIGHT, SCREEN_BPP, 0);
        ASSERT_NE(screen, nullptr) << SDL_GetError();

        // Note sheet: the five cells in their lane colours on white, keyed on white.
        my_surfNotas = make_sheet(160, 23, 0xffffff);
        for (int lane = 1; lane <= LANE_COUNT; ++lane) {
            fill(my_surfNotas, note_cell(lane), NOTE_COLOUR[lane - 1]);
        }
        SDL_SetColorKey(my_surfNotas, SDL_SRCCOLORKEY, map_rgb(my_surfNotas, 0xffffff));

        // Frets sheet: the frets row on top, the pressed-fret cells below, on magenta.
        my_surfFrets = make_sheet(200, 88, 0xff00ff);
        for (int lane = 1; lane <= LANE_COUNT; ++lane) {
            fill(my_surfFrets, pressed_fret_cell(lane), FRET_COLOUR);
        }

        // Flame sheet: the flame cell on magenta.
        hitflames = make_sheet(352, 64, 0xff00ff);
        fill(hitflames, src_hitflames11, FLAME_COLOUR);

        driver_ = sdl_platform_driver;
        driver_.flip = count_flip;
        set_platform_driver(&driver_);

        clear_screen();
        new_song();
    }

    void TearDown() override
    {
        set_platform_driver(nullptr);
        for (SDL_Surface** sheet : {&my_surfNotas, &my_surfFrets, &hitflames}) {
            SDL_FreeSurface(*sheet);
            *sheet = nullptr;
        }
        screen = nullptr;
        SDL_Quit();
    }

    static SDL_Surface* make_sheet(int w, int h, Uint32 background)
    {
        SDL_Surface* sheet = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xff0000, 0xff00, 0xff, 0);
        fill(sheet, SDL_Rect{0, 0, static_cast<Uint16>(w), static_cast<Uint16>(h)}, background);
        return sheet;
    }

private:
    PlatformDriver driver_{};
};

// Song clock of play frame k (k from 1) when note frame 1 of a note with
// this threshold is frame 1 and frames last exactly 50 ms.
inline int clock_of_note_frame(int threshold, int k) { return threshold + 1 + (k - 1) * FRAME_MS; }
