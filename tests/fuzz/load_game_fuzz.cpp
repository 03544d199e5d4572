// Feeds any bytes to the save-file reader: it must never crash, never read
// past the second number, and change at most the counts it could read.
#include "fuzz/fuzz_support.h"
#include "shell/save_file.h"
#include "shell/song_state.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    enter_scratch_dir();
    write_file(SAVE_FILE, data, size);
    wins = 12345;
    loses = 67890;
    const bool loaded = load_game();
    // Nothing read: both counts stay as they were.
    if (!loaded && (wins != 12345 || loses != 67890)) std::abort();
    return 0;
}
