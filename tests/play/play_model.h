// What a song gives, worked out from its chart and the rules of play alone,
// frame by frame, without the game's code: where each note is in every frame,
// what the player presses, and what the judges, the rock meter, the streak
// bonus and the end tests make of it.
#pragma once

#include "charts/chart_data.h"
#include "harness/scripted_player.h"

#include <vector>

namespace model {

using player::FRAME_MS;
using player::first_frame;
using player::Key;
using player::LANES;
using player::Plan;
using player::plan_player;

// Note frame n of a note (n = 1 in its first frame).
inline long note_frame(long frame, long first) { return frame - first + 1; }
inline bool hittable(long n) { return n >= 20 && n <= 23; }
constexpr long AT_MISS_LINE = 24;

struct Note {
    int lane;
    long first;
    bool played = false;
};

inline std::vector<Note> notes_of(const Chart& chart)
{
    std::vector<Note> notes;
    for (int i = 0; i < chart.count; ++i)
        notes.push_back({chart.notes[i].lane, first_frame(chart.notes[i].threshold)});
    return notes;
}

struct Outcome {
    bool failed = false;
    long end_frame = 0;  // the frame that shows the fail or results screen
    int nSCORE = 0, nHITS = 0, tHITS = 0, nHit = 0, nMISS = 0, Balanca = 0, nSTREAK = 0;
    int miss_sounds = 0, bonus_sounds = 0;
};

class Song {
public:
    Song(const Chart& chart, int end_time) : notes_(notes_of(chart)), end_time_(end_time) {}

    Outcome play(const Plan& plan)
    {
        int previous_clock = 0;  // the end test sees the clock of the frame before
        for (long k = 1;; ++k) {
            if (o_.nHITS > o_.nSTREAK) ++o_.nSTREAK;
            if (miss_shown_) ++o_.miss_sounds;
            if (o_.Balanca > 5) o_.Balanca = 6;
            if (o_.Balanca <= -6) o_.Balanca = -6;
            if (o_.Balanca <= -6 || previous_clock >= end_time_) {
                o_.failed = o_.Balanca <= -6;
                o_.end_frame = k;
                return o_;
            }
            for (int bonus : {5, 10}) {
                if (o_.nHITS == bonus) ++o_.nHITS, ++o_.bonus_sounds;
            }
            previous_clock = FRAME_MS * static_cast<int>(k - 1);

            miss_shown_ = false;
            for (int lane = 1; lane <= LANES; ++lane) judge_passing(k, lane);

            auto key = plan.find(k);
            if (key != plan.end()) take_key(k, key->second);
        }
    }

private:
    void miss()
    {
        miss_shown_ = true;
        o_.Balanca -= 1;
        o_.nHITS = 0;
        o_.nMISS += 1;
    }

    void judge_passing(long k, int lane)
    {
        if (hit_flag_[lane - 1]) return;
        for (const Note& n : notes_)
            if (n.lane == lane && !n.played && note_frame(k, n.first) == AT_MISS_LINE) return miss();
    }

    void judge_press(long k, int lane)
    {
        bool hit = false;
        for (Note& n : notes_) {
            if (n.lane != lane || !hittable(note_frame(k, n.first))) continue;
            n.played = true;
            hit = true;
        }
        if (!hit) return miss();
        o_.nSCORE += o_.nHITS >= 10 ? 30 : o_.nHITS >= 5 ? 20 : 10;
        o_.Balanca += 1;
        o_.tHITS += 1;
        o_.nHit += 1;
        hit_flag_[lane - 1] = true;
        if (o_.nHit != 6) o_.nHITS += 1;  // the song's sixth hit keeps the streak
    }

    void take_key(long k, Key key)
    {
        for (bool& flag : hit_flag_) flag = false;
        if (key.lane == 0) {
            for (bool& h : held_) h = false;
            return;
        }
        held_[key.lane - 1] = true;
        for (int lane = 1; lane <= LANES; ++lane)
            if (held_[lane - 1]) judge_press(k, lane);
        for (int a = 0; a < LANES; ++a)
            for (int b = a + 1; b < LANES; ++b) {
                if (!held_[a] || !held_[b]) continue;
                o_.Balanca += 2;
                if (o_.nHITS != 0) o_.nHITS -= 2, o_.tHITS -= 2;
            }
    }

    std::vector<Note> notes_;
    int end_time_;
    Outcome o_;
    bool held_[LANES] = {};
    bool hit_flag_[LANES] = {};
    bool miss_shown_ = false;
};

}  // namespace model
