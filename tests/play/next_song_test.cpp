// What a song leaves to the next one: a lane still held, the last note
// status text and the neck's scroll are not reset at a song start.
#include "harness/pictures.h"
#include "harness/road.h"
#include "harness/routes.h"
#include "play/play_picture.h"

#include "shell/image_table.h"
#include "shell/resources.h"
#include "shell/song_state.h"

#include <memory>
#include <vector>

namespace {

class NextSongTest : public RoadTest {};

TEST_F(NextSongTest, StartsWithTheLaneStillHeldTheLastStatusTextAndTheNeckWhereTheSongBeforeLeftIt)
{
    // The tutorial, lane 1 pressed in frame 3 and never released, and the skip
    // key in frame 4: each press misses (no note is near), so frame 5 shows
    // "MISS" and completes the song. The neck has scrolled in frames 1 to 4.
    skip_intro();
    route::song(driver, SONG_TUTORIAL);
    int miss_sounds_after_first = -1;
    at_next(Mark::Completed, [&] {
        miss_sounds_after_first = driver.count_effect(snd_miss);
        route::name(driver, "ABC");
        route::song(driver, SONG_TUTORIAL);
    });

    // The presents of the latest play frame, from its update on.
    std::vector<PresentCall::Kind> kinds;
    std::vector<std::unique_ptr<Snapshot>> presents;
    driver.on_flip = [&](SDL_Surface* picture) {
        const PresentCall::Kind kind = driver.presents.back().kind;
        if (kind == PresentCall::UpdateRect) {
            kinds.clear();
            presents.clear();
        }
        if (kinds.empty() && kind != PresentCall::UpdateRect) return;
        kinds.push_back(kind);
        presents.push_back(std::make_unique<Snapshot>());
        presents.back()->take(picture);
    };

    std::vector<PresentCall::Kind> first_frame_kinds;
    std::vector<std::unique_ptr<Snapshot>> first_frame;
    int miss_sounds_in_first_frame = -1;
    in_play = [&](long frame) {
        if (marks(Mark::SongStart) == 1) {
            if (frame == 3) driver.key_down(SDLK_a);
            if (frame == 4) driver.key_down(SDLK_q);
        } else if (frame == 1) {
            first_frame_kinds = kinds;
            first_frame = std::move(presents);
            presents.clear();
            miss_sounds_in_first_frame = driver.count_effect(snd_miss) - miss_sounds_after_first;
        }
    };
    driver.stop_when = [&] { return !first_frame.empty(); };
    EXPECT_EQ(run_game(), STOPPED);

    EXPECT_EQ(marks(Mark::Completed), 1);
    EXPECT_EQ(marks(Mark::SongStart), 2);
    // Lane 1 is held: the update, then its pressed fret with a flip.
    ASSERT_EQ(first_frame_kinds, (std::vector<PresentCall::Kind>{PresentCall::UpdateRect, PresentCall::Flip}));
    ExpectedPicture expected;
    compose_play_frame(expected, {BG00, nk0, 500, 1, "MISS", 80, "0", "0", "Timer: 00:00"});
    EXPECT_EQ(picture_difference(first_frame[0]->get(), expected.get()), "") << "the first frame's update";
    add_pressed_fret(expected, 1);
    EXPECT_EQ(picture_difference(first_frame[1]->get(), expected.get()), "") << "the held lane's flip";
    // The status text is only kept: no flag is set, so the miss sound is not started.
    EXPECT_EQ(miss_sounds_in_first_frame, 0);
}

}  // namespace
