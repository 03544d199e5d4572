// The save file: the win and loss counts as two decimal numbers, "7\n2".
#pragma once

constexpr const char* SAVE_FILE = "game_save";
// The whole content is written here first and then renamed over the save
// file, so that a failed or interrupted write never costs the previous save.
constexpr const char* SAVE_FILE_TMP = "game_save.tmp";

// Writes `wins` and `loses`. False when the file could not be written: one
// line on standard error names the file and the reason, and the previous
// save file is left as it was.
bool save_game();

// Writes the counts 0 and 0, the same way; the counts in memory stay.
bool erase_game();

// Reads `wins` and then `loses` as formatted ints: white space skipped, an
// optional sign, decimal digits. A read that fails (no digits, the end of the
// file, a value outside the int range) leaves its counter and every later one
// unchanged; anything after the second number is ignored and never read.
// True when at least the first number was read. A missing file is no error;
// any other failure to read prints one line on standard error.
bool load_game();
