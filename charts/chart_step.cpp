#include "charts/chart_step.h"

#include "highway/lanes.h"
#include "shell/image_table.h"
#include "shell/song_state.h"
#include "shell/video.h"

void chart_step(const Chart& chart)
{
    for (int i = 0; i < chart.count; ++i) {
        const ChartNote& note = chart.notes[i];
        if (msec <= note.threshold) continue;

        // The blit stores the note's visible size in the slot (0 by 0 once it
        // has left the screen), which the judges test.
        const Lane& lane = lane_data(note.lane);
        SDL_Rect& slot = lane.slots[note.slot];
        SDL_UpperBlit(my_surfNotas, lane.note_cell, screen, &slot);
        slot.y = static_cast<Sint16>(slot.y + BPS);
    }
}

void tutorial() { chart_step(chart_tutorial); }
void paranoid() { chart_step(chart_paranoid); }
void highwaytohell() { chart_step(chart_highwaytohell); }
void aceofspades() { chart_step(chart_aceofspades); }
void runtothehills() { chart_step(chart_runtothehills); }
void forwhomthebellstolls() { chart_step(chart_forwhomthebellstolls); }
