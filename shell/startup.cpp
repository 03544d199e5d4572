#include "shell/startup.h"

#include "shell/flow.h"
#include "shell/image_table.h"
#include "shell/intro.h"
#include "shell/main_menu.h"
#include "shell/platform.h"
#include "shell/resources.h"
#include "shell/settings.h"
#include "shell/song_road.h"
#include "shell/video.h"

#include <SDL/SDL_mixer.h>
#include <SDL/SDL_ttf.h>

#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

// Storage for the frame timer, constructed in its place in the start-up.
alignas(Timer) unsigned char fps_storage[sizeof(Timer)];
Timer* fps = nullptr;

bool open_audio()
{
    audio_available = Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 1024) == 0;
    if (!audio_available) {
        std::fprintf(stderr, "%s: cannot open audio: %s; playing without sound\n", program_name,
                     Mix_GetError());
    }
    return audio_available;
}

void close_audio() { Mix_CloseAudio(); }
void quit_sdl() { SDL_Quit(); }

// Runs the screens until the main menu's exit row.
void run_screens()
{
    Next next = run_intro();
    while (next != Next::Quit) {
        switch (next) {
        case Next::MenuEntry: next = main_menu_entry(); break;
        case Next::MenuTop: next = run_main_menu(); break;
        case Next::SongRoad: next = song_road(); break;
        default: next = Next::MenuTop; break;
        }
    }
}

}  // namespace

Timer& frame_timer() { return *fps; }

extern "C" int SDL_main(int, char**)
{
    if (report_image_failures(program_name) > 0) return 1;

    end_on_signals();
    std::atexit(quit_sdl);
    const bool audio = open_audio();
    std::atexit(close_audio);
    if (audio) {
        Mix_Volume(-1, VOL);
        Mix_VolumeMusic(VOL);
        // Every file is tried, so that each missing one is named.
        const bool tunes = load_tunes();
        const bool effects = load_effects();
        if (!tunes || !effects) return 1;
    }
    SDL_Init(SDL_INIT_AUDIO);
    if (TTF_Init() == -1) return -1;
    if (!open_fonts()) return 1;
    color_white = SDL_Color{255, 255, 255, 0};
    color_yellow = SDL_Color{255, 255, 0, 0};
    SDL_Init(SDL_INIT_VIDEO);
    SDL_ShowCursor(SDL_DISABLE);
    fps = new (fps_storage) Timer();
    SDL_Init(SDL_INIT_EVERYTHING);
    screen = SDL_SetVideoMode(SCREEN_WIDTH, SCREEN_HEIGHT, SCREEN_BPP, video_mode_flags);
    if (!screen) {
        std::fprintf(stderr, "%s: cannot set the video mode: %s\n", program_name, SDL_GetError());
        return 1;
    }

    run_screens();

    TTF_Quit();
    SDL_Quit();
    return 0;
}
