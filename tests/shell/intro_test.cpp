// The intro: five images, 500 passes each on one counter, button A skips.
#include "harness/expected_picture.h"
#include "harness/game_fixture.h"
#include "harness/pictures.h"
#include "shell/image_table.h"
#include "shell/intro.h"
#include "shell/keys.h"
#include "shell/video.h"

#include <memory>
#include <vector>

namespace {

class IntroTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        // Plain colours make the image on screen easy to tell.
        SDL_Surface** images[] = {&introducao1, &introducao2, &introducao3, &introducao4, &introducao5};
        for (int i = 0; i < 5; ++i) *images[i] = solid_surface(320, 240, Uint8(50 * (i + 1)), 0, 0);
        driver.stop_when_script_ends = false;
        driver.on_flip = [this](SDL_Surface* s) {
            if (menu_reached()) return;
            // The 16-bit screen keeps 5 bits of red: round to the nearest step.
            shown.push_back(static_cast<int>(((rgb_at(s, 160, 120) >> 16) + 25) / 50));
        };
    }

    // The main-menu entry starts the menu music.
    bool menu_reached() const { return driver.count_music(MusicCall::Play) > 0; }

    // Passes that showed image k (1..5).
    int passes_of(int image) const
    {
        int n = 0;
        for (int s : shown) n += s == image;
        return n;
    }

    std::vector<int> shown;
};

TEST_F(IntroTest, EachImageHoldsFiveHundredPassesWithoutInput)
{
    driver.stop_when = [this] { return menu_reached(); };
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(intro_logo, 2500);
    for (int image = 1; image <= 5; ++image) EXPECT_EQ(passes_of(image), 500) << "image " << image;
}

struct SkipCase {
    const char* name;
    int press_at_pass;      // button A is taken in this pass
    int image1_passes;
    int image2_passes;
};

class IntroSkipTest : public IntroTest, public ::testing::WithParamInterface<SkipCase> {};

TEST_P(IntroSkipTest, ButtonAAdvancesOneImageAndKeepsTheCount)
{
    const SkipCase& c = GetParam();
    driver.key_down(BUTTON_A, c.press_at_pass - 1);
    driver.stop_when = [] { return intro_logo == 1000; };
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(passes_of(1), c.image1_passes);
    EXPECT_EQ(passes_of(2), c.image2_passes);
    EXPECT_EQ(passes_of(3), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Skips, IntroSkipTest,
    ::testing::Values(SkipCase{"AtPass100", 100, 100, 900},
                      // In the pass that reaches the threshold: one image, not two.
                      SkipCase{"AtThreshold", 500, 500, 500}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(IntroTest, OtherKeysMouseAndCloseRequestsLeaveTheIntroAlone)
{
    driver.key_down(BUTTON_B);
    driver.key_down(SDLK_RETURN);
    driver.key_up(BUTTON_A);
    SDL_Event click{};
    click.type = SDL_MOUSEBUTTONDOWN;
    driver.push(click);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    driver.push(quit);
    driver.stop_when = [] { return intro_logo == 499; };
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(passes_of(1), 499);
    EXPECT_EQ(passes_of(2), 0);
}

TEST_F(IntroTest, PassesArePacedAtSixtyPerSecond)
{
    driver.stop_when = [] { return intro_logo == 601; };
    const Uint32 t0 = driver.now;
    EXPECT_EQ(run_game(), STOPPED);
    // 600 paced passes after the first take 10 s of game clock, no more.
    EXPECT_EQ(driver.now - t0, 10000u);
}

// The real artwork: IntroTest puts plain images in its place.
class IntroPictureTest : public GameTest {};

TEST_F(IntroPictureTest, EachImageIsShownWholeOverTheScreen)
{
    // The real images, skipped one per pass with button A.
    SDL_Surface* const images[] = {introducao1, introducao2, introducao3, introducao4, introducao5};
    std::vector<std::unique_ptr<Snapshot>> shown;
    driver.on_flip = [&](SDL_Surface* s) {
        if (driver.count_music(MusicCall::Play) > 0) return;  // the main menu has come
        shown.push_back(std::make_unique<Snapshot>());
        shown.back()->take(s);
    };
    skip_intro();
    EXPECT_EQ(run_game(), STOPPED);
    ASSERT_EQ(shown.size(), 5u);
    for (int k = 0; k < 5; ++k) {
        ExpectedPicture expected;
        expected.draw(images[k], nullptr, 0, 0);
        EXPECT_EQ(picture_difference(shown[k]->get(), expected.get()), "") << "image " << k + 1;
    }
}

}  // namespace
