// The program's entry. SDL 1.2 on this platform has no start-up library that
// calls SDL_main, so this file is that layer: the image table is loaded by
// static initialisation, then main hands over to SDL_main and returns its
// result, so that the exit handlers run after it.
#include "shell/image_table.h"
#include "shell/startup.h"
#include "shell/video.h"

const Uint32 video_mode_flags = QUORL_VIDEO_FLAGS;
const char* const program_name = QUORL_PROGRAM_NAME;

namespace {
struct ImageTableLoader {
    ImageTableLoader() { load_image_table(); }
};
const ImageTableLoader image_table_loader;
}  // namespace

int main(int argc, char** argv) { return SDL_main(argc, argv); }
