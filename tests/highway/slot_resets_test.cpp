// Every way out of a song puts the note slots back to the top itself: the
// slots are read at the first two presents after the way out is taken, before
// any later reset could hide a missing one.
#include "play/play_fixture.h"

#include "highway/judge_state.h"
#include "highway/note_slots.h"
#include "shell/play_input.h"
#include "shell/resources.h"

#include <string>
#include <vector>

namespace {

// The first song's first note (lane 1, threshold 2994) is first drawn in frame
// 61; in frame 80 it is in its note frame 20, at y 200.
constexpr int SONG = 0;
constexpr long LEAVE_FRAME = 80;
constexpr int SONG_END_MS = 170000;

enum class Way { Fail, SongEnd, SkipKey, PauseSelect };

struct ResetCase {
    const char* name;
    Way way;
    // every_slot_at_top() at the first and second present after the way out
    std::vector<bool> at_top;
    bool results;  // the way out goes through the results screen
    bool failed;   // ... or through the fail screen
};

void PrintTo(const ResetCase& c, std::ostream* os) { *os << c.name; }

class SlotResetTest : public PlayTest, public ::testing::WithParamInterface<ResetCase> {};

TEST_P(SlotResetTest, SlotsAreBackAtTheTopAfterTheWayOut)
{
    const ResetCase& c = GetParam();
    choose_song(SONG);

    bool left = false;
    int note_y_when_leaving = -1;
    driver.on_poll = [&, last = 0L]() mutable {
        if (c.way == Way::PauseSelect && !left && frame() == LEAVE_FRAME && BPS == 0) {
            driver.key_down(BUTTON_SELECT);  // at the pause screen's first poll
            left = true;
            return;
        }
        if (frame() == last) return;
        last = frame();
        if (last != LEAVE_FRAME) return;
        note_y_when_leaving = dst_Nota1[0].y;
        switch (c.way) {
        case Way::Fail: Balanca = -6; break;              // as six misses leave it
        case Way::SongEnd: msec = SONG_END_MS; break;  // the clock reaches the end time
        case Way::SkipKey: driver.key_down(SKIP_KEY); break;
        case Way::PauseSelect: driver.key_down(BUTTON_START); return;
        }
        left = true;
    };
    std::vector<bool> at_top;
    driver.on_flip = [&](SDL_Surface*) {
        if (left && at_top.size() < 2) at_top.push_back(every_slot_at_top());
    };
    driver.stop_when = [&] { return at_top.size() == 2; };

    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(note_y_when_leaving, 200) << "a note is in flight when the song is left";
    EXPECT_EQ(at_top, c.at_top);
    EXPECT_EQ(driver.count_effect(snd_win), c.results ? 1 : 0);
    EXPECT_EQ(driver.count_effect(snd_lose), c.failed ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    WaysOut, SlotResetTest,
    ::testing::Values(
        // Reset after the fail picture is drawn, before it is presented.
        ResetCase{"Fail", Way::Fail, {true, true}, false, true},
        // Reset after the win picture is presented, before the results picture.
        ResetCase{"SongEnd", Way::SongEnd, {false, true}, true, false},
        // The skip key resets before the results screen starts.
        ResetCase{"SkipKey", Way::SkipKey, {true, true}, true, false},
        // SELECT on the pause screen resets before the main menu shows.
        ResetCase{"PauseSelect", Way::PauseSelect, {true, true}, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
