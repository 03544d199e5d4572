#include "groove.h"

#include <cmath>
#include <map>
#include <string>

namespace assetgen {

namespace {

struct Style {
  const char* kick;   // 16 steps per bar, 'x' hits
  const char* snare;
  const char* hat;    // 'x' closed, 'o' open
  const char* bass;   // semitones above the chord root as a digit, '8' an octave up, '.' rest
};

const Style kStyles[kGrooveStyles] = {
    {"x.......x.x.....", "....x.......x...", "x.x.x.x.x.x.x.x.", "0.0.0.0.0.0.0.08"},  // straight rock
    {"x.x...x.x.x...x.", "....x.......x...", "xxxxxxxxxxxxxxxx", "0.000.000.000.00"},  // driving gallop
    {"x.....x...x.....", "........x.......", "x...x...x...x...", "0.......0...7..."},  // heavy half-time
    {"x..x..x...x..x..", "....x.......x..x", "x.xxx.xxx.xxx.xx", "0..0..7...0..8.."},  // bouncy
    {"x.x.x.x.x.x.x.x.", "....x.......x...", "x...o...x...o...", "0.0.0.0.3.3.5.5."},  // pounding
};

struct Chord {
  int root;  // semitones above the key
  bool minor;
};

const Chord kProgressionTable[kProgressions][4] = {
    {{0, true}, {8, false}, {3, false}, {10, false}},
    {{0, true}, {5, true}, {10, false}, {0, true}},
    {{0, true}, {10, false}, {8, false}, {10, false}},
    {{0, true}, {3, false}, {10, false}, {5, true}},
    {{0, true}, {0, true}, {8, false}, {7, true}},
};

const int kPentatonic[5] = {0, 3, 5, 7, 10};

// Eight-bar sections in a cycle of four, after a two-bar intro of hats and pads.
enum class Part { Intro, Verse, Lift, Breakdown, Chorus };
const Part kSections[4] = {Part::Verse, Part::Lift, Part::Breakdown, Part::Chorus};

}  // namespace

int lane_note(int key, int lane) { return key + 24 + kPentatonic[lane]; }

void render_groove(Stereo& out, const Groove& g) {
  const Style& st = kStyles[g.style % kGrooveStyles];
  const Chord* prog = kProgressionTable[g.progression % kProgressions];
  const double step_s = 60.0 / g.bpm / 4.0, bar_s = step_s * 16;
  const double end_s = static_cast<double>(out.frames()) / kRate - 2.0;

  const Mono kick_s = kick(), snare_s = snare(g.seed + 1), crash_s = crash(g.seed + 2);
  const Mono hat_closed = hat(g.seed + 3, false), hat_open = hat(g.seed + 4, true);
  std::map<int, Mono> bass_notes;
  Mono pads[4];
  for (int c = 0; c < 4; ++c) {
    int root = g.key + 24 + prog[c].root - (prog[c].root > 7 ? 12 : 0);
    pads[c] = pad({midi_hz(root), midi_hz(root + (prog[c].minor ? 3 : 4)), midi_hz(root + 7)}, bar_s + 0.3);
  }

  for (int bar = 0;; ++bar) {
    double bar_t = g.phase_s + bar * bar_s;
    if (bar_t + bar_s > end_s) {
      mix_in(out, crash_s, frames_at(bar_t), 0.5f, 0.2f);
      mix_in(out, kick_s, frames_at(bar_t), 0.9f, 0.f);
      break;
    }
    const Chord& chord = prog[bar % 4];
    const int section_bar = bar % 8;
    const Part part = bar < 2 ? Part::Intro : kSections[(bar / 8) % 4];
    const bool fill = section_bar == 7 && part != Part::Intro;
    const bool thin = part == Part::Intro || part == Part::Breakdown;
    mix_in(out, pads[bar % 4], frames_at(bar_t), part == Part::Breakdown ? 0.24f : 0.13f, 0.f);
    const bool crash_here = (section_bar == 0 && bar >= 2) || (part == Part::Chorus && bar % 4 == 0);
    if (crash_here) mix_in(out, crash_s, frames_at(bar_t), 0.35f, -0.3f);
    for (int s = 0; s < 16; ++s) {
      long at = frames_at(bar_t + s * step_s);
      char hat_hit = st.hat[s];
      if (thin && s % 4 != 0) hat_hit = '.';
      if (part == Part::Chorus && hat_hit == 'x' && s % 4 == 2) hat_hit = 'o';
      if (part == Part::Lift && hat_hit == '.') hat_hit = 'g';  // ghost sixteenths push the lift on
      if (hat_hit != '.') {
        float accent = hat_hit == 'g' ? 0.4f : (s % 4 == 0) ? 1.0f : 0.7f;
        mix_in(out, hat_hit == 'o' ? hat_open : hat_closed, at, 0.22f * accent, 0.35f);
      }
      if (part == Part::Intro) continue;
      bool kick_hit = st.kick[s] == 'x' && (!thin || s == 0);
      if (kick_hit) mix_in(out, kick_s, at, 0.95f, 0.f);
      bool fill_hit = fill && s >= 12;
      if ((st.snare[s] == 'x' && !thin) || fill_hit)
        mix_in(out, snare_s, at, fill_hit ? 0.45f + 0.05f * (s - 12) : 0.6f, -0.1f);
      bool bass_hit = st.bass[s] != '.' && (!thin || s % 8 == 0);
      if (bass_hit) {
        int step = thin ? 0 : st.bass[s] == '8' ? 12 : st.bass[s] - '0';
        int note = g.key + chord.root - (chord.root > 7 ? 12 : 0) + step;
        auto it = bass_notes.find(note * 2 + thin);
        if (it == bass_notes.end())
          it = bass_notes.emplace(note * 2 + thin, bass(midi_hz(note), step_s * (thin ? 7.5 : 1.8))).first;
        mix_in(out, it->second, at, 0.42f, 0.f);
      }
    }
  }
}

}  // namespace assetgen
