#include "highway/collision.h"

bool check_collision(SDL_Rect a, SDL_Rect b)
{
    const int left_a = a.x;
    const int top_a = a.y;
    const int right_a = a.x + static_cast<int>(a.w);
    const int bottom_a = a.y + static_cast<int>(a.h);

    const int left_b = b.x;
    const int top_b = b.y;
    const int right_b = b.x + static_cast<int>(b.w);
    const int bottom_b = b.y + static_cast<int>(b.h);

    if (bottom_a <= top_b) return false;
    if (top_a >= bottom_b) return false;
    if (right_a <= left_b) return false;
    if (left_a >= right_b) return false;
    return true;
}
