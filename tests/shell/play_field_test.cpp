// The play field's static layers and the keys it sets on the sheets.
#include "harness/expected_picture.h"
#include "harness/game_fixture.h"
#include "highway/judge_state.h"
#include "shell/image_table.h"
#include "shell/play_field.h"
#include "shell/settings.h"
#include "shell/video.h"

#include <string>

namespace {

class PlayFieldTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        screen = SDL_CreateRGBSurface(SDL_SWSURFACE, 320, 240, 16, 0xF800, 0x07E0, 0x001F, 0);
    }
    void TearDown() override
    {
        SDL_FreeSurface(screen);
        screen = nullptr;
        GameTest::TearDown();
    }

    static Uint32 key_of(SDL_Surface* s) { return s->flags & SDL_SRCCOLORKEY ? s->format->colorkey : 0xDEADBEEF; }
};

TEST_F(PlayFieldTest, SetsTheColourKeysAndTheNeckAlpha)
{
    carrega_img();
    struct Keyed {
        SDL_Surface* surface;
        Uint8 r, g, b;
    };
    for (const Keyed& k : {Keyed{my_surfLinha, 255, 255, 255}, Keyed{my_surfNotas, 255, 255, 255},
                           Keyed{my_surfFrets, 255, 0, 255}, Keyed{my_surfScore, 255, 0, 255},
                           Keyed{my_surfRockometro, 255, 0, 255}, Keyed{my_surfRockometro2, 255, 0, 255},
                           Keyed{my_surfloading2, 255, 0, 255}, Keyed{multiplicador, 255, 0, 255}}) {
        EXPECT_EQ(key_of(k.surface), SDL_MapRGB(k.surface->format, k.r, k.g, k.b));
    }
    for (SDL_Surface* neck : {nk0, nk1, nk2, nk3}) {
        EXPECT_TRUE(neck->flags & SDL_SRCALPHA);
        EXPECT_EQ(neck->format->alpha, 200);
        EXPECT_FALSE(neck->flags & SDL_SRCCOLORKEY);
    }
}

struct MultiplierCase {
    int streak;
    Uint32 shown;  // colour of the top cell at (0, 180)
};

class MultiplierTest : public PlayFieldTest, public ::testing::WithParamInterface<MultiplierCase> {};

TEST_P(MultiplierTest, HigherCellsAreDrawnOnTopFromStreaksFiveAndTen)
{
    // A sheet whose three cells are plain red, green and blue.
    multiplicador = solid_surface(77, 57, 255, 0, 0);
    SDL_Rect x2 = {0, 19, 77, 19}, x3 = {0, 38, 77, 19};
    SDL_FillRect(multiplicador, &x2, SDL_MapRGB(multiplicador->format, 0, 255, 0));
    SDL_FillRect(multiplicador, &x3, SDL_MapRGB(multiplicador->format, 0, 0, 255));
    nHITS = GetParam().streak;
    carrega_img();
    EXPECT_EQ(rgb_at(screen, 0, 180), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Streaks, MultiplierTest,
                         ::testing::Values(MultiplierCase{0, 0xFF0000}, MultiplierCase{4, 0xFF0000},
                                           MultiplierCase{5, 0x00FF00}, MultiplierCase{9, 0x00FF00},
                                           MultiplierCase{10, 0x0000FF}, MultiplierCase{40, 0x0000FF}),
                         [](const auto& info) { return "Streak" + std::to_string(info.param.streak); });

TEST_F(PlayFieldTest, SettingsOutsideTheRangeDrawNoBackdropAndNoNeck)
{
    for (SDL_Surface** s : {&my_surfLinha, &my_surfScore, &my_surfRockometro}) *s = solid_surface(1, 1, 255, 0, 255);
    BG00 = BG01 = BG02 = BG03 = solid_surface(320, 240, 0, 255, 0);
    nk0 = nk1 = nk2 = nk3 = solid_surface(240, 1080, 0, 0, 255);
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 255, 0, 0));

    bg_menu = nk_menu = 4;
    carrega_img();
    EXPECT_EQ(rgb_at(screen, 40, 100), 0xFF0000u);
    EXPECT_EQ(rgb_at(screen, 200, 100), 0xFF0000u);

    bg_menu = nk_menu = 3;
    carrega_img();
    EXPECT_EQ(rgb_at(screen, 40, 100), 0x00FF00u);
    // The neck lands at x 80 and is blended at alpha 200 over the backdrop.
    const Uint32 neck = rgb_at(screen, 200, 100);
    EXPECT_GT(neck & 0xFF, 0xA0u);
    EXPECT_GT((neck >> 8) & 0xFF, 0u);
    EXPECT_EQ(rgb_at(screen, 79, 100), 0x00FF00u);
}

struct FieldCase {
    const char* name;
    int backdrop_setting, neck_setting, clip_row, streak;
    SDL_Surface** backdrop;
    SDL_Surface** neck;
    int multiplier_cells;
};

void PrintTo(const FieldCase& c, std::ostream* out) { *out << c.name; }

class FieldPictureTest : public PlayFieldTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(FieldPictureTest, DrawsTheStaticLayersWithTheWholeMeterCoverAndTheNeckFromTheClipRow)
{
    const FieldCase& c = GetParam();
    bg_menu = c.backdrop_setting;
    nk_menu = c.neck_setting;
    camera.y = static_cast<Sint16>(c.clip_row);  // where a song before left the scroll
    nHITS = c.streak;
    carrega_img();

    const SDL_Rect multiplier_cells[] = {{0, 0, 77, 19}, {0, 19, 77, 19}, {0, 38, 77, 19}};
    ExpectedPicture expected;
    expected.draw(*c.backdrop, nullptr, 0, 0);
    // Neck columns 0..239 at screen x 80..319, from the clip's row down.
    expected.draw(*c.neck, SDL_Rect{0, static_cast<Sint16>(c.clip_row), 240, 240}, 80, 0, Key::None, 200);
    expected.draw(my_surfLinha, nullptr, 80, 0, Key::White);
    expected.draw(my_surfFrets, SDL_Rect{0, 0, 200, 33}, 80, 215, Key::Magenta);
    expected.draw(my_surfScore, nullptr, 0, 5, Key::Magenta);
    expected.draw(my_surfRockometro, nullptr, 298, 10, Key::Magenta);
    for (int i = 0; i < c.multiplier_cells; ++i)
        expected.draw(multiplicador, multiplier_cells[i], 0, 180, Key::Magenta);
    EXPECT_EQ(picture_difference(screen, expected.get()), "");
    EXPECT_EQ(camera.y, c.clip_row);  // drawing does not scroll
}

INSTANTIATE_TEST_SUITE_P(Settings, FieldPictureTest,
                         ::testing::Values(FieldCase{"FirstSettingsAtTheTop", 0, 0, 540, 0, &BG00, &nk0, 1},
                                           FieldCase{"ThirdBackdropSecondNeckScrolled", 2, 1, 270, 6, &BG02, &nk1, 2},
                                           FieldCase{"FourthOfEachNearlyWrapped", 3, 3, 10, 12, &BG03, &nk3, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
