// What the fuzz targets share: a scratch working directory, and a screen with
// the game's images and fonts for the targets that draw.
#pragma once

#include <cstddef>
#include <cstdint>

// Moves into a fresh scratch directory (once per process).
void enter_scratch_dir();

// Links the game's files into the scratch directory, loads the image table,
// opens the fonts and sets a 320 x 240 video mode on SDL's dummy driver.
void prepare_screen();

// Writes bytes to a file of the scratch directory.
void write_file(const char* path, const uint8_t* data, size_t size);
