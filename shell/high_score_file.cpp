#include "shell/high_score_file.h"

#include "shell/video.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

// Each title names the song whose completion writes the file; page 5 has no
// song that writes it and keeps the title of the song we ship no chart for.
const HighScorePage HIGH_SCORE_PAGES[HIGH_SCORE_PAGE_COUNT] = {
    {"data/DATA0.dat", "<             PARANOID              >"},
    {"data/DATA1.dat", "<          HIGHWAY TO HELL          >"},
    {"data/DATA2.dat", "<        ACE OF SPADES        >"},
    {"data/DATA3.dat", "<        RUN TO THE HILLS        >"},
    {"data/DATA4.dat", "<        FOR WHOM THE BELLS TOOLS        >"},
    {"data/DATA5.dat", "<        SMOKE ON THE WATER         >"},
    {"data/DATA6.dat", "<        TUTORIAL        >"},
};

namespace {

// The high-score line: lead, name, gap, score, tail, line break.
constexpr const char* LINE_FORMAT =
    "  %s%s%s                                 %d                                   \n";

bool report_write_failure(const char* file, const std::string& reason)
{
    std::fprintf(stderr, "%s: cannot write %s: %s\n", program_name, file, reason.c_str());
    return false;
}

}  // namespace

bool append_high_score(const char* file, const char* first, const char* second, const char* third,
                       int score)
{
    // A missing "data" directory would lose the score, so it is made here.
    const std::filesystem::path folder = std::filesystem::path(file).parent_path();
    std::error_code error;
    if (!folder.empty() && !std::filesystem::exists(folder, error)) {
        std::filesystem::create_directories(folder, error);
        if (error) return report_write_failure(file, error.message());
    }

    std::FILE* out = std::fopen(file, "a+");
    if (!out) return report_write_failure(file, std::strerror(errno));
    bool written = std::fprintf(out, LINE_FORMAT, first, second, third, score) >= 0;
    std::string reason = written ? "" : std::strerror(errno);
    // Buffered text reaches the file only at the close, so its failure counts too.
    if (std::fclose(out) != 0 && written) {
        written = false;
        reason = std::strerror(errno);
    }
    return written || report_write_failure(file, reason);
}

void read_high_score_rows(const char* file, char (&line)[HIGH_SCORE_LINE_SIZE],
                          const std::function<void(int row, const char* text)>& show)
{
    std::FILE* in = std::fopen(file, "r");
    if (!in) return;
    for (int row = 0; row < HIGH_SCORE_ROWS; ++row) {
        if (!std::fgets(line, HIGH_SCORE_READ_LIMIT, in)) break;
        // The font would draw the line break as a box: drop it, and a carriage
        // return right before it. A text cut short by a zero byte ends there.
        std::size_t length = std::strlen(line);
        if (length > 0 && line[length - 1] == '\n') {
            line[--length] = '\0';
            if (length > 0 && line[length - 1] == '\r') line[--length] = '\0';
        }
        if (length > 0) show(row, line);
    }
    std::fclose(in);
}
