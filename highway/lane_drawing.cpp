// What the highway draws itself: the hit flames and the pressed frets.
#include "highway/judges.h"
#include "highway/lanes.h"
#include "shell/image_table.h"
#include "shell/platform.h"
#include "shell/video.h"

namespace {

// Sets a magenta colour key on a sheet; a sheet that failed to load is left alone.
void key_magenta(SDL_Surface* sheet)
{
    if (sheet) {
        SDL_SetColorKey(sheet, SDL_SRCCOLORKEY, SDL_MapRGB(sheet->format, 255, 0, 255));
    }
}

}  // namespace

void hit_flame(int lane)
{
    key_magenta(hitflames);
    // Drawn through a copy: the flame positions stay as they are.
    SDL_Rect position = *lane_data(lane).flame_position;
    SDL_UpperBlit(hitflames, &src_hitflames11, screen, &position);
    game_flip(screen);
}

void draw_pressed_fret(int lane)
{
    key_magenta(my_surfFrets);
    SDL_UpperBlit(my_surfFrets, &pressed_fret_cell(lane), screen, &fret_target(lane));
}
