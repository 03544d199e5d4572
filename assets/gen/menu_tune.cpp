// The menu tune: ten bars at 100 bpm (24 s) over the backing groove, with a
// plucked pentatonic melody in two repeated phrases. The tail that rings past
// the last bar is folded onto the start, so the tune loops without a seam.
#include "audio.h"
#include "canvas.h"
#include "groove.h"

#include <lame/lame.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>

namespace assetgen {

namespace {

constexpr double kBpm = 100;
constexpr int kBars = 10;
constexpr int kKey = 48;

// Melody steps (eighth notes) as pentatonic degrees 0..4 (+5 an octave up), -1 rest.
const int kPhraseA[16] = {0, 2, 3, 4, 3, -1, 2, 0, 1, 2, 4, -1, 5, 4, 3, -1};
const int kPhraseB[16] = {4, 3, 2, -1, 0, 2, 3, -1, 2, 1, 0, -1, 1, 2, 0, -1};

void encode_mp3(const Stereo& audio, const std::string& path) {
  std::vector<int16_t> pcm = to_pcm16(audio);
  lame_global_flags* gf = lame_init();
  lame_set_in_samplerate(gf, kRate);
  lame_set_out_samplerate(gf, kRate);
  lame_set_num_channels(gf, 2);
  lame_set_brate(gf, 96);
  lame_set_quality(gf, 5);
  lame_set_bWriteVbrTag(gf, 0);
  if (lame_init_params(gf) < 0) throw std::runtime_error("lame setup failed");
  const int frames = static_cast<int>(audio.frames());
  std::vector<unsigned char> mp3(static_cast<size_t>(frames) * 5 / 4 + 7200 + 7200);
  int n = lame_encode_buffer_interleaved(gf, pcm.data(), frames, mp3.data(), static_cast<int>(mp3.size()));
  if (n < 0) throw std::runtime_error("lame encoding failed");
  int m = lame_encode_flush(gf, mp3.data() + n, static_cast<int>(mp3.size()) - n);
  if (m < 0) throw std::runtime_error("lame flush failed");
  lame_close(gf);
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream f(path, std::ios::binary);
  if (!f) throw std::runtime_error("cannot write " + path);
  f.write(reinterpret_cast<const char*>(mp3.data()), n + m);
}

}  // namespace

void make_menu_tune(const std::string& root) {
  const double bar_s = 240.0 / kBpm, loop_s = bar_s * kBars;
  Stereo full(frames_at(loop_s + 4.0));
  render_groove(full, Groove{kBpm, 0.0, kKey, 3, 0, 4242});
  std::map<int, Mono> plucks;
  for (int bar = 0; bar < kBars; ++bar) {
    const int* phrase = (bar % 4 < 2) ? kPhraseA : kPhraseB;
    for (int step = 0; step < 8; ++step) {
      int degree = phrase[(bar % 2) * 8 + step];
      if (degree < 0 || (bar >= 8 && step > 4)) continue;
      int note = degree >= 5 ? lane_note(kKey, degree - 5) + 12 : lane_note(kKey, degree);
      auto it = plucks.find(note);
      if (it == plucks.end()) it = plucks.emplace(note, pluck(midi_hz(note), 0.6, 900 + note, 0.6)).first;
      mix_in(full, it->second, frames_at(bar * bar_s + step * bar_s / 8), 0.5f, step % 2 ? 0.25f : -0.25f);
    }
  }
  Stereo loop(frames_at(loop_s));
  mix_stereo(loop, full, 0, 1.0f, true);
  normalise(loop, 0.85f);
  encode_mp3(loop, root + "/audio/menu1.mp3");
}

}  // namespace assetgen
