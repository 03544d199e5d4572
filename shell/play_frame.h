// The song start and the play frame: one frame of the play loop, from the
// parking of passed notes to the frame cap.
#pragma once

#include <SDL/SDL.h>

constexpr int FRAMES_PER_SECOND = 20;
constexpr int FRAME_MS = 1000 / FRAMES_PER_SECOND;

// Black in the screen's format, mapped by the loading screen at every song;
// fills the screen at the start of every frame.
extern Uint32 cor_fundo;

// The song's music (played once), the play field's keys, the clock's origin.
void song_start();

enum class FrameEnd {
    Next,       // the song goes on with the next frame
    Failed,     // the rock meter reached its bottom: the fail screen follows
    Completed,  // the song clock reached the end time: the results follow
    Left,       // SELECT on the pause screen: the song is abandoned
};

FrameEnd play_frame();

// Sleeps out the rest of the frame's 50 ms, measured by the frame timer.
void frame_cap();
