// The play field: four necks (drawn at alpha 200, scrolling, so each repeats
// every 540 rows), four backdrops, and the lane lines keyed on white.
#include "groups.h"
#include "theme.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

namespace {

constexpr int kNeckW = 240;
constexpr int kNeckPeriod = 540;
constexpr int kNeckH = 2 * kNeckPeriod;
constexpr int kBoardW = 164;  // neck columns 0..163 are the fretboard, under the five lanes
constexpr int kFretGap = 90;  // fret wires every 90 rows: six per period

struct NeckStyle {
  Col wood_dark, wood_light;
  Col fret, inlay, side;
  uint32_t seed;
};

const NeckStyle kNecks[4] = {
    {rgb(52, 26, 18), rgb(96, 52, 32), rgb(200, 196, 190), rgb(230, 222, 200), rgb(20, 12, 14), 31},
    {rgb(170, 120, 60), rgb(226, 186, 120), rgb(120, 116, 110), rgb(30, 24, 20), rgb(40, 28, 16), 32},
    {rgb(14, 12, 14), rgb(42, 36, 40), rgb(210, 210, 220), rgb(150, 220, 230), rgb(8, 8, 12), 33},
    {rgb(12, 16, 60), rgb(30, 50, 120), rgb(60, 240, 255), rgb(255, 120, 220), rgb(6, 6, 30), 34},
};

// Wood grain that repeats exactly every period rows.
double grain(int x, int y, uint32_t seed) {
  double t = static_cast<double>(y) / kNeckPeriod;
  double a = fractal_noise(x * 0.18, y * 0.012, seed, 4);
  double b = fractal_noise(x * 0.18, (y - kNeckPeriod) * 0.012, seed, 4);
  double n = a * (1 - t) + b * t;
  double streak = 0.5 + 0.5 * std::sin(x * 0.9 + 6 * n);
  return 0.65 * n + 0.35 * streak;
}

void neck(int index) {
  const NeckStyle& s = kNecks[index];
  Canvas c(kNeckW, kNeckH);
  // Board pixels first, straight into the surface (opaque, premultiplied = plain).
  c.flush();
  for (int y = 0; y < kNeckPeriod; ++y)
    for (int x = 0; x < kBoardW; ++x) {
      Col w = mix(s.wood_dark, s.wood_light, grain(x, y, s.seed));
      auto b = [](double v) { return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
      c.set_pixel(x, y, 0xFF000000u | b(w.r) << 16 | b(w.g) << 8 | b(w.b));
    }
  cairo_t* cr = c.cr();
  // Side panel right of the board, the same on every row.
  cairo_rectangle(cr, kBoardW, 0, kNeckW - kBoardW, kNeckPeriod);
  fill_linear(cr, kBoardW, 0, kNeckW, 0, {{0, rgb(0, 0, 0)}, {0.15, s.side}, {1, mix(s.side, rgb(0, 0, 0), 0.4)}});
  fill_rect(cr, 214, 0, 16, kNeckPeriod, rgb(0, 0, 0, 0.5));  // groove behind the rock meter
  fill_rect(cr, 214, 0, 1, kNeckPeriod, with_alpha(s.fret, 0.3));
  fill_rect(cr, 229, 0, 1, kNeckPeriod, with_alpha(s.fret, 0.3));
  // Binding along both edges of the board.
  fill_rect(cr, 0, 0, 2, kNeckPeriod, mix(s.fret, rgb(0, 0, 0), 0.2));
  fill_rect(cr, kBoardW - 2, 0, 2, kNeckPeriod, mix(s.fret, rgb(0, 0, 0), 0.2));
  // Fret wires and inlays, laid out within one period.
  for (int f = 0; f < kNeckPeriod / kFretGap; ++f) {
    int y = f * kFretGap;
    fill_rect(cr, 0, y, kBoardW, 4, rgb(0, 0, 0, 0.35));
    fill_rect(cr, 0, y, kBoardW, 3, s.fret);
    fill_rect(cr, 0, y, kBoardW, 1, mix(s.fret, kPaper, 0.6));
    double mid = y + kFretGap / 2.0;
    if (f == 1 || f == 3) {
      glow(cr, kBoardW / 2.0, mid, 12, with_alpha(s.inlay, 0.3));
      fill_circle(cr, kBoardW / 2.0, mid, 6, s.inlay);
    } else if (f == 5) {
      fill_circle(cr, kBoardW * 0.3, mid, 6, s.inlay);
      fill_circle(cr, kBoardW * 0.7, mid, 6, s.inlay);
    }
  }
  c.copy_rows(0, kNeckPeriod, kNeckPeriod);
  save_png_opaque(c, out_path("img/necks/neck" + std::to_string(index) + ".png"));
}

void backdrop_stage(Canvas& c) {
  cairo_t* cr = c.cr();
  vertical_gradient(cr, 0, 0, kScreenW, kScreenH, rgb(40, 8, 30), rgb(10, 4, 16));
  static const Col kBeam[4] = {rgb(255, 60, 90), rgb(60, 120, 255), rgb(255, 200, 60), rgb(120, 255, 160)};
  for (int i = 0; i < 4; ++i) {
    double x = 30 + i * 85;
    cairo_move_to(cr, x - 3, 0);
    cairo_line_to(cr, x + 3, 0);
    cairo_line_to(cr, x + 60 - i * 30 + 30, kScreenH);
    cairo_line_to(cr, x - 60 - i * 30 + 90, kScreenH);
    cairo_close_path(cr);
    set_colour(cr, with_alpha(kBeam[i], 0.12));
    cairo_fill(cr);
    glow(cr, x, 4, 16, with_alpha(kBeam[i], 0.7));
  }
  // Crowd: rows of heads and raised hands, dark against the light.
  for (int row = 0; row < 3; ++row)
    for (int i = 0; i < 26; ++i) {
      double x = i * 13 + 6 * (row % 2) + 4 * hash01(i, row, 5);
      double y = 205 + row * 13 + 4 * hash01(i, row, 6);
      Col col = mix(rgb(30, 10, 30), rgb(5, 2, 8), row / 2.0);
      fill_circle(cr, x, y, 6, col);
      fill_rect(cr, x - 7, y + 4, 14, 30, col);
      if (hash01(i, row, 7) > 0.7) fill_rect(cr, x + 4, y - 16, 3, 16, col);
    }
}

void backdrop_city(Canvas& c) {
  cairo_t* cr = c.cr();
  vertical_gradient(cr, 0, 0, kScreenW, kScreenH, rgb(8, 10, 40), rgb(60, 30, 90));
  for (int i = 0; i < 70; ++i) fill_rect(cr, hash01(i, 0, 9) * 320, hash01(i, 1, 9) * 120, 1, 1, rgb(220, 220, 255, 0.8));
  fill_circle(cr, 60, 128, 13, rgb(240, 236, 210));
  fill_circle(cr, 65, 124, 11, rgb(8, 10, 40, 0.5));
  double x = 0;
  for (int i = 0; x < kScreenW; ++i) {
    double w = 18 + 22 * hash01(i, 2, 9), h = 60 + 110 * hash01(i, 3, 9);
    fill_rect(cr, x, kScreenH - h, w, h, rgb(14, 12, 30));
    for (double wy = kScreenH - h + 6; wy < kScreenH - 4; wy += 8)
      for (double wx = x + 3; wx < x + w - 4; wx += 6)
        if (hash01(static_cast<int>(wx), static_cast<int>(wy), 10) > 0.55)
          fill_rect(cr, wx, wy, 3, 4, rgb(255, 210, 120, 0.8));
    x += w + 2;
  }
}

void backdrop_space(Canvas& c) {
  cairo_t* cr = c.cr();
  fill_rect(cr, 0, 0, kScreenW, kScreenH, rgb(4, 4, 14));
  c.flush();
  for (int y = 0; y < kScreenH; ++y)
    for (int x = 0; x < kScreenW; ++x) {
      double n = fractal_noise(x * 0.012, y * 0.012, 77, 5);
      double m = std::max(0.0, n - 0.45) * 1.8;
      Col col = mix(rgb(4, 4, 14), mix(rgb(90, 30, 130), rgb(30, 120, 160), fractal_noise(x * 0.02, y * 0.02, 78, 3)), m);
      auto b = [](double v) { return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
      c.set_pixel(x, y, 0xFF000000u | b(col.r) << 16 | b(col.g) << 8 | b(col.b));
    }
  for (int i = 0; i < 160; ++i) {
    double s = hash01(i, 4, 11);
    fill_rect(cr, hash01(i, 5, 11) * 320, hash01(i, 6, 11) * 240, s > 0.9 ? 2 : 1, s > 0.9 ? 2 : 1,
              rgb(230, 230, 255, 0.5 + 0.5 * s));
  }
  cairo_arc(cr, 40, 190, 55, 0, 2 * M_PI);
  fill_radial(cr, 30, 180, 5, 40, 190, 60, {{0, rgb(242, 153, 76)}, {1, rgb(89, 26, 38)}});
}

void backdrop_sunset(Canvas& c) {
  cairo_t* cr = c.cr();
  vertical_gradient(cr, 0, 0, kScreenW, 150, rgb(40, 10, 70), rgb(250, 110, 90));
  vertical_gradient(cr, 0, 150, kScreenW, 90, rgb(40, 10, 50), rgb(10, 4, 20));
  cairo_save(cr);
  cairo_arc(cr, 40, 160, 42, 0, 2 * M_PI);
  cairo_clip(cr);
  vertical_gradient(cr, 0, 118, 320, 42, rgb(255, 230, 90), rgb(255, 80, 120));
  for (int i = 0; i < 4; ++i) fill_rect(cr, 0, 132 + i * 5, 320, 1 + i, rgb(250, 110, 90));
  cairo_restore(cr);
  cairo_move_to(cr, 0, 150);
  for (int x = 0; x <= kScreenW; x += 10) cairo_line_to(cr, x, 150 - 12 * value_noise(x * 0.03, 0, 12));
  cairo_line_to(cr, kScreenW, 150);
  cairo_close_path(cr);
  set_colour(cr, rgb(30, 8, 40));
  cairo_fill(cr);
  // Perspective floor grid.
  cairo_set_line_width(cr, 1);
  for (int i = -10; i <= 10; ++i) {
    cairo_move_to(cr, 160 + i * 8, 150);
    cairo_line_to(cr, 160 + i * 60, kScreenH);
  }
  for (int j = 1; j < 8; ++j) {
    double y = 150 + 90 * std::pow(j / 8.0, 1.8);
    cairo_move_to(cr, 0, y);
    cairo_line_to(cr, kScreenW, y);
  }
  set_colour(cr, rgb(255, 80, 200, 0.5));
  cairo_stroke(cr);
}

void backdrops() {
  void (*const kPainters[4])(Canvas&) = {backdrop_stage, backdrop_city, backdrop_space, backdrop_sunset};
  for (int i = 0; i < 4; ++i) {
    Canvas c(kScreenW, kScreenH);
    kPainters[i](c);
    // A soft shade down the left edge keeps the score, clock and status texts readable.
    cairo_rectangle(c.cr(), 0, 0, 80, kScreenH);
    fill_linear(c.cr(), 0, 0, 80, 0, {{0, rgb(0, 0, 0, 0.45)}, {0.7, rgb(0, 0, 0, 0.3)}, {1, rgb(0, 0, 0, 0)}});
    save_png_opaque(c, out_path("img/bg/backdrop0" + std::to_string(i) + ".png"));
  }
}

void lane_lines() {
  Canvas c(200, kScreenH);
  cairo_t* cr = c.cr();
  for (int i = 0; i < 5; ++i) {
    double cx = kLaneX[i] - 80 + kNoteW / 2.0;
    Col lc = kLaneColour[i];
    cairo_rectangle(cr, std::floor(cx) - 1, 0, 2, kScreenH);
    fill_linear(cr, 0, 0, 0, kScreenH, {{0, mix(lc, rgb(40, 40, 50), 0.7)}, {1, mix(lc, rgb(250, 250, 250), 0.2)}});
  }
  save_png_keyed(c, out_path("img/sprite/linhas.png"), kWhite, rgb(40, 30, 30));
}

}  // namespace

void draw_field() {
  for (int i = 0; i < 4; ++i) neck(i);
  backdrops();
  lane_lines();
}

}  // namespace assetgen
