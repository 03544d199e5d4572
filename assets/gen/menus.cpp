// Full-screen menu backgrounds: the row menus with their labels beside the
// cursor positions, and the screens whose texts the game writes at run time
// (those areas are left as clear panels).
#include "groups.h"
#include "theme.h"

#include <cmath>
#include <string>
#include <vector>

namespace assetgen {

namespace {

// A little highway in perspective with five lanes and falling gems: the game at a glance.
void mini_highway(cairo_t* cr, double cx, double top, double bottom, double half_top, double half_bottom) {
  cairo_move_to(cr, cx - half_top, top);
  cairo_line_to(cr, cx + half_top, top);
  cairo_line_to(cr, cx + half_bottom, bottom);
  cairo_line_to(cr, cx - half_bottom, bottom);
  cairo_close_path(cr);
  fill_linear(cr, 0, top, 0, bottom, {{0, rgb(64, 36, 20, 0)}, {0.3, rgb(77, 43, 26, 0.9)}, {1, rgb(102, 59, 31)}});
  auto lane_x = [&](double frac, double y) {
    double t = (y - top) / (bottom - top);
    double half = half_top + (half_bottom - half_top) * t;
    return cx - half + 2 * half * frac;
  };
  for (int i = 0; i <= 5; ++i) {
    cairo_move_to(cr, lane_x(i / 5.0, top + 10), top + 10);
    cairo_line_to(cr, lane_x(i / 5.0, bottom), bottom);
    set_colour(cr, rgb(200, 190, 220, i == 0 || i == 5 ? 0.8 : 0.35));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  for (int f = 1; f < 6; ++f) {
    double t = std::pow(f / 6.0, 1.6);
    double y = top + (bottom - top) * t;
    cairo_move_to(cr, lane_x(0, y), y);
    cairo_line_to(cr, lane_x(1, y), y);
    set_colour(cr, rgb(210, 200, 180, 0.35));
    cairo_stroke(cr);
  }
  static const double kGemT[5] = {0.55, 0.25, 0.7, 0.4, 0.15};
  for (int i = 0; i < 5; ++i) {
    double y = top + (bottom - top) * kGemT[i];
    double t = (y - top) / (bottom - top);
    double w = (half_top + (half_bottom - half_top) * t) * 2 / 5;
    gem(cr, lane_x((i + 0.5) / 5.0, y), y, w * 0.38, w * 0.25, kLaneColour[i]);
    gem(cr, lane_x((i + 0.5) / 5.0, bottom - 8), bottom - 8, half_bottom * 2 / 5 * 0.4,
        half_bottom * 2 / 5 * 0.26, mix(kLaneColour[i], rgb(40, 40, 40), 0.45));
  }
}

void arrow(cairo_t* cr, double x, double y, double size, bool right, Col c) {
  double d = right ? 1 : -1;
  cairo_move_to(cr, x - d * size * 0.5, y - size);
  cairo_line_to(cr, x + d * size * 0.6, y);
  cairo_line_to(cr, x - d * size * 0.5, y + size);
  cairo_close_path(cr);
  set_colour(cr, c);
  cairo_fill_preserve(cr);
  set_colour(cr, kShadow);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void hint(Canvas& c, const std::string& text, double y) {
  draw_text_outlined(c.cr(), text, kRailW + (c.width() - kRailW) / 2.0, y, 9, rgb(200, 195, 225), kShadow, 1.2,
                     Align::Center);
}

void main_menu_art(Canvas& c) {
  logo(c, 174, 40, 30);
  mini_highway(c.cr(), 255, 70, 212, 14, 55);
}

void play_menu_art(Canvas& c) { mini_highway(c.cr(), 255, 80, 212, 12, 50); }

void gear(cairo_t* cr, double cx, double cy, double r, Col col) {
  cairo_new_path(cr);
  radial_polygon(cr, cx, cy, 48, 0, [](int i, const void* rr) { return *static_cast<const double*>(rr) * ((i / 3) % 2 ? 0.8 : 1.0); },
                 &r);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, cx, cy, r * 0.35, 2 * M_PI, 0);
  set_colour(cr, col);
  cairo_fill_preserve(cr);
  set_colour(cr, kShadow);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

void options_art(Canvas& c) {
  gear(c.cr(), 255, 120, 38, rgb(110, 90, 160));
  gear(c.cr(), 282, 170, 22, rgb(200, 140, 60));
}

// Value boxes where the game writes the three settings, with arrows for Left and Right.
void configure_art(Canvas& c) {
  static const int kValueY[3] = {68, 103, 136};
  for (int y : kValueY) {
    panel(c.cr(), 259, y - 3, 26, 19);
    arrow(c.cr(), 249, y + 6.5, 6, false, kGold);
    arrow(c.cr(), 295, y + 6.5, 6, true, kGold);
  }
  hint(c, "LEFT / RIGHT change a value  -  A on BACK returns", 205);
}

// A status box where the game writes "GAME SAVED" and the like.
void save_art(Canvas& c) {
  panel(c.cr(), 132, 114, 120, 24);
  hint(c, "keeps your wins and losses", 205);
}

struct RowMenu {
  const char* path;
  uint32_t seed;
  Col accent;
  const char* title;  // null: the art draws the logo instead
  std::vector<std::string> labels;
  bool heading;  // row 0 is a heading, not a choice
  void (*art)(Canvas&);
};

void row_menus() {
  const RowMenu kMenus[] = {
      {"img/menus/menu1.png", 11, kAmber, nullptr, {"PLAY", "GUITARS", "OPTIONS", "CREDITS", "EXIT"}, false, main_menu_art},
      {"img/menus/menu1.1.png", 12, kTeal, "LET'S PLAY", {"PLAY MENU", "SELECT SONG", "TUTORIAL", "HIGH SCORES", "BACK"},
       true, play_menu_art},
      {"img/menus/main3.png", 13, kLaneColour[4], "OPTIONS", {"KEYS", "GAME", "SOUND", "SAVE", "BACK"}, false,
       options_art},
      {"img/menus/menu_configuregame.png", 14, kLaneColour[1], "GAME SETUP", {"BACKDROP", "FLAMES", "NECK", "BACK"},
       false, configure_art},
      {"img/menus/menu_save.png", 15, kLaneColour[0], "SAVE GAME", {"SAVE", "LOAD", "CLEAR", "BACK"}, false, save_art},
  };
  for (const RowMenu& m : kMenus) {
    Canvas c(kScreenW, kScreenH);
    menu_backdrop(c, m.seed, m.accent);
    if (m.title) menu_title(c, m.title);
    menu_rows(c, m.labels, m.heading);
    m.art(c);
    save_png_opaque(c, out_path(m.path));
  }
}

void keys_art(Canvas& c) {
  menu_title(c, "KEY SETUP");
  hint(c, "press the key you want for the lit fret", 62);
  hint(c, "ESC stops here", 76);
  panel(c.cr(), 34, 92, 272, 26, 0.6);
  // The lanes run down to the fret row that the game draws at the bottom.
  cairo_t* cr = c.cr();
  for (int i = 0; i < 5; ++i) {
    double cx = kLaneX[i] + kNoteW / 2.0;
    cairo_rectangle(cr, cx - 3, 124, 6, 96);
    fill_linear(cr, 0, 124, 0, 215, {{0, with_alpha(kLaneColour[i], 0)}, {1, with_alpha(kLaneColour[i], 0.55)}});
  }
}

void speaker(cairo_t* cr, double x, double y, Col col) {
  cairo_move_to(cr, x, y - 8);
  cairo_line_to(cr, x + 10, y - 8);
  cairo_line_to(cr, x + 22, y - 18);
  cairo_line_to(cr, x + 22, y + 18);
  cairo_line_to(cr, x + 10, y + 8);
  cairo_line_to(cr, x, y + 8);
  cairo_close_path(cr);
  set_colour(cr, col);
  cairo_fill(cr);
  cairo_set_line_width(cr, 3);
  for (int i = 1; i <= 3; ++i) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + 22, y, 6.0 * i, -0.8, 0.8);
    set_colour(cr, with_alpha(col, 1.0 - 0.25 * i));
    cairo_stroke(cr);
  }
}

void sound_art(Canvas& c) {
  menu_title(c, "SOUND");
  hint(c, "LEFT / RIGHT set the volume", 70);
  cairo_t* cr = c.cr();
  speaker(cr, 52, 140, kGold);
  panel(cr, 99, 99, 121, 78, 0.65);
  // Empty bar outline so the scale reads even at a low volume.
  for (int x = 0; x < 109; x += 4) {
    double h = 10 + 56.0 * x / 108;
    fill_rect(cr, 105 + x, 105 + 66 - h, 3, h, rgb(60, 50, 90));
  }
  // The volume text's panel, wide enough for "VOLUME: 100".
  panel(cr, 91, 176, 153, 30, 0.5);
}

void hiscore_art(Canvas& c) {
  draw_title(c.cr(), "HIGH SCORES", 160, 38, 24, kGold, kAmber, kShadow);
  panel(c.cr(), 14, 55, 292, 152);
  fill_rect(c.cr(), 74, 101, 172, 1, rgb(150, 120, 210, 0.5));
  arrow(c.cr(), 24, 66, 5, false, kTeal);
  arrow(c.cr(), 296, 66, 5, true, kTeal);
}

void rank_art(Canvas& c) {
  cairo_t* cr = c.cr();
  draw_title(cr, "NEW SCORE!", 160, 32, 24, kGold, kAmber, kShadow);
  draw_text_outlined(cr, "ENTER YOUR NAME", 160, 52, 10, kTeal, kShadow, 1.5, Align::Center);
  static const int kSlotX[3] = {109, 154, 196};
  for (int x : kSlotX) {
    panel(cr, x - 7, 64, 30, 32);
    fill_rect(cr, x - 2, 92, 20, 2, kGold);
  }
  panel(cr, 58, 118, 208, 90);
  hint(c, "ARROWS move   A choose   last cell deletes", 224);
}

// The song page's panel: a bar across the top for the title and the album
// line, and a column down the left for the band line and the counts, with a
// divider between them; the cover sits in the corner the two leave free.
void song_page_panel(cairo_t* cr) {
  // Outer corners of the bar (x 4..316, y 3..66) and the column (x 4..168, down to 158).
  auto outline = [cr](double inset) {
    const double r = 6, left = 4 + inset, top = 3 + inset, right = 316 - inset, bar_bottom = 66 - inset,
                 column_right = 168 - inset, bottom = 158 - inset;
    cairo_new_sub_path(cr);
    cairo_arc(cr, right - r, top + r, r, -M_PI / 2, 0);
    // A tighter corner under the album line, which runs close to the bar's bottom.
    cairo_arc(cr, right - r / 2, bar_bottom - r / 2, r / 2, 0, M_PI / 2);
    cairo_line_to(cr, column_right, bar_bottom);
    cairo_arc(cr, column_right - r, bottom - r, r, 0, M_PI / 2);
    cairo_arc(cr, left + r, bottom - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, left + r, top + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
  };
  outline(0);
  set_colour(cr, rgb(10, 8, 22, 0.75));
  cairo_fill(cr);
  const Col rim = rgb(150, 120, 210, 0.6);
  outline(0.5);
  set_colour(cr, rim);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  fill_rect(cr, 5, 65, 162, 1, rim);
}

void select_song_art(Canvas& c) {
  cairo_t* cr = c.cr();
  song_page_panel(cr);
  // A gold frame hugging the cover (120 x 120 at (178, 68)), with page arrows on either side.
  fill_rounded(cr, 173, 66, 130, 128, 4, rgb(20, 14, 34));
  stroke_rounded(cr, 177, 67, 122, 122, 3, 2, kGold);
  arrow(cr, 172, 128, 6, false, kGold);
  arrow(cr, 304, 128, 6, true, kGold);
  draw_text_outlined(cr, "LEFT / RIGHT: another song", 86, 178, 9, rgb(200, 195, 225), kShadow, 1.2,
                     Align::Center);
}

void loading_art(Canvas& c) {
  logo(c, 174, 70, 30);
  draw_text_outlined(c.cr(), "GET READY...", 160, 150, 16, kPaper, kShadow, 2, Align::Center);
  fill_rounded(c.cr(), 75, 165, 160, 53, 7, rgb(10, 8, 20));
  stroke_rounded(c.cr(), 76, 166, 158, 51, 7, 2, kGold);
}

void results_art(Canvas& c) {
  cairo_t* cr = c.cr();
  draw_title(cr, "RESULTS", 160, 40, 26, kGold, kAmber, kShadow);
  panel(cr, 70, 54, 180, 34);
  fill_rounded(cr, 48, 95, 224, 49, 8, rgb(10, 8, 22, 0.6));
  panel(cr, 20, 154, 280, 54);
}

void gallery_art(Canvas& c) {
  cairo_t* cr = c.cr();
  panel(cr, 4, 4, 170, 68);
  // The lock hint's panel, inside the description frame's area so that only
  // a locked page, which draws no frame, shows it.
  panel(cr, 7, 113, 142, 25, 0.9);
  draw_title(cr, "GALLERY", 247, 36, 16, kGold, kAmber, kShadow);
  stroke_rounded(cr, 175.5, 46.5, 141, 172, 5, 2, kGold);
  arrow(cr, 191, 29, 6, false, kGold);
  arrow(cr, 303, 29, 6, true, kGold);
}

void credits_art(Canvas& c) {
  cairo_t* cr = c.cr();
  fill_rect(cr, 0, 0, kScreenW, kScreenH, rgb(8, 6, 16, 0.45));
  for (int i = 0; i < 5; ++i) glow(cr, 40 + i * 60, 240, 60, with_alpha(kLaneColour[i], 0.25));
}

}  // namespace

void draw_menus() {
  row_menus();
  struct Screen {
    const char* path;
    uint32_t seed;
    Col accent;
    void (*art)(Canvas&);
  };
  const Screen kScreens[] = {
      {"img/menus/set_keys.png", 16, kLaneColour[2], keys_art},
      {"img/menus/menu_sound1.png", 17, kLaneColour[3], sound_art},
      {"img/menus/hiscore.png", 18, kGold, hiscore_art},
      {"img/menus/rank_score.png", 19, kGold, rank_art},
      {"img/menus/select_song_band.png", 20, kTeal, select_song_art},
      {"img/menus/loading.png", 21, kAmber, loading_art},
      {"img/menus/you_win.png", 22, kGold, results_art},
      {"img/menus/main2.png", 23, kLaneColour[4], gallery_art},
      {"img/menus/main4.png", 24, kTeal, credits_art},
  };
  for (const Screen& screen : kScreens) {
    Canvas c(kScreenW, kScreenH);
    menu_backdrop(c, screen.seed, screen.accent);
    screen.art(c);
    save_png_opaque(c, out_path(screen.path));
  }
}

}  // namespace assetgen
