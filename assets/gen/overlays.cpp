// Full-screen overlays keyed on magenta: the countdown digits, the song
// complete and song failed banners, and the two pause layers.
#include "groups.h"
#include "theme.h"

#include <cmath>

namespace assetgen {

namespace {

void countdown_digit(const char* digit, const char* path, Col colour) {
  Canvas c(kScreenW, kScreenH);
  cairo_t* cr = c.cr();
  fill_circle(cr, 160, 118, 62, rgb(14, 10, 30, 0.9));
  cairo_arc(cr, 160, 118, 60, 0, 2 * M_PI);
  set_colour(cr, colour);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  draw_title(cr, digit, 160, 158, 110, mix(colour, kPaper, 0.5), colour, kShadow);
  save_png_keyed(c, out_path(path), kMagenta, kShadow);
}

void banner(const char* text, const char* sub, const char* path, Col top, Col bottom, Col edge) {
  Canvas c(kScreenW, kScreenH);
  cairo_t* cr = c.cr();
  vertical_gradient(cr, 0, 82, kScreenW, 76, rgb(14, 10, 30, 0.95), rgb(30, 16, 44, 0.95));
  fill_rect(cr, 0, 80, kScreenW, 3, edge);
  fill_rect(cr, 0, 157, kScreenW, 3, edge);
  draw_title(cr, text, 160, 132, 36, top, bottom, kShadow);
  draw_text_outlined(cr, sub, 160, 150, 10, kPaper, kShadow, 1.5, Align::Center);
  save_png_keyed(c, out_path(path), kMagenta, kShadow);
}

void pause_layers() {
  // Layer 1: every other pixel dark, which dims the frozen play screen.
  Canvas dim(kScreenW, kScreenH);
  dim.flush();
  for (int y = 0; y < kScreenH; ++y)
    for (int x = (y & 1); x < kScreenW; x += 2) dim.set_pixel(x, y, 0xFF0C0A18u);
  save_png_keyed(dim, out_path("img/menus/pause.png"), kMagenta, kShadow);

  // Layer 2: the pause panel; the game writes its message at y 120.
  Canvas c(kScreenW, kScreenH);
  cairo_t* cr = c.cr();
  fill_rounded(cr, 20, 66, 280, 84, 10, rgb(16, 12, 34));
  stroke_rounded(cr, 21, 67, 278, 82, 10, 2, kGold);
  draw_title(cr, "PAUSED", 160, 105, 26, kGold, kAmber, kShadow);
  save_png_keyed(c, out_path("img/menus/pause2.png"), kMagenta, kShadow);
}

}  // namespace

void draw_overlays() {
  countdown_digit("3", "img/sprite/3.png", kLaneColour[0]);
  countdown_digit("2", "img/sprite/2.png", kLaneColour[2]);
  countdown_digit("1", "img/sprite/1.png", kLaneColour[3]);
  banner("YOU ROCK!", "song complete", "img/sprite/YOUROCK.png", rgb(255, 240, 140), kAmber, kGold);
  banner("SONG FAILED", "the crowd went home", "img/sprite/YOUFAILED.png", rgb(255, 150, 130),
         rgb(200, 30, 30), rgb(200, 40, 40));
  pause_layers();
}

}  // namespace assetgen
