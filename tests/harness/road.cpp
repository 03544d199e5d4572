#include "harness/road.h"

#include "shell/resources.h"
#include "shell/song_table.h"

#include <algorithm>
#include <filesystem>

namespace {

bool is_song_tune(Mix_Music* music)
{
    return std::any_of(std::begin(SONG_TABLE), std::end(SONG_TABLE),
                       [music](const SongRow& row) { return *row.music == music; });
}

}  // namespace

void RoadTest::SetUp()
{
    GameTest::SetUp();
    // The road ends at the exit row; a script that loses its way ends here.
    driver.stop_when_script_ends = false;
    driver.max_polls = 500000;
    driver.on_poll = [this] { observe(); };
}

void RoadTest::at_next(Mark mark, std::function<void()> act)
{
    stages_.push_back({mark, std::move(act)});
}

void RoadTest::play_plan(const player::Plan& plan)
{
    in_play = [this, plan, pressed = 1](long frame) mutable {
        const auto key = plan.find(frame);
        if (key == plan.end()) return;
        if (key->second.lane == 0) return driver.key_up(player::LANE_LETTERS[pressed - 1]);
        pressed = key->second.lane;
        driver.key_down(player::LANE_LETTERS[pressed - 1]);
    };
}

void RoadTest::count_new_records()
{
    for (; music_seen_ < driver.music.size(); ++music_seen_) {
        const MusicCall& call = driver.music[music_seen_];
        if (call.kind != MusicCall::Play) continue;
        const bool song = is_song_tune(call.music);
        ++marks_[static_cast<int>(song ? Mark::SongStart : Mark::MenuEntry)];
        in_song_ = song;
        // The song's first frame has presented by the first poll after its start.
        if (song) frame_base_ = driver.updates - 1;
    }
    for (; effects_seen_ < driver.effects.size(); ++effects_seen_) {
        const Mix_Chunk* chunk = driver.effects[effects_seen_].chunk;
        if (chunk != snd_win && chunk != snd_lose) continue;
        ++marks_[static_cast<int>(chunk == snd_win ? Mark::Completed : Mark::Failed)];
        in_song_ = false;
    }
}

void RoadTest::observe()
{
    count_new_records();
    // A play frame presents once with SDL_UpdateRect before its input poll;
    // nothing else does.
    const bool frame_poll = in_song_ && driver.updates > last_updates_;
    last_updates_ = driver.updates;
    if (frame_poll) {
        stray_keys += !driver.script_empty();
        if (in_play) in_play(driver.updates - frame_base_);
    }
    while (!stages_.empty()) {
        Stage& stage = stages_.front();
        const int now = marks(stage.mark);
        if (stage.from < 0) stage.from = now;
        if (now <= stage.from) break;
        const std::function<void()> act = std::move(stage.act);
        stages_.pop_front();
        act();
    }
    if (watch) watch();
}

long RoadTest::effects_without_channel() const
{
    return std::count_if(driver.effects.begin(), driver.effects.end(),
                         [](const EffectCall& call) { return call.channel == -1; });
}

std::string RoadTest::data_files() const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir / "data"))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string list;
    for (const std::string& name : names) list += (list.empty() ? "" : " ") + name;
    return list;
}

std::string RoadTest::high_score_line(const std::string& name, int score)
{
    return "  " + name + std::string(33, ' ') + std::to_string(score) + std::string(35, ' ') + "\n";
}
