// A platform driver for tests: a virtual clock that SDL_Delay advances at
// once, a script of input events, and a record of presents and sounds.
#pragma once

#include "shell/platform.h"

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <deque>
#include <functional>
#include <vector>

// Thrown from a poll to end a game run that the test has seen enough of.
struct StopGame {
    bool timed_out = false;
};

struct MusicCall {
    enum Kind { Play, Pause, Resume } kind;
    Mix_Music* music;
    int loops;
    Uint32 at;
};

struct DelayCall {
    Uint32 ms;
    Uint32 at;  // the clock when the delay began
};

struct PresentCall {
    enum Kind { Flip, UpdateRect } kind;
    Uint32 at;
};

struct EffectCall {
    Mix_Chunk* chunk;
    int channel;  // what SDL_mixer answered: -1 when no channel was free
    Uint32 at;
};

class ScriptDriver {
public:
    static ScriptDriver& instance();

    void install();    // make the game use this driver
    void uninstall();  // back to SDL

    // --- the clock
    Uint32 now = 0;
    Uint32 flip_cost_ms = 0;   // virtual time that each present takes
    Uint32 poll_cost_ms = 0;   // virtual time that each poll takes

    // --- the script. An event is delivered at the first poll at which the
    // events before it have been delivered, the clock has reached its time
    // and the given number of polls has passed since the one before.
    void push(const SDL_Event& event, Uint32 at_ticks = 0, int after_polls = 0);
    void key_down(SDLKey key, int after_polls = 0);
    void key_up(SDLKey key, int after_polls = 0);
    void tap(SDLKey key, int after_polls = 0);  // key down, then key up at the next poll
    void key_down_at(SDLKey key, Uint32 at_ticks);
    void key_up_at(SDLKey key, Uint32 at_ticks);
    bool script_empty() const { return script_.empty(); }
    void clear_script() { script_.clear(); }

    // Called at every poll before the script is looked at: a test may push
    // events in answer to the game's state.
    std::function<void()> on_poll;
    // Called at every present, with the surface presented.
    std::function<void(SDL_Surface*)> on_flip;

    // --- when to stop the run (checked at every poll)
    std::function<bool()> stop_when;
    bool stop_when_script_ends = true;  // stop once the script is spent ...
    long grace_polls = 0;               // ... and this many more polls have passed
    long max_polls = 20000000;          // a safety net against a test that never ends

    // --- the record
    long polls = 0;
    long flips = 0;
    long updates = 0;  // SDL_UpdateRect calls
    long delays = 0;
    bool record_timeline = true;        // keep delay_calls and presents
    std::vector<DelayCall> delay_calls;
    std::vector<PresentCall> presents;  // flips and SDL_UpdateRect calls, in order
    std::vector<EffectCall> effects;
    std::vector<MusicCall> music;

    int count_effect(Mix_Chunk* chunk) const;
    int count_music(MusicCall::Kind kind, Mix_Music* music = nullptr) const;

    // Resets script, record and clock.
    void reset();

    static Uint32 get_ticks();
    static void delay(Uint32 ms);
    static int poll_event(SDL_Event* event);
    static int flip(SDL_Surface* surface);
    static void update_rect(SDL_Surface* surface, Sint32 x, Sint32 y, Uint32 w, Uint32 h);
    static int play_channel(int channel, Mix_Chunk* chunk, int loops, int ticks);
    static int play_music(Mix_Music* music, int loops);
    static void pause_music();
    static void resume_music();

private:
    // The virtual clock moves on: effects that have played for their length
    // on it end, as they would on a real clock. (The dummy audio driver plays
    // them in real time, which a test on the virtual clock far outruns.)
    void advance(Uint32 ms);
    struct Scripted {
        SDL_Event event;
        Uint32 at_ticks;
        int after_polls;
    };
    std::deque<Scripted> script_;
    long polls_since_delivery_ = 0;
    long polls_since_script_end_ = 0;
    std::vector<Uint32> effect_left_ms_;  // by channel: virtual play time left
};

SDL_Event make_key_event(Uint8 type, SDLKey key);
