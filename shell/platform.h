// The game's one seam to the machine. Every call that touches time, input,
// presentation or the start of a sound goes through here, so that tests can
// put a virtual clock, a script of key presses and a recorder in its place.
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

struct PlatformDriver {
    Uint32 (*get_ticks)();
    void (*delay)(Uint32 ms);
    int (*poll_event)(SDL_Event* event);
    int (*flip)(SDL_Surface* surface);
    void (*update_rect)(SDL_Surface* surface, Sint32 x, Sint32 y, Uint32 w, Uint32 h);
    int (*play_channel)(int channel, Mix_Chunk* chunk, int loops, int ticks);
    int (*play_music)(Mix_Music* music, int loops);
    void (*pause_music)();
    void (*resume_music)();
    void (*pause_channel)(int channel);
    void (*resume_channel)(int channel);
    int (*halt_channel)(int channel);
};

// The driver that calls SDL and SDL_mixer directly (the programs use it).
extern const PlatformDriver sdl_platform_driver;

// Replaces the driver; null puts the SDL driver back.
void set_platform_driver(const PlatformDriver* driver);

// Makes SIGINT and SIGTERM end the game at once, as they end any program.
// SDL would otherwise turn both into the window's close request, which the
// game ignores. The handler only notes the signal; the next call through this
// seam closes audio and video and ends the process by that same signal, so
// the caller sees it killed by it. Installed before SDL starts, so that SDL
// keeps its hands off the two signals.
void end_on_signals();

// False when the audio device could not be opened: every sound call is then
// a no-op, so the game plays on in silence.
extern bool audio_available;

Uint32 game_ticks();
void game_delay(Uint32 ms);
int game_poll_event(SDL_Event* event);
int game_flip(SDL_Surface* surface);
void game_update_rect(SDL_Surface* surface, Sint32 x, Sint32 y, Uint32 w, Uint32 h);

// Starts an effect the one way the game plays effects: on the first free
// channel, once, with no time limit. A null chunk plays nothing.
int play_effect(Mix_Chunk* chunk);
int play_music(Mix_Music* music, int loops);
void pause_music();
void resume_music();
void pause_effects();   // every channel
void resume_effects();  // every channel
void halt_effects();    // every channel
