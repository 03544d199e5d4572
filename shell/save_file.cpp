#include "shell/save_file.h"

#include "shell/song_state.h"
#include "shell/video.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

namespace {

bool report(const char* what, int error)
{
    std::fprintf(stderr, "%s: cannot %s: %s\n", program_name, what, std::strerror(error));
    return false;
}

// Writes the two counts to the temporary file and renames it over the save
// file; on any failure the temporary file goes and the save file stays.
bool write_counts(int first, int second)
{
    std::FILE* out = std::fopen(SAVE_FILE_TMP, "w");
    if (!out) return report("write game_save.tmp", errno);
    const bool written = std::fprintf(out, "%d\n%d", first, second) >= 0;
    int error = errno;
    const bool closed = std::fclose(out) == 0;
    if (written && !closed) error = errno;
    if (!written || !closed) {
        std::remove(SAVE_FILE_TMP);
        return report("write game_save.tmp", error);
    }
    if (std::rename(SAVE_FILE_TMP, SAVE_FILE) != 0) {
        error = errno;
        std::remove(SAVE_FILE_TMP);
        return report("rename game_save.tmp to game_save", error);
    }
    return true;
}

bool is_space(int c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool is_digit(int c) { return c >= '0' && c <= '9'; }

// One formatted int read. The counter changes only when the whole number was
// read and fits an int. Digits stop being read as soon as the value is out of
// range, since no read follows a failed one.
bool read_int(std::FILE* in, int& counter)
{
    int c;
    do c = std::getc(in);
    while (is_space(c));
    const bool negative = c == '-';
    if (c == '+' || c == '-') c = std::getc(in);
    if (!is_digit(c)) return false;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    for (; is_digit(c); c = std::getc(in)) {
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) return false;
    }
    // The character that ended the number belongs to whatever follows it.
    if (c != EOF) std::ungetc(c, in);
    counter = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

}  // namespace

bool save_game() { return write_counts(wins, loses); }

bool erase_game() { return write_counts(0, 0); }

bool load_game()
{
    std::FILE* in = std::fopen(SAVE_FILE, "r");
    if (!in) {
        if (errno != ENOENT) report("read game_save", errno);
        return false;
    }
    // Unbuffered, so that nothing is read past the character that ends the
    // second number, whatever the file holds after it.
    std::setvbuf(in, nullptr, _IONBF, 0);
    const bool first = read_int(in, wins);
    if (first) read_int(in, loses);
    if (std::ferror(in)) report("read game_save", errno);
    std::fclose(in);
    return first;
}
