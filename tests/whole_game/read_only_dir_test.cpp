// A working directory that cannot be written: the high-score append and the
// save fail with a message each, and the game goes on to its exit row.
#include "harness/game_fixture.h"
#include "shell/keys.h"
#include "shell/main_menu.h"
#include "shell/song_state.h"

#include <sched.h>
#include <sys/mount.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

// Remounts the test's directory read-only in a mount namespace of this test
// process alone. False where the machine does not allow it.
bool make_read_only(const std::filesystem::path& dir)
{
    if (unshare(CLONE_NEWNS) != 0) return false;
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return false;
    if (mount(dir.c_str(), dir.c_str(), nullptr, MS_BIND | MS_REC, nullptr) != 0) return false;
    if (mount(nullptr, dir.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) return false;
    // The working directory still names the writable mount until entered again.
    std::filesystem::current_path(dir);
    return !std::ofstream("data/probe");
}

class ReadOnlyDirTest : public GameTest {
protected:
    void TearDown() override
    {
        // Drop the read-only mount, so that the directory can be removed.
        std::filesystem::current_path("/");
        umount2(dir.c_str(), MNT_DETACH);
        GameTest::TearDown();
    }
};

TEST_F(ReadOnlyDirTest, AppendAndSaveFailWithAMessageAndTheGameGoesOn)
{
    if (!make_read_only(dir)) GTEST_SKIP() << "no read-only mount here";

    skip_intro();
    // The tutorial, ended at once with the skip key, then the name "000".
    driver.key_down(BUTTON_A);
    driver.key_down(SDLK_DOWN);
    driver.key_down(SDLK_DOWN);
    driver.key_down(BUTTON_A);
    driver.key_down(SDLK_q);
    for (int i = 0; i < 3; ++i) driver.key_down(BUTTON_A);
    // Options, save menu (it opens on its back row), save.
    driver.key_down(SDLK_DOWN);
    driver.key_down(SDLK_DOWN);
    driver.key_down(BUTTON_A);
    for (int i = 0; i < 3; ++i) driver.key_down(SDLK_DOWN);
    driver.key_down(BUTTON_A);
    for (int i = 0; i < 3; ++i) driver.key_down(SDLK_UP);
    driver.key_down(BUTTON_A);
    // Back to the main menu and out through the exit row.
    for (int i = 0; i < 3; ++i) driver.key_down(SDLK_DOWN);
    driver.key_down(BUTTON_A);
    for (int i = 0; i < 4; ++i) driver.key_down(SDLK_DOWN);
    driver.key_down(BUTTON_A);

    ::testing::internal::CaptureStderr();
    const int status = run_game();
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 0);
    EXPECT_NE(err.find("quorl_demo_windowed: cannot write data/DATA6.dat: "), std::string::npos) << err;
    EXPECT_NE(err.find("game_save"), std::string::npos) << err;
    EXPECT_EQ(wins, 0);  // the tutorial is no win
}

}  // namespace
