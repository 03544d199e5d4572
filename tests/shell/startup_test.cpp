// Start-up with files missing, and without an audio device.
#include "harness/game_fixture.h"
#include "shell/platform.h"
#include "shell/video.h"

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

class StartupTest : public GameTest {
protected:
    // Runs the game and returns what it printed on standard error.
    std::string run_capturing_stderr(int& status)
    {
        ::testing::internal::CaptureStderr();
        status = run_game();
        return ::testing::internal::GetCapturedStderr();
    }
};

struct MissingCase {
    const char* name;
    const char* file;
    const char* message;
};

class MissingFileTest : public StartupTest, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(MissingFileTest, NamesTheFileAndEndsWithStatusOne)
{
    prepare_game_dir({GetParam().file});
    skip_intro();
    int status = 0;
    const std::string err = run_capturing_stderr(status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(err.find(GetParam().message), std::string::npos) << err;
    // Nothing was shown.
    EXPECT_EQ(driver.flips, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MissingFileTest,
    ::testing::Values(
        MissingCase{"Image", "img/menus/menu1.png", "quorl_demo_windowed: cannot load img/menus/menu1.png: "},
        MissingCase{"Cover", "img/capas/number_small.jpg", "cannot load img/capas/number_small.jpg: "},
        MissingCase{"Tune", "song/Paranoid.ogg", "quorl_demo_windowed: cannot load song/Paranoid.ogg: "},
        MissingCase{"Effect", "audio/CANCELA.wav", "quorl_demo_windowed: cannot load audio/CANCELA.wav: "},
        MissingCase{"Font", "ariblk.ttf", "quorl_demo_windowed: cannot load ariblk.ttf: "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartupTest, EveryMissingTuneAndEffectIsNamedInTableOrder)
{
    prepare_game_dir({"audio/PTRUIM.wav", "song/ForWhomTheBellsTools.ogg", "song/Paranoid.ogg"});
    int status = 0;
    const std::string err = run_capturing_stderr(status);
    EXPECT_EQ(status, 1);
    // Only the three lines, each naming its file, tunes before effects.
    std::vector<std::string> named;
    std::istringstream lines(err);
    for (std::string line; std::getline(lines, line);) {
        const std::string head = "quorl_demo_windowed: cannot load ";
        ASSERT_EQ(line.rfind(head, 0), 0u) << line;
        named.push_back(line.substr(head.size(), line.find(": ", head.size()) - head.size()));
    }
    EXPECT_EQ(named, (std::vector<std::string>{"song/Paranoid.ogg", "song/ForWhomTheBellsTools.ogg",
                                               "audio/PTRUIM.wav"}));
    EXPECT_EQ(driver.flips, 0);
}

TEST_F(StartupTest, MissingImagesAreEachNamedBeforeAudioIsOpened)
{
    prepare_game_dir({"img/sprite/notas.png", "img/bg/backdrop02.png"});
    int status = 0;
    const std::string err = run_capturing_stderr(status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(err.find("cannot load img/sprite/notas.png: "), std::string::npos);
    EXPECT_NE(err.find("cannot load img/bg/backdrop02.png: "), std::string::npos);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

TEST_F(StartupTest, MissingMenuMusicLeavesTheMenuSilent)
{
    prepare_game_dir({"audio/menu1.mp3"});
    skip_intro();
    driver.grace_polls = 3;
    int status = 0;
    const std::string err = run_capturing_stderr(status);
    EXPECT_EQ(status, STOPPED);
    EXPECT_NE(err.find("cannot load audio/menu1.mp3"), std::string::npos);
    EXPECT_EQ(driver.count_music(MusicCall::Play), 0);
}

TEST_F(StartupTest, WithoutAnAudioDeviceTheGameGoesOnSilently)
{
    setenv("SDL_AUDIODRIVER", "no_such_driver", 1);
    skip_intro();
    driver.key_down(SDLK_DOWN);
    for (int i = 0; i < 3; ++i) driver.key_down(SDLK_DOWN);
    driver.key_down(SDLK_LCTRL);
    int status = 0;
    const std::string err = run_capturing_stderr(status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(err.find("quorl_demo_windowed: cannot open audio: "), std::string::npos) << err;
    EXPECT_FALSE(audio_available);
    EXPECT_TRUE(driver.effects.empty());
}

TEST_F(StartupTest, WithoutADisplayTheGameSaysSoAndEndsWithStatusOne)
{
    setenv("SDL_VIDEODRIVER", "no_such_driver", 1);
    int status = 0;
    const std::string err = run_capturing_stderr(status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(err.find("quorl_demo_windowed: cannot set the video mode: "), std::string::npos) << err;
    EXPECT_EQ(driver.flips, 0);
}

TEST_F(StartupTest, OpensA320By240WindowAt16BitsWithTheCursorHidden)
{
    skip_intro();
    driver.grace_polls = 1;
    EXPECT_EQ(run_game(), STOPPED);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->w, 320);
    EXPECT_EQ(screen->h, 240);
    EXPECT_EQ(screen->format->BitsPerPixel, 16);
    EXPECT_FALSE(screen->flags & SDL_FULLSCREEN);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
}

}  // namespace
