// The chart format of all six charts (order, slots, lanes, thresholds), the
// compiled tables against their csv files, and the tutorial chart note for note.
#include <gtest/gtest.h>

#include <iterator>
#include <vector>

#include "chart_figures.h"
#include "charts/chart_data.h"

using chart_figures::Note;

namespace {

struct ChartCase {
    const char* name;
    const Chart* table;
    int end_time;   // song end time: every threshold lies below it
    int max_lane;   // the tutorial alone uses lane 5
};

const ChartCase kCharts[] = {
    {"tutorial", &chart_tutorial, 146000, 5},
    {"paranoid", &chart_paranoid, 170000, 4},
    {"highwaytohell", &chart_highwaytohell, 211000, 4},
    {"aceofspades", &chart_aceofspades, 188000, 4},
    {"runtothehills", &chart_runtothehills, 238000, 4},
    {"forwhomthebellstolls", &chart_forwhomthebellstolls, 309000, 4},
};

void PrintTo(const ChartCase& chart, std::ostream* os) { *os << chart.name; }

class ChartFormat : public ::testing::TestWithParam<ChartCase> {
protected:
    std::vector<Note> notes = chart_figures::read_chart(GetParam().name);
};

TEST_P(ChartFormat, NotesAreInChartOrderWithOneSlotEach) {
    ASSERT_FALSE(notes.empty());
    for (size_t i = 1; i < notes.size(); ++i) {
        const Note& a = notes[i - 1];
        const Note& b = notes[i];
        // Lane by lane, each by ascending slot: this also rules out a shared slot.
        EXPECT_TRUE(a.lane < b.lane || (a.lane == b.lane && a.slot < b.slot))
            << "note " << i << ": lane " << b.lane << " slot " << b.slot;
    }
}

TEST_P(ChartFormat, LanesSlotsAndThresholdsLieInRange) {
    for (const Note& n : notes) {
        EXPECT_GE(n.lane, 1);
        EXPECT_LE(n.lane, GetParam().max_lane);
        if (n.lane < 1 || n.lane > 5) continue;
        EXPECT_GE(n.slot, 0);
        EXPECT_LT(n.slot, chart_figures::kPoolSize[n.lane]) << "lane " << n.lane;
        EXPECT_GT(n.threshold, 0);
        EXPECT_LT(n.threshold, GetParam().end_time);
    }
}

TEST_P(ChartFormat, CompiledTableHoldsTheCsvNotes) {
    const Chart& table = *GetParam().table;
    ASSERT_EQ(table.count, static_cast<int>(notes.size()));
    for (int i = 0; i < table.count; ++i) {
        const ChartNote& c = table.notes[i];
        EXPECT_EQ((Note{c.lane, c.threshold, c.slot}), notes[i]) << "note " << i;
    }
}

TEST_P(ChartFormat, NamesItsTempoForTheBackingGroove) {
    std::string bpm = chart_figures::comment_value(GetParam().name, "bpm");
    ASSERT_FALSE(bpm.empty());
    double value = std::stod(bpm);
    EXPECT_GE(value, 60);
    EXPECT_LE(value, 250);
}

INSTANTIATE_TEST_SUITE_P(AllCharts, ChartFormat, ::testing::ValuesIn(kCharts),
                         [](const auto& info) { return std::string(info.param.name); });

// The tutorial, as listed: per lane, the chords, and its three sections.
class ChartTutorial : public ::testing::Test {
protected:
    std::vector<Note> notes = chart_figures::read_chart("tutorial");
    std::vector<Note> in_time = chart_figures::by_time(notes);

    std::vector<Note> between(int from, int to) const {
        std::vector<Note> out;
        for (const Note& n : in_time)
            if (n.threshold >= from && n.threshold <= to) out.push_back(n);
        return out;
    }
};

TEST_F(ChartTutorial, LanesHoldTheirNotesFromSlotZeroRisingInTime) {
    struct Lane { int lane, notes, first, last, smallest_gap; };
    const Lane kLanes[] = {
        {1, 13, 63499, 143374, 125}, {2, 13, 81999, 113187, 125}, {3, 16, 84999, 144124, 188},
        {4, 11, 81999, 113374, 125}, {5, 10, 98999, 144124, 188},
    };
    ASSERT_EQ(notes.size(), 63u);
    for (const Lane& want : kLanes) {
        SCOPED_TRACE("lane " + std::to_string(want.lane));
        std::vector<Note> lane = chart_figures::lane_notes(notes, want.lane);
        ASSERT_EQ(static_cast<int>(lane.size()), want.notes);
        for (int i = 0; i < want.notes; ++i) {
            EXPECT_EQ(lane[i].slot, i);
            if (i > 0) {
                EXPECT_GT(lane[i].threshold, lane[i - 1].threshold);
            }
        }
        EXPECT_EQ(lane.front().threshold, want.first);
        EXPECT_EQ(lane.back().threshold, want.last);
        EXPECT_EQ(chart_figures::smallest_gap(notes, want.lane), want.smallest_gap);
    }
}

TEST_F(ChartTutorial, HasFourChordsOfTwoNotes) {
    std::map<int, std::string> want = {
        {81999, "2-4"}, {84999, "1-3"}, {143374, "1-3"}, {144124, "3-5"}};
    EXPECT_EQ(chart_figures::chords(notes), want);
    EXPECT_EQ(chart_figures::distinct_thresholds(notes).size(), 63u - 4u);
}

TEST_F(ChartTutorial, FirstSectionWalksAcrossTheLanesOnceASecond) {
    std::vector<Note> first = between(63499, 102999);
    ASSERT_EQ(first.size(), 19u);
    EXPECT_EQ(first.front(), (Note{1, 63499, 0}));  // falls alone in lane 1
    std::vector<int> opening;
    for (int i = 0; i < 8; ++i) opening.push_back(first[i].threshold);
    EXPECT_EQ(opening, (std::vector<int>{63499, 71999, 75999, 81999, 81999, 84999, 84999, 91999}));
    std::vector<int> walk_lanes;
    for (size_t i = 8; i < first.size(); ++i) {
        EXPECT_EQ(first[i].threshold, 92999 + 1000 * static_cast<int>(i - 8));
        walk_lanes.push_back(first[i].lane);
    }
    EXPECT_EQ(walk_lanes, (std::vector<int>{2, 1, 2, 3, 2, 1, 5, 4, 3, 2, 1}));
}

TEST_F(ChartTutorial, SecondSectionIsARunOfSixteenNotesASecond) {
    std::vector<Note> run = between(110999, 113437);
    ASSERT_EQ(run.size(), 40u);
    const std::vector<int> kLanes = {5, 4, 3, 2, 1, 2, 3, 4, 5, 4, 3, 5, 4, 3, 2, 1, 2, 3, 4, 5,
                                     2, 3, 4, 5, 1, 2, 3, 4, 5, 4, 3, 2, 1, 5, 1, 2, 3, 5, 4, 3};
    std::vector<int> lanes;
    for (size_t i = 0; i < run.size(); ++i) {
        lanes.push_back(run[i].lane);
        if (i == 0) continue;
        int step = run[i].threshold - run[i - 1].threshold;
        if (run[i - 1].threshold == 111126) {
            EXPECT_EQ(step, 61);
        } else if (run[i].threshold == 111126) {
            EXPECT_EQ(step, 64);
        } else {
            EXPECT_TRUE(step == 62 || step == 63) << "before " << run[i].threshold << ": " << step;
        }
        EXPECT_NE(run[i].lane, run[i - 1].lane);
    }
    EXPECT_EQ(lanes, kLanes);
}

TEST_F(ChartTutorial, EndsWithTwoChordsInTimeForTheMissLine) {
    std::vector<Note> last = between(113438, 146000);
    EXPECT_EQ(last, (std::vector<Note>{{1, 143374, 12}, {3, 143374, 14}, {3, 144124, 15}, {5, 144124, 9}}));
    // Every note is first drawn at most 50 ms after its threshold and is at the
    // miss line 1150 ms later, before the tutorial ends at 146000.
    for (const Note& n : notes) {
        EXPECT_LT(n.threshold + 50 + 1150, 146000) << "lane " << n.lane << " slot " << n.slot;
    }
}

// The built tutorial table, note for note in chart order: lane, threshold, slot.
TEST(TutorialTable, HoldsEveryNoteAsListed) {
    const Note kNotes[] = {
        {1, 63499, 0}, {1, 71999, 1}, {1, 75999, 2}, {1, 84999, 3}, {1, 93999, 4}, {1, 97999, 5},
        {1, 102999, 6}, {1, 111249, 7}, {1, 111937, 8}, {1, 112499, 9}, {1, 112999, 10}, {1, 113124, 11},
        {1, 143374, 12},
        {2, 81999, 0}, {2, 92999, 1}, {2, 94999, 2}, {2, 96999, 3}, {2, 101999, 4}, {2, 111187, 5},
        {2, 111312, 6}, {2, 111874, 7}, {2, 111999, 8}, {2, 112249, 9}, {2, 112562, 10}, {2, 112937, 11},
        {2, 113187, 12},
        {3, 84999, 0}, {3, 91999, 1}, {3, 95999, 2}, {3, 100999, 3}, {3, 111126, 4}, {3, 111374, 5},
        {3, 111624, 6}, {3, 111812, 7}, {3, 112062, 8}, {3, 112312, 9}, {3, 112624, 10}, {3, 112874, 11},
        {3, 113249, 12}, {3, 113437, 13}, {3, 143374, 14}, {3, 144124, 15},
        {4, 81999, 0}, {4, 99999, 1}, {4, 111062, 2}, {4, 111437, 3}, {4, 111562, 4}, {4, 111749, 5},
        {4, 112124, 6}, {4, 112374, 7}, {4, 112687, 8}, {4, 112812, 9}, {4, 113374, 10},
        {5, 98999, 0}, {5, 110999, 1}, {5, 111499, 2}, {5, 111687, 3}, {5, 112187, 4}, {5, 112437, 5},
        {5, 112749, 6}, {5, 113062, 7}, {5, 113312, 8}, {5, 144124, 9},
    };
    std::vector<Note> built;
    for (int i = 0; i < chart_tutorial.count; ++i) {
        const ChartNote& c = chart_tutorial.notes[i];
        built.push_back({c.lane, c.threshold, c.slot});
    }
    ASSERT_EQ(built.size(), std::size(kNotes));
    for (size_t i = 0; i < built.size(); ++i) {
        EXPECT_EQ(built[i], kNotes[i]) << "note " << i + 1 << ": lane " << built[i].lane << ", threshold "
                                       << built[i].threshold << ", slot " << built[i].slot;
    }
}

}  // namespace
