// The pause screen: what it draws over the frozen frame, how it holds the
// song clock and the notes, START resumes with the press pass, SELECT leaves
// the song without a result.
#include "play/play_fixture.h"

#include "harness/expected_picture.h"
#include "highway/judge_state.h"
#include "highway/note_slots.h"
#include "shell/image_table.h"
#include "shell/menu.h"
#include "shell/resources.h"

#include <SDL/SDL_mixer.h>

#include <deque>
#include <filesystem>

namespace {

// The tutorial's first note (lane 1, threshold 63499) is first drawn in frame
// 1271; in frame 1280 it is in its tenth note frame, at y 100.
constexpr long HELD_FRAME = 1279;
constexpr long PAUSE_FRAME = 1280;
constexpr int PAUSE_PASSES = 60;

class PauseTest : public PlayTest {
protected:
    void SetUp() override
    {
        PlayTest::SetUp();
        choose_song(SONG_TUTORIAL);
    }

    // Scripts lane 1 held in HELD_FRAME and START in PAUSE_FRAME; then
    // `in_pause(pass)` runs at the poll of every pause pass.
    void pause_with(std::function<void(int)> in_pause)
    {
        driver.on_poll = [this, in_pause, pause_passes = 0, last = 0L]() mutable {
            if (frame() == PAUSE_FRAME && BPS == 0) return in_pause(++pause_passes);
            if (frame() == last) return;
            last = frame();
            if (last == HELD_FRAME) driver.key_down(SDLK_a);
            if (last == PAUSE_FRAME) driver.key_down(BUTTON_START);
        };
    }

    bool music_paused() const { return Mix_PausedMusic() == 1; }
};

TEST_F(PauseTest, HoldsTheClockAndTheNotesUntilStartResumesWithThePressPass)
{
    int clock_at_pause = -1, note_at_pause = -1, misses_at_pause = -1;
    bool held_still = true, music_paused_throughout = true;
    Uint32 first_pass_at = 0, last_pass_at = 0;
    pause_with([&](int pass) {
        if (pass == 1) {
            clock_at_pause = msec, note_at_pause = dst_Nota1[0].y, misses_at_pause = nMISS;
            first_pass_at = driver.now;
        }
        held_still = held_still && msec == clock_at_pause && dst_Nota1[0].y == note_at_pause;
        music_paused_throughout = music_paused_throughout && music_paused();
        last_pass_at = driver.now;
        if (pass == PAUSE_PASSES) driver.key_down(BUTTON_START);
    });
    int clock_after = -1, note_after = -1, misses_after = -1, bps_after = -1;
    bool music_resumed = false;
    driver.stop_when = [&] {
        if (frame() != PAUSE_FRAME + 1) return false;
        clock_after = msec, note_after = dst_Nota1[0].y, bps_after = BPS;
        misses_after = nMISS;
        music_resumed = Mix_PlayingMusic() == 1 && !music_paused();
        return true;
    };
    EXPECT_EQ(run_game(), STOPPED);

    EXPECT_EQ(note_at_pause, 100);
    EXPECT_TRUE(held_still);
    EXPECT_TRUE(music_paused_throughout);
    // Paced like a 60 Hz display: a second for sixty passes.
    EXPECT_NEAR(static_cast<double>(last_pass_at - first_pass_at), (PAUSE_PASSES - 1) * 1000.0 / PACE_HZ, 1.0);
    // The resuming pass does not wait: the next frame's clock is the one the
    // pause held, and the notes fall on from where they stood.
    EXPECT_EQ(clock_after, clock_at_pause);
    EXPECT_EQ(note_after, 110);
    EXPECT_EQ(bps_after, 10);
    EXPECT_TRUE(music_resumed);
    EXPECT_EQ(driver.count_music(MusicCall::Pause), PAUSE_PASSES);
    EXPECT_EQ(driver.count_music(MusicCall::Resume), 1);
    // Lane 1 was held when the pause began: the resume judges it again.
    EXPECT_EQ(misses_after, misses_at_pause + 1);
}

TEST_F(PauseTest, SelectLeavesTheSongWithoutAResult)
{
    pause_with([&](int pass) {
        if (pass == 3) driver.key_down(BUTTON_SELECT);
    });
    driver.stop_when = [this] { return back_at_main_menu(); };
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(frame(), PAUSE_FRAME);
    EXPECT_TRUE(every_slot_at_top());
    EXPECT_EQ(wins, 0);
    EXPECT_EQ(loses, 0);
    EXPECT_EQ(driver.count_effect(snd_win) + driver.count_effect(snd_lose), 0);
    EXPECT_TRUE(std::filesystem::is_empty(dir / "data"));  // no high-score line
    EXPECT_EQ(driver.music.back().kind, MusicCall::Play);
    EXPECT_EQ(driver.music.back().music, music_menu);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_FALSE(music_paused());
}

TEST_F(PauseTest, EveryPassDrawsBothOverlaysAndTheMessageOverTheLastFrameShown)
{
    // The pictures presented from the pausing frame on; the one before the
    // first pass is the frame as last shown (with lane 1's pressed fret).
    std::deque<Snapshot> shown;
    bool seen = false;
    driver.on_flip = [&](SDL_Surface* screen) {
        if (frame() < PAUSE_FRAME || seen) return;
        shown.emplace_back().take(screen);
        if (shown.size() > 3) shown.pop_front();
    };
    pause_with([&](int pass) {
        if (pass != 2) return;
        seen = shown.size() == 3;
        driver.key_down(BUTTON_START);
    });
    driver.stop_when = [this] { return frame() == PAUSE_FRAME + 1; };
    EXPECT_EQ(run_game(), STOPPED);
    ASSERT_TRUE(seen);

    // Both overlays keyed at (0, 0), the message centred at y 120, drawn again
    // on every pass over what the screen holds.
    ExpectedPicture expected;
    expected.start_from(shown[0].get());
    for (int pass = 1; pass <= 2; ++pass) {
        expected.draw(pause_screen, nullptr, 0, 0, Key::Magenta);
        expected.draw(pause_screen2, nullptr, 0, 0, Key::Magenta);
        expected.centred_text(test_font(10), "Press SELECT to EXIT or START to RESUME", {255, 255, 255, 0}, 120);
        EXPECT_EQ(picture_difference(shown[pass].get(), expected.get()), "") << "pass " << pass;
    }
}

}  // namespace
