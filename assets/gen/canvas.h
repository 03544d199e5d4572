// Drawing surface for the generated artwork: a cairo image in premultiplied
// ARGB, plus the text, colour and noise helpers that every picture group uses,
// and the writers that turn a canvas into the PNG or JPEG files the game loads.
#pragma once

#include <cairo/cairo.h>

#include <cstdint>
#include <initializer_list>
#include <string>

namespace assetgen {

struct Col {
  double r, g, b, a;
};

constexpr Col rgb(int r, int g, int b, double a = 1.0) { return Col{r / 255.0, g / 255.0, b / 255.0, a}; }
Col mix(Col x, Col y, double t);
Col with_alpha(Col c, double a);

// The two colour keys of the game: magenta for overlays, white for notes and lane lines.
constexpr Col kMagenta = rgb(255, 0, 255);
constexpr Col kWhite = rgb(255, 255, 255);

enum class Align { Left, Center, Right };

class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  int width() const { return width_; }
  int height() const { return height_; }

  // Pixel access (premultiplied ARGB, 0xAARRGGBB) after cairo has finished drawing.
  uint32_t pixel(int x, int y);
  void set_pixel(int x, int y, uint32_t argb);
  void flush();

  // Copies rows [from, from + count) to [to, to + count).
  void copy_rows(int from, int to, int count);

 private:
  int width_, height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// --- shapes and paint --------------------------------------------------------

void set_colour(cairo_t* cr, Col c);

// Gradient fills of the current path (kept when preserve is set).
struct Stop {
  double at;
  Col c;
};
void fill_linear(cairo_t* cr, double x0, double y0, double x1, double y1, std::initializer_list<Stop> stops,
                 bool preserve = false);
void fill_radial(cairo_t* cr, double x0, double y0, double r0, double x1, double y1, double r1,
                 std::initializer_list<Stop> stops, bool preserve = false);
// A closed outline whose radius follows radius(i) at n evenly spaced angles from rot (0 = up).
void radial_polygon(cairo_t* cr, double cx, double cy, int n, double rot, double (*radius)(int, const void*),
                    const void* ctx);
void fill_rect(cairo_t* cr, double x, double y, double w, double h, Col c);
void rounded_rect_path(cairo_t* cr, double x, double y, double w, double h, double r);
void fill_rounded(cairo_t* cr, double x, double y, double w, double h, double r, Col c);
void stroke_rounded(cairo_t* cr, double x, double y, double w, double h, double r, double lw, Col c);
void vertical_gradient(cairo_t* cr, double x, double y, double w, double h, Col top, Col bottom);
void fill_circle(cairo_t* cr, double x, double y, double radius, Col c);
void star_path(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double rot);
// A soft radial glow of colour c, fading to nothing at the radius.
void glow(cairo_t* cr, double cx, double cy, double radius, Col c);

// --- text (the game's bold face, loaded from the font file) --------------------

void load_font(const std::string& path);
double text_width(const std::string& text, double size);
// Draws text with its baseline at y; x is the left edge, centre or right edge.
void draw_text(cairo_t* cr, const std::string& text, double x, double y, double size, Col fill,
               Align align = Align::Left);
// Same, with a dark outline of the given width around the letters.
void draw_text_outlined(cairo_t* cr, const std::string& text, double x, double y, double size, Col fill,
                        Col outline, double outline_width, Align align = Align::Left);
// Big title lettering with a vertical gradient fill and an outline.
void draw_title(cairo_t* cr, const std::string& text, double x, double y, double size, Col top,
                Col bottom, Col outline, Align align = Align::Center);

// --- deterministic noise --------------------------------------------------------

uint32_t hash32(uint32_t x);
double hash01(int x, int y, uint32_t seed);          // white noise in [0, 1)
double value_noise(double x, double y, uint32_t seed);  // smooth noise in [0, 1)
double fractal_noise(double x, double y, uint32_t seed, int octaves);

// --- output ---------------------------------------------------------------------

// Opaque picture: every pixel composited over black, written as 24-bit RGB.
void save_png_opaque(Canvas& canvas, const std::string& path);
// Keyed overlay: pixels that are (nearly) transparent become the key colour; the
// others are composited over the matte colour, so soft edges blend into what
// normally lies beneath instead of into the key. No content pixel equals the key.
void save_png_keyed(Canvas& canvas, const std::string& path, Col key, Col matte);
void save_jpeg(Canvas& canvas, const std::string& path, int quality);

// Output root, set once by main; every path is relative to it.
void set_output_root(const std::string& root);
std::string out_path(const std::string& relative);

}  // namespace assetgen
