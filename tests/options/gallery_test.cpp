// The guitar gallery: pages locked and unlocked by wins, the description's
// scroll, and the two polls of each dispatch pass.
#include "options/options_fixture.h"
#include "shell/gallery.h"
#include "shell/song_state.h"

#include <array>
#include <map>

namespace {

constexpr Uint32 GREEN = 0x00FF00, BLUE = 0x0000FF, RED = 0xFF0000, YELLOW = 0xFFFF00;
const char* const NAMES[GUITARS] = {"STRATOCAST", "EXPLORER", "FLYING V", "TALVORE"};

class GalleryTest : public OptionsTest {
protected:
    void SetUp() override
    {
        OptionsTest::SetUp();
        replace(my_surfMenu2, black());
        for (SDL_Surface** p : {&gtr01, &gtr02, &gtr03, &gtr04}) replace(*p, solid_surface(140, 190, 0, 255, 0));
        for (SDL_Surface** p : {&gtr_lock00, &gtr_lock01, &gtr_lock02, &gtr_lock03})
            replace(*p, solid_surface(140, 190, 0, 0, 255));
        // Descriptions striped every ten rows, red first, so the scroll shows.
        for (SDL_Surface** p : {&gtr_desc00, &gtr_desc01, &gtr_desc02, &gtr_desc03}) {
            replace(*p, solid_surface(141, 504, 255, 0, 0));
            for (Sint16 y = 10; y < 504; y += 20) {
                SDL_Rect stripe = {0, y, 141, 10};
                SDL_FillRect(*p, &stripe, SDL_MapRGB((*p)->format, 0, 255, 0));
            }
        }
        replace(txtbox, solid_surface(141, 134, 255, 255, 255));
        replace(cursor_bar, solid_surface(6, 14, 255, 255, 0));
        open_main_row(ROW_GUITARS);
    }

    DispatchScript dispatch{driver};
};

struct Page {
    Uint32 picture;  // colour at the guitar's place
    bool name;       // the name, or "UNKNOWN" when locked, shows
    bool hint;       // the lock hint shows
    Uint32 text_box; // colour inside the description window
};

class UnlockTest : public GalleryTest, public ::testing::WithParamInterface<std::pair<int, std::array<bool, GUITARS>>> {};

TEST_P(UnlockTest, AGuitarIsUnlockedFromItsThreshold)
{
    wins = GetParam().first;
    std::map<int, Page> last_page;  // the last present of each guitar shows its page
    driver.on_flip = [&](SDL_Surface* s) {
        if (menu1 != 1) return;
        const int g = count_song;
        const bool unlocked = wins >= unlock_wins(g);
        const std::string hint = "Win " + std::to_string(unlock_wins(g)) + " times to Unlock";
        last_page[g] = {rgb_at(s, 180, 51), shows_text(s, font_big, unlocked ? NAMES[g] : "UNKNOWN", 12, 22),
                        shows_text(s, font_small2, hint.c_str(), 15, 120), rgb_at(s, 100, 80)};
    };
    for (int i = 1; i < GUITARS; ++i) dispatch.screen_poll(SDLK_RIGHT);
    driver.grace_polls = 1;
    EXPECT_EQ(run_game(), STOPPED);

    ASSERT_EQ(last_page.size(), size_t(GUITARS));
    for (int g = 0; g < GUITARS; ++g) {
        const bool unlocked = GetParam().second[g];
        const Page& page = last_page[g];
        EXPECT_EQ(page.picture, unlocked ? GREEN : BLUE) << "guitar " << g;
        EXPECT_TRUE(page.name) << "guitar " << g;
        EXPECT_EQ(page.hint, !unlocked) << "guitar " << g;
        // No description on a locked page.
        EXPECT_EQ(page.text_box, unlocked ? RED : 0u) << "guitar " << g;
    }
}

INSTANTIATE_TEST_SUITE_P(Wins, UnlockTest,
                         ::testing::Values(std::make_pair(0, std::array<bool, GUITARS>{false, false, false, false}),
                                           std::make_pair(4, std::array<bool, GUITARS>{false, false, false, false}),
                                           std::make_pair(5, std::array<bool, GUITARS>{true, false, false, false}),
                                           std::make_pair(12, std::array<bool, GUITARS>{true, true, false, false}),
                                           std::make_pair(15, std::array<bool, GUITARS>{true, true, true, false}),
                                           std::make_pair(19, std::array<bool, GUITARS>{true, true, true, false}),
                                           std::make_pair(20, std::array<bool, GUITARS>{true, true, true, true})),
                         [](const auto& info) { return "Wins" + std::to_string(info.param.first); });

struct Step {
    SDLKey key;
    bool at_back_poll = false;
};

struct ScrollCase {
    const char* name;
    int wins;
    std::vector<Step> steps;
    int offset, knob, guitar;
    int cursor_sounds;
    bool left;  // back at the main-menu top, with snd_cancel
};

void PrintTo(const ScrollCase& c, std::ostream* os) { *os << c.name; }

std::vector<Step> times(int n, Step step) { return std::vector<Step>(n, step); }
std::vector<Step> operator+(std::vector<Step> a, const std::vector<Step>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class ScrollTest : public GalleryTest, public ::testing::WithParamInterface<ScrollCase> {};

TEST_P(ScrollTest, KeysOfTheGalleryPollAndTheBackPoll)
{
    const ScrollCase& c = GetParam();
    wins = c.wins;
    int guitar = -1;
    driver.on_poll = [&] {
        if (menu1 == 1) guitar = count_song;
    };
    for (const Step& step : c.steps) {
        if (step.at_back_poll) dispatch.back_poll(step.key);
        else dispatch.screen_poll(step.key);
    }
    driver.grace_polls = 1;
    EXPECT_EQ(run_game(), STOPPED);
    EXPECT_EQ(dst_txtbox.y, c.offset);
    EXPECT_EQ(dst_cursorbar.y, c.knob);
    EXPECT_EQ(dst_cursorbar.x, 147);
    if (c.guitar >= 0) {
        EXPECT_EQ(guitar, c.guitar);
    }
    EXPECT_EQ(driver.count_effect(snd_cursor) - 1, c.cursor_sounds);  // one on the main menu
    EXPECT_EQ(driver.count_effect(snd_cancel), c.left ? 1 : 0);
    EXPECT_EQ(menu1 == 0, c.left);
    EXPECT_EQ(cursor_count, ROW_GUITARS);
}

const Step DOWN{SDLK_DOWN}, UP{SDLK_UP}, RIGHT{SDLK_RIGHT}, LEFT{SDLK_LEFT}, B{BUTTON_B};
const Step BACK_B{BUTTON_B, true}, BACK_RIGHT{SDLK_RIGHT, true}, BACK_LEFT{SDLK_LEFT, true}, BACK_DOWN{SDLK_DOWN, true};

INSTANTIATE_TEST_SUITE_P(
    Keys, ScrollTest,
    ::testing::Values(
        ScrollCase{"ThirtySevenDownsReachTheEnd", 20, times(37, DOWN), 370, 197, 0, 0, false},
        ScrollCase{"TheThirtyEighthChangesNothing", 20, times(38, DOWN), 370, 197, 0, 0, false},
        ScrollCase{"UpAtTheTopChangesNothing", 20, {UP, UP}, 0, 86, 0, 0, false},
        ScrollCase{"DownFiveUpTwo", 20, times(5, DOWN) + times(2, UP), 30, 95, 0, 0, false},
        ScrollCase{"LockedPagesScrollToo", 0, {DOWN, DOWN}, 20, 92, 0, 0, false},
        ScrollCase{"RightTurnsThePageAndPutsTheScrollBack", 20, times(3, DOWN) + times(1, RIGHT), 0, 86, 1, 1, false},
        ScrollCase{"LeftOnTheFirstShowsTheLast", 20, times(3, DOWN) + times(1, LEFT), 0, 86, 3, 1, false},
        ScrollCase{"RightOnTheLastShowsTheFirst", 20, times(4, RIGHT), 0, 86, 0, 4, false},
        ScrollCase{"TheBackPollDropsAllButB", 20, {DOWN, BACK_RIGHT, BACK_DOWN, DOWN, BACK_LEFT, Step{SDLK_x, true}},
                   20, 92, 0, 0, false},
        ScrollCase{"ButtonBOfTheGalleryPutsTheScrollBack", 20, times(3, DOWN) + times(1, B), 0, 86, -1, 0, true},
        ScrollCase{"ButtonBAtTheBackPollKeepsTheScroll", 20, times(3, DOWN) + times(1, BACK_B), 30, 95, -1, 0, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GalleryTest, TheDescriptionShowsFromItsOffsetThroughTheFrameOnly)
{
    wins = 20;
    struct Probe {
        int x, y;
        Uint32 colour;
    };
    // Offset 30: the window's first rows show description rows 30..39 (green),
    // then 40..49 (red), 141 columns wide from x 6; the strip from y 212 down
    // hides the rest; the knob sits at (147, 95).
    const Probe probes[] = {
        {10, 78, GREEN}, {10, 87, GREEN}, {10, 88, RED},   {146, 88, RED},     {147, 120, 0},
        {10, 211, RED},  {10, 212, 0},    {174, 239, 0},   {148, 96, YELLOW}, {148, 94, 0},
    };
    std::vector<Uint32> seen;
    driver.on_flip = [&](SDL_Surface* s) {
        if (menu1 != 1) return;
        seen.clear();
        for (const Probe& p : probes) seen.push_back(rgb_at(s, p.x, p.y));
    };
    for (int i = 0; i < 3; ++i) dispatch.screen_poll(SDLK_DOWN);
    driver.grace_polls = 1;
    EXPECT_EQ(run_game(), STOPPED);
    ASSERT_EQ(seen.size(), std::size(probes));
    for (size_t i = 0; i < seen.size(); ++i)
        EXPECT_EQ(seen[i], probes[i].colour) << "at (" << probes[i].x << ", " << probes[i].y << ")";
}

}  // namespace
