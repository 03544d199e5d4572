// Checks the generated game files against what the screens rely on: image
// sizes, the cells the game clips out of each sheet, colour keys, the sound
// effect format and the length of every tune.
#include "assets/asset_image.h"

#include <SDL/SDL.h>
#include <SDL/SDL_image.h>
#include <SDL/SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {


std::vector<unsigned char> read_file(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

uint32_t le32(const std::vector<unsigned char>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint16_t le16(const std::vector<unsigned char>& b, size_t at) { return static_cast<uint16_t>(b[at] | b[at + 1] << 8); }

// Image loaded once per check, freed at scope end.
class Picture : public AssetImage {
 public:
  using AssetImage::AssetImage;

  // Pixels of the rectangle that are not the key colour.
  int content(int x, int y, int w, int h, Rgb key) const {
    int n = 0;
    for (int j = y; j < y + h; ++j)
      for (int i = x; i < x + w; ++i) n += at(i, j) == key ? 0 : 1;
    return n;
  }
};

constexpr Rgb kMagenta{255, 0, 255};
constexpr Rgb kWhite{255, 255, 255};

enum class Key { None, Magenta, White };
enum class Size { Exact, AtLeast, AtMost };

struct ImageRow {
  const char* path;
  int w, h;
  Size size;
  Key key;
};

// Every image the game loads at start-up, with the size its screen needs and its colour key.
const ImageRow kImages[] = {
    {"img/guitars/gtr00.png", 142, 170, Size::AtMost, Key::None},
    {"img/guitars/gtr01.png", 142, 170, Size::AtMost, Key::None},
    {"img/guitars/gtr02.png", 142, 170, Size::AtMost, Key::None},
    {"img/guitars/gtr03.png", 142, 170, Size::AtMost, Key::None},
    {"img/guitars/lock00.png", 142, 170, Size::AtMost, Key::None},
    {"img/guitars/lock01.png", 142, 170, Size::AtMost, Key::None},
    {"img/guitars/lock02.png", 142, 170, Size::AtMost, Key::None},
    {"img/guitars/lock03.png", 142, 170, Size::AtMost, Key::None},
    {"img/guitars/gtr_desc00.png", 141, 504, Size::AtLeast, Key::Magenta},
    {"img/guitars/gtr_desc01.png", 141, 504, Size::AtLeast, Key::Magenta},
    {"img/guitars/gtr_desc02.png", 141, 504, Size::AtLeast, Key::Magenta},
    {"img/guitars/gtr_desc03.png", 141, 504, Size::AtLeast, Key::Magenta},
    {"img/intro/splash_320.png", 320, 240, Size::Exact, Key::None},
    {"img/intro/sponsor_320.png", 320, 240, Size::Exact, Key::None},
    {"img/intro/ondravel.png", 320, 240, Size::Exact, Key::None},
    {"img/intro/NDRQ.png", 320, 240, Size::Exact, Key::None},
    {"img/intro/presents.png", 320, 240, Size::Exact, Key::None},
    {"img/sprite/txt_box.png", 141, 134, Size::AtLeast, Key::None},
    {"img/sprite/cursor_bar.png", 1, 1, Size::AtLeast, Key::None},
    {"img/sprite/hitflames1.png", 352, 64, Size::AtLeast, Key::Magenta},
    {"img/sprite/star_line.png", 209, 39, Size::AtLeast, Key::Magenta},
    {"img/sprite/star_line_null.png", 209, 39, Size::AtLeast, Key::Magenta},
    {"img/sprite/multiplicador.png", 77, 57, Size::AtLeast, Key::Magenta},
    {"img/sprite/credits.png", 320, 2286, Size::AtLeast, Key::Magenta},
    {"img/menus/rank_score.png", 320, 240, Size::Exact, Key::None},
    {"img/sprite/letras.png", 192, 74, Size::AtLeast, Key::Magenta},
    {"img/sprite/cursor_nome.png", 19, 18, Size::AtMost, Key::Magenta},
    {"img/menus/pause.png", 320, 240, Size::Exact, Key::Magenta},
    {"img/menus/pause2.png", 320, 240, Size::Exact, Key::Magenta},
    {"img/sprite/audio1.png", 109, 66, Size::AtLeast, Key::Magenta},
    {"img/menus/select_song_band.png", 320, 240, Size::Exact, Key::None},
    {"img/capas/Paranoid_small.jpg", 142, 172, Size::AtMost, Key::None},
    {"img/capas/number_small.jpg", 142, 172, Size::AtMost, Key::None},
    {"img/capas/aceofspades_small.jpg", 142, 172, Size::AtMost, Key::None},
    {"img/capas/Highway_small.jpg", 142, 172, Size::AtMost, Key::None},
    {"img/capas/Ridethelightning_small.jpg", 142, 172, Size::AtMost, Key::None},
    {"img/menus/loading.png", 320, 240, Size::Exact, Key::None},
    {"img/sprite/loading_sprits.png", 150, 43, Size::AtLeast, Key::Magenta},
    {"img/menus/menu1.png", 320, 240, Size::Exact, Key::None},
    {"img/menus/menu1.1.png", 320, 240, Size::Exact, Key::None},
    {"img/menus/set_keys.png", 320, 240, Size::Exact, Key::None},
    {"img/menus/menu_sound1.png", 320, 240, Size::Exact, Key::None},
    {"img/menus/menu_save.png", 320, 240, Size::Exact, Key::None},
    {"img/menus/menu_configuregame.png", 320, 240, Size::Exact, Key::None},
    {"img/sprite/3.png", 320, 240, Size::Exact, Key::Magenta},
    {"img/sprite/2.png", 320, 240, Size::Exact, Key::Magenta},
    {"img/sprite/1.png", 320, 240, Size::Exact, Key::Magenta},
    {"img/sprite/YOUFAILED.png", 320, 240, Size::Exact, Key::Magenta},
    {"img/sprite/YOUROCK.png", 320, 240, Size::Exact, Key::Magenta},
    {"img/menus/you_win.png", 320, 240, Size::Exact, Key::None},
    {"img/menus/main2.png", 320, 240, Size::Exact, Key::None},
    {"img/menus/main3.png", 320, 240, Size::Exact, Key::None},
    {"img/menus/main4.png", 320, 240, Size::Exact, Key::None},
    {"img/menus/hiscore.png", 320, 240, Size::Exact, Key::None},
    {"img/sprite/frets.png", 200, 88, Size::AtLeast, Key::Magenta},
    {"img/sprite/linhas.png", 162, 240, Size::AtLeast, Key::White},
    {"img/sprite/notas.png", 160, 23, Size::AtLeast, Key::White},
    {"img/sprite/score.png", 80, 40, Size::AtLeast, Key::Magenta},
    {"img/sprite/cursorA.png", 23, 219, Size::AtLeast, Key::Magenta},
    {"img/sprite/rock_bar.png", 11, 160, Size::AtLeast, Key::Magenta},
    {"img/sprite/rock_bar0.png", 11, 160, Size::AtLeast, Key::Magenta},
    {"img/necks/neck0.png", 240, 780, Size::AtLeast, Key::None},
    {"img/necks/neck1.png", 240, 780, Size::AtLeast, Key::None},
    {"img/necks/neck2.png", 240, 780, Size::AtLeast, Key::None},
    {"img/necks/neck3.png", 240, 780, Size::AtLeast, Key::None},
    {"img/bg/backdrop00.png", 320, 240, Size::Exact, Key::None},
    {"img/bg/backdrop01.png", 320, 240, Size::Exact, Key::None},
    {"img/bg/backdrop02.png", 320, 240, Size::Exact, Key::None},
    {"img/bg/backdrop03.png", 320, 240, Size::Exact, Key::None},
};

TEST(AssetImages, EveryImageLoadsWithTheSizeAndKeyItsScreenNeeds) {
  ASSERT_EQ(sizeof kImages / sizeof kImages[0], 69u);
  for (const ImageRow& row : kImages) {
    SCOPED_TRACE(row.path);
    Picture pic(row.path);
    ASSERT_NE(pic.get(), nullptr) << IMG_GetError();
    const int w = pic.get()->w, h = pic.get()->h;
    switch (row.size) {
      case Size::Exact:
        EXPECT_EQ(w, row.w);
        EXPECT_EQ(h, row.h);
        break;
      case Size::AtLeast:
        EXPECT_GE(w, row.w);
        EXPECT_GE(h, row.h);
        break;
      case Size::AtMost:
        EXPECT_LE(w, row.w);
        EXPECT_LE(h, row.h);
        break;
    }
    // A per-pixel alpha channel would make SDL ignore the colour key and the neck's alpha 200.
    EXPECT_EQ(pic.get()->format->Amask, 0u);
    if (row.key != Key::None) {
      Rgb key = row.key == Key::White ? kWhite : kMagenta;
      int content = pic.content(0, 0, w, h, key);
      EXPECT_GT(content, 0) << "nothing but the key colour";
      EXPECT_LT(content, w * h) << "no pixel is keyed out";
      // The play frame draws its sheets converted to the 16-bit screen format,
      // where a colour one step from the key would turn into the key and vanish.
      auto as565 = [](Rgb c) { return (c.r >> 3) << 11 | (c.g >> 2) << 5 | (c.b >> 3); };
      int near_key = 0;
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
          const Rgb c = pic.at(x, y);
          near_key += !(c == key) && as565(c) == as565(key);
        }
      EXPECT_EQ(near_key, 0) << "pixels that become the key on a 16-bit screen";
    }
  }
}

enum class Expect { Content, Filled, Keyed };

struct CellRow {
  const char* path;
  int x, y, w, h;
  Expect expect;
  Key key;
};

// Cells the screens clip out: each must hold its picture (Content), be covered
// whole (Filled), or stay clear (Keyed).
const CellRow kCells[] = {
    // Note cells on the white key: a note in the middle, key in the corners.
    {"img/sprite/notas.png", 10, 6, 11, 11, Expect::Filled, Key::White},
    {"img/sprite/notas.png", 41, 6, 11, 11, Expect::Filled, Key::White},
    {"img/sprite/notas.png", 74, 6, 11, 11, Expect::Filled, Key::White},
    {"img/sprite/notas.png", 107, 6, 11, 11, Expect::Filled, Key::White},
    {"img/sprite/notas.png", 139, 6, 11, 11, Expect::Filled, Key::White},
    {"img/sprite/notas.png", 0, 0, 2, 2, Expect::Keyed, Key::White},
    {"img/sprite/notas.png", 129, 21, 2, 2, Expect::Keyed, Key::White},
    // Frets: the row's five buttons at the lanes, and the five pressed cells.
    {"img/sprite/frets.png", 10, 12, 11, 8, Expect::Filled, Key::Magenta},
    {"img/sprite/frets.png", 40, 12, 11, 8, Expect::Filled, Key::Magenta},
    {"img/sprite/frets.png", 75, 12, 11, 8, Expect::Filled, Key::Magenta},
    {"img/sprite/frets.png", 107, 12, 11, 8, Expect::Filled, Key::Magenta},
    {"img/sprite/frets.png", 140, 12, 11, 8, Expect::Filled, Key::Magenta},
    {"img/sprite/frets.png", 0, 33, 31, 23, Expect::Content, Key::Magenta},
    {"img/sprite/frets.png", 31, 33, 33, 23, Expect::Content, Key::Magenta},
    {"img/sprite/frets.png", 64, 33, 35, 23, Expect::Content, Key::Magenta},
    {"img/sprite/frets.png", 99, 33, 35, 23, Expect::Content, Key::Magenta},
    {"img/sprite/frets.png", 0, 56, 31, 23, Expect::Content, Key::Magenta},
    {"img/sprite/frets.png", 40, 56, 123, 23, Expect::Keyed, Key::Magenta},
    // The flame the game shows.
    {"img/sprite/hitflames1.png", 320, 0, 32, 64, Expect::Content, Key::Magenta},
    // Multiplier cells cover each other whole (x2 over x1, x3 over both).
    {"img/sprite/multiplicador.png", 3, 3, 71, 13, Expect::Filled, Key::Magenta},
    {"img/sprite/multiplicador.png", 3, 22, 71, 13, Expect::Filled, Key::Magenta},
    {"img/sprite/multiplicador.png", 3, 41, 71, 13, Expect::Filled, Key::Magenta},
    // Rock meter: the base and the cover fill the 160 rows the meter clips.
    {"img/sprite/rock_bar0.png", 3, 4, 5, 152, Expect::Filled, Key::Magenta},
    {"img/sprite/rock_bar.png", 3, 4, 5, 152, Expect::Filled, Key::Magenta},
    // Menu cursor cells, and the rest of the sheet clear.
    {"img/sprite/cursorA.png", 0, 66, 23, 16, Expect::Content, Key::Magenta},
    {"img/sprite/cursorA.png", 0, 101, 23, 16, Expect::Content, Key::Magenta},
    {"img/sprite/cursorA.png", 0, 133, 23, 16, Expect::Content, Key::Magenta},
    {"img/sprite/cursorA.png", 0, 168, 23, 16, Expect::Content, Key::Magenta},
    {"img/sprite/cursorA.png", 0, 203, 23, 16, Expect::Content, Key::Magenta},
    {"img/sprite/cursorA.png", 0, 0, 23, 60, Expect::Keyed, Key::Magenta},
    // Loading bar stages end where their cells end.
    {"img/sprite/loading_sprits.png", 24, 18, 4, 8, Expect::Filled, Key::Magenta},
    {"img/sprite/loading_sprits.png", 144, 18, 4, 8, Expect::Filled, Key::Magenta},
    // Volume bar: the first cell already shows a bar.
    {"img/sprite/audio1.png", 0, 50, 35, 16, Expect::Content, Key::Magenta},
    // Name cursor: a frame with a clear middle that shows the letter beneath.
    {"img/sprite/cursor_nome.png", 6, 6, 7, 6, Expect::Keyed, Key::Magenta},
    {"img/sprite/cursor_nome.png", 0, 0, 19, 3, Expect::Content, Key::Magenta},
    // Letter grid: first and last cells hold a character or the delete mark.
    {"img/sprite/letras.png", 5, 5, 13, 12, Expect::Content, Key::Magenta},
    {"img/sprite/letras.png", 2 + 19 * 9 + 3, 2 + 18 * 3 + 3, 13, 12, Expect::Content, Key::Magenta},
    // Pause panel leaves the play screen visible around it.
    {"img/menus/pause2.png", 0, 0, 320, 40, Expect::Keyed, Key::Magenta},
    // Countdown digits and banners leave the play field's edges clear.
    {"img/sprite/3.png", 0, 0, 40, 240, Expect::Keyed, Key::Magenta},
    {"img/sprite/YOUROCK.png", 0, 0, 320, 60, Expect::Keyed, Key::Magenta},
    {"img/sprite/YOUFAILED.png", 0, 180, 320, 60, Expect::Keyed, Key::Magenta},
};

TEST(AssetImages, SheetCellsHoldTheirPicturesWhereTheGameClipsThem) {
  for (const CellRow& row : kCells) {
    SCOPED_TRACE(std::string(row.path) + " cell at " + std::to_string(row.x) + "," + std::to_string(row.y));
    Picture pic(row.path);
    ASSERT_NE(pic.get(), nullptr);
    ASSERT_LE(row.x + row.w, pic.get()->w);
    ASSERT_LE(row.y + row.h, pic.get()->h);
    int n = pic.content(row.x, row.y, row.w, row.h, row.key == Key::White ? kWhite : kMagenta);
    switch (row.expect) {
      case Expect::Content: EXPECT_GT(n, 0); break;
      case Expect::Filled: EXPECT_EQ(n, row.w * row.h); break;
      case Expect::Keyed: EXPECT_EQ(n, 0); break;
    }
  }
}

TEST(AssetImages, StarLinesShowOneMoreStarPerCellWidth) {
  static const int kEnd[10] = {21, 41, 63, 83, 105, 125, 147, 167, 189, 209};
  for (const char* path : {"img/sprite/star_line.png", "img/sprite/star_line_null.png"}) {
    SCOPED_TRACE(path);
    Picture pic(path);
    ASSERT_NE(pic.get(), nullptr);
    for (int k = 0; k < 10; ++k) {
      int left = k == 0 ? 0 : kEnd[k - 1];
      EXPECT_GT(pic.content(left, 0, kEnd[k] - left, 39, kMagenta), 20) << "star " << k + 1;
      // The stars stand apart at each cell end, so a cell never shows part of the next star.
      if (k < 9) {
        bool before = pic.content(kEnd[k] - 1, 0, 1, 39, kMagenta) > 0;
        bool after = pic.content(kEnd[k], 0, 1, 39, kMagenta) > 0;
        EXPECT_FALSE(before && after)
            << "a star straddles the end of cell " << k + 1;
      }
    }
  }
}

TEST(AssetImages, NecksRepeatEvery540RowsSoTheScrollNeverJumps) {
  for (int n = 0; n < 4; ++n) {
    std::string path = "img/necks/neck" + std::to_string(n) + ".png";
    SCOPED_TRACE(path);
    Picture pic(path);
    ASSERT_NE(pic.get(), nullptr);
    for (int y = 0; y + 540 < pic.get()->h; y += 7)
      for (int x = 0; x < 240; x += 3) ASSERT_EQ(pic.at(x, y), pic.at(x, y + 540)) << x << "," << y;
  }
}

TEST(AssetSounds, EffectsArePlain16BitStereoPcmAtTheGamesRate) {
  for (const char* path : {"audio/ERRO4.wav", "audio/ESTRELA_MAIS.wav", "audio/PTPOWER.wav", "audio/PTRUIM.wav",
                           "audio/BATIDA.wav", "audio/ACEITA.wav", "audio/CANCELA.wav", "audio/EXPLOSAO.wav"}) {
    SCOPED_TRACE(path);
    std::vector<unsigned char> b = read_file(game_path(path));
    ASSERT_GE(b.size(), 44u);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(le16(b, 20), 1) << "format tag";
    EXPECT_EQ(le16(b, 22), 2) << "channels";
    EXPECT_EQ(le32(b, 24), 22050u) << "rate";
    EXPECT_EQ(le16(b, 34), 16) << "bits";
    size_t at = 12 + 8 + le32(b, 16);
    ASSERT_LE(at + 8, b.size());
    EXPECT_EQ(std::string(b.begin() + at, b.begin() + at + 4), "data");
    uint32_t bytes = le32(b, at + 4);
    EXPECT_GT(bytes, 0u);
    EXPECT_LE(bytes / 4, 22050u * 3) << "an effect should be short";
    EXPECT_EQ(at + 8 + bytes, b.size());
  }
}

// Length of an Ogg Vorbis stream: the granule position of its last page over the rate.
struct OggInfo {
  int channels = 0;
  uint32_t rate = 0;
  double seconds = 0;
};

OggInfo ogg_info(const std::vector<unsigned char>& b) {
  OggInfo info;
  const std::string id = "\x01vorbis";
  auto it = std::search(b.begin(), b.end(), id.begin(), id.end());
  if (it == b.end() || b.end() - it < 16) return info;
  size_t at = static_cast<size_t>(it - b.begin()) + 7 + 4;
  info.channels = b[at];
  info.rate = le32(b, at + 1);
  for (size_t p = b.size() - 4; p-- > 0;)
    if (b[p] == 'O' && b[p + 1] == 'g' && b[p + 2] == 'g' && b[p + 3] == 'S' && p + 14 <= b.size()) {
      uint64_t granule = le32(b, p + 6) | static_cast<uint64_t>(le32(b, p + 10)) << 32;
      info.seconds = info.rate ? static_cast<double>(granule) / info.rate : 0;
      break;
    }
  return info;
}

TEST(AssetTunes, EachTuneIsStereoVorbisAtLeastAsLongAsItsSong) {
  struct Tune {
    const char* path;
    double end_s;
  };
  static const Tune kTunes[] = {{"song/tutorial/Tutorial.ogg", 146},      {"song/Paranoid.ogg", 170},
                                {"song/HighwayToHell.ogg", 211},          {"song/AceOfSpads.ogg", 188},
                                {"song/RunToTheHills.ogg", 238},          {"song/ForWhomTheBellsTools.ogg", 309}};
  for (const Tune& t : kTunes) {
    SCOPED_TRACE(t.path);
    OggInfo info = ogg_info(read_file(game_path(t.path)));
    EXPECT_EQ(info.channels, 2);
    EXPECT_EQ(info.rate, 22050u);
    EXPECT_GE(info.seconds, t.end_s);
    EXPECT_LE(info.seconds, t.end_s + 15) << "far longer than the song";
  }
}

TEST(AssetTunes, MenuTuneIsAnMp3OfAtLeastTwentySeconds) {
  std::vector<unsigned char> b = read_file(game_path("audio/menu1.mp3"));
  ASSERT_GE(b.size(), 4u);
  // First frame header: sync, MPEG-2 layer III at 22050 Hz, and its bitrate.
  ASSERT_EQ(b[0], 0xFF);
  ASSERT_EQ(b[1] & 0xE0, 0xE0);
  EXPECT_EQ((b[1] >> 3) & 3, 2) << "MPEG-2";
  EXPECT_EQ((b[1] >> 1) & 3, 1) << "layer III";
  EXPECT_EQ((b[2] >> 2) & 3, 0) << "22050 Hz";
  static const int kMpeg2Kbps[16] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0};
  int kbps = kMpeg2Kbps[b[2] >> 4];
  ASSERT_GT(kbps, 0);
  EXPECT_GE(b.size() * 8.0 / (kbps * 1000.0), 20.0);
}

// SDL_mixer, opened as the game opens it, loads every effect without converting
// it (same rate and format) and accepts every tune.
TEST(AssetSounds, MixerLoadsEffectsUnconvertedAndEveryTune) {
  setenv("SDL_AUDIODRIVER", "dummy", 0);  // loading needs no sound card
  if (SDL_Init(SDL_INIT_AUDIO) != 0 || Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 1024) != 0)
    GTEST_SKIP() << "no audio device: " << SDL_GetError();
  for (const char* path : {"audio/ERRO4.wav", "audio/ESTRELA_MAIS.wav", "audio/PTPOWER.wav", "audio/PTRUIM.wav",
                           "audio/BATIDA.wav", "audio/ACEITA.wav", "audio/CANCELA.wav", "audio/EXPLOSAO.wav"}) {
    SCOPED_TRACE(path);
    Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromFile(game_path(path).c_str(), "rb"), 1);
    ASSERT_NE(chunk, nullptr) << Mix_GetError();
    std::vector<unsigned char> b = read_file(game_path(path));
    EXPECT_EQ(chunk->alen, le32(b, 40)) << "the mixer had to convert the samples";
    Mix_FreeChunk(chunk);
  }
  for (const char* path : {"song/tutorial/Tutorial.ogg", "song/Paranoid.ogg", "song/RunToTheHills.ogg",
                           "song/AceOfSpads.ogg", "song/HighwayToHell.ogg", "song/ForWhomTheBellsTools.ogg",
                           "audio/menu1.mp3"}) {
    SCOPED_TRACE(path);
    Mix_Music* music = Mix_LoadMUS(game_path(path).c_str());
    EXPECT_NE(music, nullptr) << Mix_GetError();
    Mix_FreeMusic(music);
  }
  Mix_CloseAudio();
  SDL_Quit();
}

TEST(AssetFiles, FontAndHighScoreDirectoryAreInPlace) {
  std::vector<unsigned char> font = read_file(game_path("ariblk.ttf"));
  ASSERT_GE(font.size(), 4u);
  EXPECT_EQ(le32(font, 0), 0x00000100u) << "a TrueType font";
  std::ofstream probe(game_path("data/.probe"));
  EXPECT_TRUE(probe.good()) << "data/ is missing";
  probe.close();
  std::remove(game_path("data/.probe").c_str());
}

}  // namespace
