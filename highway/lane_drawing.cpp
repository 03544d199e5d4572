// What the highway draws itself: the hit flames and the pressed frets.
#include "highway/judges.h"
#include "highway/lanes.h"
#include "shell/blit.h"
#include "shell/image_table.h"
#include "shell/platform.h"
#include "shell/video.h"

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
