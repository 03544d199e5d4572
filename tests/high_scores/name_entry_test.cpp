// The name entry: the letter grid with its wraps, the preview, the delete
// cell and the empty cells, the redraw on every event, and the line written.
#include "high_scores/high_score_fixture.h"
#include "highway/judge_state.h"
#include "shell/image_table.h"
#include "shell/keys.h"
#include "shell/name_entry.h"
#include "shell/name_entry_state.h"
#include "shell/song_state.h"

#include <filesystem>
#include <vector>

namespace {

class NameEntryTest : public HighScoreTest {
protected:
    void SetUp() override
    {
        HighScoreTest::SetUp();
        plain_picture(new_score, 10, 60, 30);
    }

    // Runs the name entry until it returns (true) or the script is spent.
    bool run_name_entry()
    {
        try {
            next = name_entry();
            return true;
        } catch (const StopGame& stop) {
            EXPECT_FALSE(stop.timed_out) << "the name entry ran past the poll limit";
            return false;
        }
    }

    void taps(const std::vector<SDLKey>& keys)
    {
        for (SDLKey key : keys) driver.tap(key);
    }

    // Whether name position 0..2 shows this character (null: nothing).
    ::testing::AssertionResult shows(int position, const char* character)
    {
        static const int X[] = {109, 154, 196};
        SDL_Surface* expected = screen_like();
        SDL_Rect at = {0, 0, 0, 0};
        SDL_UpperBlit(new_score, nullptr, expected, &at);
        if (character) draw_text(expected, font_big, character, X[position], 70);
        auto result = same_pixels(expected, screen, {static_cast<Sint16>(X[position]), 70, 36,
                                                     static_cast<Uint16>(TTF_FontHeight(font_big))});
        SDL_FreeSurface(expected);
        return result;
    }

    std::vector<std::string> data_files() const
    {
        std::vector<std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(dir / "data"))
            files.push_back(entry.path().filename().string());
        return files;
    }

    Next next = Next::Stay;
};

struct NameCase {
    const char* name;
    std::vector<SDLKey> keys;  // each pressed and released
    int song;                  // count_song
    const char* file;          // the file appended to, null for none
    const char* written;       // the name in the line
    int column, row;           // the cursor's cell at the end
    int cursor_x, cursor_y;    // and where it is drawn
};

class NameLineTest : public NameEntryTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(NameLineTest, TheConfirmedNameIsAppendedToTheSongsFile)
{
    const NameCase& c = GetParam();
    count_song = c.song;
    nSCORE = 4321;
    taps(c.keys);
    ASSERT_TRUE(run_name_entry());
    EXPECT_EQ(next, Next::MenuEntry);
    EXPECT_EQ(hiscoreMENU, 1);
    if (c.file) {
        EXPECT_EQ(data_files(), std::vector<std::string>{c.file});
        EXPECT_EQ(read_file(std::string("data/") + c.file), score_line(c.written, 4321));
    } else {
        EXPECT_TRUE(data_files().empty());
    }
    EXPECT_EQ(letrasX, c.column);
    EXPECT_EQ(letrasY, c.row);
    EXPECT_EQ(dst_CursorLetras.x, c.cursor_x);
    EXPECT_EQ(dst_CursorLetras.y, c.cursor_y);
    for (SDL_Surface* letter : {letraX, letraY, letraZ}) EXPECT_EQ(letter, nullptr);
    EXPECT_TRUE(driver.effects.empty()) << "the name entry plays no sound";
    EXPECT_TRUE(driver.music.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameLineTest,
    ::testing::Values(
        NameCase{"ThreePressesGiveZeros", {OK, OK, OK}, 0, "DATA0.dat", "000", 0, 0, 67, 127},
        NameCase{"UpFromRowZeroIsU", {UP, OK, OK, OK}, 3, "DATA3.dat", "UUU", 0, 3, 67, 181},
        NameCase{"LeftFromColumnZeroWraps", {LEFT, OK, OK, OK}, 1, "DATA1.dat", "999", 9, 0, 238, 127},
        NameCase{"DownAndRightWrapRound",
                 {DOWN, DOWN, DOWN, DOWN, DOWN, RIGHT, RIGHT, RIGHT, RIGHT, RIGHT, RIGHT, RIGHT, RIGHT, RIGHT,
                  RIGHT, RIGHT, OK, OK, OK},
                 2, "DATA2.dat", "BBB", 1, 1, 86, 145},
        NameCase{"WStandsInColumnFour", {UP, RIGHT, RIGHT, RIGHT, RIGHT, OK, OK, OK}, SONG_TUTORIAL, "DATA6.dat",
                 "WWW", 4, 3, 143, 181},
        NameCase{"XStandsInColumnTwo", {UP, RIGHT, RIGHT, OK, OK, OK}, 4, "DATA4.dat", "XXX", 2, 3, 105, 181},
        // The delete cell at position 0 empties the first character; the
        // other two were never previewed and keep their "0".
        NameCase{"DeleteAtPositionZero", {UP, LEFT, OK, LEFT, OK, OK, OK}, 0, "DATA0.dat", "00", 8, 3, 219, 181},
        // Back from position 1 to 0: the first character keeps "A", the second
        // stays empty when it is passed over on an empty cell.
        NameCase{"DeleteAtPositionOneLeavesAnEmptyMiddle",
                 {DOWN, OK, UP, UP, LEFT, OK, LEFT, OK, OK, OK}, 0, "DATA0.dat", "A0", 8, 3, 219, 181},
        NameCase{"DeleteAtPositionTwo", {DOWN, OK, OK, DOWN, DOWN, LEFT, OK, LEFT, OK, OK}, 1, "DATA1.dat", "AA", 8,
                 3, 219, 181},
        NameCase{"EmptyCellKeepsTheLastPreview", {UP, RIGHT, RIGHT, RIGHT, RIGHT, RIGHT, RIGHT, OK, OK, OK}, 3,
                 "DATA3.dat", "Z00", 6, 3, 181, 181},
        NameCase{"NoSongWritesNoFile", {OK, OK, OK}, 5, nullptr, "", 0, 0, 67, 127}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NameEntryTest, ThePreviewShowsAtOnceAndTheDeleteStepsBack)
{
    // Confirming "A": the second position shows it at the release of button A.
    taps({DOWN, OK});
    EXPECT_FALSE(run_name_entry());
    EXPECT_EQ(hiscore, 1);
    EXPECT_STREQ(ScoreLetraX, "A");
    EXPECT_STREQ(ScoreLetraY, "A");
    EXPECT_TRUE(shows(0, "A"));
    EXPECT_TRUE(shows(1, "A"));
    EXPECT_TRUE(shows(2, nullptr));

    // The delete cell at position 1: the second character is emptied, and it
    // leaves the screen with the next event; the first is current again and
    // keeps its value.
    taps({UP, UP, LEFT});
    driver.key_down(OK);
    EXPECT_FALSE(run_name_entry());
    EXPECT_EQ(hiscore, 0);
    EXPECT_STREQ(ScoreLetraX, "A");
    EXPECT_STREQ(ScoreLetraY, "");
    EXPECT_EQ(letraY, nullptr);
    EXPECT_TRUE(shows(1, "U"));
    driver.key_up(OK);
    EXPECT_FALSE(run_name_entry());
    EXPECT_TRUE(shows(0, "A"));
    EXPECT_TRUE(shows(1, nullptr));

    // The first character changes once the cursor stands on a character again.
    taps({RIGHT});
    EXPECT_FALSE(run_name_entry());
    EXPECT_STREQ(ScoreLetraX, "U");
    EXPECT_TRUE(shows(0, "U"));
}

// Three presents per event on a character cell (grid, preview, the three
// positions), two on a cell without one, one more after a delete; a cursor
// move adds none, and any event, a mouse motion too, redraws.
TEST_F(NameEntryTest, EveryEventRedrawsTheScreen)
{
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    driver.key_down(UP);    // on "0"
    driver.key_up(UP);      // on "U"
    driver.key_down(LEFT);  // on "U", moves to the delete cell
    driver.key_up(LEFT);    // on the delete cell
    driver.push(motion);
    driver.key_down(OK);    // the delete
    driver.key_up(OK);
    std::vector<long> flips_at_poll;
    driver.on_poll = [&] { flips_at_poll.push_back(driver.flips); };
    EXPECT_FALSE(run_name_entry());

    std::vector<long> per_event;
    for (std::size_t i = 0; i < flips_at_poll.size(); ++i)
        per_event.push_back(flips_at_poll[i] - (i ? flips_at_poll[i - 1] : 0));
    EXPECT_EQ(per_event, (std::vector<long>{1, 3, 3, 3, 2, 2, 3, 2}));
}

// Waiting for a key, the screen polls once per display period instead of
// spinning.
TEST_F(NameEntryTest, IdlePollsArePacedAtSixtyPerSecond)
{
    for (Uint32 at : {1000u, 2000u, 3000u}) driver.key_down_at(OK, at);
    ASSERT_TRUE(run_name_entry());
    EXPECT_GE(driver.now, 3000u);
    EXPECT_NEAR(driver.polls, 180, 4);
}

struct FailCase {
    const char* name;
    void (*lay_out)(const std::filesystem::path& data);
    const char* reason;
};

class NameWriteFailureTest : public NameEntryTest, public ::testing::WithParamInterface<FailCase> {};

// A line that cannot be written is reported on standard error, and the game
// goes on to the main menu all the same.
TEST_P(NameWriteFailureTest, IsReportedAndTheGameGoesOn)
{
    GetParam().lay_out(dir / "data");
    count_song = 1;
    taps({OK, OK, OK});
    ::testing::internal::CaptureStderr();
    const bool returned = run_name_entry();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              std::string("quorl_demo_windowed: cannot write data/DATA1.dat: ") + GetParam().reason + "\n");
    EXPECT_TRUE(returned);
    EXPECT_EQ(next, Next::MenuEntry);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, NameWriteFailureTest,
    ::testing::Values(
        FailCase{"DataIsAFile",
                 [](const std::filesystem::path& data) {
                     std::filesystem::remove_all(data);
                     std::ofstream(data) << "not a directory";
                 },
                 "Not a directory"},
        FailCase{"FileIsADirectory",
                 [](const std::filesystem::path& data) { std::filesystem::create_directory(data / "DATA1.dat"); },
                 "Is a directory"},
        FailCase{"DiskFull",
                 [](const std::filesystem::path& data) {
                     std::filesystem::create_symlink("/dev/full", data / "DATA1.dat");
                 },
                 "No space left on device"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
