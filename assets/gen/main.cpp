// Asset generator: writes every image, sound effect and tune of the game into
// the game directory. Usage: quorl_assetgen <game dir> <charts dir> <font file>
// The tunes are synthesised on threads of their own while the pictures are drawn.
#include "audio.h"
#include "canvas.h"
#include "groups.h"
#include "tunes.h"

#include <cstdio>
#include <exception>
#include <string>
#include <thread>
#include <vector>

namespace assetgen {

void make_tune(int index, const std::string& root, const std::string& charts_dir) {
  const TuneSpec& tune = kTunes[index];
  Chart chart = read_chart(charts_dir + "/" + tune.entry + ".csv");
  write_ogg(render_tune(tune, chart), root + "/" + tune.path, 0x51554F00 + index);
}

}  // namespace assetgen

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s <game dir> <charts dir> <font file>\n", argv[0]);
    return 2;
  }
  const std::string root = argv[1], charts = argv[2];
  try {
    using namespace assetgen;
    set_output_root(root);
    load_font(argv[3]);
    std::vector<std::thread> workers;
    std::vector<std::string> errors(8);
    auto guarded = [&errors](size_t slot, auto job) {
      try {
        job();
      } catch (const std::exception& e) {
        errors[slot] = e.what();
      }
    };
    for (int i = 0; i < 6; ++i)
      workers.emplace_back(guarded, i, [i, &root, &charts]() { make_tune(i, root, charts); });
    workers.emplace_back(guarded, 6, [&root]() {
      make_menu_tune(root);
      make_effects(root);
    });
    draw_menus();
    draw_hud();
    draw_overlays();
    draw_field();
    draw_guitars();
    draw_intro();
    draw_covers();
    for (std::thread& t : workers) t.join();
    for (const std::string& e : errors)
      if (!e.empty()) {
        std::fprintf(stderr, "quorl_assetgen: %s\n", e.c_str());
        return 1;
      }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "quorl_assetgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
