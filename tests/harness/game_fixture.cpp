#include "harness/game_fixture.h"

#include "shell/image_table.h"
#include "shell/startup.h"
#include "shell/video.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

void GameTest::SetUp()
{
    old_cwd_ = fs::current_path();
    std::string pattern = (fs::temp_directory_path() / "quorl_test_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir = pattern;
    driver.reset();
    driver.install();
    prepare_game_dir();
}

void GameTest::TearDown()
{
    driver.uninstall();
    fs::current_path(old_cwd_);
    std::error_code ignored;
    fs::remove_all(dir, ignored);
}

void GameTest::prepare_game_dir(std::initializer_list<const char*> leave_out)
{
    const fs::path game = QUORL_TEST_GAME_DIR;
    fs::current_path(old_cwd_);
    for (const auto& entry : fs::directory_iterator(dir)) fs::remove_all(entry.path());
    // Every file is linked one by one, so that a test can leave any of them out;
    // directories are made afresh, so that files written land in the test's own.
    for (auto it = fs::recursive_directory_iterator(game); it != fs::recursive_directory_iterator(); ++it) {
        const fs::path rel = fs::relative(it->path(), game);
        if (rel.filename().string().rfind("quorl_demo", 0) == 0) continue;
        if (rel == "data" || rel.string().rfind("data/", 0) == 0) continue;
        bool skip = false;
        for (const char* out : leave_out) skip = skip || rel == out;
        if (skip) continue;
        if (it->is_directory()) {
            fs::create_directories(dir / rel);
        } else {
            fs::create_symlink(it->path(), dir / rel);
        }
    }
    fs::create_directories(dir / "data");
    fs::current_path(dir);
    load_image_table();
}

int GameTest::run_game()
{
    try {
        return SDL_main(0, nullptr);
    } catch (const StopGame& stop) {
        timed_out = stop.timed_out;
        EXPECT_FALSE(stop.timed_out) << "the game ran past the test's poll limit";
        return STOPPED;
    }
}

void GameTest::open_screen()
{
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    screen = SDL_SetVideoMode(SCREEN_WIDTH, SCREEN_HEIGHT, SCREEN_BPP, 0);
    ASSERT_NE(screen, nullptr) << SDL_GetError();
}

void GameTest::skip_intro()
{
    for (int i = 0; i < 5; ++i) driver.key_down(SDLK_LCTRL);
}

std::string GameTest::read_file(const std::string& relative) const
{
    std::ifstream in(dir / relative, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

Uint32 rgb_at(SDL_Surface* surface, int x, int y)
{
    SDL_LockSurface(surface);
    const Uint8 bpp = surface->format->BytesPerPixel;
    const Uint8* p = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * bpp;
    Uint32 pixel = 0;
    switch (bpp) {
    case 1: pixel = *p; break;
    case 2: pixel = *reinterpret_cast<const Uint16*>(p); break;
    case 3: pixel = p[0] | p[1] << 8 | p[2] << 16; break;
    default: pixel = *reinterpret_cast<const Uint32*>(p); break;
    }
    SDL_UnlockSurface(surface);
    Uint8 r, g, b;
    SDL_GetRGB(pixel, surface->format, &r, &g, &b);
    return Uint32(r) << 16 | Uint32(g) << 8 | b;
}

SDL_Surface* solid_surface(int w, int h, Uint8 r, Uint8 g, Uint8 b)
{
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, r, g, b));
    return s;
}
