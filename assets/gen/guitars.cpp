// The guitar gallery: four guitar pictures of our own design, their locked
// versions, and the scrolling descriptions (141 x 504, keyed on magenta).
#include "groups.h"
#include "theme.h"

#include <cmath>

namespace assetgen {

namespace {

constexpr int kPicW = 136;
constexpr int kPicH = 166;
constexpr double kBodyX = 68, kBodyY = 124;

// Body outlines, one per model, around (kBodyX, kBodyY).
void body_blob(cairo_t* cr) {
  for (int i = 0; i <= 180; ++i) {
    double t = -M_PI + i * 2 * M_PI / 180;
    double r = 30 + 6 * std::cos(2 * t) + 12 * std::exp(-(t + 1.15) * (t + 1.15) / 0.03) +
               8 * std::exp(-(t + 2.05) * (t + 2.05) / 0.03);
    double x = kBodyX + r * std::cos(t) * 1.05, y = kBodyY + 4 + r * std::sin(t) * 0.95;
    i == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
}

void body_bolt(cairo_t* cr) {
  static const double kPts[][2] = {{-14, -34}, {30, -46}, {16, -14}, {42, -6}, {-8, 40}, {2, 8}, {-34, 12}, {-20, -20}};
  for (size_t i = 0; i < sizeof kPts / sizeof kPts[0]; ++i)
    i == 0 ? cairo_move_to(cr, kBodyX + kPts[i][0], kBodyY + kPts[i][1])
           : cairo_line_to(cr, kBodyX + kPts[i][0], kBodyY + kPts[i][1]);
  cairo_close_path(cr);
}

// Outer disc minus a smaller disc that bites into its left side.
void body_crescent(cairo_t* cr) {
  const double ox = kBodyX, oy = kBodyY + 6, R = 36, ix = kBodyX - 40, iy = kBodyY + 12, r = 26;
  const double dx = ix - ox, dy = iy - oy, d = std::hypot(dx, dy);
  const double a = (R * R - r * r + d * d) / (2 * d), h = std::sqrt(R * R - a * a);
  const double mx = ox + a * dx / d, my = oy + a * dy / d;
  const double p1x = mx - h * dy / d, p1y = my + h * dx / d, p2x = mx + h * dy / d, p2y = my - h * dx / d;
  // Outer arc the long way round, away from the bite; then the bite's edge back.
  const double t1 = std::atan2(p1y - oy, p1x - ox), t2 = std::atan2(p2y - oy, p2x - ox);
  cairo_new_sub_path(cr);
  cairo_arc(cr, ox, oy, R, t1, t2 < t1 ? t2 + 2 * M_PI : t2);
  const double u2 = std::atan2(p2y - iy, p2x - ix), u1 = std::atan2(p1y - iy, p1x - ix);
  cairo_arc_negative(cr, ix, iy, r, u2, u1 > u2 ? u1 - 2 * M_PI : u1);
  cairo_close_path(cr);
}

void body_comet(cairo_t* cr) {
  cairo_move_to(cr, kBodyX + 30, kBodyY + 12);
  cairo_curve_to(cr, kBodyX + 30, kBodyY + 50, kBodyX - 34, kBodyY + 50, kBodyX - 32, kBodyY + 8);
  cairo_curve_to(cr, kBodyX - 30, kBodyY - 20, kBodyX - 40, kBodyY - 40, kBodyX - 50, kBodyY - 56);
  cairo_curve_to(cr, kBodyX - 10, kBodyY - 40, kBodyX + 30, kBodyY - 30, kBodyX + 30, kBodyY + 12);
  cairo_close_path(cr);
}

struct Model {
  void (*body)(cairo_t*);
  Col finish_a, finish_b;
  Col backlight;
};

const Model kModels[4] = {
    {body_blob, rgb(250, 190, 60), rgb(150, 40, 20), rgb(255, 150, 60)},
    {body_bolt, rgb(80, 200, 255), rgb(20, 40, 140), rgb(60, 140, 255)},
    {body_crescent, rgb(140, 250, 120), rgb(20, 110, 60), rgb(90, 230, 120)},
    {body_comet, rgb(230, 140, 255), rgb(80, 20, 140), rgb(200, 90, 255)},
};

void picture_background(cairo_t* cr, Col light) {
  vertical_gradient(cr, 0, 0, kPicW, kPicH, rgb(18, 12, 36), rgb(6, 4, 14));
  glow(cr, kPicW / 2.0, kPicH * 0.55, 90, with_alpha(light, 0.35));
  fill_rect(cr, 0, kPicH - 14, kPicW, 14, rgb(0, 0, 0, 0.4));
}

void neck_and_head(cairo_t* cr, Col wood, Col head, bool details) {
  fill_rect(cr, kBodyX - 5, 22, 10, 80, wood);
  if (details)
    for (int y = 30; y < 100; y += 9) fill_rect(cr, kBodyX - 5, y, 10, 1, rgb(210, 210, 200));
  cairo_move_to(cr, kBodyX - 6, 24);
  cairo_line_to(cr, kBodyX - 9, 6);
  cairo_line_to(cr, kBodyX + 2, 2);
  cairo_line_to(cr, kBodyX + 10, 8);
  cairo_line_to(cr, kBodyX + 6, 24);
  cairo_close_path(cr);
  set_colour(cr, head);
  cairo_fill(cr);
  if (details)
    for (int i = 0; i < 3; ++i) {
      fill_circle(cr, kBodyX - 10, 9 + i * 5, 2, rgb(200, 200, 210));
      fill_circle(cr, kBodyX + 10, 11 + i * 5, 2, rgb(200, 200, 210));
    }
}

void guitar_picture(int i) {
  const Model& m = kModels[i];
  Canvas c(kPicW, kPicH);
  cairo_t* cr = c.cr();
  picture_background(cr, m.backlight);
  cairo_save(cr);
  m.body(cr);
  fill_radial(cr, kBodyX - 8, kBodyY - 4, 4, kBodyX, kBodyY, 50, {{0, m.finish_a}, {1, m.finish_b}}, true);
  set_colour(cr, rgb(240, 236, 220));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_restore(cr);
  neck_and_head(cr, rgb(110, 60, 30), mix(m.finish_b, rgb(0, 0, 0), 0.3), true);
  // Pickups, bridge and strings.
  fill_rounded(cr, kBodyX - 9, kBodyY - 14, 18, 7, 2, rgb(24, 20, 24));
  fill_rounded(cr, kBodyX - 9, kBodyY + 2, 18, 7, 2, rgb(24, 20, 24));
  fill_rect(cr, kBodyX - 8, kBodyY + 16, 16, 4, rgb(190, 190, 200));
  for (int s = 0; s < 4; ++s) fill_rect(cr, kBodyX - 3.5 + s * 2.3, 14, 0.6, kBodyY + 4, rgb(230, 230, 230, 0.8));
  fill_circle(cr, kBodyX + 18, kBodyY + 22, 3, rgb(40, 36, 40));
  fill_circle(cr, kBodyX + 24, kBodyY + 14, 3, rgb(40, 36, 40));
  save_png_opaque(c, out_path("img/guitars/gtr0" + std::to_string(i) + ".png"));
}

void padlock(cairo_t* cr, double cx, double cy) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy - 8, 9, M_PI, 2 * M_PI);
  set_colour(cr, rgb(170, 170, 180));
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  fill_rect(cr, cx - 13, cy - 9, 4, 3, rgb(170, 170, 180));
  fill_rect(cr, cx + 9, cy - 9, 4, 3, rgb(170, 170, 180));
  fill_rounded(cr, cx - 14, cy - 8, 28, 22, 4, kGold);
  fill_circle(cr, cx, cy + 1, 3, rgb(60, 40, 0));
  fill_rect(cr, cx - 1.5, cy + 1, 3, 7, rgb(60, 40, 0));
}

void locked_picture(int i) {
  const Model& m = kModels[i];
  Canvas c(kPicW, kPicH);
  cairo_t* cr = c.cr();
  picture_background(cr, rgb(90, 90, 110));
  cairo_save(cr);
  m.body(cr);
  set_colour(cr, rgb(30, 28, 40));
  cairo_fill_preserve(cr);
  set_colour(cr, rgb(80, 76, 100));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_restore(cr);
  neck_and_head(cr, rgb(30, 28, 40), rgb(30, 28, 40), false);
  draw_text_outlined(cr, "?", kBodyX, 84, 40, rgb(120, 116, 150), kShadow, 2, Align::Center);
  padlock(cr, kBodyX, kBodyY + 8);
  save_png_opaque(c, out_path("img/guitars/lock0" + std::to_string(i) + ".png"));
}

struct Description {
  const char* heading;
  const char* body;
  int tone, sustain, attack;  // 1..5, shown as bars
};

const Description kDescriptions[4] = {
    {"THE FIRST PRIZE",
     "Your reward for five songs won on the Quorl Demo stage. A warm, round body with two horns and a "
     "sunburst finish that glows under the lights. | It forgives a late press and sings on every chord. "
     "The team built it as the starting point of the gallery: friendly, bright and loud enough for any "
     "backdrop you choose. | Tip: play the tutorial first, then chase the streak bonus at five and ten "
     "notes in a row.",
     4, 3, 3},
    {"THE BOLT",
     "Ten wins unlock this angular body, cut like a flash of lightning. Cold blue lacquer, sharp edges, "
     "and a bite that cuts through the busiest groove. | The Quorl Demo team drew it for players who "
     "like fast runs on the first lanes. Keep your fingers light and your streak alive. | Tip: a miss "
     "resets the streak, so a calm hand beats a fast one.",
     3, 3, 5},
    {"THE CRESCENT",
     "Fifteen wins and the moon is yours. A hollow curve of green glass that hums between the notes. "
     "| Made by the Quorl Demo team for the long songs: it rewards steady timing over wild chords. "
     "Watch the rock meter on the right and never let it reach the bottom. | Tip: pressing two lanes at "
     "once costs you points when no chord is coming.",
     4, 5, 2},
    {"THE COMET",
     "Twenty wins: the last and wildest guitar of the gallery. A violet comet with a tail that reaches "
     "for the stage lights. | The Quorl Demo team saved it for the players who finish every song. If "
     "you own it, you know every lane by heart. | Thank you for playing Quorl Demo!",
     5, 4, 4},
};

void description(int i) {
  const Description& d = kDescriptions[i];
  Canvas c(141, 504);
  cairo_t* cr = c.cr();
  draw_text(cr, d.heading, 70.5, 18, 11, kGold, Align::Center);
  fill_rect(cr, 10, 24, 121, 1, with_alpha(kGold, 0.8));
  double y = 44;
  static const char* kStat[3] = {"TONE", "SUSTAIN", "ATTACK"};
  const int stats[3] = {d.tone, d.sustain, d.attack};
  for (int s = 0; s < 3; ++s, y += 16) {
    draw_text(cr, kStat[s], 8, y, 8, kTeal);
    for (int b = 0; b < 5; ++b)
      fill_rect(cr, 62 + b * 13, y - 8, 11, 8, b < stats[s] ? kLaneColour[b] : rgb(50, 44, 70));
  }
  y += 10;
  std::string text = d.body;
  size_t start = 0;
  while (start <= text.size()) {
    size_t bar = text.find('|', start);
    std::string para = text.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
    for (const std::string& line : wrap_text(para, 9, 125)) {
      draw_text(cr, line, 8, y, 9, kPaper);
      y += 13;
    }
    y += 8;
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  for (int k = 0; k < 5; ++k) gem(cr, 30 + k * 20, 490, 8, 5, kLaneColour[k]);
  save_png_keyed(c, out_path("img/guitars/gtr_desc0" + std::to_string(i) + ".png"), kMagenta, rgb(16, 12, 32));
}

}  // namespace

void draw_guitars() {
  for (int i = 0; i < 4; ++i) {
    guitar_picture(i);
    locked_picture(i);
    description(i);
  }
}

}  // namespace assetgen
