// The eight sound effects: short, plain 16-bit PCM WAV files at 22050 Hz
// stereo, each with a shape of its own so they are easy to tell apart.
#include "audio.h"
#include "synth.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace assetgen {

namespace {

void put_u32(std::ofstream& f, uint32_t v) {
  const char b[4] = {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                     static_cast<char>(v >> 24)};
  f.write(b, 4);
}

void put_u16(std::ofstream& f, uint16_t v) {
  const char b[2] = {static_cast<char>(v), static_cast<char>(v >> 8)};
  f.write(b, 2);
}

// Miss: a low buzz that sags.
Stereo miss_sound() {
  Stereo s(frames_at(0.3));
  mix_in(s, tone(140, 70, 0.3, 1, 0.003, 6), 0, 0.6f, -0.1f);
  mix_in(s, tone(147, 74, 0.3, 2, 0.003, 6), 0, 0.4f, 0.1f);
  return s;
}

// Streak bonus: a quick rising sparkle.
Stereo bonus_sound() {
  Stereo s(frames_at(0.6));
  static const int kNotes[5] = {76, 80, 83, 88, 92};
  for (int i = 0; i < 5; ++i) {
    mix_in(s, tone(midi_hz(kNotes[i]), midi_hz(kNotes[i]), 0.3, 0, 0.002, 9), frames_at(i * 0.06), 0.5f,
           -0.4f + 0.2f * i);
    mix_in(s, tone(midi_hz(kNotes[i] + 12), midi_hz(kNotes[i] + 12), 0.2, 0, 0.002, 14), frames_at(i * 0.06),
           0.2f, 0.4f - 0.2f * i);
  }
  return s;
}

// Song complete: a bright fanfare ending on a held major chord.
Stereo win_sound() {
  Stereo s(frames_at(1.8));
  static const int kRun[3] = {60, 64, 67};
  for (int i = 0; i < 3; ++i) mix_in(s, tone(midi_hz(kRun[i]), midi_hz(kRun[i]), 0.2, 2, 0.01, 6), frames_at(i * 0.13), 0.35f, 0.f);
  static const int kChord[4] = {60, 64, 67, 72};
  for (int i = 0; i < 4; ++i)
    mix_in(s, tone(midi_hz(kChord[i]), midi_hz(kChord[i]) * 1.003, 1.4, 2, 0.02, 1.8), frames_at(0.4), 0.25f,
           -0.3f + 0.2f * i);
  mix_in(s, crash(7), frames_at(0.4), 0.3f, 0.f);
  return s;
}

// Song failed: four falling, wobbly notes.
Stereo lose_sound() {
  Stereo s(frames_at(2.0));
  static const int kNotes[4] = {55, 54, 53, 52};
  for (int i = 0; i < 4; ++i) {
    double len = i == 3 ? 1.0 : 0.32;
    mix_in(s, tone(midi_hz(kNotes[i]), midi_hz(kNotes[i]) * (i == 3 ? 0.94 : 1.0), len, 2, 0.02, i == 3 ? 1.5 : 3),
           frames_at(i * 0.34), 0.5f, 0.f);
  }
  return s;
}

// Cursor: a short woody tick.
Stereo cursor_sound() {
  Stereo s(frames_at(0.06));
  mix_in(s, tone(1400, 900, 0.06, 0, 0.0005, 70), 0, 0.6f, 0.f);
  mix_in(s, hat(3, false), 0, 0.25f, 0.f);
  return s;
}

// Accept: two notes stepping up.
Stereo accept_sound() {
  Stereo s(frames_at(0.2));
  mix_in(s, tone(880, 880, 0.08, 1, 0.002, 10), 0, 0.35f, 0.f);
  mix_in(s, tone(1320, 1320, 0.12, 1, 0.002, 12), frames_at(0.07), 0.35f, 0.f);
  return s;
}

// Cancel: two notes stepping down.
Stereo cancel_sound() {
  Stereo s(frames_at(0.2));
  mix_in(s, tone(660, 660, 0.08, 1, 0.002, 10), 0, 0.35f, 0.f);
  mix_in(s, tone(440, 440, 0.12, 1, 0.002, 12), frames_at(0.07), 0.35f, 0.f);
  return s;
}

// Countdown start: a boom and a wash of noise.
Stereo explosion_sound() {
  Stereo s(frames_at(1.3));
  mix_in(s, kick(0.8), 0, 1.0f, 0.f);
  mix_in(s, crash(11), 0, 0.6f, -0.2f);
  mix_in(s, snare(12, 0.5), 0, 0.5f, 0.2f);
  mix_in(s, tone(90, 35, 1.2, 0, 0.005, 3), 0, 0.6f, 0.f);
  return s;
}

}  // namespace

void write_wav(const Stereo& audio, const std::string& path) {
  std::vector<int16_t> pcm = to_pcm16(audio);
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream f(path, std::ios::binary);
  if (!f) throw std::runtime_error("cannot write " + path);
  const uint32_t data_bytes = static_cast<uint32_t>(pcm.size() * 2);
  f.write("RIFF", 4);
  put_u32(f, 36 + data_bytes);
  f.write("WAVEfmt ", 8);
  put_u32(f, 16);         // fmt chunk size
  put_u16(f, 1);          // PCM
  put_u16(f, 2);          // stereo
  put_u32(f, kRate);      // sample rate
  put_u32(f, kRate * 4);  // byte rate
  put_u16(f, 4);          // block align
  put_u16(f, 16);         // bits per sample
  f.write("data", 4);
  put_u32(f, data_bytes);
  for (int16_t v : pcm) put_u16(f, static_cast<uint16_t>(v));
}

void make_effects(const std::string& root) {
  struct Effect {
    const char* path;
    Stereo (*make)();
  };
  static const Effect kEffects[8] = {
      {"audio/ERRO4.wav", miss_sound},     {"audio/ESTRELA_MAIS.wav", bonus_sound},
      {"audio/PTPOWER.wav", win_sound},    {"audio/PTRUIM.wav", lose_sound},
      {"audio/BATIDA.wav", cursor_sound},  {"audio/ACEITA.wav", accept_sound},
      {"audio/CANCELA.wav", cancel_sound}, {"audio/EXPLOSAO.wav", explosion_sound},
  };
  for (const Effect& e : kEffects) {
    Stereo s = e.make();
    normalise(s, 0.8f);
    write_wav(s, root + "/" + e.path);
  }
}

}  // namespace assetgen
