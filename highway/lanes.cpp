#include "highway/lanes.h"

#include "highway/judge_state.h"

SDL_Rect dst_fret1 = {LANE_X[0], FRET_TARGET_Y, 0, 0};
SDL_Rect dst_fret2 = {LANE_X[1], FRET_TARGET_Y, 0, 0};
SDL_Rect dst_fret3 = {LANE_X[2], FRET_TARGET_Y, 0, 0};
SDL_Rect dst_fret4 = {LANE_X[3], FRET_TARGET_Y, 0, 0};
SDL_Rect dst_fret5 = {LANE_X[4], FRET_TARGET_Y, 0, 0};

// Drawn at (lane x, 222) these give the targets 31, 33, 35, 35 and 110 (the
// part of lane 5's wide cell left of the screen edge) by 18 pixels.
SDL_Rect src_fret1 = {0, 33, 31, 23};
SDL_Rect src_fret2 = {31, 33, 33, 23};
SDL_Rect src_fret3 = {64, 33, 35, 23};
SDL_Rect src_fret4 = {99, 33, 35, 23};
SDL_Rect src_fret5 = {0, 56, 163, 23};

SDL_Rect src_Nota1 = {0, 0, 31, 23};
SDL_Rect src_Nota2 = {31, 0, 31, 23};
SDL_Rect src_Nota3 = {64, 0, 31, 23};
SDL_Rect src_Nota4 = {97, 0, 31, 23};
SDL_Rect src_Nota5 = {129, 0, 31, 23};

SDL_Rect src_hitflames11 = {320, 0, 32, 64};
SDL_Rect dst_hitflames1 = {LANE_X[0], HIT_FLAME_Y, 0, 0};
SDL_Rect dst_hitflames2 = {LANE_X[1], HIT_FLAME_Y, 0, 0};
SDL_Rect dst_hitflames3 = {LANE_X[2], HIT_FLAME_Y, 0, 0};
SDL_Rect dst_hitflames4 = {LANE_X[3], HIT_FLAME_Y, 0, 0};
SDL_Rect dst_hitflames5 = {LANE_X[4], HIT_FLAME_Y, 0, 0};

// Constant-initialised, so the table is whole before any code runs.
constexpr Lane LANES[LANE_COUNT] = {
    {dst_Nota1.data(), played_Nota1.data(), POOL_SIZE_1, &dst_fret1, &src_fret1, &A, &dst_hitflames1, &src_Nota1},
    {dst_Nota2.data(), played_Nota2.data(), POOL_SIZE_2, &dst_fret2, &src_fret2, &B, &dst_hitflames2, &src_Nota2},
    {dst_Nota3.data(), played_Nota3.data(), POOL_SIZE_3, &dst_fret3, &src_fret3, &C, &dst_hitflames3, &src_Nota3},
    {dst_Nota4.data(), played_Nota4.data(), POOL_SIZE_4, &dst_fret4, &src_fret4, &D, &dst_hitflames4, &src_Nota4},
    {dst_Nota5.data(), played_Nota5.data(), POOL_SIZE_5, &dst_fret5, &src_fret5, &E, &dst_hitflames5, &src_Nota5},
};
