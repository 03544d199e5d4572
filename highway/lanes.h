// Everything that tells the five lanes apart, gathered in one table so that
// each behaviour of the highway is written once and indexed by lane.
#pragma once

#include <SDL/SDL.h>

#include "highway/note_slots.h"

// Fret targets (lane x, 222): the pressed-fret blit writes their size back,
// which the press judges test the lane's slots against.
extern SDL_Rect dst_fret1;
extern SDL_Rect dst_fret2;
extern SDL_Rect dst_fret3;
extern SDL_Rect dst_fret4;
extern SDL_Rect dst_fret5;

// Pressed-fret cells of the frets sheet `my_surfFrets`.
extern SDL_Rect src_fret1;
extern SDL_Rect src_fret2;
extern SDL_Rect src_fret3;
extern SDL_Rect src_fret4;
extern SDL_Rect src_fret5;

// Note cells of the note sheet `my_surfNotas`, 31 by 23 each.
extern SDL_Rect src_Nota1;
extern SDL_Rect src_Nota2;
extern SDL_Rect src_Nota3;
extern SDL_Rect src_Nota4;
extern SDL_Rect src_Nota5;

// Hit flames: the one flame cell of the sheet `hitflames`, and where each
// lane shows it, just above its fret target.
extern SDL_Rect src_hitflames11;
extern SDL_Rect dst_hitflames1;
extern SDL_Rect dst_hitflames2;
extern SDL_Rect dst_hitflames3;
extern SDL_Rect dst_hitflames4;
extern SDL_Rect dst_hitflames5;

constexpr Sint16 FRET_TARGET_Y = 222;
constexpr Sint16 HIT_FLAME_Y = 155;

// One lane's share of the highway.
struct Lane {
    SDL_Rect* slots;      // slot pool
    bool* played;         // played marks, one per slot
    int pool_size;
    SDL_Rect* fret_target;
    SDL_Rect* fret_cell;  // pressed-fret cell on my_surfFrets
    int* hit_flag;        // lane hit flag A..E
    SDL_Rect* flame_position;
    SDL_Rect* note_cell;  // note cell on my_surfNotas
};

// Lanes 1..5 at indices 0..4.
extern const Lane LANES[LANE_COUNT];

// The lane table row of lane 1..5.
inline const Lane& lane_data(int lane) { return LANES[lane - 1]; }

// Lane-indexed access for code that loops over lanes 1..5.
inline SDL_Rect& fret_target(int lane) { return *lane_data(lane).fret_target; }
inline SDL_Rect& pressed_fret_cell(int lane) { return *lane_data(lane).fret_cell; }
inline SDL_Rect& note_cell(int lane) { return *lane_data(lane).note_cell; }
inline SDL_Rect& note_slot(int lane, int slot) { return lane_data(lane).slots[slot]; }
inline bool note_played(int lane, int slot) { return lane_data(lane).played[slot]; }
