// Runs the real SDL_main on SDL's dummy drivers, in a temporary directory
// that holds the game's files, under the script driver.
#pragma once

#include "harness/script_driver.h"

#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <climits>
#include <filesystem>
#include <initializer_list>
#include <string>

class GameTest : public ::testing::Test {
protected:
    // SDL_main's result when the script stopped the run instead.
    static constexpr int STOPPED = INT_MIN;

    void SetUp() override;
    void TearDown() override;

    // Lays out the game directory again without these files (paths relative
    // to the game directory), and loads the image table from it.
    void prepare_game_dir(std::initializer_list<const char*> leave_out = {});

    // Runs SDL_main until it returns or the script stops it.
    int run_game();

    // Opens the game's 320 x 240, 16-bit screen without the rest of the
    // start-up, for tests that draw one screen's pictures themselves.
    void open_screen();

    // Scripts button A once per intro image, so the main menu comes at once.
    void skip_intro();

    // Reads a file of the temporary game directory ("" when missing).
    std::string read_file(const std::string& relative) const;

    ScriptDriver& driver = ScriptDriver::instance();
    std::filesystem::path dir;
    bool timed_out = false;

private:
    std::filesystem::path old_cwd_;
};

// The colour of a pixel of a surface, as r, g, b packed into 0xRRGGBB.
Uint32 rgb_at(SDL_Surface* surface, int x, int y);

// A surface of the screen's format filled with one colour, for tests that
// need to tell images apart.
SDL_Surface* solid_surface(int w, int h, Uint8 r, Uint8 g, Uint8 b);
