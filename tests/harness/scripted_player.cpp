#include "harness/scripted_player.h"

#include <algorithm>
#include <vector>

namespace player {

namespace {

struct Due {
    int lane;
    long first;  // the note's note frame 1
};

}  // namespace

Plan plan_player(const Chart& chart)
{
    std::vector<Due> notes;
    for (int i = 0; i < chart.count; ++i)
        notes.push_back({chart.notes[i].lane, first_frame(chart.notes[i].threshold)});
    std::stable_sort(notes.begin(), notes.end(),
                     [](const Due& a, const Due& b) { return a.first != b.first ? a.first < b.first : a.lane < b.lane; });
    Plan plan;
    for (const Due& note : notes) {
        bool caught = false;
        for (long f = note.first + 19; f <= note.first + 22; ++f) {
            auto it = plan.find(f);
            caught = caught || (it != plan.end() && it->second.lane == note.lane);
        }
        if (caught) continue;
        for (long press : {note.first + 20, note.first + 21}) {
            if (plan.count(press) || plan.count(press + 1)) continue;
            plan[press] = {note.lane};
            plan[press + 1] = {0};
            break;
        }
    }
    return plan;
}

int presses_of(const Plan& plan)
{
    return static_cast<int>(std::count_if(plan.begin(), plan.end(), [](const auto& key) { return key.second.lane != 0; }));
}

}  // namespace player
