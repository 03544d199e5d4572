// A game run that goes down a song's road: the keys that choose a song, a
// hook at every play frame, and pictures of the screen to read texts from.
#pragma once

#include "harness/game_fixture.h"
#include "harness/pictures.h"
#include "harness/routes.h"
#include "highway/lanes.h"
#include "shell/keys.h"
#include "shell/song_state.h"

#include <functional>

// True when every note slot is back at the top, as every way out of a song
// leaves them.
inline bool every_slot_at_top()
{
    for (const Lane& lane : LANES)
        for (int i = 0; i < lane.pool_size; ++i)
            if (lane.slots[i].y != 0) return false;
    return true;
}

class PlayTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        driver.stop_when_script_ends = false;
    }

    // Scripts the keys from the intro to a song: 0..4 through the song
    // selection, the tutorial through its row.
    void choose_song(int song)
    {
        skip_intro();
        driver.key_down(BUTTON_A);  // main menu, row 0: the play menu
        route::song_from_play_menu(driver, song);
    }

    // The play frame whose input step is polling: the frames presented so far.
    long frame() const { return driver.updates; }
    bool playing() const { return driver.updates > 0; }

    // Runs `act` once per play frame, at the frame's input poll, with the
    // frame's number (1 for the first); events it scripts are taken there.
    void each_frame(std::function<void(long)> act)
    {
        driver.on_poll = [this, act, last = 0L]() mutable {
            if (frame() <= last) return;
            last = frame();
            act(last);
        };
    }

    // Music calls until a song has been played and the menu music has
    // started again.
    bool back_at_main_menu() const { return playing() && driver.count_music(MusicCall::Play) >= 3; }
};
