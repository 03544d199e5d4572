// The save menu: each row's operation and the outcome it shows for 500 ms.
#include "options/options_fixture.h"
#include "shell/save_file.h"
#include "shell/save_menu.h"
#include "shell/song_state.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

const char* const MESSAGES[] = {"GAME SAVED", "SAVE FAILED", "GAME LOADED", "NO SAVED GAME", "GAME CLEARED", "CLEAR FAILED"};

struct SaveCase {
    const char* name;
    void (*arrange)();    // the files before the operation
    int row;
    const char* message;  // shown once, for the 500 ms
    int wins, loses;      // afterwards, from 7 and 2
    const char* file;     // "game_save" afterwards, or null: not a readable file
    bool complains;       // one line on standard error
};

void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.name; }

void old_save() { std::ofstream(SAVE_FILE) << "9\n4"; }
void no_file() {}
void save_file_is_a_directory()
{
    fs::create_directory(SAVE_FILE);
    std::ofstream(std::string(SAVE_FILE) + "/keep") << "x";
}
void disk_full()
{
    old_save();
    fs::create_symlink("/dev/full", SAVE_FILE_TMP);
}

class SaveMenuTest : public OptionsTest, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveMenuTest, ShowsWhatTheOperationDidForHalfASecond)
{
    const SaveCase& c = GetParam();
    c.arrange();
    wins = 7;
    loses = 2;
    replace(menu_save, black());
    std::vector<std::string> shown;
    Uint32 shown_at = 0, next_poll_at = 0;
    driver.on_flip = [&](SDL_Surface* s) {
        for (const char* m : MESSAGES) {
            if (!shows_text(s, font_small, m, 140, 120)) continue;
            shown.push_back(m);
            shown_at = driver.now;
        }
    };
    driver.on_poll = [&] {
        if (!shown.empty() && next_poll_at == 0) next_poll_at = driver.now;
    };
    open_options_row(ROW_SAVE);
    for (int i = c.row; i < 3; ++i) driver.key_down(SDLK_UP);
    driver.key_down(BUTTON_A);
    driver.grace_polls = 2;

    testing::internal::CaptureStderr();
    EXPECT_EQ(run_game(), STOPPED);
    const std::string err = testing::internal::GetCapturedStderr();

    EXPECT_EQ(shown, std::vector<std::string>{c.message});
    EXPECT_GE(next_poll_at - shown_at, Uint32(SAVE_MESSAGE_MS));
    EXPECT_EQ(wins, c.wins);
    EXPECT_EQ(loses, c.loses);
    if (c.file) {
        EXPECT_EQ(read_file(SAVE_FILE), c.file);
    } else {
        EXPECT_TRUE(fs::is_directory(SAVE_FILE));
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(SAVE_FILE_TMP)));
    if (c.complains) {
        EXPECT_EQ(err.rfind(program_name, 0), 0u) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    } else {
        EXPECT_EQ(err, "");
    }
    EXPECT_EQ(menu5, 1);  // still on the save menu
    EXPECT_EQ(cursor_count, c.row);
    EXPECT_EQ(accept_cancel_sounds(), "AA");  // the operations play nothing
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SaveMenuTest,
    ::testing::Values(
        SaveCase{"Save", no_file, 0, "GAME SAVED", 7, 2, "7\n2", false},
        SaveCase{"SaveOverAnOldSave", old_save, 0, "GAME SAVED", 7, 2, "7\n2", false},
        SaveCase{"SaveFails", save_file_is_a_directory, 0, "SAVE FAILED", 7, 2, nullptr, true},
        SaveCase{"SaveOnAFullDisk", disk_full, 0, "SAVE FAILED", 7, 2, "9\n4", true},
        SaveCase{"Load", old_save, 1, "GAME LOADED", 9, 4, "9\n4", false},
        SaveCase{"LoadOneNumber", [] { std::ofstream(SAVE_FILE) << "9"; }, 1, "GAME LOADED", 9, 2, "9", false},
        SaveCase{"LoadWithoutAFile", no_file, 1, "NO SAVED GAME", 7, 2, "", false},
        SaveCase{"LoadNoNumber", [] { std::ofstream(SAVE_FILE) << "none"; }, 1, "NO SAVED GAME", 7, 2, "none", false},
        SaveCase{"Clear", old_save, 2, "GAME CLEARED", 0, 0, "0\n0", false},
        SaveCase{"ClearWithoutAFile", no_file, 2, "GAME CLEARED", 0, 0, "0\n0", false},
        SaveCase{"ClearFailsAndLoadsNothing", disk_full, 2, "CLEAR FAILED", 7, 2, "9\n4", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OptionsTest, TheMessageIsGoneInTheNextPassAndQueuedKeysActAfterwards)
{
    replace(menu_save, black());
    int passes_with_message = 0;
    driver.on_flip = [&](SDL_Surface* s) { passes_with_message += shows_text(s, font_small, "NO SAVED GAME", 140, 120); };
    open_options_row(ROW_SAVE);
    press({SDLK_UP, SDLK_UP, BUTTON_A, SDLK_UP, SDLK_DOWN, SDLK_DOWN});
    driver.grace_polls = 2;
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(passes_with_message, 1);
    EXPECT_EQ(cursor_count, 2);
    EXPECT_EQ(driver.count_effect(snd_cursor), 2 + 3 + 2 + 3);
}

}  // namespace
