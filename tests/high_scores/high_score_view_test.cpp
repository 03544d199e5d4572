// The high-score view: background, footer, header, the title of the chosen
// file and its first ten rows, drawn exactly as read.
#include "high_scores/high_score_fixture.h"
#include "shell/high_score_file.h"
#include "shell/high_score_view.h"
#include "shell/image_table.h"
#include "shell/play_menu.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace {

class HighScoreViewTest : public HighScoreTest {
protected:
    void SetUp() override
    {
        HighScoreTest::SetUp();
        plain_picture(my_surfMenu5, 20, 40, 90);
    }

    void expect_screen(const char* title, const std::vector<std::string>& rows)
    {
        SDL_Surface* expected = expected_view(my_surfMenu5, title, rows);
        EXPECT_TRUE(same_pixels(expected, screen, {0, 0, 320, 240}));
        SDL_FreeSurface(expected);
    }
};

constexpr const char* PARANOID = "<             PARANOID              >";

// Text that changes from character to character, so that a row cut at the
// wrong place shows.
std::string varied(std::size_t length)
{
    std::string text;
    for (std::size_t i = 0; i < length; ++i) text += char('A' + i % 26);
    return text;
}

std::vector<std::string> numbered_lines(int count)
{
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i) lines.push_back(score_line("N" + std::to_string(i % 10), 100 * i));
    return lines;
}

std::string joined(const std::vector<std::string>& lines)
{
    std::string all;
    for (const auto& line : lines) all += line;
    return all;
}

// The rows as drawn: the line without its line break.
std::vector<std::string> shown(std::vector<std::string> lines)
{
    for (auto& line : lines) line.pop_back();
    return lines;
}

// A string literal with its zero bytes.
template <std::size_t N>
std::string bytes(const char (&literal)[N])
{
    return std::string(literal, N - 1);
}

struct ContentCase {
    const char* name;
    std::optional<std::string> content;  // none: no file
    std::vector<std::string> rows;
    const char* link_to = nullptr;       // the file is a link to this instead
};

const std::vector<ContentCase>& content_cases()
{
    static const std::vector<ContentCase> cases = {
        {"MissingFile", std::nullopt, {}},
        {"EmptyFile", "", {}},
        {"ThreeLines", joined(numbered_lines(3)), shown(numbered_lines(3))},
        {"TwelveLinesShowTheFirstTen", joined(numbered_lines(12)), shown(numbered_lines(10))},
        {"FormatDirectivesShowAsWritten", "  %d%s%n%x%%  \n%s\n", {"  %d%s%n%x%%  ", "%s"}},
        {"LongLineFillsRowsOf254", varied(600) + "\nnext\n",
         {varied(600).substr(0, 254), varied(600).substr(254, 254), varied(600).substr(508), "next"}},
        {"LineBreakAfter254LeavesAnEmptyRow", varied(254) + "\nnext\n", {varied(254), "", "next"}},
        {"CarriageReturnsBeforeLineBreaksDrop", "AB\r\n\r\nC\rD\r\n", {"AB", "", "C\rD"}},
        {"MissingLastLineBreak", "AB\nCD", {"AB", "CD"}},
        {"BinaryBytes", bytes("\x01\x7f\xe9\xff AB\0hidden\n\x80\x9f\n"), {"\x01\x7f\xe9\xff AB", "\x80\x9f"}},
        {"EndlessFileOfZeroBytes", std::nullopt, {}, "/dev/zero"},
    };
    return cases;
}

class ViewContentTest : public HighScoreViewTest, public ::testing::WithParamInterface<ContentCase> {};

TEST_P(ViewContentTest, RowsShowTheFirstTenLinesAsRead)
{
    const ContentCase& c = GetParam();
    if (c.content) write_file("data/DATA0.dat", *c.content);
    if (c.link_to) std::filesystem::create_symlink(c.link_to, dir / "data/DATA0.dat");
    EXPECT_EQ(high_score_view_pass(), Next::Stay);
    EXPECT_EQ(driver.flips, 1);
    expect_screen(PARANOID, c.rows);
}

INSTANTIATE_TEST_SUITE_P(Files, ViewContentTest, ::testing::ValuesIn(content_cases()),
                         [](const auto& info) { return std::string(info.param.name); });

struct PageCase {
    int select_score;
    const char* title;  // null: no page
};

class ViewPageTest : public HighScoreViewTest, public ::testing::WithParamInterface<PageCase> {};

// Each file's title names the song that writes it.
TEST_P(ViewPageTest, EachFileShowsUnderItsOwnTitle)
{
    for (int page = 0; page < 7; ++page) {
        write_file("data/DATA" + std::to_string(page) + ".dat", "file " + std::to_string(page) + "\n");
    }
    select_score = GetParam().select_score;
    high_score_view_pass();
    std::vector<std::string> rows;
    if (GetParam().title) rows.push_back("file " + std::to_string(GetParam().select_score));
    expect_screen(GetParam().title, rows);
}

INSTANTIATE_TEST_SUITE_P(Pages, ViewPageTest,
                         ::testing::Values(PageCase{0, "<             PARANOID              >"},
                                           PageCase{1, "<          HIGHWAY TO HELL          >"},
                                           PageCase{2, "<        ACE OF SPADES        >"},
                                           PageCase{3, "<        RUN TO THE HILLS        >"},
                                           PageCase{4, "<        FOR WHOM THE BELLS TOOLS        >"},
                                           PageCase{5, "<        SMOKE ON THE WATER         >"},
                                           PageCase{6, "<        TUTORIAL        >"},
                                           PageCase{7, nullptr}, PageCase{-1, nullptr}),
                         [](const auto& info) {
                             const int page = info.param.select_score;
                             return page < 0 ? std::string("Minus1") : "Page" + std::to_string(page);
                         });

// Every pass reads the file again from its start: lines appended, a file
// cut short or removed show at the next pass.
TEST_F(HighScoreViewTest, EveryPassReadsTheFileAgain)
{
    high_score_view_pass();
    expect_screen(PARANOID, {});

    ASSERT_TRUE(append_high_score("data/DATA0.dat", "A", "B", "C", 1200));
    ASSERT_TRUE(append_high_score("data/DATA0.dat", "D", "", "F", 800));
    high_score_view_pass();
    expect_screen(PARANOID, shown({score_line("ABC", 1200), score_line("DF", 800)}));

    write_file("data/DATA0.dat", "only\n");
    high_score_view_pass();
    expect_screen(PARANOID, {"only"});

    std::filesystem::remove(dir / "data/DATA0.dat");
    high_score_view_pass();
    expect_screen(PARANOID, {});
    EXPECT_EQ(driver.flips, 4);
}

}  // namespace
