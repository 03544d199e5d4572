#include "highway/note_slots.h"

#include "highway/lanes.h"

#include <cstddef>

namespace {

// A pool of slots all at (x, 0, 0, 0), built at compile time so the pools are
// ready before any other static initialisation runs.
template <std::size_t N>
constexpr std::array<SDL_Rect, N> make_pool(int x)
{
    std::array<SDL_Rect, N> pool{};
    for (auto& slot : pool) {
        slot.x = static_cast<Sint16>(x);
    }
    return pool;
}

}  // namespace

std::array<SDL_Rect, POOL_SIZE_1> dst_Nota1 = make_pool<POOL_SIZE_1>(LANE_X[0]);
std::array<SDL_Rect, POOL_SIZE_2> dst_Nota2 = make_pool<POOL_SIZE_2>(LANE_X[1]);
std::array<SDL_Rect, POOL_SIZE_3> dst_Nota3 = make_pool<POOL_SIZE_3>(LANE_X[2]);
std::array<SDL_Rect, POOL_SIZE_4> dst_Nota4 = make_pool<POOL_SIZE_4>(LANE_X[3]);
std::array<SDL_Rect, POOL_SIZE_5> dst_Nota5 = make_pool<POOL_SIZE_5>(LANE_X[4]);

std::array<bool, POOL_SIZE_1> played_Nota1{};
std::array<bool, POOL_SIZE_2> played_Nota2{};
std::array<bool, POOL_SIZE_3> played_Nota3{};
std::array<bool, POOL_SIZE_4> played_Nota4{};
std::array<bool, POOL_SIZE_5> played_Nota5{};

void zerar_notas()
{
    for (const Lane& lane : LANES) {
        for (int i = 0; i < lane.pool_size; ++i) {
            lane.slots[i].y = 0;
            lane.played[i] = false;
        }
    }
}

void parar_notas()
{
    for (const Lane& lane : LANES) {
        for (int i = 0; i < lane.pool_size; ++i) {
            if (lane.slots[i].y == PARKED_Y) {
                lane.slots[i].y = MISS_LINE_Y;
            }
        }
    }
}
