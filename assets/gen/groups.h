// The picture groups; each writes its images under the output root.
#pragma once

namespace assetgen {

void draw_menus();     // full-screen menu backgrounds
void draw_hud();       // play-screen and menu sprite sheets
void draw_overlays();  // full-screen keyed overlays: countdown, results, pause
void draw_field();     // necks, backdrops and lane lines
void draw_guitars();   // gallery pictures and descriptions
void draw_intro();     // intro images and the credits roll
void draw_covers();    // song covers (JPEG)

}  // namespace assetgen
