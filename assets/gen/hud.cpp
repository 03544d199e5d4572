// Sprite sheets of the play screen and the menus: notes, frets, flames, stars,
// multiplier, score panel, rock meter, cursors, bars and the letter grid.
// Every cell sits where the game clips it out.
#include "groups.h"
#include "theme.h"

#include <cmath>

namespace assetgen {

namespace {

const Col kDarkMatte = rgb(22, 14, 20);

void menu_cursor() {
  Canvas c(kRailW, kScreenH);
  static const int kCellY[5] = {66, 101, 133, 168, 203};
  cairo_t* cr = c.cr();
  for (int y : kCellY) {
    // A guitar pick pointing at the row label.
    cairo_move_to(cr, 2, y + 2);
    cairo_curve_to(cr, 10, y - 1, 19, y + 3, 22, y + 8);
    cairo_curve_to(cr, 19, y + 13, 10, y + 17, 2, y + 14);
    cairo_curve_to(cr, 0, y + 10, 0, y + 6, 2, y + 2);
    fill_linear(cr, 0, y, 0, y + 16, {{0, rgb(255, 217, 77)}, {1, rgb(230, 102, 26)}}, true);
    set_colour(cr, kShadow);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    fill_circle(cr, 9, y + 8, 2.2, rgb(120, 40, 10));
  }
  save_png_keyed(c, out_path("img/sprite/cursorA.png"), kMagenta, rgb(14, 10, 28));
}

void notes() {
  static const int kCellX[5] = {0, 31, 64, 97, 129};
  Canvas c(160, kNoteH);
  for (int i = 0; i < 5; ++i) {
    double cx = kCellX[i] + kNoteW / 2.0;
    cairo_save(c.cr());
    cairo_translate(c.cr(), cx, 12.5);
    cairo_scale(c.cr(), 14.8, 10.2);
    cairo_arc(c.cr(), 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(c.cr());
    set_colour(c.cr(), rgb(20, 16, 24));
    cairo_fill(c.cr());
    gem(c.cr(), cx, 11.5, 13.2, 8.6, kLaneColour[i]);
  }
  save_png_keyed(c, out_path("img/sprite/notas.png"), kWhite, kDarkMatte);
}

void fret_button(cairo_t* cr, double cx, double cy, Col lane, bool pressed) {
  if (pressed) {
    glow(cr, cx, cy, 15, with_alpha(lane, 0.6));
    gem(cr, cx, cy, 13, 8.5, mix(lane, rgb(255, 255, 240), 0.25));
    return;
  }
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, 13.5, 9);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  set_colour(cr, lane);
  cairo_fill(cr);
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, 9.5, 5.8);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  set_colour(cr, rgb(30, 26, 36));
  cairo_fill(cr);
  fill_circle(cr, cx, cy, 2, mix(lane, rgb(0, 0, 0), 0.3));
}

void frets() {
  Canvas c(200, 88);
  cairo_t* cr = c.cr();
  // Fret row (0, 0, 200, 33): a metal bar across the five lanes and an unpressed button per lane.
  fill_rounded(cr, 0, 10, 162, 14, 4, rgb(70, 66, 80));
  fill_rect(cr, 0, 11, 162, 2, rgb(150, 146, 160));
  for (int i = 0; i < 5; ++i) fret_button(cr, kLaneX[i] - 80 + kNoteW / 2.0, 16, kLaneColour[i], false);
  // Pressed-fret cells; the lit button sits at the left of each cell, level with the row's button.
  struct Cell { int x, y; };
  static const Cell kPressed[5] = {{0, 33}, {31, 33}, {64, 33}, {99, 33}, {0, 56}};
  for (int i = 0; i < 5; ++i) fret_button(cr, kPressed[i].x + kNoteW / 2.0, kPressed[i].y + 9, kLaneColour[i], true);
  save_png_keyed(c, out_path("img/sprite/frets.png"), kMagenta, kDarkMatte);
}

void flame_shape(cairo_t* cr, double cx, double bottom, double w, double h, Col c) {
  cairo_move_to(cr, cx, bottom);
  cairo_curve_to(cr, cx - w, bottom - h * 0.1, cx - w * 0.9, bottom - h * 0.55, cx - w * 0.15, bottom - h);
  cairo_curve_to(cr, cx - w * 0.25, bottom - h * 0.6, cx + w * 0.1, bottom - h * 0.55, cx + w * 0.3, bottom - h * 0.8);
  cairo_curve_to(cr, cx + w * 0.9, bottom - h * 0.5, cx + w, bottom - h * 0.1, cx, bottom);
  cairo_close_path(cr);
  set_colour(cr, c);
  cairo_fill(cr);
}

void hit_flames() {
  Canvas c(352, 64);
  cairo_t* cr = c.cr();
  // Eleven growing frames; the game shows the last one, at (320, 0, 32, 64).
  for (int f = 0; f < 11; ++f) {
    double cx = f * 32 + 16, s = 0.35 + 0.65 * f / 10.0;
    glow(cr, cx, 56, 16 * s + 2, rgb(255, 160, 40, 0.5));
    flame_shape(cr, cx, 63, 15 * s, 60 * s, rgb(235, 70, 20));
    flame_shape(cr, cx, 63, 11 * s, 46 * s, rgb(255, 150, 30));
    flame_shape(cr, cx, 63, 7 * s, 30 * s, rgb(255, 230, 110));
  }
  save_png_keyed(c, out_path("img/sprite/hitflames1.png"), kMagenta, rgb(60, 20, 10));
}

void star_lines() {
  static const int kEnd[10] = {21, 41, 63, 83, 105, 125, 147, 167, 189, 209};
  for (int full = 0; full < 2; ++full) {
    Canvas c(210, 39);
    cairo_t* cr = c.cr();
    for (int k = 0; k < 10; ++k) {
      double left = k == 0 ? 0 : kEnd[k - 1];
      double cx = (left + kEnd[k]) / 2.0;
      star_path(cr, cx, 20, 8.6, 3.6, 5, 0);
      if (full)
        fill_linear(cr, 0, 10, 0, 30, {{0, rgb(255, 242, 128)}, {1, rgb(242, 153, 26)}}, true);
      else
        fill_linear(cr, 0, 10, 0, 30, {{0, rgb(60, 54, 84)}, {1, rgb(40, 34, 56)}}, true);
      set_colour(cr, full ? rgb(90, 40, 0) : rgb(120, 110, 150));
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
    }
    save_png_keyed(c, out_path(full ? "img/sprite/star_line.png" : "img/sprite/star_line_null.png"), kMagenta,
                   rgb(16, 12, 30));
  }
}

void multiplier() {
  Canvas c(77, 57);
  cairo_t* cr = c.cr();
  static const Col kTier[3] = {rgb(70, 80, 120), rgb(30, 150, 140), rgb(230, 150, 30)};
  static const char* kLabel[3] = {"x1", "x2", "x3"};
  for (int i = 0; i < 3; ++i) {
    double y = i * 19;
    fill_rounded(cr, 0, y, 77, 19, 5, mix(kTier[i], rgb(0, 0, 0), 0.45));
    fill_rounded(cr, 1, y + 1, 75, 17, 4, kTier[i]);
    fill_rect(cr, 3, y + 2, 71, 3, rgb(255, 255, 255, 0.15));
    draw_text_outlined(cr, "MULT", 6, y + 13.5, 8, rgb(230, 230, 240), kShadow, 1);
    draw_text_outlined(cr, kLabel[i], 70, y + 15, 14, kPaper, kShadow, 1.5, Align::Right);
  }
  save_png_keyed(c, out_path("img/sprite/multiplicador.png"), kMagenta, kShadow);
}

void score_panel() {
  Canvas c(88, 42);
  cairo_t* cr = c.cr();
  fill_rounded(cr, 0, 0, 88, 42, 6, rgb(14, 10, 30, 0.92));
  stroke_rounded(cr, 0.5, 0.5, 87, 41, 6, 1, kGold);
  draw_text(cr, "SCORE", 4, 15, 7.5, kGold);
  draw_text(cr, "STREAK", 4, 33, 7.5, kTeal);
  fill_rect(cr, 4, 21, 80, 1, rgb(150, 120, 210, 0.5));
  save_png_keyed(c, out_path("img/sprite/score.png"), kMagenta, kShadow);
}

void rock_meter() {
  for (int base = 0; base < 2; ++base) {
    Canvas c(11, 160);
    cairo_t* cr = c.cr();
    rounded_rect_path(cr, 0, 0, 11, 160, 4);
    if (base)
      fill_linear(cr, 0, 0, 0, 160, {{0, rgb(51, 230, 77)}, {0.5, rgb(255, 217, 26)}, {1, rgb(230, 38, 26)}});
    else
      fill_linear(cr, 0, 0, 11, 0, {{0, rgb(40, 32, 60)}, {1, rgb(22, 18, 36)}});
    for (int y = 10; y < 160; y += 10) fill_rect(cr, 2, y, 7, 1, rgb(0, 0, 0, base ? 0.3 : 0.5));
    fill_rect(cr, 2, 2, 2, 156, rgb(255, 255, 255, base ? 0.3 : 0.08));
    save_png_keyed(c, out_path(base ? "img/sprite/rock_bar0.png" : "img/sprite/rock_bar.png"), kMagenta, kShadow);
  }
}

void loading_bar() {
  Canvas c(150, 43);
  cairo_t* cr = c.cr();
  fill_rounded(cr, 0, 4, 150, 35, 6, rgb(120, 40, 10));
  rounded_rect_path(cr, 2, 6, 146, 31, 5);
  fill_linear(cr, 0, 6, 0, 37, {{0, rgb(255, 217, 89)}, {1, rgb(230, 89, 13)}});
  cairo_save(cr);
  rounded_rect_path(cr, 2, 6, 146, 31, 5);
  cairo_clip(cr);
  for (int x = -30; x < 160; x += 14) {
    cairo_move_to(cr, x, 37);
    cairo_line_to(cr, x + 7, 37);
    cairo_line_to(cr, x + 22, 6);
    cairo_line_to(cr, x + 15, 6);
    cairo_close_path(cr);
    set_colour(cr, rgb(255, 255, 255, 0.18));
    cairo_fill(cr);
  }
  cairo_restore(cr);
  save_png_keyed(c, out_path("img/sprite/loading_sprits.png"), kMagenta, rgb(10, 8, 20));
}

void volume_bar() {
  Canvas c(109, 66);
  cairo_t* cr = c.cr();
  for (int x = 0; x < 109; x += 4) {
    double h = 10 + 56.0 * x / 108, t = x / 108.0;
    Col col = t < 0.5 ? mix(rgb(60, 210, 90), rgb(250, 210, 40), t * 2) : mix(rgb(250, 210, 40), rgb(240, 70, 40), t * 2 - 1);
    fill_rect(cr, x, 66 - h, 3, h, col);
  }
  save_png_keyed(c, out_path("img/sprite/audio1.png"), kMagenta, rgb(10, 8, 22));
}

void letter_grid() {
  static const char* kRows[4] = {"0123456789", "ABCDEFGHIJ", "KLMNOPQRST", "UVXYWZ"};
  Canvas c(194, 76);
  cairo_t* cr = c.cr();
  for (int r = 0; r < 4; ++r)
    for (int col = 0; col < 10; ++col) {
      double x = 2 + 19 * col, y = 2 + 18 * r;
      fill_rounded(cr, x + 1, y + 1, 17, 16, 3, rgb(40, 32, 70));
      std::string ch = col < static_cast<int>(std::string(kRows[r]).size()) ? std::string(1, kRows[r][col]) : "";
      if (!ch.empty()) draw_text(cr, ch, x + 9.5, y + 13.5, 11, kPaper, Align::Center);
      if (r == 3 && col == 9) {
        // Delete cell: a back arrow.
        cairo_move_to(cr, x + 3, y + 9);
        cairo_line_to(cr, x + 8, y + 4.5);
        cairo_line_to(cr, x + 8, y + 7);
        cairo_line_to(cr, x + 15, y + 7);
        cairo_line_to(cr, x + 15, y + 11);
        cairo_line_to(cr, x + 8, y + 11);
        cairo_line_to(cr, x + 8, y + 13.5);
        cairo_close_path(cr);
        set_colour(cr, rgb(240, 90, 70));
        cairo_fill(cr);
      }
    }
  save_png_keyed(c, out_path("img/sprite/letras.png"), kMagenta, rgb(10, 8, 22));

  Canvas cur(19, 18);
  stroke_rounded(cur.cr(), 1, 1, 17, 16, 3, 2, kGold);
  save_png_keyed(cur, out_path("img/sprite/cursor_nome.png"), kMagenta, rgb(40, 32, 70));
}

void description_frame() {
  Canvas c(160, 134);
  cairo_t* cr = c.cr();
  fill_rounded(cr, 0, 0, 160, 134, 6, rgb(16, 12, 32));
  stroke_rounded(cr, 0.5, 0.5, 159, 133, 6, 1, rgb(150, 120, 210));
  fill_rounded(cr, 140, 6, 12, 126, 4, rgb(36, 28, 60));
  save_png_opaque(c, out_path("img/sprite/txt_box.png"));

  Canvas knob(10, 12);
  fill_rect(knob.cr(), 0, 0, 10, 12, rgb(36, 28, 60));
  fill_rounded(knob.cr(), 0, 0, 10, 12, 3, kGold);
  fill_rect(knob.cr(), 2, 4, 6, 1, rgb(120, 60, 0));
  fill_rect(knob.cr(), 2, 7, 6, 1, rgb(120, 60, 0));
  save_png_opaque(knob, out_path("img/sprite/cursor_bar.png"));
}

}  // namespace

void draw_hud() {
  menu_cursor();
  notes();
  frets();
  hit_flames();
  star_lines();
  multiplier();
  score_panel();
  rock_meter();
  loading_bar();
  volume_bar();
  letter_grid();
  description_frame();
}

}  // namespace assetgen
