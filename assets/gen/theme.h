// The shared look of the game: palette, lane colours, and the pieces every
// menu picture is built from (backdrop, title, row labels beside the cursor).
#pragma once

#include "canvas.h"

#include <string>
#include <vector>

namespace assetgen {

constexpr int kScreenW = 320;
constexpr int kScreenH = 240;

// Lanes 1..5: screen x of each lane, the note width, and each lane's colour.
constexpr int kLaneX[5] = {80, 110, 145, 177, 210};
constexpr int kNoteW = 31;
constexpr int kNoteH = 23;
extern const Col kLaneColour[5];

// Menu rows: the cursor is a 23 x 16 cell drawn at (5, y) for row k.
constexpr int kRowY[5] = {65, 100, 134, 165, 200};
constexpr int kRailW = 28;  // the cursor rail, repainted by the erase strip

// Palette.
constexpr Col kInk = rgb(12, 10, 24);
constexpr Col kNight = rgb(24, 18, 52);
constexpr Col kPlum = rgb(58, 26, 82);
constexpr Col kGold = rgb(255, 200, 60);
constexpr Col kAmber = rgb(240, 120, 30);
constexpr Col kTeal = rgb(40, 210, 200);
constexpr Col kPaper = rgb(238, 236, 246);
constexpr Col kShadow = rgb(8, 6, 16);

// The menu backdrop: night gradient, stage beams, speaker-grille dots, floor,
// and the cursor rail at the left edge. `accent` tints the beams.
void menu_backdrop(Canvas& c, uint32_t seed, Col accent);
// A screen title centred at the top of the picture.
void menu_title(Canvas& c, const std::string& title, double y = 40, double size = 26);
// Row labels beside the cursor positions, one per row, on a plate each.
// Row 0 of the play menu is a title, drawn as a heading rather than a plate.
void menu_rows(Canvas& c, const std::vector<std::string>& labels, bool first_is_heading = false);
// A dark panel with a light rim, for areas the program writes text into.
void panel(cairo_t* cr, double x, double y, double w, double h, double alpha = 0.75);
// The game's logo lettering.
void logo(Canvas& c, double cx, double baseline, double size);
// Five lane gems in a row, a recurring motif.
void gem(cairo_t* cr, double cx, double cy, double rx, double ry, Col colour);
// Breaks text into lines no wider than width at the given size.
std::vector<std::string> wrap_text(const std::string& text, double size, double width);

}  // namespace assetgen
