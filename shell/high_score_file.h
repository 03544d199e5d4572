// The high-score files: one plain-text file per page of the high-score view,
// appended to by the name entry and read back, ten rows at a time, by the view.
#pragma once

#include <functional>

// One page of the high-score view: the file it shows and its title. Which
// file a completed song appends to is a column of the song table.
struct HighScorePage {
    const char* file;
    const char* title;
};

constexpr int HIGH_SCORE_PAGE_COUNT = 7;
extern const HighScorePage HIGH_SCORE_PAGES[HIGH_SCORE_PAGE_COUNT];

// Appends one high-score line: two blanks, the name's three parts (each 0 or
// 1 character), 33 blanks, the score, 35 blanks and a line break. Creates the
// file's directory when it is missing. When the line cannot be written, prints
// "<program>: cannot write <file>: <reason>" to standard error and returns
// false.
bool append_high_score(const char* file, const char* first, const char* second, const char* third,
                       int score);

// Rows shown per page, and the line buffer that one read fills: a read takes a
// line up to its line break, but at most HIGH_SCORE_READ_LIMIT - 1 characters;
// the rest of a longer line goes to the next row.
constexpr int HIGH_SCORE_ROWS = 10;
constexpr int HIGH_SCORE_LINE_SIZE = 256;
constexpr int HIGH_SCORE_READ_LIMIT = 255;

// Reads the first rows of a file into `line`, one read per row, and calls
// show(row, text) for every row that holds text once its line break (and a
// carriage return before it) is removed. Reading stops at the end of the file
// or after the last row, so a file of any size costs at most ten short reads.
// A missing or unreadable file shows nothing.
void read_high_score_rows(const char* file, char (&line)[HIGH_SCORE_LINE_SIZE],
                          const std::function<void(int row, const char* text)>& show);
