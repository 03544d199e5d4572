#include "shell/song_road.h"

#include "shell/loading.h"
#include "shell/name_entry.h"
#include "shell/play_frame.h"
#include "shell/results.h"

Next song_road()
{
    loading_and_countdown();
    song_start();
    for (;;) {
        switch (play_frame()) {
        case FrameEnd::Next: break;
        case FrameEnd::Failed: fail_screen(); return Next::MenuEntry;
        case FrameEnd::Completed: results_screen(); return name_entry();
        case FrameEnd::Left: return Next::MenuEntry;
        }
    }
}
