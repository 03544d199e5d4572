#include "canvas.h"

#include <cairo/cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <jpeglib.h>
#include <png.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace assetgen {

namespace {

FT_Library g_ft = nullptr;
FT_Face g_face = nullptr;
cairo_font_face_t* g_font = nullptr;
std::string g_root = ".";

void use_font(cairo_t* cr, double size) {
  if (!g_font) throw std::runtime_error("font not loaded");
  cairo_set_font_face(cr, g_font);
  cairo_set_font_size(cr, size);
  cairo_font_options_t* opt = cairo_font_options_create();
  cairo_font_options_set_antialias(opt, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(opt, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(opt, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr, opt);
  cairo_font_options_destroy(opt);
}

double aligned_x(cairo_t* cr, const std::string& text, double x, Align align) {
  if (align == Align::Left) return x;
  cairo_text_extents_t ext;
  cairo_text_extents(cr, text.c_str(), &ext);
  return align == Align::Center ? x - ext.x_advance / 2 : x - ext.x_advance;
}

void ensure_parent(const std::string& path) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
}

// Unpremultiplied channel values of one pixel, composited over a matte.
void over_matte(uint32_t p, Col matte, double out[3]) {
  double a = ((p >> 24) & 255) / 255.0;
  double c[3] = {((p >> 16) & 255) / 255.0, ((p >> 8) & 255) / 255.0, (p & 255) / 255.0};
  double m[3] = {matte.r, matte.g, matte.b};
  for (int i = 0; i < 3; ++i) out[i] = c[i] + m[i] * (1.0 - a);
}

uint8_t to_byte(double v) {
  long q = std::lround(v * 255.0);
  return static_cast<uint8_t>(q < 0 ? 0 : q > 255 ? 255 : q);
}

void write_png_rgb(const std::string& path, int w, int h, const std::vector<uint8_t>& rgb) {
  ensure_parent(path);
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) throw std::runtime_error("cannot write " + path);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
    throw std::runtime_error("png error in " + path);
  }
  png_init_io(png, f);
  png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < h; ++y) png_write_row(png, rgb.data() + static_cast<size_t>(y) * w * 3);
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  std::fclose(f);
}

std::vector<uint8_t> opaque_rgb(Canvas& c) {
  c.flush();
  std::vector<uint8_t> out(static_cast<size_t>(c.width()) * c.height() * 3);
  size_t i = 0;
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x) {
      double v[3];
      over_matte(c.pixel(x, y), rgb(0, 0, 0), v);
      for (double ch : v) out[i++] = to_byte(ch);
    }
  return out;
}

}  // namespace

Col mix(Col x, Col y, double t) {
  return Col{x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t};
}

Col with_alpha(Col c, double a) { return Col{c.r, c.g, c.b, a}; }

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cr_ = cairo_create(surface_);
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

void Canvas::flush() { cairo_surface_flush(surface_); }

uint32_t Canvas::pixel(int x, int y) {
  const unsigned char* d = cairo_image_surface_get_data(surface_);
  int stride = cairo_image_surface_get_stride(surface_);
  return reinterpret_cast<const uint32_t*>(d + static_cast<size_t>(y) * stride)[x];
}

void Canvas::set_pixel(int x, int y, uint32_t argb) {
  unsigned char* d = cairo_image_surface_get_data(surface_);
  int stride = cairo_image_surface_get_stride(surface_);
  reinterpret_cast<uint32_t*>(d + static_cast<size_t>(y) * stride)[x] = argb;
  cairo_surface_mark_dirty(surface_);
}

void Canvas::copy_rows(int from, int to, int count) {
  flush();
  unsigned char* d = cairo_image_surface_get_data(surface_);
  int stride = cairo_image_surface_get_stride(surface_);
  for (int i = 0; i < count; ++i)
    std::copy(d + static_cast<size_t>(from + i) * stride, d + static_cast<size_t>(from + i + 1) * stride,
              d + static_cast<size_t>(to + i) * stride);
  cairo_surface_mark_dirty(surface_);
}

void set_colour(cairo_t* cr, Col c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

namespace {

void fill_pattern(cairo_t* cr, cairo_pattern_t* p, std::initializer_list<Stop> stops, bool preserve) {
  for (const Stop& s : stops) cairo_pattern_add_color_stop_rgba(p, s.at, s.c.r, s.c.g, s.c.b, s.c.a);
  cairo_set_source(cr, p);
  preserve ? cairo_fill_preserve(cr) : cairo_fill(cr);
  cairo_pattern_destroy(p);
}

}  // namespace

void fill_linear(cairo_t* cr, double x0, double y0, double x1, double y1, std::initializer_list<Stop> stops,
                 bool preserve) {
  fill_pattern(cr, cairo_pattern_create_linear(x0, y0, x1, y1), stops, preserve);
}

void fill_radial(cairo_t* cr, double x0, double y0, double r0, double x1, double y1, double r1,
                 std::initializer_list<Stop> stops, bool preserve) {
  fill_pattern(cr, cairo_pattern_create_radial(x0, y0, r0, x1, y1, r1), stops, preserve);
}

void radial_polygon(cairo_t* cr, double cx, double cy, int n, double rot, double (*radius)(int, const void*),
                    const void* ctx) {
  cairo_new_sub_path(cr);
  for (int i = 0; i < n; ++i) {
    double r = radius(i, ctx), a = rot - M_PI / 2 + i * 2 * M_PI / n;
    cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
  }
  cairo_close_path(cr);
}

void fill_rect(cairo_t* cr, double x, double y, double w, double h, Col c) {
  set_colour(cr, c);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
}

void rounded_rect_path(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void fill_rounded(cairo_t* cr, double x, double y, double w, double h, double r, Col c) {
  rounded_rect_path(cr, x, y, w, h, r);
  set_colour(cr, c);
  cairo_fill(cr);
}

void stroke_rounded(cairo_t* cr, double x, double y, double w, double h, double r, double lw, Col c) {
  rounded_rect_path(cr, x, y, w, h, r);
  set_colour(cr, c);
  cairo_set_line_width(cr, lw);
  cairo_stroke(cr);
}

void vertical_gradient(cairo_t* cr, double x, double y, double w, double h, Col top, Col bottom) {
  cairo_rectangle(cr, x, y, w, h);
  fill_linear(cr, 0, y, 0, y + h, {{0, top}, {1, bottom}});
}

void fill_circle(cairo_t* cr, double x, double y, double radius, Col c) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
  set_colour(cr, c);
  cairo_fill(cr);
}

void star_path(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double rot) {
  const double radii[2] = {outer, inner};
  radial_polygon(cr, cx, cy, points * 2, rot, [](int i, const void* r) { return static_cast<const double*>(r)[i % 2]; },
                 radii);
}

void glow(cairo_t* cr, double cx, double cy, double radius, Col c) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
  fill_radial(cr, cx, cy, 0, cx, cy, radius, {{0, c}, {1, with_alpha(c, 0)}});
}

void load_font(const std::string& path) {
  if (FT_Init_FreeType(&g_ft) != 0 || FT_New_Face(g_ft, path.c_str(), 0, &g_face) != 0)
    throw std::runtime_error("cannot load font " + path);
  g_font = cairo_ft_font_face_create_for_ft_face(g_face, 0);
}

double text_width(const std::string& text, double size) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
  cairo_t* cr = cairo_create(s);
  use_font(cr, size);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, text.c_str(), &ext);
  cairo_destroy(cr);
  cairo_surface_destroy(s);
  return ext.x_advance;
}

void draw_text(cairo_t* cr, const std::string& text, double x, double y, double size, Col fill, Align align) {
  use_font(cr, size);
  cairo_move_to(cr, aligned_x(cr, text, x, align), y);
  set_colour(cr, fill);
  cairo_show_text(cr, text.c_str());
  cairo_new_path(cr);
}

void draw_text_outlined(cairo_t* cr, const std::string& text, double x, double y, double size, Col fill,
                        Col outline, double outline_width, Align align) {
  use_font(cr, size);
  cairo_move_to(cr, aligned_x(cr, text, x, align), y);
  cairo_text_path(cr, text.c_str());
  set_colour(cr, outline);
  cairo_set_line_width(cr, outline_width * 2);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke_preserve(cr);
  set_colour(cr, fill);
  cairo_fill(cr);
}

void draw_title(cairo_t* cr, const std::string& text, double x, double y, double size, Col top, Col bottom,
                Col outline, Align align) {
  use_font(cr, size);
  cairo_move_to(cr, aligned_x(cr, text, x, align), y);
  cairo_text_path(cr, text.c_str());
  set_colour(cr, outline);
  cairo_set_line_width(cr, std::max(2.0, size / 7));
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke_preserve(cr);
  fill_linear(cr, 0, y - size * 0.75, 0, y, {{0, top}, {1, bottom}});
}

uint32_t hash32(uint32_t x) {
  x ^= x >> 16;
  x *= 0x7feb352dU;
  x ^= x >> 15;
  x *= 0x846ca68bU;
  x ^= x >> 16;
  return x;
}

double hash01(int x, int y, uint32_t seed) {
  uint32_t h = hash32(static_cast<uint32_t>(x) * 0x9E3779B1U ^ hash32(static_cast<uint32_t>(y) + seed * 0x85EBCA77U));
  return (h >> 8) / 16777216.0;
}

double value_noise(double x, double y, uint32_t seed) {
  int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
  double fx = x - ix, fy = y - iy;
  double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  double a = hash01(ix, iy, seed), b = hash01(ix + 1, iy, seed);
  double c = hash01(ix, iy + 1, seed), d = hash01(ix + 1, iy + 1, seed);
  return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

double fractal_noise(double x, double y, uint32_t seed, int octaves) {
  double sum = 0, amp = 0.5, norm = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += amp * value_noise(x, y, seed + o * 101);
    norm += amp;
    x *= 2;
    y *= 2;
    amp *= 0.5;
  }
  return sum / norm;
}

void save_png_opaque(Canvas& canvas, const std::string& path) {
  write_png_rgb(path, canvas.width(), canvas.height(), opaque_rgb(canvas));
}

void save_png_keyed(Canvas& canvas, const std::string& path, Col key, Col matte) {
  canvas.flush();
  const uint8_t k[3] = {to_byte(key.r), to_byte(key.g), to_byte(key.b)};
  std::vector<uint8_t> rgb(static_cast<size_t>(canvas.width()) * canvas.height() * 3);
  size_t i = 0;
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x) {
      uint32_t p = canvas.pixel(x, y);
      uint8_t px[3];
      if (((p >> 24) & 255) < 64) {
        for (int c = 0; c < 3; ++c) px[c] = k[c];
      } else {
        double v[3];
        over_matte(p, matte, v);
        for (int c = 0; c < 3; ++c) px[c] = to_byte(v[c]);
        if (px[0] == k[0] && px[1] == k[1] && px[2] == k[2]) px[1] = static_cast<uint8_t>(k[1] == 0 ? 1 : k[1] - 1);
      }
      for (int c = 0; c < 3; ++c) rgb[i++] = px[c];
    }
  write_png_rgb(path, canvas.width(), canvas.height(), rgb);
}

void save_jpeg(Canvas& canvas, const std::string& path, int quality) {
  std::vector<uint8_t> rgb = opaque_rgb(canvas);
  ensure_parent(path);
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) throw std::runtime_error("cannot write " + path);
  jpeg_compress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, f);
  cinfo.image_width = canvas.width();
  cinfo.image_height = canvas.height();
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = rgb.data() + static_cast<size_t>(cinfo.next_scanline) * canvas.width() * 3;
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::fclose(f);
}

void set_output_root(const std::string& root) { g_root = root; }

std::string out_path(const std::string& relative) { return g_root + "/" + relative; }

}  // namespace assetgen
