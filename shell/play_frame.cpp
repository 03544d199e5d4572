#include "shell/play_frame.h"

#include "highway/judge_state.h"
#include "highway/judges.h"
#include "highway/note_slots.h"
#include "shell/blit.h"
#include "shell/image_table.h"
#include "shell/play_field.h"
#include "shell/play_hud.h"
#include "shell/play_input.h"
#include "shell/platform.h"
#include "shell/song_state.h"
#include "shell/song_table.h"
#include "shell/startup.h"
#include "shell/video.h"

Uint32 cor_fundo = 0;

namespace {

constexpr Sint16 NECK_SCROLL = 10;
constexpr Sint16 NECK_TOP = 540;

void draw_play_field()
{
    SDL_FillRect(screen, nullptr, cor_fundo);
    draw_backdrop_and_neck();
    draw_lines_frets_and_panel();
    blit_to_screen(my_surfRockometro2, nullptr, dst_rectRockBar);
    draw_multiplier();
}

void scroll_neck()
{
    camera.y = static_cast<Sint16>(camera.y - NECK_SCROLL);
    if (camera.y <= 0) camera.y = NECK_TOP;
}

void judge_passing_notes()
{
    reset_note_status();
    for (int lane = 1; lane <= LANE_COUNT; ++lane) frame_judge(lane);
}

// Each held lane shows its pressed fret, with a present of its own.
void show_held_frets()
{
    for (int lane = 1; lane <= LANE_COUNT; ++lane) {
        if (!held_lanes[lane - 1]) continue;
        draw_pressed_fret(lane);
        game_flip(screen);
    }
}

}  // namespace

void song_start()
{
    if (const SongRow* row = song_row(count_song)) play_music(*row->music, 0);
    carrega_img();
    start = game_ticks();
}

FrameEnd play_frame()
{
    parar_notas();
    if (nHITS > nSTREAK) ++nSTREAK;
    frame_timer().start();

    draw_play_field();
    draw_note_status();
    draw_rock_meter();

    const SongRow* row = song_row(count_song);
    if (Balanca <= ROCK_METER_LOW) return FrameEnd::Failed;
    // The clock tested is the one computed in the previous frame.
    if (row && msec > row->end_time - 1) return FrameEnd::Completed;

    draw_score_and_streak();
    draw_song_clock();
    if (row) row->chart_step();
    scroll_neck();
    judge_passing_notes();
    game_update_rect(screen, 0, 0, 0, SCREEN_HEIGHT);
    show_held_frets();

    if (input_step() == InputEnd::LeaveSong) return FrameEnd::Left;
    frame_cap();
    return FrameEnd::Next;
}

void frame_cap()
{
    // Sleeps out the rest of the frame; a frame that took 50 ms or more does
    // not sleep, and nothing makes up for slow frames.
    Timer& fps = frame_timer();
    if (fps.get_ticks() > FRAME_MS - 1) return;
    const int elapsed = fps.get_ticks();  // read again for the sleep
    if (elapsed >= FRAME_MS) return;
    game_delay(static_cast<Uint32>(FRAME_MS - elapsed));
}
