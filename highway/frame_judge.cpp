#include "highway/judge_state.h"
#include "highway/judges.h"
#include "highway/lanes.h"

void frame_judge(int lane_number)
{
    const Lane& lane = lane_data(lane_number);
    if (*lane.hit_flag != 0) return;

    // One miss per lane and frame, however many unplayed notes pass together.
    for (int i = 0; i < lane.pool_size; ++i) {
        if (lane.slots[i].y == MISS_LINE_Y && !lane.played[i]) {
            count_miss();
            return;
        }
    }
}
