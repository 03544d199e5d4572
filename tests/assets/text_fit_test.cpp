// Every text the game writes over a box, frame or panel of its artwork, at the
// widest value it takes, rendered with the game's font at the place the game
// draws it: its ink must stay inside the box, the box's border must really be
// there around it in the picture, and the ink must cover nothing the picture
// draws (a border, a divider, a label, an arrow), only the box's plain fill.
#include "assets/asset_image.h"

#include <SDL/SDL.h>
#include <SDL/SDL_image.h>
#include <SDL/SDL_ttf.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {


// Sides of a box that a border line closes; the others are closed by
// something else (a label beside a number).
enum Side : unsigned { kLeft = 1, kRight = 2, kTop = 4, kBottom = 8, kAround = 15 };

// The inner area of a box on the screen, inclusive: the pixels inside its border.
struct Box {
  int left, top, right, bottom;
};

constexpr int kCentred = -1;  // x = (320 - width) / 2, as the game centres a text

struct FitRow {
  const char* image;  // the picture that holds the box
  int image_x, image_y;  // where the game draws that picture
  const char* text;   // the text at its widest
  int points;         // font size: 10 (font_small, font_small2) or 18 (font_big)
  int x, y;           // where the game draws the text
  Box inside;
  unsigned border;    // sides closed by a border line
};

// A row of the high-score view as the name entry writes it, with the widest
// name and a score wider than any song can give.
constexpr const char* kHighScoreRow = "  WWW                                 999999                                   ";

const FitRow kRows[] = {
    // Sound screen: the volume in its panel below the bar.
    {"img/menus/menu_sound1.png", 0, 0, "VOLUME: 100", 18, 100, 180, {92, 177, 242, 204}, kAround},
    // Results: the score panel, and the panel of the three lines.
    {"img/menus/you_win.png", 0, 0, "999999", 18, kCentred, 60, {71, 55, 248, 86}, kAround},
    {"img/menus/you_win.png", 0, 0, "NEW GUITAR UNLOCK IN GALERY!", 10, kCentred, 160, {21, 155, 298, 206}, kAround},
    {"img/menus/you_win.png", 0, 0, "ACCURACY: -100 percents", 10, kCentred, 180, {21, 155, 298, 206}, kAround},
    {"img/menus/you_win.png", 0, 0, "LONGEST NOTE STREAK: 9999", 10, kCentred, 190, {21, 155, 298, 206}, kAround},
    // Song selection: the title bar, and the column of the band and the counts.
    {"img/menus/select_song_band.png", 0, 0, "Song", 10, 12, 10, {5, 4, 314, 64}, kAround},
    {"img/menus/select_song_band.png", 0, 0, "FOR WHOM THE BELLS TOOLS", 18, 12, 22, {5, 4, 314, 64}, kAround},
    {"img/menus/select_song_band.png", 0, 0, "Album: The Number Of the Beast (1982)", 10, 12, 51, {5, 4, 314, 64},
     kAround},
    {"img/menus/select_song_band.png", 0, 0, "Album: Highway To Hell (1979)", 10, 12, 51, {5, 4, 314, 64}, kAround},
    {"img/menus/select_song_band.png", 0, 0, "Band: Black Sabbath", 10, 12, 66, {5, 66, 166, 156}, kAround},
    {"img/menus/select_song_band.png", 0, 0, "Wins: 9999", 10, 12, 120, {5, 66, 166, 156}, kAround},
    {"img/menus/select_song_band.png", 0, 0, "Loses: 9999", 10, 12, 140, {5, 66, 166, 156}, kAround},
    // Save menu: the longest message in the status box.
    {"img/menus/menu_save.png", 0, 0, "NO SAVED GAME", 10, 140, 120, {133, 115, 250, 136}, kAround},
    // Gallery: the model panel, and the lock hint's panel (under the
    // description frame, so it shows on a locked page alone).
    {"img/menus/main2.png", 0, 0, "Model", 10, 12, 10, {5, 5, 172, 70}, kAround},
    {"img/menus/main2.png", 0, 0, "STRATOCAST", 18, 12, 22, {5, 5, 172, 70}, kAround},
    {"img/menus/main2.png", 0, 0, "Status: Unlocked", 10, 12, 51, {5, 5, 172, 70}, kAround},
    {"img/menus/main2.png", 0, 0, "Win 20 times to Unlock", 10, 15, 120, {8, 114, 147, 136}, kAround},
    // High-score view: the widest title between its arrows, the header above
    // the divider, and a row just below the divider and at the bottom.
    {"img/menus/hiscore.png", 0, 0, "<        FOR WHOM THE BELLS TOOLS        >", 10, kCentred, 60, {15, 56, 304, 205},
     kAround},
    {"img/menus/hiscore.png", 0, 0, "NAME                              SCORE", 10, 80, 90, {15, 56, 304, 205}, kAround},
    {"img/menus/hiscore.png", 0, 0, kHighScoreRow, 10, 80, 100, {15, 56, 304, 205}, kAround},
    {"img/menus/hiscore.png", 0, 0, kHighScoreRow, 10, 80, 190, {15, 56, 304, 205}, kAround},
    // Name entry: the widest and the deepest character in each of the three slots.
    {"img/menus/rank_score.png", 0, 0, "W", 18, 109, 70, {103, 65, 130, 94}, kAround},
    {"img/menus/rank_score.png", 0, 0, "J", 18, 109, 70, {103, 65, 130, 94}, kAround},
    {"img/menus/rank_score.png", 0, 0, "W", 18, 154, 70, {148, 65, 175, 94}, kAround},
    {"img/menus/rank_score.png", 0, 0, "J", 18, 154, 70, {148, 65, 175, 94}, kAround},
    {"img/menus/rank_score.png", 0, 0, "W", 18, 196, 70, {190, 65, 217, 94}, kAround},
    {"img/menus/rank_score.png", 0, 0, "J", 18, 196, 70, {190, 65, 217, 94}, kAround},
    // Pause: the message in the pause panel.
    {"img/menus/pause2.png", 0, 0, "Press SELECT to EXIT or START to RESUME", 10, kCentred, 120, {22, 68, 297, 147},
     kAround},
    // Play screen: score and streak right of their labels in the score panel,
    // above and below its divider.
    {"img/sprite/score.png", 0, 5, "999999", 10, 40, 11, {38, 6, 86, 25}, kTop | kRight | kBottom},
    {"img/sprite/score.png", 0, 5, "9999", 10, 40, 29, {38, 27, 86, 45}, kTop | kRight | kBottom},
    // Key configuration: both prompts in the prompt panel.
    {"img/menus/set_keys.png", 0, 0, "PRESS BUTTONS TO FRET 5", 10, 80, 100, {35, 93, 304, 116}, kAround},
    {"img/menus/set_keys.png", 0, 0, "PRESS BUTTONS TO ALTERNATIVE FRET 5", 10, 40, 100, {35, 93, 304, 116}, kAround},
    // Game configuration: each value in its box between the arrows.
    {"img/menus/menu_configuregame.png", 0, 0, "0", 10, 268, 68, {260, 66, 283, 82}, kAround},
    {"img/menus/menu_configuregame.png", 0, 0, "0", 10, 268, 103, {260, 101, 283, 117}, kAround},
    {"img/menus/menu_configuregame.png", 0, 0, "0", 10, 268, 136, {260, 134, 283, 150}, kAround},
};

// Brightness (0..255) by which a border line, a divider or any other drawing
// stands out from a box's fill: every border of these boxes does by 55 or
// more, while the fill itself varies by less than 20 under the stage beams.
constexpr int kStandsOut = 30;

int luma(Rgb c) { return (299 * c.r + 587 * c.g + 114 * c.b) / 1000; }

using Image = AssetImage;

TTF_Font* game_font(int points) {
  static std::map<int, TTF_Font*> fonts;
  if (!TTF_WasInit() && TTF_Init() != 0) return nullptr;
  TTF_Font*& font = fonts[points];
  if (!font) font = TTF_OpenFont(game_path("ariblk.ttf").c_str(), points);
  return font;
}

struct Point {
  int x, y;
};

// The screen pixels that the text's ink covers when drawn as the game draws it.
std::vector<Point> ink_of(const FitRow& row) {
  std::vector<Point> ink;
  TTF_Font* font = game_font(row.points);
  if (!font) return ink;
  SDL_Surface* text = TTF_RenderText_Solid(font, row.text, SDL_Color{255, 255, 255, 0});
  if (!text) return ink;
  const int x0 = row.x == kCentred ? (320 - text->w) / 2 : row.x;
  for (int y = 0; y < text->h; ++y)
    for (int x = 0; x < text->w; ++x)
      if (static_cast<const Uint8*>(text->pixels)[y * text->pitch + x] != 0) ink.push_back({x0 + x, row.y + y});
  SDL_FreeSurface(text);
  return ink;
}

// The rectangle that the ink spans, inclusive.
Box span_of(const std::vector<Point>& ink) {
  Box span{320, 240, -1, -1};
  for (const Point& p : ink) {
    span.left = std::min(span.left, p.x), span.top = std::min(span.top, p.y);
    span.right = std::max(span.right, p.x), span.bottom = std::max(span.bottom, p.y);
  }
  return span;
}

std::string at(int x, int y) { return "(" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

TEST(AssetTextFit, EveryTextStaysInsideTheBoxDrawnForIt) {
  for (const FitRow& row : kRows) {
    SCOPED_TRACE(std::string(row.image) + ": \"" + row.text + "\"");
    Image picture(row.image);
    ASSERT_NE(picture.get(), nullptr) << IMG_GetError();
    const std::vector<Point> ink = ink_of(row);
    ASSERT_FALSE(ink.empty()) << "the text renders to nothing: " << TTF_GetError();
    const Box span = span_of(ink);
    SCOPED_TRACE("ink spans x " + std::to_string(span.left) + ".." + std::to_string(span.right) + ", y " +
                 std::to_string(span.top) + ".." + std::to_string(span.bottom));
    const Box& box = row.inside;
    // Outside the picture the screen stays black.
    auto background = [&](int x, int y) {
      x -= row.image_x, y -= row.image_y;
      if (x < 0 || y < 0 || x >= picture.get()->w || y >= picture.get()->h) return 0;
      return luma(picture.at(x, y));
    };

    // 1. Every ink pixel lies inside the box's inner area.
    int outside = 0;
    for (const Point& p : ink) outside += p.x < box.left || p.x > box.right || p.y < box.top || p.y > box.bottom;
    EXPECT_EQ(outside, 0) << "ink pixels outside the box x " << box.left << ".." << box.right << ", y " << box.top
                          << ".." << box.bottom;

    // 2. The picture closes the box there: beside the ink, on every bordered
    //    side, the pixel just outside the inner area is a border line.
    int missing = 0;
    std::string first_missing;
    auto expect_border = [&](int x, int y, int in_x, int in_y) {
      if (background(x, y) >= background(in_x, in_y) + kStandsOut) return;
      if (missing++ == 0) first_missing = at(x, y);
    };
    for (int y = span.top; y <= span.bottom; ++y) {
      if (row.border & kLeft) expect_border(box.left - 1, y, box.left, y);
      if (row.border & kRight) expect_border(box.right + 1, y, box.right, y);
    }
    for (int x = span.left; x <= span.right; ++x) {
      if (row.border & kTop) expect_border(x, box.top - 1, x, box.top);
      if (row.border & kBottom) expect_border(x, box.bottom + 1, x, box.bottom);
    }
    EXPECT_EQ(missing, 0) << "no border line around the box, first at " << first_missing;

    // 3. The ink covers only the box's plain fill: nothing under it stands
    //    out from the fill (the median of what lies under the text).
    std::vector<int> under;
    for (const Point& p : ink) under.push_back(background(p.x, p.y));
    std::vector<int> sorted = under;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
    const int fill = sorted[sorted.size() / 2];
    int covered = 0;
    std::string first_covered;
    for (size_t i = 0; i < ink.size(); ++i) {
      if (under[i] <= fill + kStandsOut) continue;
      if (covered++ == 0) first_covered = at(ink[i].x, ink[i].y);
    }
    EXPECT_EQ(covered, 0) << "ink covers something the picture draws, first at " << first_covered;
  }
}

}  // namespace
