// The whole road: a song ended at once with the skip key, a name entered, and
// the line found in the high-score view under the title of that song.
#include "high_scores/high_score_fixture.h"
#include "highway/judge_state.h"
#include "shell/image_table.h"
#include "shell/keys.h"
#include "shell/play_menu.h"

#include <utility>
#include <vector>

namespace {

using Keys = std::vector<std::pair<SDLKey, int>>;  // key downs, each after so many polls

struct RoadCase {
    const char* name;
    Keys to_song;       // from the main menu
    const char* file;
    Keys to_page;       // Left and Right in the view
    int page;
    const char* title;
};

class HighScoreRoadTest : public GameTest, public ::testing::WithParamInterface<RoadCase> {
protected:
    void press(const Keys& keys)
    {
        for (const auto& [key, after_polls] : keys) driver.key_down(key, after_polls);
    }
};

TEST_P(HighScoreRoadTest, TheSkippedSongsLineShowsUnderItsTitle)
{
    const RoadCase& c = GetParam();
    plain_picture(new_score, 10, 60, 30);
    plain_picture(my_surfMenu5, 20, 40, 90);
    driver.stop_when_script_ends = false;
    driver.max_polls = 100000;

    skip_intro();
    press(c.to_song);
    bool skipped = false;
    driver.on_poll = [&] {
        if (skipped || driver.updates == 0) return;  // play frames present with an update
        driver.key_down(SDLK_q);
        skipped = true;
    };

    // Once the name entry shows: the name "C2X", then the view's page, back
    // to the main menu and out through the exit row.
    int score = -1;
    bool shown_in_view = false;
    driver.on_flip = [&](SDL_Surface* shown) {
        if (score < 0 && rgb_at(shown, 0, 0) == shown_as(shown, 10, 60, 30)) {
            score = nSCORE;
            press({{SDLK_DOWN, 0}, {SDLK_RIGHT, 0}, {SDLK_RIGHT, 0}, {BUTTON_A, 0}, {SDLK_UP, 0}, {BUTTON_A, 0},
                   {SDLK_UP, 0}, {BUTTON_A, 0}});
            press({{BUTTON_A, 0}, {SDLK_DOWN, 0}, {SDLK_DOWN, 0}, {SDLK_DOWN, 0}, {BUTTON_A, 0}});
            press(c.to_page);
            press({{BUTTON_B, 3}, {SDLK_DOWN, 0}, {BUTTON_A, 0}});
            press({{SDLK_DOWN, 0}, {SDLK_DOWN, 0}, {SDLK_DOWN, 0}, {SDLK_DOWN, 0}, {BUTTON_A, 0}});
        }
        // The last picture of the view before button B, the page's own pass.
        if (score >= 0 && select_score == c.page && rgb_at(shown, 0, 0) == shown_as(shown, 20, 40, 90)) {
            std::string row = score_line("C2X", score);
            row.pop_back();
            SDL_Surface* expected = expected_view(my_surfMenu5, c.title, {row});
            shown_in_view = same_pixels(expected, shown, {0, 0, 320, 240});
            SDL_FreeSurface(expected);
        }
    };

    EXPECT_EQ(run_game(), 0);
    ASSERT_GE(score, 0) << "the name entry never showed";
    EXPECT_EQ(read_file(c.file), score_line("C2X", score));
    EXPECT_TRUE(shown_in_view);
}

INSTANTIATE_TEST_SUITE_P(
    Songs, HighScoreRoadTest,
    ::testing::Values(
        RoadCase{"HighwayToHell",
                 {{BUTTON_A, 0}, {SDLK_DOWN, 0}, {BUTTON_A, 0}, {SDLK_RIGHT, 0}, {BUTTON_A, 1}},
                 "data/DATA1.dat", {{SDLK_RIGHT, 0}}, 1, "<          HIGHWAY TO HELL          >"},
        RoadCase{"Tutorial", {{BUTTON_A, 0}, {SDLK_DOWN, 0}, {SDLK_DOWN, 0}, {BUTTON_A, 0}}, "data/DATA6.dat",
                 {{SDLK_LEFT, 0}}, 6, "<        TUTORIAL        >"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
