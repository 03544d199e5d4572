// The tests run the windowed program's code.
#include "shell/video.h"

const Uint32 video_mode_flags = 0;
const char* const program_name = "quorl_demo_windowed";

#include <cstdlib>

namespace {
// Tests always run headless, on SDL's dummy video and audio drivers.
struct HeadlessDrivers {
    HeadlessDrivers()
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
};
const HeadlessDrivers headless_drivers;
}  // namespace
