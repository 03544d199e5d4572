// The credits: one row of scroll per dispatch pass, ended by the scroll or
// by button B at the back poll.
#include "options/options_fixture.h"
#include "shell/credits.h"

namespace {

class CreditsTest : public OptionsTest {
protected:
    void SetUp() override
    {
        OptionsTest::SetUp();
        replace(my_surfMenu4, solid_surface(SCREEN_WIDTH, SCREEN_HEIGHT, 0, 0, 255));
        // Transparent credits with one red row, the last one ever shown.
        replace(credits_tela, solid_surface(SCREEN_WIDTH, 2286, 255, 0, 255));
        SDL_Rect last = {0, 2046, SCREEN_WIDTH, 1};
        SDL_FillRect(credits_tela, &last, SDL_MapRGB(credits_tela->format, 255, 0, 0));
        // Every present of a credits pass, by the scroll it left.
        driver.on_flip = [this](SDL_Surface* s) {
            if (camera_credits.y == 0) return;
            scrolls.push_back(camera_credits.y);
            const int red_row = 2046 - (camera_credits.y - 1);  // drawn from row y - 1
            // The whole row, across all 320 columns of the clip.
            if (red_row >= 0 && red_row < SCREEN_HEIGHT)
                red_rows_right += rgb_at(s, 0, red_row) == 0xFF0000 && rgb_at(s, 319, red_row) == 0xFF0000;
        };
        open_main_row(ROW_CREDITS);
    }

    std::vector<int> scrolls;
    int red_rows_right = 0;
};

TEST_F(CreditsTest, EndByThemselvesAfterTheirLastPassSilently)
{
    driver.grace_polls = 2047 + 3;
    EXPECT_EQ(run_game(), STOPPED);
    ASSERT_EQ(scrolls.size(), 2047u);
    for (int i = 0; i < 2047; ++i) ASSERT_EQ(scrolls[i], i + 1);
    EXPECT_EQ(red_rows_right, SCREEN_HEIGHT);  // rows 1807..2046 scrolled up to the top
    EXPECT_EQ(camera_credits.y, 0);
    EXPECT_EQ(menu1, 0);
    EXPECT_EQ(cursor_count, ROW_CREDITS);
    EXPECT_EQ(driver.count_effect(snd_cancel), 0);
}

TEST_F(CreditsTest, ButtonBLeavesAtOnceAndTheNextVisitStartsAtTheTop)
{
    DispatchScript dispatch(driver, 1);
    dispatch.skip_passes(100);
    dispatch.back_poll(BUTTON_B);
    driver.key_down(BUTTON_A);  // the main menu, still on row 3
    driver.grace_polls = 4;
    EXPECT_EQ(run_game(), STOPPED);
    // Rows 1..101 in the first visit, then from 1 again.
    ASSERT_GT(scrolls.size(), 102u);
    for (size_t i = 0; i < scrolls.size(); ++i)
        EXPECT_EQ(scrolls[i], i < 101 ? int(i) + 1 : int(i) - 100) << i;
    EXPECT_EQ(camera_credits.y, scrolls.back());
    EXPECT_EQ(accept_cancel_sounds(), "ACA");
}

TEST_F(CreditsTest, OtherKeysAtTheBackPollAreDropped)
{
    DispatchScript dispatch(driver, 1);
    for (SDLKey key : {SDLK_UP, SDLK_LEFT, BUTTON_A, SDLK_RETURN, SDLK_ESCAPE}) dispatch.back_poll(key);
    driver.grace_polls = 1;
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(camera_credits.y, 7);
    EXPECT_EQ(menu1, 1);
    EXPECT_EQ(driver.count_effect(snd_cursor), 3);  // the main menu's moves only
    EXPECT_EQ(accept_cancel_sounds(), "A");
}

}  // namespace
