// Entry points of the sound side of the generator.
#pragma once

#include "synth.h"

#include <string>

namespace assetgen {

void write_wav(const Stereo& audio, const std::string& path);
void make_effects(const std::string& root);
// The loopable menu tune, written as MP3.
void make_menu_tune(const std::string& root);
// One song tune from its chart (missing chart: groove only).
void make_tune(int index, const std::string& root, const std::string& charts_dir);

}  // namespace assetgen
