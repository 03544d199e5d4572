// The play frame's picture, pixel for pixel: every layer at its place with
// its cell, colour key and blend, the head-up display's texts, and then the
// pressed fret of each held lane, each shown by a flip of its own.
#include "play/play_fixture.h"
#include "play/play_picture.h"

#include "highway/judge_state.h"
#include "shell/image_table.h"
#include "shell/play_input.h"
#include "shell/settings.h"

#include <memory>
#include <string>
#include <vector>

namespace {

struct PictureCase {
    const char* name;
    int backdrop_setting, neck_setting;  // bg_menu, nk_menu
    long frame;                          // the frame pictured, early in the tutorial (no notes yet)
    // Set at the input poll of the frame before:
    int streak, score, meter;
    int* status_flag;       // set to 1, or null
    std::vector<int> held;  // held lanes
    // What the frame shows:
    SDL_Surface** backdrop;
    SDL_Surface** neck;
    int neck_row;
    int multiplier_cells;
    const char* status;
    int cover_rows;
    const char* score_text;
    const char* streak_text;
    const char* clock;
};

void PrintTo(const PictureCase& c, std::ostream* out) { *out << c.name; }

class PlayPictureTest : public PlayTest, public ::testing::WithParamInterface<PictureCase> {
protected:
    void SetUp() override
    {
        PlayTest::SetUp();
        choose_song(SONG_TUTORIAL);
    }
};

TEST_P(PlayPictureTest, UpdateShowsEveryLayerInPlaceThenEachHeldLaneFlipsItsPressedFret)
{
    const PictureCase& c = GetParam();
    bg_menu = c.backdrop_setting;
    nk_menu = c.neck_setting;
    each_frame([&](long k) {
        if (k != c.frame - 1) return;
        nHITS = c.streak;
        nSCORE = c.score;
        Balanca = c.meter;
        if (c.status_flag) *c.status_flag = 1;
        for (int lane : c.held) held_lanes[lane - 1] = 1;
    });
    // Every present of the frame, from its update to the next frame's.
    std::vector<PresentCall::Kind> kinds;
    std::vector<std::unique_ptr<Snapshot>> shown;
    driver.on_flip = [&](SDL_Surface* picture) {
        if (driver.updates != c.frame) return;
        kinds.push_back(driver.presents.back().kind);
        shown.push_back(std::make_unique<Snapshot>());
        shown.back()->take(picture);
    };
    driver.stop_when = [&] { return frame() > c.frame; };
    EXPECT_EQ(run_game(), STOPPED);

    std::vector<PresentCall::Kind> expected_kinds = {PresentCall::UpdateRect};
    expected_kinds.insert(expected_kinds.end(), c.held.size(), PresentCall::Flip);
    ASSERT_EQ(kinds, expected_kinds);

    ExpectedPicture expected;
    compose_play_frame(expected, {*c.backdrop, *c.neck, c.neck_row, c.multiplier_cells, c.status, c.cover_rows,
                                  c.score_text, c.streak_text, c.clock});
    EXPECT_EQ(picture_difference(shown[0]->get(), expected.get()), "") << "the frame's update";
    // Each flip adds one more held lane's pressed fret, lanes in order.
    for (size_t i = 0; i < c.held.size(); ++i) {
        add_pressed_fret(expected, c.held[i]);
        EXPECT_EQ(picture_difference(shown[i + 1]->get(), expected.get()), "") << "the flip of lane " << c.held[i];
    }
}

// Frame k draws the neck from row 540 - 10 (k - 1), back at 540 from frame
// 55, and shows the clock of 50 (k - 1) ms.
INSTANTIATE_TEST_SUITE_P(
    Frames, PlayPictureTest,
    ::testing::Values(PictureCase{"FirstSettingsNothingHeld", 0, 0, 3, 0, 0, 0, nullptr, {},
                                  &BG00, &nk0, 520, 1, "", 80, "0", "0", "Timer: 00:00"},
                      PictureCase{"GoodStreakSevenLanesOneThreeFiveHeld", 1, 2, 11, 7, 1234, 3, &xGOOD, {1, 3, 5},
                                  &BG01, &nk2, 440, 2, "GOOD", 40, "1234", "7", "Timer: 00:00"},
                      PictureCase{"MissStreakTwelveLanesTwoFourHeld", 3, 3, 54, 12, 56789, -4, &xMISS, {2, 4},
                                  &BG03, &nk3, 10, 3, "MISS", 140, "56789", "12", "Timer: 00:02"},
                      PictureCase{"NegativeStreakEveryLaneHeldNeckBackAtTop", 2, 1, 55, -3, 40, 5, nullptr,
                                  {1, 2, 3, 4, 5}, &BG02, &nk1, 540, 1, "", 10, "40", "-3", "Timer: 00:02"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
