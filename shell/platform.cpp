#include "shell/platform.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>

namespace {

volatile std::sig_atomic_t pending_signal = 0;

extern "C" void note_signal(int signal_number) { pending_signal = signal_number; }

// Ends the process by the signal that arrived, after closing what the exit
// handlers would close (the audio device, and the video mode of the desktop).
void end_if_signalled()
{
    const int signal_number = pending_signal;
    if (signal_number == 0) return;
    std::signal(signal_number, SIG_DFL);
    Mix_CloseAudio();
    SDL_Quit();
    std::raise(signal_number);
    std::_Exit(128 + signal_number);
}

// Long holds (the loading stages, the results) sleep in steps, so that a
// signal ends them within a step; the frame cap's and the menus' short
// sleeps stay one call each.
constexpr Uint32 SLEEP_STEP_MS = 250;

void sdl_delay(Uint32 ms)
{
    while (ms > 0 && pending_signal == 0) {
        const Uint32 step = std::min(ms, SLEEP_STEP_MS);
        SDL_Delay(step);
        ms -= step;
    }
}

int sdl_play_channel(int channel, Mix_Chunk* chunk, int loops, int ticks)
{
    return Mix_PlayChannelTimed(channel, chunk, loops, ticks);
}

const PlatformDriver* driver = &sdl_platform_driver;

}  // namespace

const PlatformDriver sdl_platform_driver = {
    SDL_GetTicks,  sdl_delay,        SDL_PollEvent, SDL_Flip,  SDL_UpdateRect,  sdl_play_channel,
    Mix_PlayMusic, Mix_PauseMusic,   Mix_ResumeMusic, Mix_Pause, Mix_Resume,    Mix_HaltChannel,
};

void end_on_signals()
{
    struct sigaction action = {};
    action.sa_handler = note_signal;
    sigemptyset(&action.sa_mask);
    for (int signal_number : {SIGINT, SIGTERM}) sigaction(signal_number, &action, nullptr);
}

bool audio_available = true;

void set_platform_driver(const PlatformDriver* d) { driver = d ? d : &sdl_platform_driver; }

// Every screen's loop comes through these often, so a signal is acted on here.
Uint32 game_ticks()
{
    end_if_signalled();
    return driver->get_ticks();
}

void game_delay(Uint32 ms)
{
    end_if_signalled();
    driver->delay(ms);
    end_if_signalled();
}

int game_poll_event(SDL_Event* event)
{
    end_if_signalled();
    return driver->poll_event(event);
}

int game_flip(SDL_Surface* surface)
{
    end_if_signalled();
    return driver->flip(surface);
}

void game_update_rect(SDL_Surface* surface, Sint32 x, Sint32 y, Uint32 w, Uint32 h)
{
    end_if_signalled();
    driver->update_rect(surface, x, y, w, h);
}

int play_effect(Mix_Chunk* chunk)
{
    if (!audio_available || !chunk) return -1;
    return driver->play_channel(-1, chunk, 0, -1);
}

int play_music(Mix_Music* music, int loops)
{
    if (!audio_available || !music) return -1;
    return driver->play_music(music, loops);
}

void pause_music()
{
    if (audio_available) driver->pause_music();
}

void resume_music()
{
    if (audio_available) driver->resume_music();
}

void pause_effects()
{
    if (audio_available) driver->pause_channel(-1);
}

void resume_effects()
{
    if (audio_available) driver->resume_channel(-1);
}

void halt_effects()
{
    if (audio_available) driver->halt_channel(-1);
}
