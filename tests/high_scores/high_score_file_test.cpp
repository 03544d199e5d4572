// The append: the exact bytes of a high-score line, appended after what the
// file holds, and a missing "data" directory made on the way.
#include "high_scores/high_score_fixture.h"
#include "shell/high_score_file.h"

#include <climits>
#include <filesystem>

namespace {

class AppendTest : public GameTest {};

TEST_F(AppendTest, AThreeCharacterNameAndAFourDigitScoreMakeA77CharacterLine)
{
    ASSERT_TRUE(append_high_score("data/DATA0.dat", "A", "B", "C", 1234));
    EXPECT_EQ(read_file("data/DATA0.dat"),
              "  ABC                                 1234                                   \n");
}

struct LineCase {
    const char* name;
    const char* first;
    const char* second;
    const char* third;
    int score;
    std::string line;
};

class AppendLineTest : public AppendTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(AppendLineTest, EmptyCharactersAddNothingAndTheScoreIsWrittenInDecimal)
{
    const LineCase& c = GetParam();
    ASSERT_TRUE(append_high_score("data/DATA3.dat", c.first, c.second, c.third, c.score));
    EXPECT_EQ(read_file("data/DATA3.dat"), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, AppendLineTest,
    ::testing::Values(LineCase{"EmptyMiddle", "A", "", "C", 1234, score_line("AC", 1234)},
                      LineCase{"NoName", "", "", "", 0, score_line("", 0)},
                      LineCase{"NegativeScore", "0", "0", "0", -25, score_line("000", -25)},
                      LineCase{"LargestScore", "Z", "9", "W", INT_MAX, score_line("Z9W", INT_MAX)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AppendTest, LinesGoAfterWhatTheFileHolds)
{
    const std::string held = "written by hand, no line break";
    {
        std::ofstream out(dir / "data/DATA6.dat", std::ios::binary);
        out << held;
    }
    ASSERT_TRUE(append_high_score("data/DATA6.dat", "X", "Y", "Z", 10));
    ASSERT_TRUE(append_high_score("data/DATA6.dat", "W", "", "", 20));
    EXPECT_EQ(read_file("data/DATA6.dat"), held + score_line("XYZ", 10) + score_line("W", 20));
}

TEST_F(AppendTest, AMissingDataDirectoryIsMade)
{
    std::filesystem::remove_all(dir / "data");
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(append_high_score("data/DATA2.dat", "A", "B", "C", 7));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(read_file("data/DATA2.dat"), score_line("ABC", 7));
}

}  // namespace
