// The six song tunes, each grown from its chart: a backing groove at the
// chart's tempo plus one lane tone per chart note, in the middle of the
// note's hit window. Written as Ogg Vorbis.
#pragma once

#include "synth.h"

#include <string>
#include <vector>

namespace assetgen {

struct ChartNote {
  int lane;       // 1..5
  int threshold;  // ms of song clock at which the note appears
};

struct Chart {
  double bpm = 120;
  std::vector<ChartNote> notes;
};

// Reads a chart file; a missing file gives an empty chart at 120 bpm.
Chart read_chart(const std::string& path);

// Song clock time at which a note stands in the middle of its hit window.
constexpr int kToneDelayMs = 1050;

struct TuneSpec {
  const char* entry;  // chart name: charts/<entry>.csv
  const char* path;   // output path in the game directory
  int end_ms;         // song end time
  int key, style, progression;
};

extern const TuneSpec kTunes[6];

// Synthesises the tune of one chart (length: the end time plus a short tail).
Stereo render_tune(const TuneSpec& tune, const Chart& chart);
// Encodes to Ogg Vorbis with a fixed stream serial, so the bytes never change.
void write_ogg(const Stereo& audio, const std::string& path, int serial);

}  // namespace assetgen
