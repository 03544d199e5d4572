// Feeds any bytes to the high-score view as a high-score file, and draws it.
#include "fuzz/fuzz_support.h"
#include "shell/high_score_file.h"
#include "shell/high_score_view.h"
#include "shell/play_menu.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    prepare_screen();
    select_score = 0;
    write_file(HIGH_SCORE_PAGES[0].file, data, size);
    high_score_view_pass();
    return 0;
}
