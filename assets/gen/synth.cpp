#include "synth.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

namespace {

constexpr double kTwoPi = 6.283185307179586;

// One-pole low-pass filter.
struct LowPass {
  double a, y = 0;
  explicit LowPass(double cutoff_hz) : a(1.0 - std::exp(-kTwoPi * cutoff_hz / kRate)) {}
  double operator()(double x) { return y += a * (x - y); }
};

}  // namespace

double midi_hz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

long frames_at(double seconds) { return std::lround(seconds * kRate); }

void mix_in(Stereo& out, const Mono& mono, long at, float gain, float pan) {
  float gl = gain * std::sqrt(0.5f * (1.0f - pan)), gr = gain * std::sqrt(0.5f * (1.0f + pan));
  long n = static_cast<long>(out.frames());
  for (size_t i = 0; i < mono.size(); ++i) {
    long f = at + static_cast<long>(i);
    if (f < 0) continue;
    if (f >= n) break;
    out.l[f] += gl * mono[i];
    out.r[f] += gr * mono[i];
  }
}

void mix_stereo(Stereo& out, const Stereo& other, long at, float gain, bool wrap) {
  long n = static_cast<long>(out.frames());
  for (size_t i = 0; i < other.frames(); ++i) {
    long f = at + static_cast<long>(i);
    if (wrap) f = ((f % n) + n) % n;
    if (f < 0 || f >= n) continue;
    out.l[f] += gain * other.l[i];
    out.r[f] += gain * other.r[i];
  }
}

Mono pluck(double hz, double seconds, uint32_t seed, double brightness) {
  // Karplus-Strong string: a noise burst circulating in a delay line with a soft filter.
  Mono out(frames_at(seconds));
  size_t period = std::max<size_t>(2, static_cast<size_t>(std::lround(kRate / hz)));
  std::vector<float> line(period);
  Noise noise(seed);
  LowPass shape(2000 + 6000 * brightness);
  for (float& v : line) v = static_cast<float>(shape(noise.next()));
  float blend = static_cast<float>(0.5 * (0.996 - 0.004 * (1 - brightness)));
  size_t pos = 0;
  float prev = 0;
  for (size_t i = 0; i < out.size(); ++i) {
    float cur = line[pos];
    float next = blend * (cur + prev) + 0.0f;
    prev = cur;
    line[pos] = next;
    pos = (pos + 1) % period;
    double env = std::min(1.0, (out.size() - i) / (0.03 * kRate));
    out[i] = static_cast<float>(cur * env);
  }
  // Add a sine body so the pitch reads clearly even in a busy mix.
  for (size_t i = 0; i < out.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    double env = std::exp(-t * 7.0) * std::min(1.0, t / 0.004) * std::min(1.0, (out.size() - i) / (0.03 * kRate));
    out[i] += static_cast<float>(0.45 * env * std::sin(kTwoPi * hz * t));
  }
  return out;
}

Mono kick(double seconds) {
  Mono out(frames_at(seconds));
  double phase = 0;
  for (size_t i = 0; i < out.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    double hz = 45 + 90 * std::exp(-t * 28);
    phase += kTwoPi * hz / kRate;
    double env = std::exp(-t * 9) * std::min(1.0, t / 0.002);
    out[i] = static_cast<float>(std::sin(phase) * env + 0.3 * std::exp(-t * 200) * std::sin(phase * 3));
  }
  return out;
}

Mono snare(uint32_t seed, double seconds) {
  Mono out(frames_at(seconds));
  Noise noise(seed);
  LowPass lp(7000), body(400);
  for (size_t i = 0; i < out.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    double n = noise.next();
    double hiss = lp(n) - 0.5 * body(n);
    double tonal = std::sin(kTwoPi * 185 * t) * std::exp(-t * 30);
    out[i] = static_cast<float>((0.8 * hiss * std::exp(-t * 16) + 0.5 * tonal) * std::min(1.0, t / 0.001));
  }
  return out;
}

Mono hat(uint32_t seed, bool open) {
  Mono out(frames_at(open ? 0.25 : 0.05));
  Noise noise(seed);
  LowPass lp(3000);
  for (size_t i = 0; i < out.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    double n = noise.next();
    double high = n - lp(n);  // keep the hiss, drop the body
    out[i] = static_cast<float>(high * std::exp(-t * (open ? 14 : 70)));
  }
  return out;
}

Mono crash(uint32_t seed) {
  Mono out(frames_at(1.6));
  Noise noise(seed);
  LowPass lp(1500), soft(9000);
  for (size_t i = 0; i < out.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    double n = noise.next();
    out[i] = static_cast<float>(soft(n - lp(n)) * std::exp(-t * 2.6) * std::min(1.0, t / 0.002));
  }
  return out;
}

Mono bass(double hz, double seconds) {
  Mono out(frames_at(seconds));
  LowPass lp(hz * 5);
  double phase = 0;
  for (size_t i = 0; i < out.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    phase += hz / kRate;
    double saw = 2 * (phase - std::floor(phase)) - 1;
    double sub = std::sin(kTwoPi * phase);
    double env = std::min(1.0, t / 0.005) * std::exp(-t * 3) * std::min(1.0, (out.size() - i) / (0.01 * kRate));
    out[i] = static_cast<float>(lp(0.55 * saw + 0.6 * sub) * env);
  }
  return out;
}

Mono pad(const std::vector<double>& hz, double seconds) {
  Mono out(frames_at(seconds));
  LowPass lp(1400);
  std::vector<double> phase(hz.size() * 2, 0.0);
  for (size_t i = 0; i < out.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    double v = 0;
    for (size_t k = 0; k < hz.size(); ++k)
      for (int d = 0; d < 2; ++d) {
        double& p = phase[k * 2 + d];
        p += hz[k] * (d ? 1.004 : 0.996) / kRate;
        v += 2 * (p - std::floor(p)) - 1;
      }
    double env = std::min(1.0, t / 0.15) * std::min(1.0, (out.size() - i) / (0.2 * kRate));
    out[i] = static_cast<float>(lp(v / (2.0 * hz.size())) * env);
  }
  return out;
}

Mono tone(double hz_from, double hz_to, double seconds, int wave, double attack, double decay_per_s) {
  Mono out(frames_at(seconds));
  double phase = 0;
  for (size_t i = 0; i < out.size(); ++i) {
    double t = static_cast<double>(i) / kRate;
    double hz = hz_from * std::pow(hz_to / hz_from, t / seconds);
    phase += hz / kRate;
    double f = phase - std::floor(phase);
    double v = wave == 0 ? std::sin(kTwoPi * f) : wave == 1 ? (f < 0.5 ? 0.7 : -0.7) : 2 * f - 1;
    double env = std::min(1.0, t / attack) * std::exp(-t * decay_per_s) *
                 std::min(1.0, (out.size() - i) / (0.01 * kRate));
    out[i] = static_cast<float>(v * env);
  }
  return out;
}

Mono chime(double hz, double seconds) {
  Mono out(frames_at(seconds));
  static const double kPartial[4][3] = {{1, 1.0, 6}, {2, 0.45, 9}, {3, 0.2, 13}, {4.2, 0.08, 20}};
  for (size_t i = 0; i < out.size(); ++i) {
    double t = static_cast<double>(i) / kRate, v = 0;
    for (const auto& p : kPartial) v += p[1] * std::exp(-t * p[2]) * std::sin(kTwoPi * hz * p[0] * t);
    double edge = std::min(1.0, t / 0.003) * std::min(1.0, (out.size() - i) / (0.02 * kRate));
    out[i] = static_cast<float>(v * edge);
  }
  return out;
}

void level(Stereo& s, float rms) {
  double sum = 0;
  for (size_t i = 0; i < s.frames(); ++i) sum += s.l[i] * s.l[i] + s.r[i] * s.r[i];
  const float g = rms / static_cast<float>(std::sqrt(sum / (2.0 * s.frames() + 1)) + 1e-9);
  for (size_t i = 0; i < s.frames(); ++i) {
    s.l[i] = 0.95f * std::tanh(g * s.l[i]);
    s.r[i] = 0.95f * std::tanh(g * s.r[i]);
  }
}

void normalise(Stereo& s, float peak) {
  float m = 1e-9f;
  for (size_t i = 0; i < s.frames(); ++i) m = std::max({m, std::fabs(s.l[i]), std::fabs(s.r[i])});
  float g = peak / m;
  for (size_t i = 0; i < s.frames(); ++i) {
    s.l[i] *= g;
    s.r[i] *= g;
  }
}

void fade_out(Stereo& s, double seconds) {
  long n = static_cast<long>(s.frames()), len = std::min(n, frames_at(seconds));
  for (long i = 0; i < len; ++i) {
    float g = static_cast<float>(i) / len;
    s.l[n - 1 - i] *= g;
    s.r[n - 1 - i] *= g;
  }
}

std::vector<int16_t> to_pcm16(const Stereo& s) {
  std::vector<int16_t> out(s.frames() * 2);
  auto conv = [](float v) {
    float c = std::tanh(v * 1.1f) / std::tanh(1.1f);
    return static_cast<int16_t>(std::lround(std::clamp(c, -1.0f, 1.0f) * 32767.0f));
  };
  for (size_t i = 0; i < s.frames(); ++i) {
    out[2 * i] = conv(s.l[i]);
    out[2 * i + 1] = conv(s.r[i]);
  }
  return out;
}

}  // namespace assetgen
