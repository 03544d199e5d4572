// The highway's pictures drawn from the game's own sheets, converted to the
// screen's format as the play frame draws them: the hit flame of each lane
// keyed on magenta, and falling notes of each lane keyed on white.
#include "harness/expected_picture.h"
#include "harness/game_fixture.h"
#include "harness/pictures.h"
#include "charts/chart_step.h"
#include "highway/judges.h"
#include "shell/image_table.h"
#include "shell/song_state.h"
#include "shell/video.h"

#include <string>

namespace {

class HighwayPicture : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        open_screen();
        if (HasFatalFailure()) return;
        ASSERT_NE(BG00, nullptr);
        for (Sheet* sheet : {&flames, &notes}) {
            ASSERT_NE(*sheet->global, nullptr);
            sheet->as_loaded = *sheet->global;
            *sheet->global = SDL_DisplayFormat(sheet->as_loaded);
            ASSERT_NE(*sheet->global, nullptr);
        }
    }

    void TearDown() override
    {
        for (Sheet* sheet : {&flames, &notes}) {
            if (!sheet->as_loaded) continue;
            SDL_FreeSurface(*sheet->global);
            *sheet->global = sheet->as_loaded;
        }
        screen = nullptr;
        SDL_Quit();
        GameTest::TearDown();
    }

    // Backdrop 0 over the whole screen, so every key shows against artwork.
    static void draw_background()
    {
        SDL_Rect origin = {0, 0, 0, 0};
        SDL_BlitSurface(BG00, nullptr, screen, &origin);
    }

    // A sheet as the image table loaded it; the game's global holds a copy
    // converted to the screen's format.
    struct Sheet {
        SDL_Surface** global;
        SDL_Surface* as_loaded = nullptr;
    };
    Sheet flames{&hitflames};
    Sheet notes{&my_surfNotas};
};

// Pixels of a cell of the sheet in one colour (0xRRGGBB).
int pixels_of(SDL_Surface* sheet, SDL_Rect cell, Uint32 rgb)
{
    int n = 0;
    for (int y = cell.y; y < cell.y + cell.h; ++y)
        for (int x = cell.x; x < cell.x + cell.w; ++x) n += rgb_at(sheet, x, y) == rgb;
    return n;
}

TEST_F(HighwayPicture, EachLaneShowsTheFlameCellKeyedOnMagentaAtItsPlace)
{
    // The flame cell (320, 0, 32, 64) of the sheet has both magenta
    // background, which must not show, and flame pixels.
    const SDL_Rect cell = {320, 0, 32, 64};
    const int magenta = pixels_of(flames.as_loaded, cell, 0xFF00FF);
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
        draw_background();
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
        expected.draw(flames.as_loaded, cell, c.x, 155, Key::Magenta, SDL_ALPHA_OPAQUE, true);
        EXPECT_EQ(picture_difference(shown.get(), expected.get()), "");
    }
}

TEST_F(HighwayPicture, NotesOfEachLaneFallWithTheirOwnCellKeyedOnWhite)
{
    // Keyed on white, as the play field's preparation leaves the note sheet.
    SDL_SetColorKey(my_surfNotas, SDL_SRCCOLORKEY, SDL_MapRGB(my_surfNotas->format, 255, 255, 255));

    // One note per lane, 100 ms apart; after 20 frames of 50 ms from 1001 on
    // they are in their note frames 20, 18, 16, 14 and 12.
    const ChartNote chart_notes[] = {{1000, 1, 3}, {1100, 2, 4}, {1200, 3, 5}, {1300, 4, 6}, {1400, 5, 7}};
    const Chart chart = {chart_notes, 5};
    draw_background();
    Snapshot background;
    background.take(screen);
    BPS = 10;
    for (int k = 1; k <= 20; ++k) {
        draw_background();
        msec = 1001 + 50 * (k - 1);
        chart_step(chart);
    }

    struct Drawn {
        SDL_Rect cell;
        int x, y;
    };
    const Drawn drawn[] = {
        {{0, 0, 31, 23}, 80, 190},   {{31, 0, 31, 23}, 110, 170}, {{64, 0, 31, 23}, 145, 150},
        {{97, 0, 31, 23}, 177, 130}, {{129, 0, 31, 23}, 210, 110},
    };
    ExpectedPicture expected;
    expected.start_from(background.get());
    for (const Drawn& d : drawn) {
        ASSERT_GT(pixels_of(notes.as_loaded, d.cell, 0xFFFFFF), 0) << "the cell at " << d.cell.x << " has white to key";
        expected.draw(notes.as_loaded, d.cell, d.x, d.y, Key::White, SDL_ALPHA_OPAQUE, true);
    }
    EXPECT_EQ(picture_difference(screen, expected.get()), "");
}

}  // namespace
