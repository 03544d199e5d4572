// A generated image of the game directory, loaded for a check and freed at
// the end of its scope, with its pixels read as r, g, b.
#pragma once

#include "harness/game_fixture.h"

#include <SDL/SDL.h>
#include <SDL/SDL_image.h>

#include <string>

inline std::string game_path(const std::string& relative) { return std::string(QUORL_TEST_GAME_DIR) + "/" + relative; }

struct Rgb {
  Uint8 r, g, b;
  bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

class AssetImage {
 public:
  explicit AssetImage(const std::string& relative) : surface_(IMG_Load(game_path(relative).c_str())) {}
  ~AssetImage() {
    if (surface_) SDL_FreeSurface(surface_);
  }
  AssetImage(const AssetImage&) = delete;
  AssetImage& operator=(const AssetImage&) = delete;
  SDL_Surface* get() const { return surface_; }

  Rgb at(int x, int y) const {
    const Uint32 c = rgb_at(surface_, x, y);
    return {static_cast<Uint8>(c >> 16), static_cast<Uint8>(c >> 8), static_cast<Uint8>(c)};
  }

 private:
  SDL_Surface* surface_;
};
