// A millisecond stopwatch on the game clock. The play loop restarts one at
// the top of every frame and reads it in the frame cap.
#pragma once

#include <SDL/SDL.h>

class Timer {
public:
    Timer();

    void start();
    void stop();
    void pause();
    void unpause();

    int get_ticks() const;
    bool is_started() const;
    bool is_paused() const;

private:
    Sint32 startTicks;
    Sint32 pausedTicks;
    bool pausedFlag;
    bool startedFlag;
};
