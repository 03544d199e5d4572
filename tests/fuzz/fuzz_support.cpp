#include "fuzz/fuzz_support.h"

#include "shell/image_table.h"
#include "shell/resources.h"
#include "shell/video.h"

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

const Uint32 video_mode_flags = 0;
const char* const program_name = "quorl_fuzz";

void enter_scratch_dir()
{
    static bool done = false;
    if (done) return;
    done = true;
    std::string pattern = (fs::temp_directory_path() / "quorl_fuzz_XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    fs::current_path(pattern);
}

void prepare_screen()
{
    static bool done = false;
    if (done) return;
    done = true;
    enter_scratch_dir();
    const fs::path game = QUORL_TEST_GAME_DIR;
    for (const char* entry : {"img", "ariblk.ttf"}) fs::create_symlink(game / entry, entry);
    fs::create_directories("data");
    load_image_table();
    if (report_image_failures(program_name) > 0) std::abort();
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0 || TTF_Init() != 0 || !open_fonts()) std::abort();
    color_white = SDL_Color{255, 255, 255, 0};
    screen = SDL_SetVideoMode(SCREEN_WIDTH, SCREEN_HEIGHT, SCREEN_BPP, 0);
    if (!screen) std::abort();
}

void write_file(const char* path, const uint8_t* data, size_t size)
{
    std::FILE* f = std::fopen(path, "wb");
    if (!f) std::abort();
    if (size && std::fwrite(data, 1, size, f) != size) std::abort();
    std::fclose(f);
}
