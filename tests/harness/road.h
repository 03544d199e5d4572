// A whole game run, from the start-up to the exit row, scripted in stages:
// menu routes are scripted ahead, but what follows a song is scripted only
// once the song has ended, so that no menu key lands in a play frame. During
// play a hook acts once per play frame, at the frame's one input poll.
#pragma once

#include "harness/game_fixture.h"
#include "harness/scripted_player.h"

#include <deque>
#include <functional>
#include <string>

class RoadTest : public GameTest {
protected:
    void SetUp() override;

    // What the record of a run shows, counted from the start-up.
    enum class Mark {
        SongStart,  // a song's tune started after the countdown
        Completed,  // the results screen began (its win sound)
        Failed,     // the fail screen began (its lose sound)
        MenuEntry,  // the menu music started: the main-menu entry
        COUNT
    };
    int marks(Mark mark) const { return marks_[static_cast<int>(mark)]; }

    // Runs `act` at the first poll after the next `mark`, counted from when
    // the stage before it has run (or from now, for the first).
    void at_next(Mark mark, std::function<void()> act);

    // Called at the input poll of every play frame, with the frame's number
    // in its song (1 for the first); keys it scripts are taken right there.
    std::function<void(long frame)> in_play;

    // Sets `in_play` to press and release lanes by the plan.
    void play_plan(const player::Plan& plan);

    // Called at every poll after the marks are counted, for tests that watch
    // the game's state.
    std::function<void()> watch;

    // Play-frame polls that found scripted keys still waiting: menu keys that
    // a play frame would take as play input.
    long stray_keys = 0;

    // Effects that found no free channel.
    long effects_without_channel() const;

    // The files of data/ that exist, by name.
    std::string data_files() const;

    // The high-score line of a name and a score.
    static std::string high_score_line(const std::string& name, int score);

private:
    void observe();
    void count_new_records();

    struct Stage {
        Mark mark;
        std::function<void()> act;
        int from = -1;  // the count of `mark` when the stage began waiting
    };
    std::deque<Stage> stages_;
    int marks_[static_cast<int>(Mark::COUNT)] = {};
    size_t music_seen_ = 0;
    size_t effects_seen_ = 0;
    long frame_base_ = 0;     // presents before the current song's first frame
    long last_updates_ = 0;
    bool in_song_ = false;
};
