// Every figure of the five song charts, computed from the csv files: notes and
// slots per lane, gaps, chords, the appended runs, the first and last notes,
// the rhythm, the breaks and the rate by 30 s sections.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "chart_figures.h"

using chart_figures::Note;

namespace {

struct LaneFigures {
    int notes;
    int highest_slot;
    std::vector<int> skipped;
    int smallest_gap;
};

// Notes numbered after the rest of their lane although they come earlier.
struct AppendedRun {
    int lane;
    std::vector<int> slots;
    std::vector<int> thresholds;
    Note stands_after;                 // the lane's last note before the run in slot order
    std::vector<std::string> chord_at; // the chord each appended note stands in ("" none)
};

struct SongFigures {
    const char* name;
    int end_time;
    int notes, distinct, chords, first, last, end_minus_last;
    LaneFigures lanes[4];
    std::map<std::string, int> chords_by_lanes;
    std::vector<AppendedRun> appended;
    int closest;
    std::vector<std::pair<int, int>> pauses;
    std::vector<int> section_tenths;
    std::vector<Note> first_rows, last_rows;
};

std::vector<int> range(int from, int to) {
    std::vector<int> v;
    for (int i = from; i <= to; ++i) v.push_back(i);
    return v;
}

std::vector<int> concat(std::vector<std::vector<int>> parts) {
    std::vector<int> v;
    for (auto& p : parts) v.insert(v.end(), p.begin(), p.end());
    return v;
}

const std::vector<std::pair<int, int>> kFwtbtPauses = {};  // checked by its own rule below

const SongFigures kSongs[] = {
    {"paranoid", 170000, 416, 394, 21, 2994, 167100, 2900,
     {{95, 94, {}, 360}, {224, 224, {202}, 178}, {74, 73, {}, 184}, {23, 22, {}, 365}},
     {{"1-2", 7}, {"2-3", 14}},
     {{2, {224}, {138412}, {2, 167100, 223}, {"2-3"}}},
     146, {}, {23, 20, 26, 28, 25, 16},
     {{1, 2994, 0}, {1, 3555, 1}, {1, 4117, 2}, {2, 4491, 0}, {3, 4849, 0}},
     {{1, 166550, 94}, {2, 166550, 222}, {2, 167100, 223}, {3, 167100, 73}}},
    {"highwaytohell", 211000, 613, 379, 234, 2790, 208820, 2180,
     {{134, 133, {}, 256}, {191, 190, {}, 254}, {177, 176, {}, 254}, {111, 110, {}, 171}},
     {{"1-2", 100}, {"2-3", 70}, {"3-4", 64}},
     {},
     129, {{70017, 73751}, {186345, 189836}, {204444, 208820}}, {32, 36, 35, 37, 27, 19, 19, 0},
     {{3, 2790, 0}, {4, 2790, 0}, {3, 3061, 1}, {4, 3061, 1}, {3, 3331, 2}, {4, 3331, 2}},
     {{4, 203587, 108}, {4, 204444, 109}, {3, 208820, 176}, {4, 208820, 110}}},
    {"aceofspades", 188000, 478, 411, 67, 8054, 185022, 2978,
     {{139, 148, {18, 21, 41, 44, 72, 73, 74, 75, 117, 120}, 105},
      {124, 123, {}, 212}, {142, 141, {}, 106}, {73, 72, {}, 318}},
     {{"1-2", 17}, {"1-3", 2}, {"2-3", 31}, {"3-4", 17}},
     {{2, range(113, 123),
       {29228, 30146, 37003, 60993, 67949, 86717, 87148, 87580, 88011, 136115, 143009},
       {2, 178883, 112},
       {"", "2-3", "2-3", "2-3", "2-3", "2-3", "2-3", "2-3", "2-3", "2-3", "2-3"}}},
     104,
     {{16584, 19976}, {47375, 50804}, {83282, 86717}, {91871, 95275}, {122362, 125817}, {180573, 185022}},
     {20, 26, 31, 31, 26, 23, 1},
     {{3, 8054, 0}, {1, 9782, 0}, {1, 9994, 1}, {1, 10207, 2}, {1, 10314, 3}},
     {{2, 178566, 111}, {2, 178883, 112}, {1, 180573, 148}, {3, 185022, 141}}},
    {"runtothehills", 238000, 343, 288, 54, 11833, 231716, 6284,
     {{48, 47, {}, 372},
      {100, 108, {2, 3, 7, 8, 11, 12, 16, 17, 36}, 339},
      {132, 131, {}, 259},
      {63, 121, concat({range(15, 27), range(29, 41), {47}, range(50, 63), range(65, 77), {83, 86, 114, 117, 120}}),
       323}},
     {{"1-2", 16}, {"2-3", 19}, {"3-4", 18}, {"1-2-3", 1}},
     {{2, {107, 108}, {220215, 221409}, {2, 231716, 106}, {"1-2", "2-3"}},
      {3, range(124, 131), {81064, 92073, 120767, 131817, 185784, 196803, 207857, 221409}, {3, 231716, 123},
       {"3-4", "3-4", "3-4", "3-4", "3-4", "3-4", "3-4", "2-3"}}},
     1, {{51310, 56162}, {221409, 231716}}, {9, 15, 16, 18, 18, 20, 13, 5},
     {{4, 11833, 0}, {4, 12193, 1}, {3, 12503, 0}, {3, 13818, 1}, {3, 14199, 2}},
     {{2, 221409, 108}, {3, 221409, 131}, {2, 231716, 106}, {3, 231716, 123}}},
    {"forwhomthebellstolls", 309000, 859, 634, 224, 7311, 304186, 4814,
     {{303, 302, {}, 187}, {260, 259, {}, 187}, {206, 205, {}, 187}, {90, 89, {}, 187}},
     {{"1-2", 85}, {"2-3", 74}, {"3-4", 64}, {"1-2-3", 1}},
     {},
     187, kFwtbtPauses, {18, 21, 35, 41, 18, 36, 27, 21, 37, 28, 5},
     {{1, 7311, 0}, {2, 7311, 0}, {1, 7499, 1}, {2, 7499, 1}, {2, 7811, 2}, {3, 7811, 0}},
     {{3, 303499, 205}, {4, 303499, 89}, {1, 304186, 302}, {2, 304186, 259}}},
};

void PrintTo(const SongFigures& song, std::ostream* os) { *os << song.name; }

class ChartSong : public ::testing::TestWithParam<SongFigures> {
protected:
    const SongFigures& want = GetParam();
    std::vector<Note> notes = chart_figures::read_chart(want.name);
    std::vector<Note> in_time = chart_figures::by_time(notes);
};

TEST_P(ChartSong, NoteCountsAndRange) {
    ASSERT_EQ(static_cast<int>(notes.size()), want.notes);
    EXPECT_EQ(static_cast<int>(chart_figures::distinct_thresholds(notes).size()), want.distinct);
    EXPECT_EQ(in_time.front().threshold, want.first);
    EXPECT_EQ(in_time.back().threshold, want.last);
    EXPECT_EQ(want.end_time - in_time.back().threshold, want.end_minus_last);
    // Every threshold lies at least 2180 ms before the song ends: with 50 ms
    // frames a note reaches the miss line at most 1200 ms after its threshold.
    for (const Note& n : notes) {
        EXPECT_GE(want.end_time - n.threshold, 2180) << "lane " << n.lane << " slot " << n.slot;
    }
    EXPECT_TRUE(chart_figures::lane_notes(notes, 5).empty());
}

TEST_P(ChartSong, SlotsAndGapsPerLane) {
    for (int lane = 1; lane <= 4; ++lane) {
        SCOPED_TRACE("lane " + std::to_string(lane));
        const LaneFigures& w = want.lanes[lane - 1];
        std::vector<Note> ln = chart_figures::lane_notes(notes, lane);
        ASSERT_EQ(static_cast<int>(ln.size()), w.notes);
        EXPECT_EQ(ln.back().slot, w.highest_slot);  // chart order: the last is the highest
        std::vector<bool> used(w.highest_slot + 1, false);
        for (const Note& n : ln) used.at(n.slot) = true;
        std::vector<int> skipped;
        for (int s = 0; s <= w.highest_slot; ++s)
            if (!used[s]) skipped.push_back(s);
        EXPECT_EQ(skipped, w.skipped);
        EXPECT_EQ(chart_figures::smallest_gap(notes, lane), w.smallest_gap);
    }
}

TEST_P(ChartSong, ThresholdsRiseWithTheSlotButForTheAppendedRuns) {
    for (int lane = 1; lane <= 4; ++lane) {
        SCOPED_TRACE("lane " + std::to_string(lane));
        std::vector<Note> ln = chart_figures::lane_notes(notes, lane);
        size_t body = ln.size();
        for (const AppendedRun& run : want.appended) {
            if (run.lane != lane) continue;
            ASSERT_GE(ln.size(), run.slots.size());
            body = ln.size() - run.slots.size();
            std::vector<int> slots, thresholds;
            std::vector<std::string> chords;
            auto chord_map = chart_figures::chords(notes);
            for (size_t i = body; i < ln.size(); ++i) {
                slots.push_back(ln[i].slot);
                thresholds.push_back(ln[i].threshold);
                chords.push_back(chord_map.count(ln[i].threshold) ? chord_map[ln[i].threshold] : "");
            }
            EXPECT_EQ(slots, run.slots);
            EXPECT_EQ(thresholds, run.thresholds);
            EXPECT_EQ(ln[body - 1], run.stands_after);
            EXPECT_EQ(chords, run.chord_at);
            EXPECT_LT(thresholds.back(), ln[body - 1].threshold);  // earlier than the notes before
        }
        for (size_t i = 1; i < ln.size(); ++i) {
            if (i == body) continue;
            EXPECT_LT(ln[i - 1].threshold, ln[i].threshold) << "slot " << ln[i].slot;
        }
    }
}

TEST_P(ChartSong, Chords) {
    auto chords = chart_figures::chords(notes);
    EXPECT_EQ(static_cast<int>(chords.size()), want.chords);
    std::map<std::string, int> by_lanes;
    for (const auto& [t, lanes] : chords) ++by_lanes[lanes];
    EXPECT_EQ(by_lanes, want.chords_by_lanes);
}

TEST_P(ChartSong, FirstAndLastNotesInTime) {
    ASSERT_GE(in_time.size(), want.first_rows.size() + want.last_rows.size());
    std::vector<Note> first(in_time.begin(), in_time.begin() + want.first_rows.size());
    std::vector<Note> last(in_time.end() - want.last_rows.size(), in_time.end());
    EXPECT_EQ(first, want.first_rows);
    EXPECT_EQ(last, want.last_rows);
}

TEST_P(ChartSong, ClosestNotesAndPauses) {
    std::vector<int> ts = chart_figures::distinct_thresholds(notes);
    std::vector<int> sp = chart_figures::spacings(notes);
    ASSERT_FALSE(sp.empty());
    EXPECT_EQ(*std::min_element(sp.begin(), sp.end()), want.closest);
    if (std::string(want.name) == "forwhomthebellstolls") return;  // its own rule below
    std::vector<std::pair<int, int>> pauses;
    for (size_t i = 1; i < ts.size(); ++i)
        if (ts[i] - ts[i - 1] >= 3000) pauses.emplace_back(ts[i - 1], ts[i]);
    EXPECT_EQ(pauses, want.pauses);
}

TEST_P(ChartSong, NotesPerSecondBySections) {
    EXPECT_EQ(chart_figures::section_tenths(notes, want.end_time), want.section_tenths);
}

TEST_P(ChartSong, NoCloseNotesInALaneButTheGallopPickups) {
    if (std::string(want.name) == "aceofspades") return;  // its own test below
    for (int lane = 1; lane <= 4; ++lane)
        for (auto [a, b] : chart_figures::lane_steps(notes, lane))
            EXPECT_GE(b - a, 150) << "lane " << lane << " at " << a;
}

INSTANTIATE_TEST_SUITE_P(Songs, ChartSong, ::testing::ValuesIn(kSongs),
                         [](const auto& info) { return std::string(info.param.name); });

// The rhythm words of each song, as counts and rankings of the spacings
// between successive distinct thresholds: the most common spacing window,
// the second (if the song names one), and then any other window as wide.
struct SpacingRanking {
    const char* name;
    std::pair<int, int> first, second;  // second {0, 0}: not named
    int first_count, spacings;          // -1: not given exactly
};

const SpacingRanking kRankings[] = {
    {"paranoid", {365, 371}, {0, 0}, 215, 393},
    {"highwaytohell", {256, 261}, {512, 517}, -1, 378},
    {"aceofspades", {318, 322}, {211, 214}, -1, 410},
};

TEST(ChartRhythm, MostCommonSpacingsRankFirst) {
    for (const SpacingRanking& r : kRankings) {
        SCOPED_TRACE(r.name);
        std::vector<int> sp = chart_figures::spacings(chart_figures::read_chart(r.name));
        EXPECT_EQ(static_cast<int>(sp.size()), r.spacings);
        std::vector<std::pair<int, int>> named = {r.first};
        int first = chart_figures::count_in(sp, r.first.first, r.first.second);
        int next = first;
        if (r.first_count >= 0) {
            EXPECT_EQ(first, r.first_count);
        }
        if (r.second.first > 0) {
            named.push_back(r.second);
            next = chart_figures::count_in(sp, r.second.first, r.second.second);
            EXPECT_GT(first, next);
        }
        EXPECT_GT(next, chart_figures::best_other_window(sp, r.first.second - r.first.first, named));
    }
}

TEST(ChartRhythm, RunToTheHillsSpreadWithoutAPeak) {
    std::vector<Note> notes = chart_figures::read_chart("runtothehills");
    std::vector<int> sp = chart_figures::spacings(notes);
    ASSERT_EQ(sp.size(), 287u);
    EXPECT_EQ(chart_figures::count_in(sp, 300, 370), 129);
    std::map<int, int> times;
    for (int s : sp) ++times[s];
    for (auto [value, n] : times) EXPECT_LT(n * 20, 287) << value << " ms is a clear peak";
    // The flam: a lane 1 and a lane 2 note 1 ms apart.
    bool l1 = false, l2 = false;
    for (const Note& n : notes) {
        l1 |= n.lane == 1 && n.threshold == 132507;
        l2 |= n.lane == 2 && n.threshold == 132508;
    }
    EXPECT_TRUE(l1 && l2);
}

TEST(ChartRhythm, ForWhomTheBellsTollsOnAGridOfSixteenStepsASecond) {
    std::vector<Note> notes = chart_figures::read_chart("forwhomthebellstolls");
    for (const Note& n : notes) {
        double k = std::round((n.threshold - 61) / 62.5);
        EXPECT_LE(std::abs(n.threshold - (61 + 62.5 * k)), 1.0) << n.threshold;
    }
    std::vector<int> sp = chart_figures::spacings(notes);
    std::map<int, int> steps;  // spacings by whole grid steps
    for (int s : sp) ++steps[static_cast<int>(std::lround(s / 62.5))];
    EXPECT_EQ(chart_figures::count_in(sp, 250, 250), 258);
    EXPECT_EQ(steps[4], 258);
    // Then 187 or 188, 375, 312 and 500 ms, in this order, and every other step count less.
    EXPECT_GT(steps[4], steps[3]);
    EXPECT_GT(steps[3], steps[6]);
    EXPECT_GT(steps[6], steps[5]);
    EXPECT_GT(steps[5], steps[8]);
    for (auto [k, n] : steps) {
        if (k == 3 || k == 4 || k == 5 || k == 6 || k == 8) continue;
        EXPECT_LT(n, steps[8]) << k << " steps";
    }
    EXPECT_EQ(chart_figures::count_in(sp, 187, 188), steps[3]);

    std::vector<int> ts = chart_figures::distinct_thresholds(notes);
    std::vector<std::pair<int, int>> pauses;
    for (size_t i = 1; i < ts.size(); ++i)
        if (ts[i] - ts[i - 1] >= 3000) pauses.emplace_back(ts[i - 1], ts[i]);
    ASSERT_EQ(pauses.size(), 13u);
    EXPECT_EQ(pauses.front(), std::make_pair(40936, 43999));
    int shortest = 1 << 30, longest = 0;
    for (auto [a, b] : pauses) {
        shortest = std::min(shortest, b - a);
        longest = std::max(longest, b - a);
    }
    EXPECT_EQ(shortest, 3062);
    EXPECT_EQ(longest, 4375);
}

// Two lane 2 notes of paranoid share a threshold (and a lane 3 note): they fall as one.
TEST(ChartSpecial, ParanoidCoincidingLaneTwoNotes) {
    std::vector<Note> notes = chart_figures::read_chart("paranoid");
    std::map<std::pair<int, int>, std::vector<int>> slots;
    for (const Note& n : notes) slots[{n.lane, n.threshold}].push_back(n.slot);
    std::vector<std::pair<int, int>> shared;
    for (const auto& [key, s] : slots)
        if (s.size() > 1) shared.push_back(key);
    EXPECT_EQ(shared, (std::vector<std::pair<int, int>>{{2, 138412}}));
    EXPECT_EQ(slots[std::make_pair(2, 138412)], (std::vector<int>{178, 224}));
    EXPECT_EQ(slots[std::make_pair(3, 138412)].size(), 1u);
}

TEST(ChartSpecial, ThreeLaneChords) {
    for (auto [name, t] : {std::make_pair("runtothehills", 192629), std::make_pair("forwhomthebellstolls", 231249)}) {
        auto chords = chart_figures::chords(chart_figures::read_chart(name));
        std::vector<int> triads;
        for (const auto& [at, lanes] : chords)
            if (lanes == "1-2-3") triads.push_back(at);
        EXPECT_EQ(triads, std::vector<int>{t}) << name;
    }
}

// aceofspades alone has notes of one lane less than 150 ms apart: the lane 1
// pickups in five groups, one pair a bar, and two lane 3 runs.
TEST(ChartSpecial, AceOfSpadesClosePairs) {
    std::vector<Note> notes = chart_figures::read_chart("aceofspades");
    std::map<int, std::vector<std::pair<int, int>>> close;
    for (int lane = 1; lane <= 4; ++lane)
        for (auto [a, b] : chart_figures::lane_steps(notes, lane))
            if (b - a < 150) close[lane].emplace_back(a, b);
    const auto& l1 = close[1];
    ASSERT_EQ(l1.size(), 23u);
    EXPECT_EQ(l1.front(), std::make_pair(10207, 10314));
    std::vector<int> group_sizes{1};
    for (size_t i = 0; i < l1.size(); ++i) {
        EXPECT_GE(l1[i].second - l1[i].first, 105);
        EXPECT_LE(l1[i].second - l1[i].first, 109);
        if (i == 0) continue;
        int apart = l1[i].first - l1[i - 1].first;
        if (apart < 2500) {
            EXPECT_NEAR(apart, 1700, 100) << "pairs at " << l1[i - 1].first << " and " << l1[i].first;
            ++group_sizes.back();
        } else {
            group_sizes.push_back(1);
        }
    }
    ASSERT_EQ(group_sizes.size(), 5u);
    for (int n : group_sizes) {
        EXPECT_GE(n, 4);
        EXPECT_LE(n, 6);
    }
    EXPECT_EQ(close[3], (std::vector<std::pair<int, int>>{
                            {105617, 105723}, {105723, 105829}, {106465, 106571}, {106571, 106677}}));
    EXPECT_TRUE(close[2].empty());
    EXPECT_TRUE(close[4].empty());
}

}  // namespace
