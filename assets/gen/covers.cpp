// Song covers: five pieces of abstract art of our own, 120 x 120 JPEG.
#include "groups.h"
#include "theme.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

namespace {

constexpr int kCover = 120;

void put(Canvas& c, int x, int y, Col col) {
  auto b = [](double v) { return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
  c.set_pixel(x, y, 0xFF000000u | b(col.r) << 16 | b(col.g) << 8 | b(col.b));
}

// Rings rippling out from an off-centre point.
void rings(Canvas& c) {
  c.flush();
  for (int y = 0; y < kCover; ++y)
    for (int x = 0; x < kCover; ++x) {
      double d = std::hypot(x - 40.0, y - 70.0);
      double w = 0.5 + 0.5 * std::sin(d * 0.35 - 4 * fractal_noise(x * 0.05, y * 0.05, 201, 3));
      put(c, x, y, mix(rgb(40, 10, 60), rgb(120, 230, 140), w * w));
    }
}

// A mosaic of tiles in warm colours.
void mosaic(Canvas& c) {
  cairo_t* cr = c.cr();
  for (int y = 0; y < kCover; y += 12)
    for (int x = 0; x < kCover; x += 12) {
      double h = hash01(x, y, 202), n = fractal_noise(x * 0.02, y * 0.02, 203, 2);
      Col col = mix(mix(rgb(250, 120, 30), rgb(120, 20, 40), n), rgb(255, 220, 120), h * h * 0.7);
      fill_rect(cr, x, y, 11, 11, col);
    }
  fill_circle(cr, 60, 60, 26, rgb(20, 10, 20));
  star_path(cr, 60, 61, 18, 7, 6, 0);
  set_colour(cr, rgb(255, 200, 90));
  cairo_fill(cr);
}

// Sharp rays from a point.
void rays(Canvas& c) {
  cairo_t* cr = c.cr();
  fill_rect(cr, 0, 0, kCover, kCover, rgb(16, 8, 10));
  for (int i = 0; i < 18; ++i) {
    double a0 = i * 2 * M_PI / 18, a1 = a0 + M_PI / 18;
    cairo_move_to(cr, 60, 60);
    cairo_line_to(cr, 60 + 120 * std::cos(a0), 60 + 120 * std::sin(a0));
    cairo_line_to(cr, 60 + 120 * std::cos(a1), 60 + 120 * std::sin(a1));
    cairo_close_path(cr);
    set_colour(cr, i % 2 ? rgb(200, 30, 40) : rgb(240, 200, 180));
    cairo_fill(cr);
  }
  fill_circle(cr, 60, 60, 18, rgb(16, 8, 10));
  fill_circle(cr, 60, 60, 8, rgb(240, 200, 60));
}

// A road of light running into the distance.
void road(Canvas& c) {
  cairo_t* cr = c.cr();
  vertical_gradient(cr, 0, 0, kCover, 60, rgb(20, 20, 80), rgb(250, 140, 80));
  vertical_gradient(cr, 0, 60, kCover, 60, rgb(30, 10, 40), rgb(10, 4, 20));
  fill_circle(cr, 60, 60, 22, rgb(255, 210, 110));
  fill_rect(cr, 0, 58, kCover, 3, rgb(30, 10, 40));
  cairo_move_to(cr, 56, 61);
  cairo_line_to(cr, 64, 61);
  cairo_line_to(cr, 110, 120);
  cairo_line_to(cr, 10, 120);
  cairo_close_path(cr);
  set_colour(cr, rgb(40, 36, 60));
  cairo_fill(cr);
  for (int k = 0; k < 6; ++k) {
    double t0 = std::pow(k / 6.0, 2), t1 = std::pow((k + 0.5) / 6.0, 2);
    fill_rect(cr, 59 - t0 * 3, 61 + 59 * t0, 2 + t0 * 6, 59 * (t1 - t0), rgb(255, 220, 80));
  }
}

// Flowing bands like wind over water.
void waves(Canvas& c) {
  c.flush();
  for (int y = 0; y < kCover; ++y)
    for (int x = 0; x < kCover; ++x) {
      double n = fractal_noise(x * 0.03, y * 0.03, 205, 4);
      double band = 0.5 + 0.5 * std::sin(y * 0.25 + n * 9);
      put(c, x, y, mix(mix(rgb(8, 30, 60), rgb(40, 190, 200), band), rgb(250, 210, 90), std::pow(band, 8)));
    }
}

}  // namespace

void draw_covers() {
  struct Cover {
    void (*paint)(Canvas&);
    const char* path;
  };
  static const Cover kCovers[5] = {
      {rings, "img/capas/Paranoid_small.jpg"},        {mosaic, "img/capas/number_small.jpg"},
      {rays, "img/capas/aceofspades_small.jpg"},      {road, "img/capas/Highway_small.jpg"},
      {waves, "img/capas/Ridethelightning_small.jpg"},
  };
  for (const Cover& cv : kCovers) {
    Canvas c(kCover, kCover);
    cv.paint(c);
    save_jpeg(c, out_path(cv.path), 90);
  }
}

}  // namespace assetgen
