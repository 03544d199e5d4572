#include "shell/platform.h"

namespace {

int sdl_play_channel(int channel, Mix_Chunk* chunk, int loops, int ticks)
{
    return Mix_PlayChannelTimed(channel, chunk, loops, ticks);
}

const PlatformDriver* driver = &sdl_platform_driver;

}  // namespace

const PlatformDriver sdl_platform_driver = {
    SDL_GetTicks,  SDL_Delay,        SDL_PollEvent, SDL_Flip,  SDL_UpdateRect,  sdl_play_channel,
    Mix_PlayMusic, Mix_PauseMusic,   Mix_ResumeMusic, Mix_Pause, Mix_Resume,    Mix_HaltChannel,
};

bool audio_available = true;

void set_platform_driver(const PlatformDriver* d) { driver = d ? d : &sdl_platform_driver; }

Uint32 game_ticks() { return driver->get_ticks(); }
void game_delay(Uint32 ms) { driver->delay(ms); }
int game_poll_event(SDL_Event* event) { return driver->poll_event(event); }
int game_flip(SDL_Surface* surface) { return driver->flip(surface); }

void game_update_rect(SDL_Surface* surface, Sint32 x, Sint32 y, Uint32 w, Uint32 h)
{
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
