#include "shell/timer.h"

#include "shell/platform.h"

namespace {
Sint32 now() { return static_cast<Sint32>(game_ticks()); }
}  // namespace

Timer::Timer() : startTicks(0), pausedTicks(0), pausedFlag(false), startedFlag(false) {}

void Timer::start()
{
    startedFlag = true;
    pausedFlag = false;
    startTicks = now();
}

void Timer::stop()
{
    startedFlag = false;
    pausedFlag = false;
}

void Timer::pause()
{
    if (startedFlag && !pausedFlag) {
        pausedFlag = true;
        pausedTicks = now() - startTicks;
    }
}

void Timer::unpause()
{
    if (pausedFlag) {
        pausedFlag = false;
        startTicks = now() - pausedTicks;
        pausedTicks = 0;
    }
}

int Timer::get_ticks() const
{
    if (!startedFlag) return 0;
    if (pausedFlag) return pausedTicks;
    return now() - startTicks;
}

bool Timer::is_started() const { return startedFlag; }
bool Timer::is_paused() const { return pausedFlag; }
