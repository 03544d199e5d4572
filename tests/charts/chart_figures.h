// Reads a chart csv of the repository and computes the figures that the chart
// tests compare: spacings, chords, per-lane gaps, rates by 30 s sections.
#pragma once

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace chart_figures {

struct Note {
    int lane;
    int threshold;
    int slot;
    bool operator==(const Note& o) const {
        return lane == o.lane && threshold == o.threshold && slot == o.slot;
    }
};

inline const int kPoolSize[6] = {0, 311, 260, 250, 126, 100};

// The notes of charts/<name>.csv in file order; empty when the file is missing
// or a line is malformed (so the tests fail on the count, not on a crash).
inline std::vector<Note> read_chart(const std::string& name) {
    std::ifstream in(std::string(QUORL_SOURCE_DIR) + "/charts/" + name + ".csv");
    std::vector<Note> notes;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        Note n{};
        char c1 = 0, c2 = 0;
        if (!(fields >> n.lane >> c1 >> n.threshold >> c2 >> n.slot) || c1 != ',' || c2 != ',') return {};
        notes.push_back(n);
    }
    return notes;
}

// The value of a "# key: value" comment line, or "" when there is none.
inline std::string comment_value(const std::string& name, const std::string& key) {
    std::ifstream in(std::string(QUORL_SOURCE_DIR) + "/charts/" + name + ".csv");
    std::string line, prefix = "# " + key + ":";
    while (std::getline(in, line))
        if (line.compare(0, prefix.size(), prefix) == 0) return line.substr(prefix.size() + 1);
    return "";
}

inline std::vector<Note> by_time(std::vector<Note> notes) {
    std::sort(notes.begin(), notes.end(), [](const Note& a, const Note& b) {
        if (a.threshold != b.threshold) return a.threshold < b.threshold;
        if (a.lane != b.lane) return a.lane < b.lane;
        return a.slot < b.slot;
    });
    return notes;
}

inline std::vector<int> distinct_thresholds(const std::vector<Note>& notes) {
    std::set<int> ts;
    for (const Note& n : notes) ts.insert(n.threshold);
    return {ts.begin(), ts.end()};
}

// Differences between successive distinct thresholds, all lanes together.
inline std::vector<int> spacings(const std::vector<Note>& notes) {
    std::vector<int> ts = distinct_thresholds(notes), out;
    for (size_t i = 1; i < ts.size(); ++i) out.push_back(ts[i] - ts[i - 1]);
    return out;
}

// Chords: threshold -> the lanes (two or more) that have a note there, as "1-2".
inline std::map<int, std::string> chords(const std::vector<Note>& notes) {
    std::map<int, std::set<int>> lanes_at;
    for (const Note& n : notes) lanes_at[n.threshold].insert(n.lane);
    std::map<int, std::string> out;
    for (const auto& [t, lanes] : lanes_at) {
        if (lanes.size() < 2) continue;
        std::string key;
        for (int l : lanes) key += (key.empty() ? "" : "-") + std::to_string(l);
        out[t] = key;
    }
    return out;
}

inline std::vector<Note> lane_notes(const std::vector<Note>& notes, int lane) {
    std::vector<Note> out;
    for (const Note& n : notes)
        if (n.lane == lane) out.push_back(n);
    return out;
}

// Successive notes of one lane in time order, as (earlier, later) thresholds,
// leaving out notes that share a threshold.
inline std::vector<std::pair<int, int>> lane_steps(const std::vector<Note>& notes, int lane) {
    std::vector<int> ts;
    for (const Note& n : notes)
        if (n.lane == lane) ts.push_back(n.threshold);
    std::sort(ts.begin(), ts.end());
    std::vector<std::pair<int, int>> out;
    for (size_t i = 1; i < ts.size(); ++i)
        if (ts[i] != ts[i - 1]) out.emplace_back(ts[i - 1], ts[i]);
    return out;
}

inline int smallest_gap(const std::vector<Note>& notes, int lane) {
    int best = -1;
    for (auto [a, b] : lane_steps(notes, lane))
        if (best < 0 || b - a < best) best = b - a;
    return best;
}

// Notes per second of each 30 s section, in tenths, rounded as a one-decimal figure.
inline std::vector<int> section_tenths(const std::vector<Note>& notes, int end_time) {
    int sections = (end_time + 29999) / 30000;
    std::vector<int> count(sections, 0), out;
    for (const Note& n : notes)
        if (n.threshold / 30000 < sections) ++count[n.threshold / 30000];
    for (int c : count) out.push_back((c * 10 + 15) / 30);  // c / 30 in tenths; never a tie
    return out;
}

inline int count_in(const std::vector<int>& values, int lo, int hi) {
    return static_cast<int>(std::count_if(values.begin(), values.end(),
                                          [&](int v) { return lo <= v && v <= hi; }));
}

// The largest count of values in any window [v, v + width] that overlaps none
// of the excluded ranges.
inline int best_other_window(const std::vector<int>& values, int width,
                             const std::vector<std::pair<int, int>>& excluded) {
    int best = 0;
    for (int v : std::set<int>(values.begin(), values.end())) {
        bool overlaps = false;
        for (auto [lo, hi] : excluded) overlaps |= !(v + width < lo || v > hi);
        if (!overlaps) best = std::max(best, count_in(values, v, v + width));
    }
    return best;
}

}  // namespace chart_figures
