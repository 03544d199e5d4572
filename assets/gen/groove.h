// The backing groove of a tune: drums, bass and chord pads on a 16-step grid
// at a given tempo, arranged in eight-bar sections.
#pragma once

#include "synth.h"

namespace assetgen {

struct Groove {
  double bpm;
  double phase_s;   // time of the first downbeat
  int key;          // MIDI note of the bass tonic
  int style;        // index into the style table
  int progression;  // index into the chord progression table
  uint32_t seed;
};

constexpr int kGrooveStyles = 5;
constexpr int kProgressions = 5;

// Renders the groove into out, over its whole length but the last two seconds.
void render_groove(Stereo& out, const Groove& g);

// MIDI notes of the five lane tones for a key: a minor pentatonic scale two octaves above the bass.
int lane_note(int key, int lane);

}  // namespace assetgen
