// Sound synthesis building blocks: a stereo float buffer at the game's rate,
// a deterministic noise source, instruments rendered to mono samples, and
// mixing them into the buffer at a time with a gain and a pan.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace assetgen {

constexpr int kRate = 22050;

using Mono = std::vector<float>;

struct Stereo {
  std::vector<float> l, r;
  explicit Stereo(size_t frames = 0) : l(frames, 0.f), r(frames, 0.f) {}
  size_t frames() const { return l.size(); }
};

// Reproducible white noise in [-1, 1).
class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed * 2654435761u + 1) {}
  float next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<float>(state_ >> 8) / 8388608.0f - 1.0f;
  }

 private:
  uint32_t state_;
};

double midi_hz(double note);
long frames_at(double seconds);

// Adds mono into out from frame `at` on, scaled by gain, placed by pan (-1 left .. 1 right).
void mix_in(Stereo& out, const Mono& mono, long at, float gain, float pan);
// Adds other into out from frame `at` on (wrapping past the end when wrap is set).
void mix_stereo(Stereo& out, const Stereo& other, long at, float gain, bool wrap = false);

// Instruments.
Mono pluck(double hz, double seconds, uint32_t seed, double brightness = 0.5);
Mono kick(double seconds = 0.35);
Mono snare(uint32_t seed, double seconds = 0.22);
Mono hat(uint32_t seed, bool open);
Mono crash(uint32_t seed);
Mono bass(double hz, double seconds);
Mono pad(const std::vector<double>& hz, double seconds);
// A tone with a pitch glide, for effects: wave 0 sine, 1 square, 2 saw.
Mono tone(double hz_from, double hz_to, double seconds, int wave, double attack, double decay_per_s);

// A bright struck tone (sine partials with a fast decay) for cues that must stand out.
Mono chime(double hz, double seconds);
// Brings the whole buffer to the given RMS level, then rounds off the peaks
// that would pass full scale with a soft saturation (tanh).
void level(Stereo& s, float rms);
// Scales the whole buffer so its loudest sample has the given peak.
void normalise(Stereo& s, float peak);
// Fades the last `seconds` of the buffer to silence.
void fade_out(Stereo& s, double seconds);
// Interleaved 16-bit samples, clipped softly.
std::vector<int16_t> to_pcm16(const Stereo& s);

}  // namespace assetgen
