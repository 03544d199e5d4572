#include "tunes.h"

#include "groove.h"

#include <ogg/ogg.h>
#include <vorbis/vorbisenc.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace assetgen {

const TuneSpec kTunes[6] = {
    {"tutorial", "song/tutorial/Tutorial.ogg", 146000, 45, 0, 0},
    {"paranoid", "song/Paranoid.ogg", 170000, 40, 1, 2},
    {"highwaytohell", "song/HighwayToHell.ogg", 211000, 45, 3, 3},
    {"aceofspades", "song/AceOfSpads.ogg", 188000, 38, 1, 1},
    {"runtothehills", "song/RunToTheHills.ogg", 238000, 40, 4, 0},
    {"forwhomthebellstolls", "song/ForWhomTheBellsTools.ogg", 309000, 42, 2, 4},
};

namespace {

constexpr double kTailS = 5.0;  // music goes on a little past the end time

// The groove's downbeat: first the beat phase, the circular mean of the tone times
// modulo one beat, so that the drums fall on the chart's grid; then the one of the
// four beats of a bar on which most chords (or, without chords, most notes) land.
double downbeat(const Chart& chart) {
  const double beat = 60.0 / chart.bpm;
  if (chart.notes.empty()) return 0.0;
  double sx = 0, sy = 0;
  for (const ChartNote& n : chart.notes) {
    double a = 2 * M_PI * std::fmod((n.threshold + kToneDelayMs) / 1000.0, beat) / beat;
    sx += std::cos(a);
    sy += std::sin(a);
  }
  double a = std::atan2(sy, sx);
  if (a < 0) a += 2 * M_PI;
  const double phase = a / (2 * M_PI) * beat;

  std::map<int, int> per_time;
  for (const ChartNote& n : chart.notes) ++per_time[n.threshold];
  bool chords = false;
  for (const auto& t : per_time) chords = chords || t.second > 1;
  int votes[4] = {0, 0, 0, 0};
  for (const auto& t : per_time) {
    if (chords && t.second < 2) continue;
    double beats = ((t.first + kToneDelayMs) / 1000.0 - phase) / beat;
    double nearest = std::round(beats);
    if (std::fabs(beats - nearest) > 0.2) continue;
    ++votes[static_cast<int>(std::fmod(std::fmod(nearest, 4) + 4, 4))];
  }
  int best = 0;
  for (int k = 1; k < 4; ++k)
    if (votes[k] + votes[(k + 2) % 4] > votes[best] + votes[(best + 2) % 4] ||
        (votes[k] + votes[(k + 2) % 4] == votes[best] + votes[(best + 2) % 4] && votes[k] > votes[best]))
      best = k;
  return phase + best * beat;
}

}  // namespace

Chart read_chart(const std::string& path) {
  Chart chart;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (line[0] == '#') {
      size_t at = line.find("bpm:");
      if (at != std::string::npos) {
        double bpm = std::atof(line.c_str() + at + 4);
        if (bpm >= 30 && bpm <= 400) chart.bpm = bpm;
      }
      continue;
    }
    int lane = 0, threshold = 0, slot = 0;
    if (std::sscanf(line.c_str(), "%d,%d,%d", &lane, &threshold, &slot) >= 2 && lane >= 1 && lane <= 5)
      chart.notes.push_back({lane, threshold});
  }
  return chart;
}

Stereo render_tune(const TuneSpec& tune, const Chart& chart) {
  Stereo out(frames_at(tune.end_ms / 1000.0 + kTailS));
  const uint32_t seed = static_cast<uint32_t>(tune.end_ms);
  render_groove(out, Groove{chart.bpm, downbeat(chart), tune.key, tune.style, tune.progression, seed});
  static const float kPan[5] = {-0.6f, -0.3f, 0.f, 0.3f, 0.6f};
  // Each lane's tone: a plucked string with a bell on top, so it cuts through the groove.
  Mono tones[5];
  for (int lane = 0; lane < 5; ++lane) {
    double hz = midi_hz(lane_note(tune.key, lane));
    tones[lane] = pluck(hz, 0.5, seed + 10 + lane, 0.8);
    Mono bell = chime(hz, 0.5);
    for (size_t i = 0; i < bell.size(); ++i) tones[lane][i] += 0.6f * bell[i];
  }
  for (const ChartNote& n : chart.notes)
    mix_in(out, tones[n.lane - 1], frames_at((n.threshold + kToneDelayMs) / 1000.0), 1.1f, kPan[n.lane - 1]);
  level(out, 0.16f);
  fade_out(out, 2.5);
  return out;
}

void write_ogg(const Stereo& audio, const std::string& path, int serial) {
  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, 2, kRate, 0.3f) != 0) throw std::runtime_error("vorbis setup failed");
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_comment_add_tag(&vc, "TITLE", "Quorl Demo tune");
  vorbis_dsp_state vd;
  vorbis_block vb;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, serial);

  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary);
  if (!out) throw std::runtime_error("cannot write " + path);
  ogg_page og;
  ogg_packet op;
  auto write_page = [&]() {
    out.write(reinterpret_cast<const char*>(og.header), og.header_len);
    out.write(reinterpret_cast<const char*>(og.body), og.body_len);
  };

  ogg_packet header, header_comm, header_code;
  vorbis_analysis_headerout(&vd, &vc, &header, &header_comm, &header_code);
  ogg_stream_packetin(&os, &header);
  ogg_stream_packetin(&os, &header_comm);
  ogg_stream_packetin(&os, &header_code);
  while (ogg_stream_flush(&os, &og) != 0) write_page();

  const size_t kChunk = 1024;
  size_t pos = 0;
  bool eos = false;
  while (!eos) {
    size_t n = std::min(kChunk, audio.frames() - pos);
    if (n == 0) {
      vorbis_analysis_wrote(&vd, 0);
    } else {
      float** buf = vorbis_analysis_buffer(&vd, static_cast<int>(n));
      std::copy(audio.l.begin() + pos, audio.l.begin() + pos + n, buf[0]);
      std::copy(audio.r.begin() + pos, audio.r.begin() + pos + n, buf[1]);
      vorbis_analysis_wrote(&vd, static_cast<int>(n));
      pos += n;
    }
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      while (vorbis_bitrate_flushpacket(&vd, &op)) {
        ogg_stream_packetin(&os, &op);
        while (!eos && ogg_stream_pageout(&os, &og) != 0) {
          write_page();
          if (ogg_page_eos(&og)) eos = true;
        }
      }
    }
  }
  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
}

}  // namespace assetgen
