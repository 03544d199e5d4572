// The five intro images and the scrolling credits roll. They speak only of
// this game and the team that made it.
#include "groups.h"
#include "theme.h"

#include <cmath>
#include <string>
#include <vector>

namespace assetgen {

namespace {

void skip_hint(Canvas& c) {
  draw_text_outlined(c.cr(), "button A (Left Ctrl) skips", 160, 230, 8, rgb(150, 145, 175), kShadow, 1,
                     Align::Center);
}

void intro_background(Canvas& c, Col centre) {
  cairo_t* cr = c.cr();
  fill_rect(cr, 0, 0, kScreenW, kScreenH, kInk);
  glow(cr, 160, 120, 200, with_alpha(centre, 0.35));
}

void team_emblem(Canvas& c) {
  cairo_t* cr = c.cr();
  // A ring of five gems around the team's initials.
  for (int i = 0; i < 5; ++i) {
    double a = -M_PI / 2 + i * 2 * M_PI / 5;
    gem(cr, 160 + 62 * std::cos(a), 105 + 62 * std::sin(a), 14, 10, kLaneColour[i]);
  }
  draw_title(cr, "QD", 160, 124, 52, kPaper, rgb(170, 160, 210), kShadow);
  draw_text_outlined(cr, "THE QUORL DEMO TEAM", 160, 200, 16, kGold, kShadow, 2, Align::Center);
}

void made_by_code(Canvas& c) {
  cairo_t* cr = c.cr();
  static const char* kLines[] = {"every picture, every sound", "and every tune of this game", "is made by code",
                                 "when the game is built"};
  for (int i = 0; i < 4; ++i) draw_text_outlined(cr, kLines[i], 160, 82 + i * 24, 14, kPaper, kShadow, 2, Align::Center);
  // A waveform under the words.
  cairo_move_to(cr, 40, 190);
  for (int x = 40; x <= 280; ++x) cairo_line_to(cr, x, 190 + 14 * std::sin(x * 0.12) * std::sin(x * 0.013));
  set_colour(cr, kTeal);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

void how_to_play(Canvas& c) {
  cairo_t* cr = c.cr();
  draw_text_outlined(cr, "FIVE LANES - ONE BEAT", 160, 40, 18, kGold, kShadow, 2, Align::Center);
  static const char* kKeys[5] = {"A", "S", "D", "F", "G"};
  for (int i = 0; i < 5; ++i) {
    double x = 72 + i * 44;
    fill_rect(cr, x - 1, 60, 2, 90, with_alpha(kLaneColour[i], 0.5));
    gem(cr, x, 90 + (i % 2) * 25, 15, 10, kLaneColour[i]);
    fill_rounded(cr, x - 14, 158, 28, 26, 5, rgb(40, 34, 70));
    stroke_rounded(cr, x - 14, 158, 28, 26, 5, 2, kLaneColour[i]);
    draw_text(cr, kKeys[i], x, 178, 14, kPaper, Align::Center);
  }
  draw_text_outlined(cr, "press the lane when its note meets the fret", 160, 208, 10, kPaper, kShadow, 1.5,
                     Align::Center);
}

void six_charts(Canvas& c) {
  cairo_t* cr = c.cr();
  draw_text_outlined(cr, "FIVE SONGS AND A TUTORIAL", 160, 52, 16, kGold, kShadow, 2, Align::Center);
  draw_text_outlined(cr, "keep the rock meter up", 160, 82, 12, kPaper, kShadow, 1.5, Align::Center);
  draw_text_outlined(cr, "build your streak", 160, 104, 12, kPaper, kShadow, 1.5, Align::Center);
  draw_text_outlined(cr, "win songs to unlock guitars", 160, 126, 12, kPaper, kShadow, 1.5, Align::Center);
  for (int k = 0; k < 10; ++k) {
    star_path(cr, 52 + k * 24, 168, 10, 4.2, 5, 0);
    set_colour(cr, k < 7 ? kGold : rgb(60, 54, 80));
    cairo_fill(cr);
  }
}

void presents(Canvas& c) {
  draw_text_outlined(c.cr(), "the Quorl Demo team presents", 160, 60, 13, kPaper, kShadow, 2, Align::Center);
  logo(c, 160, 140, 52);
}

struct CreditLine {
  enum Kind { Logo, Heading, Text, Gap } kind;
  const char* text;
};

const CreditLine kCredits[] = {
    {CreditLine::Gap, ""},
    {CreditLine::Logo, ""},
    {CreditLine::Text, "a rhythm game for five lanes"},
    {CreditLine::Gap, ""},
    {CreditLine::Heading, "GAME DESIGN"},
    {CreditLine::Text, "the Quorl Demo team"},
    {CreditLine::Gap, ""},
    {CreditLine::Heading, "GAME SHELL"},
    {CreditLine::Text, "menus, screens and the play loop"},
    {CreditLine::Text, "by the shell crew"},
    {CreditLine::Gap, ""},
    {CreditLine::Heading, "NOTE HIGHWAY"},
    {CreditLine::Text, "notes, frets, flames and judges"},
    {CreditLine::Text, "by the highway crew"},
    {CreditLine::Gap, ""},
    {CreditLine::Heading, "SONG CHARTS"},
    {CreditLine::Text, "every note of six charts"},
    {CreditLine::Text, "by the chart crew"},
    {CreditLine::Gap, ""},
    {CreditLine::Heading, "ARTWORK"},
    {CreditLine::Text, "menus, necks, backdrops and guitars"},
    {CreditLine::Text, "drawn by code at build time"},
    {CreditLine::Gap, ""},
    {CreditLine::Heading, "MUSIC AND SOUND"},
    {CreditLine::Text, "tunes grown from the charts"},
    {CreditLine::Text, "effects shaped from sine and noise"},
    {CreditLine::Gap, ""},
    {CreditLine::Heading, "TESTING"},
    {CreditLine::Text, "a virtual clock and scripted keys"},
    {CreditLine::Text, "playing every screen, every build"},
    {CreditLine::Gap, ""},
    {CreditLine::Heading, "GUITAR GALLERY"},
    {CreditLine::Text, "four guitars of our own"},
    {CreditLine::Text, "waiting for your wins"},
    {CreditLine::Gap, ""},
    {CreditLine::Heading, "SPECIAL THANKS"},
    {CreditLine::Text, "to everyone who kept the streak alive"},
    {CreditLine::Text, "and to you, for reading this far"},
    {CreditLine::Gap, ""},
    {CreditLine::Gap, ""},
    {CreditLine::Heading, "THANK YOU FOR PLAYING"},
    {CreditLine::Logo, ""},
};

void credits_roll() {
  constexpr int kHeight = 2288;
  Canvas c(kScreenW, kHeight);
  cairo_t* cr = c.cr();
  // Spread the lines over the whole roll so the screen is never empty for long.
  int weight = 0;
  for (const CreditLine& l : kCredits) weight += l.kind == CreditLine::Logo ? 4 : l.kind == CreditLine::Heading ? 2 : 1;
  double unit = (kHeight - 120.0) / weight, y = 40;
  int index = 0;
  for (const CreditLine& l : kCredits) {
    switch (l.kind) {
      case CreditLine::Logo:
        logo(c, 160, y + unit * 2, 44);
        y += unit * 4;
        break;
      case CreditLine::Heading:
        y += unit * 0.7;
        draw_text_outlined(cr, l.text, 160, y, 16, kGold, kShadow, 2, Align::Center);
        gem(cr, 160 - text_width(l.text, 16) / 2 - 14, y - 6, 6, 4, kLaneColour[index++ % 5]);
        y += unit * 1.3;
        break;
      case CreditLine::Text:
        draw_text_outlined(cr, l.text, 160, y, 12, kPaper, kShadow, 1.5, Align::Center);
        y += unit;
        break;
      case CreditLine::Gap:
        y += unit;
        break;
    }
  }
  save_png_keyed(c, out_path("img/sprite/credits.png"), kMagenta, kShadow);
}

}  // namespace

void draw_intro() {
  struct Page {
    const char* path;
    Col glow;
    void (*paint)(Canvas&);
  };
  static const Page kPages[5] = {
      {"img/intro/splash_320.png", kPlum, team_emblem},       {"img/intro/sponsor_320.png", rgb(20, 80, 90), made_by_code},
      {"img/intro/ondravel.png", rgb(90, 50, 20), how_to_play}, {"img/intro/NDRQ.png", rgb(80, 20, 60), six_charts},
      {"img/intro/presents.png", kAmber, presents},
  };
  for (const Page& page : kPages) {
    Canvas c(kScreenW, kScreenH);
    intro_background(c, page.glow);
    page.paint(c);
    skip_hint(c);
    save_png_opaque(c, out_path(page.path));
  }
  credits_roll();
}

}  // namespace assetgen
