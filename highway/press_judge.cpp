#include "highway/collision.h"
#include "highway/judge_state.h"
#include "highway/judges.h"
#include "highway/lanes.h"

namespace {

// Marks every slot of the lane that overlaps its fret target as played and
// tells whether there was one. A press scores one hit however many there are.
bool mark_notes_at_target(const Lane& lane)
{
    bool hit = false;
    for (int i = 0; i < lane.pool_size; ++i) {
        if (check_collision(lane.slots[i], *lane.fret_target)) {
            lane.played[i] = true;
            hit = true;
        }
    }
    return hit;
}

void count_hit(int lane_number)
{
    const Lane& lane = lane_data(lane_number);
    nSCORE += hit_score(nHITS);
    Balanca += 1;
    tHITS += 1;
    nHit += 1;
    *lane.hit_flag = 1;
    xGOOD = 1;
    hit_flame(lane_number);
    if (nHit != STREAK_SKIPPING_HIT) {
        nHITS += 1;
    }
}

}  // namespace

void press_judge(int lane)
{
    if (mark_notes_at_target(lane_data(lane))) {
        count_hit(lane);
    } else {
        count_miss();
    }
}
