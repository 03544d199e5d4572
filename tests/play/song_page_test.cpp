// Each song's page on the song selection screen, composed from the artwork
// files and compared pixel for pixel, and the tune that button A then starts.
#include "play/play_fixture.h"

#include "harness/expected_picture.h"
#include "shell/resources.h"

#include <SDL/SDL_image.h>
#include <SDL/SDL_mixer.h>

#include <cstring>
#include <memory>
#include <ostream>

namespace {

// An image read from its file in the game directory: the test's own copy,
// so a wrong entry in the game's image table shows.
// The tune that the start-up loaded from a file.
Mix_Music* tune_loaded_from(const char* path)
{
    for (const auto& row : TUNE_FILES)
        if (std::strcmp(row.path, path) == 0) return *row.handle;
    return nullptr;
}

struct SongPageCase {
    const char* name;
    int song;  // count_song, reached with Right from the first page
    const char* tune;
    const char* title;
    const char* album;
    const char* band;
    const char* cover;
};

const SongPageCase SONG_PAGES[] = {
    {"Paranoid", 0, "song/Paranoid.ogg", "PARANOID", "Album: Paranoid(1970)", "Band: Black Sabbath",
     "img/capas/Paranoid_small.jpg"},
    {"HighwayToHell", 1, "song/HighwayToHell.ogg", "HIGHWAY TO HELL", "Album: Highway To Hell (1979)",
     "Band: AC/DC", "img/capas/Highway_small.jpg"},
    {"AceOfSpades", 2, "song/AceOfSpads.ogg", "ACE OF SPADES", "Album: Ace Of Spades (1980)", "Band: Motorhead",
     "img/capas/aceofspades_small.jpg"},
    {"RunToTheHills", 3, "song/RunToTheHills.ogg", "RUN TO THE HILLS", "Album: The Number Of the Beast (1982)",
     "Band: Iron Maiden", "img/capas/number_small.jpg"},
    {"ForWhomTheBellsTolls", 4, "song/ForWhomTheBellsTools.ogg", "FOR WHOM THE BELLS TOOLS",
     "Album: Ride the Lightning (1984)", "Band: Metallica", "img/capas/Ridethelightning_small.jpg"},
};

void PrintTo(const SongPageCase& c, std::ostream* out) { *out << c.name; }

class SongPageTest : public PlayTest, public ::testing::WithParamInterface<SongPageCase> {};

TEST_P(SongPageTest, ShowsItsCoverAndTextsAndButtonAStartsItsTune)
{
    const SongPageCase& c = GetParam();
    wins = 7;
    loses = 12;
    skip_intro();
    driver.key_down(BUTTON_A);  // play menu
    driver.key_down(SDLK_DOWN);
    driver.key_down(BUTTON_A);  // the song selection
    // Each Right is taken by the screen's own poll, the shared poll after it
    // left empty. The page of the last turn is drawn in the next pass and
    // shown at the flip of the pass after that, whose own poll takes button A.
    for (int page = 0; page < c.song; ++page) driver.key_down(SDLK_RIGHT, page == 0 ? 0 : 1);
    driver.key_down(BUTTON_A, c.song == 0 ? 2 : 3);

    // Button A frees the menu music before anything else is presented, so the
    // last picture presented with it held is the page the song was chosen on.
    Snapshot chosen_on;
    driver.on_flip = [&](SDL_Surface* shown) {
        if (music_menu) chosen_on.take(shown);
    };
    driver.stop_when = [this] { return playing(); };
    ASSERT_EQ(run_game(), STOPPED);

    EXPECT_EQ(count_song, c.song);
    Mix_Music* tune = tune_loaded_from(c.tune);
    ASSERT_NE(tune, nullptr);
    ASSERT_EQ(driver.count_music(MusicCall::Play), 2);  // the menu music, then the song's
    EXPECT_EQ(driver.music.back().music, tune) << "the song should play " << c.tune;
    EXPECT_EQ(driver.music.back().loops, 0);

    const LoadedImage background = image_file("img/menus/select_song_band.png");
    const LoadedImage cover = image_file(c.cover);
    ASSERT_TRUE(background && cover);
    TTF_Font* small = test_font(10);
    TTF_Font* big = test_font(18);
    const SDL_Color white = {255, 255, 255, 0};
    ExpectedPicture expected;
    expected.draw(background.get(), nullptr, 0, 0)
        .draw(cover.get(), nullptr, 178, 68)
        .text(small, "Song", white, 12, 10)
        .text(big, c.title, white, 12, 22)
        .text(small, c.album, white, 12, 51)
        .text(small, c.band, white, 12, 66)
        .centred_text(small, "Press A play or B back to MENU", white, 220)
        .text(small, "Wins: 7", white, 12, 120)
        .text(small, "Loses: 12", white, 12, 140);
    ASSERT_TRUE(chosen_on);
    EXPECT_EQ(picture_difference(chosen_on.get(), expected.get()), "");
}

INSTANTIATE_TEST_SUITE_P(Songs, SongPageTest, ::testing::ValuesIn(SONG_PAGES),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
