// The hit flame with the game's own flame sheet: each lane's routine draws the
// flame cell keyed on magenta at its lane over the picture already on the
// screen, and presents it.
#include "harness/expected_picture.h"
#include "harness/game_fixture.h"
#include "harness/pictures.h"
#include "highway/judges.h"
#include "shell/image_table.h"
#include "shell/video.h"

#include <string>

namespace {

class HitFlamePicture : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        screen = SDL_SetVideoMode(SCREEN_WIDTH, SCREEN_HEIGHT, SCREEN_BPP, 0);
        ASSERT_NE(screen, nullptr) << SDL_GetError();
        ASSERT_NE(hitflames, nullptr);
        ASSERT_NE(BG00, nullptr);
        // The play frame draws the flame sheet converted to the screen's format.
        flames_as_loaded = hitflames;
        hitflames = SDL_DisplayFormat(flames_as_loaded);
        ASSERT_NE(hitflames, nullptr);
    }

    void TearDown() override
    {
        SDL_FreeSurface(hitflames);
        hitflames = flames_as_loaded;
        screen = nullptr;
        SDL_Quit();
        GameTest::TearDown();
    }

    SDL_Surface* flames_as_loaded = nullptr;
};

TEST_F(HitFlamePicture, EachLaneShowsTheFlameCellKeyedOnMagentaAtItsPlace)
{
    // The flame cell (320, 0, 32, 64) of the sheet has both magenta
    // background, which must not show, and flame pixels.
    const SDL_Rect cell = {320, 0, 32, 64};
    int magenta = 0;
    for (int y = 0; y < cell.h; ++y)
        for (int x = cell.x; x < cell.x + cell.w; ++x) magenta += rgb_at(flames_as_loaded, x, y) == 0xFF00FF;
    ASSERT_GT(magenta, 0);
    ASSERT_LT(magenta, cell.w * cell.h);

    struct Case {
        int lane;
        void (*routine)();
        int x;
    };
    const Case cases[] = {
        {1, keyhitflames1, 80}, {2, keyhitflames2, 110}, {3, keyhitflames3, 145},
        {4, keyhitflames4, 177}, {5, keyhitflames5, 210},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("lane " + std::to_string(c.lane));
        SDL_Rect origin = {0, 0, 0, 0};
        SDL_BlitSurface(BG00, nullptr, screen, &origin);
        Snapshot before;
        before.take(screen);
        SDL_SetColorKey(hitflames, 0, 0);  // the routine keys the sheet itself

        Snapshot shown;
        driver.on_flip = [&](SDL_Surface* presented) { shown.take(presented); };
        const long flips_before = driver.flips;
        c.routine();
        driver.on_flip = nullptr;

        EXPECT_EQ(driver.flips - flips_before, 1);
        ASSERT_TRUE(shown);
        ExpectedPicture expected;
        expected.start_from(before.get());
        expected.draw(flames_as_loaded, cell, c.x, 155, Key::Magenta, SDL_ALPHA_OPAQUE, true);
        EXPECT_EQ(picture_difference(shown.get(), expected.get()), "");
    }
}

}  // namespace
