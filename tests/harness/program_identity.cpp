// The tests run the windowed program's code.
#include "shell/video.h"

const Uint32 video_mode_flags = 0;
const char* const program_name = "quorl_demo_windowed";
