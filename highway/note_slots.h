// The note slots: one screen rectangle per chart note, in five fixed pools,
// one per lane. The chart step draws and moves them; the judges read them.
#pragma once

#include <SDL/SDL.h>

#include <array>

constexpr int LANE_COUNT = 5;

// Screen x of lanes 1..5; note slots, fret targets and flames of a lane share it.
constexpr int LANE_X[LANE_COUNT] = {80, 110, 145, 177, 210};

// Slots per lane, lanes 1..5 (1047 in all).
constexpr int POOL_SIZE_1 = 311;
constexpr int POOL_SIZE_2 = 260;
constexpr int POOL_SIZE_3 = 250;
constexpr int POOL_SIZE_4 = 126;
constexpr int POOL_SIZE_5 = 100;

// Slot i of lane L is dst_NotaL[i]. Each starts as (lane x, 0, 0, 0). Only the
// chart step moves y; only its blit writes w and h.
extern std::array<SDL_Rect, POOL_SIZE_1> dst_Nota1;
extern std::array<SDL_Rect, POOL_SIZE_2> dst_Nota2;
extern std::array<SDL_Rect, POOL_SIZE_3> dst_Nota3;
extern std::array<SDL_Rect, POOL_SIZE_4> dst_Nota4;
extern std::array<SDL_Rect, POOL_SIZE_5> dst_Nota5;

// Played marks beside the slots: set by a press judge's hit on every slot of
// its lane that overlaps the fret target, so the frame judge does not count a
// played note as a miss when it reaches the miss line.
extern std::array<bool, POOL_SIZE_1> played_Nota1;
extern std::array<bool, POOL_SIZE_2> played_Nota2;
extern std::array<bool, POOL_SIZE_3> played_Nota3;
extern std::array<bool, POOL_SIZE_4> played_Nota4;
extern std::array<bool, POOL_SIZE_5> played_Nota5;

// A passed note is moved to this y after its last visible draw; parar_notas
// puts it back to MISS_LINE_Y at the top of the next frame.
constexpr Sint16 PARKED_Y = 250;
// The bottom edge of the screen: a slot here in a judge's eyes is a passing note.
constexpr Sint16 MISS_LINE_Y = 240;

// Puts every slot back to the top (y 0) and clears every played mark; x, w
// and h are kept. Called on every way out of a song.
void zerar_notas();

// Parks passed notes: every slot at y 250 goes back to 240, before this
// frame's chart step moves it to 250 again. Called first in every play frame.
void parar_notas();
