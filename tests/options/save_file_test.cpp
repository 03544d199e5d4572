// The save file: what save and clear write, how a failed write leaves the old
// file, and what load makes of any content.
#include "shell/save_file.h"
#include "shell/song_state.h"
#include "shell/video.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>

namespace fs = std::filesystem;

namespace {

// Runs each test in an empty directory of its own.
class SaveFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        old_cwd_ = fs::current_path();
        std::string pattern = (fs::temp_directory_path() / "quorl_save_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        fs::current_path(dir_);
        wins = 11;
        loses = 22;
    }
    void TearDown() override
    {
        fs::current_path(old_cwd_);
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    static void write(const std::string& name, const std::string& content)
    {
        std::ofstream(name, std::ios::binary) << content;
    }
    static std::string read(const std::string& name)
    {
        std::ifstream in(name, std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf();
        return content.str();
    }

private:
    fs::path old_cwd_, dir_;
};

// ---------------------------------------------------------------- load

struct LoadCase {
    const char* name;
    std::string content;
    int wins, loses;  // after the load, from 11 and 22
    bool loaded;
};

void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }

class LoadTest : public SaveFileTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(LoadTest, ReadsWhatItCanInOrderAndKeepsTheRest)
{
    const LoadCase& c = GetParam();
    write(SAVE_FILE, c.content);
    testing::internal::CaptureStderr();
    EXPECT_EQ(load_game(), c.loaded);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(wins, c.wins);
    EXPECT_EQ(loses, c.loses);
}

const std::string THOUSAND_DIGITS(1000, '9');

INSTANTIATE_TEST_SUITE_P(
    Contents, LoadTest,
    ::testing::Values(
        LoadCase{"TwoNumbers", "7\n2", 7, 2, true},
        LoadCase{"OneNumber", "7", 7, 22, true},
        LoadCase{"OneNumberAndALineBreak", "7\n", 7, 22, true},
        LoadCase{"Empty", "", 11, 22, false},
        LoadCase{"OnlyBlanks", " \t\r\n ", 11, 22, false},
        LoadCase{"FirstNotANumber", "x 7 2", 11, 22, false},
        LoadCase{"SecondNotANumber", "7 x", 7, 22, true},
        LoadCase{"BlanksOnOneLine", "  7 \t  2", 7, 2, true},
        LoadCase{"CrLf", "\r\n7\r\n2\r\n", 7, 2, true},
        LoadCase{"PlusSignsAndLeadingZeros", "+007\n+0002", 7, 2, true},
        LoadCase{"ThousandLeadingZeros", std::string(1000, '0') + "7 -02", 7, -2, true},
        LoadCase{"Negative", "-3\n-4", -3, -4, true},
        LoadCase{"SignWithoutDigits", "+ 7 2", 11, 22, false},
        LoadCase{"SecondSignWithoutDigits", "7 -", 7, 22, true},
        LoadCase{"DoubleSign", "+-7", 11, 22, false},
        LoadCase{"SignRightAfterTheFirstNumber", "7-2", 7, -2, true},
        LoadCase{"TrailingText", "7\n2 and more 9 9", 7, 2, true},
        LoadCase{"TextGluedToTheSecond", "7 2abc", 7, 2, true},
        LoadCase{"TextGluedToTheFirst", "7abc 2", 7, 22, true},
        LoadCase{"IntLimits", "2147483647 -2147483648", INT_MAX, INT_MIN, true},
        LoadCase{"FirstAboveTheRange", "2147483648 5", 11, 22, false},
        LoadCase{"FirstBelowTheRange", "-2147483649 5", 11, 22, false},
        LoadCase{"SecondAboveTheRange", "7 2147483648", 7, 22, true},
        LoadCase{"ThousandDigits", THOUSAND_DIGITS + " 5", 11, 22, false},
        LoadCase{"SecondHasAThousandDigits", "7 " + THOUSAND_DIGITS, 7, 22, true},
        LoadCase{"NulBytes", std::string("\0\0 7 2", 6), 11, 22, false},
        LoadCase{"NulAfterTheFirst", std::string("7\0 2", 4), 7, 22, true},
        LoadCase{"HighBytes", "\xff\xfe" "7 2", 11, 22, false},
        LoadCase{"HexIsJustItsZero", "0x10 5", 0, 22, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveFileTest, LoadWithoutAFileChangesNothingAndSaysNothing)
{
    testing::internal::CaptureStderr();
    EXPECT_FALSE(load_game());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(wins, 11);
    EXPECT_EQ(loses, 22);
}

TEST_F(SaveFileTest, LoadAgreesWithFormattedExtractionOnRandomContent)
{
    // Formatted extraction into a temporary that is copied only on success is
    // exactly the rule the load keeps; random files of the characters that
    // matter must load the same way.
    const char alphabet[] = "0123456789000+-- \t\r\n\n\vx.\0\xff";
    std::mt19937 random(20240611);
    for (int round = 0; round < 2000; ++round) {
        std::string content;
        const int length = std::uniform_int_distribution<int>(0, 14)(random);
        for (int i = 0; i < length; ++i)
            content += alphabet[std::uniform_int_distribution<size_t>(0, sizeof alphabet - 2)(random)];
        if (round % 50 == 0) content.insert(0, std::string(12, '9'));  // now and then out of range

        int expected_wins = 11, expected_loses = 22, value = 0;
        std::istringstream reference(content);
        const bool first = static_cast<bool>(reference >> value);
        if (first) expected_wins = value;
        if (first && reference >> value) expected_loses = value;

        write(SAVE_FILE, content);
        wins = 11;
        loses = 22;
        ASSERT_EQ(load_game(), first) << testing::PrintToString(content);
        ASSERT_EQ(wins, expected_wins) << testing::PrintToString(content);
        ASSERT_EQ(loses, expected_loses) << testing::PrintToString(content);
    }
}

TEST_F(SaveFileTest, RandomBinaryAndHugeFilesLoadWithoutHarm)
{
    std::mt19937 random(7);
    std::string binary(1 << 20, '\0');
    for (char& c : binary) c = static_cast<char>(random());
    binary[0] = '\x80';  // not a number: nothing loads
    write(SAVE_FILE, binary);
    EXPECT_FALSE(load_game());
    EXPECT_EQ(wins, 11);
    EXPECT_EQ(loses, 22);

    write(SAVE_FILE, "3 4 " + std::string(32 << 20, 'z'));
    EXPECT_TRUE(load_game());
    EXPECT_EQ(wins, 3);
    EXPECT_EQ(loses, 4);
}

TEST_F(SaveFileTest, LoadStopsAtTheEndOfTheSecondNumber)
{
    // A pipe whose writer keeps it open: a load that read on past the second
    // number would wait for more until the writer gives up.
    ASSERT_EQ(mkfifo(SAVE_FILE, 0600), 0);
    std::atomic<bool> loaded{false}, gave_up{false};
    std::thread writer([&] {
        std::ofstream out(SAVE_FILE, std::ios::binary);
        out << "5\n6\n" << std::flush;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!loaded && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        gave_up = !loaded;
    });
    EXPECT_TRUE(load_game());
    loaded = true;
    writer.join();
    EXPECT_FALSE(gave_up);
    EXPECT_EQ(wins, 5);
    EXPECT_EQ(loses, 6);
}

TEST_F(SaveFileTest, AnUnreadableSaveFileIsReportedAndChangesNothing)
{
    fs::create_directory(SAVE_FILE);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(load_game());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, std::string(program_name) + ": cannot read game_save: Is a directory\n");
    EXPECT_EQ(wins, 11);
    EXPECT_EQ(loses, 22);
}

// ---------------------------------------------------------------- save and clear

TEST_F(SaveFileTest, SaveAndClearWriteTheTwoCountsWithoutAFinalLineBreak)
{
    write(SAVE_FILE, "old content that is longer than the new one\n");
    const struct {
        bool (*operation)();
        int wins, loses;
        const char* content;
    } cases[] = {
        {save_game, 7, 2, "7\n2"},
        {save_game, -1, INT_MIN, "-1\n-2147483648"},
        {erase_game, 7, 2, "0\n0"},
    };
    for (const auto& c : cases) {
        wins = c.wins;
        loses = c.loses;
        testing::internal::CaptureStderr();
        EXPECT_TRUE(c.operation());
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(read(SAVE_FILE), c.content);
        EXPECT_FALSE(fs::exists(SAVE_FILE_TMP));
        // The counts in memory are the player's, also after a clear.
        EXPECT_EQ(wins, c.wins);
        EXPECT_EQ(loses, c.loses);
    }
}

TEST_F(SaveFileTest, SaveThenLoadGivesTheCountsBack)
{
    wins = 123;
    loses = 45;
    ASSERT_TRUE(save_game());
    wins = loses = 0;
    EXPECT_TRUE(load_game());
    EXPECT_EQ(wins, 123);
    EXPECT_EQ(loses, 45);
}

struct WriteFailure {
    const char* name;
    void (*arrange)();  // makes the next write fail
    const char* reason;
    bool old_file;      // a readable old save file stands beside it
};

void PrintTo(const WriteFailure& f, std::ostream* os) { *os << f.name; }

class WriteFailureTest : public SaveFileTest, public ::testing::WithParamInterface<WriteFailure> {};

TEST_P(WriteFailureTest, LeavesTheOldFileAndNoTemporaryAndSaysWhy)
{
    const WriteFailure& f = GetParam();
    if (f.old_file) write(SAVE_FILE, "5\n6");
    for (bool (*operation)() : {save_game, erase_game}) {
        f.arrange();
        wins = 7;
        loses = 2;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(operation());
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(err.find(program_name), 0u) << err;
        EXPECT_NE(err.find("game_save"), std::string::npos) << err;
        EXPECT_NE(err.find(f.reason), std::string::npos) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_EQ(wins, 7);
        EXPECT_EQ(loses, 2);
        if (f.old_file) {
            EXPECT_EQ(read(SAVE_FILE), "5\n6");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Failures, WriteFailureTest,
    ::testing::Values(
        // The temporary file cannot be created.
        WriteFailure{"TemporaryIsADirectory", [] { fs::create_directories(SAVE_FILE_TMP); }, "Is a directory", true},
        // The disk is full: the data is lost when the file is closed.
        WriteFailure{"DiskFull", [] { fs::create_symlink("/dev/full", SAVE_FILE_TMP); }, "No space left", true},
        // The rename cannot replace the save file.
        WriteFailure{"SaveFileIsADirectory",
                     [] {
                         fs::create_directories(SAVE_FILE);
                         std::ofstream(std::string(SAVE_FILE) + "/keep") << "x";
                     },
                     "Is a directory", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveFileTest, AFailedWriteTakesItsTemporaryFileAway)
{
    // The temporary file is removed after a failed close and after a failed
    // rename; the save-file directory stays as it was.
    fs::create_symlink("/dev/full", SAVE_FILE_TMP);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(save_game());
    EXPECT_FALSE(fs::exists(fs::symlink_status(SAVE_FILE_TMP)));

    fs::create_directory(SAVE_FILE);
    std::ofstream(std::string(SAVE_FILE) + "/keep") << "x";
    EXPECT_FALSE(erase_game());
    testing::internal::GetCapturedStderr();
    EXPECT_FALSE(fs::exists(fs::symlink_status(SAVE_FILE_TMP)));
    EXPECT_EQ(read(std::string(SAVE_FILE) + "/keep"), "x");
}

}  // namespace
