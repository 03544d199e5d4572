#include "theme.h"

#include <cmath>

namespace assetgen {

const Col kLaneColour[5] = {rgb(30, 200, 185), rgb(120, 215, 50), rgb(250, 205, 45), rgb(250, 125, 35),
                            rgb(170, 95, 245)};

void menu_backdrop(Canvas& c, uint32_t seed, Col accent) {
  cairo_t* cr = c.cr();
  vertical_gradient(cr, 0, 0, c.width(), c.height(), kNight, kInk);
  // Stage beams from the top, fanning out.
  for (int i = 0; i < 4; ++i) {
    double x0 = 60 + i * 70 + 20 * (hash01(i, 1, seed) - 0.5);
    double spread = 30 + 25 * hash01(i, 2, seed);
    double lean = 80 * (hash01(i, 3, seed) - 0.5);
    cairo_move_to(cr, x0 - 4, 0);
    cairo_line_to(cr, x0 + 4, 0);
    cairo_line_to(cr, x0 + lean + spread, c.height());
    cairo_line_to(cr, x0 + lean - spread, c.height());
    cairo_close_path(cr);
    fill_linear(cr, 0, 0, 0, c.height(), {{0, with_alpha(accent, 0.22)}, {1, with_alpha(accent, 0)}});
  }
  // Speaker-grille dots, fading towards the top.
  for (int y = 6; y < c.height(); y += 6)
    for (int x = (y / 6) % 2 * 3; x < c.width(); x += 6) {
      double a = 0.05 + 0.07 * y / c.height();
      fill_rect(cr, x, y, 1, 1, with_alpha(kPaper, a));
    }
  // Stage floor.
  vertical_gradient(cr, 0, c.height() - 26, c.width(), 26, rgb(40, 24, 60, 0.0), rgb(60, 30, 70, 0.8));
  fill_rect(cr, 0, c.height() - 27, c.width(), 1, with_alpha(accent, 0.35));
  // Cursor rail.
  vertical_gradient(cr, 0, 0, kRailW, c.height(), rgb(16, 12, 34), rgb(10, 8, 20));
  fill_rect(cr, kRailW - 1, 0, 1, c.height(), with_alpha(accent, 0.5));
}

void menu_title(Canvas& c, const std::string& title, double y, double size) {
  double cx = kRailW + (c.width() - kRailW) / 2.0;
  draw_title(c.cr(), title, cx, y, size, kGold, kAmber, kShadow);
}

void menu_rows(Canvas& c, const std::vector<std::string>& labels, bool first_is_heading) {
  cairo_t* cr = c.cr();
  for (size_t k = 0; k < labels.size() && k < 5; ++k) {
    double cy = kRowY[k] + 8;
    if (k == 0 && first_is_heading) {
      draw_text_outlined(cr, labels[k], 36, cy + 6, 16, kGold, kShadow, 2);
      fill_rect(cr, 36, cy + 10, text_width(labels[k], 16), 2, with_alpha(kGold, 0.7));
      continue;
    }
    rounded_rect_path(cr, 32, cy - 11, 150, 22, 6);
    fill_linear(cr, 32, 0, 180, 0, {{0, rgb(92, 41, 128, 0.95)}, {1, rgb(31, 20, 64, 0)}});
    fill_rect(cr, 32, cy - 11, 3, 22, with_alpha(kLaneColour[k % 5], 0.9));
    draw_text_outlined(cr, labels[k], 42, cy + 5, 14, kPaper, kShadow, 1.6);
  }
}

void panel(cairo_t* cr, double x, double y, double w, double h, double alpha) {
  fill_rounded(cr, x, y, w, h, 6, rgb(10, 8, 22, alpha));
  stroke_rounded(cr, x + 0.5, y + 0.5, w - 1, h - 1, 6, 1, rgb(150, 120, 210, 0.6));
}

void logo(Canvas& c, double cx, double baseline, double size) {
  cairo_t* cr = c.cr();
  glow(cr, cx, baseline - size * 0.35, size * 2.2, with_alpha(kAmber, 0.25));
  draw_title(cr, "QUORL", cx, baseline, size, rgb(255, 235, 120), kAmber, kShadow);
  draw_text_outlined(cr, "D E M O", cx, baseline + size * 0.55, size * 0.38, kTeal, kShadow, 2, Align::Center);
}

void gem(cairo_t* cr, double cx, double cy, double rx, double ry, Col colour) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  Col light{std::min(1.0, colour.r + 0.35), std::min(1.0, colour.g + 0.35), std::min(1.0, colour.b + 0.35), 1};
  fill_radial(cr, cx - rx * 0.3, cy - ry * 0.4, 0, cx, cy, std::max(rx, ry),
              {{0, light}, {0.6, colour}, {1, mix(colour, rgb(0, 0, 0), 0.55)}}, true);
  set_colour(cr, rgb(20, 14, 30));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  // Highlight (kept below pure white, which keys notes out).
  cairo_save(cr);
  cairo_translate(cr, cx - rx * 0.3, cy - ry * 0.42);
  cairo_scale(cr, rx * 0.38, ry * 0.22);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  set_colour(cr, rgb(250, 250, 250, 0.7));
  cairo_fill(cr);
}

std::vector<std::string> wrap_text(const std::string& text, double size, double width) {
  std::vector<std::string> lines;
  std::string line, word;
  auto flush_word = [&]() {
    if (word.empty()) return;
    std::string candidate = line.empty() ? word : line + " " + word;
    if (!line.empty() && text_width(candidate, size) > width) {
      lines.push_back(line);
      line = word;
    } else {
      line = candidate;
    }
    word.clear();
  };
  for (char ch : text) {
    if (ch == ' ') {
      flush_word();
    } else {
      word += ch;
    }
  }
  flush_word();
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace assetgen
