// A picture in progress: floating-point colours and shapes given by signed distances, so that
// edges inside a picture are smooth while its outline against the see-through colour stays hard.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

class IDirectDrawSurface;

namespace artgen {

struct Rgb {
    float r = 0, g = 0, b = 0;
};
struct Rgba {
    Rgb c;
    float a = 1;
};

Rgb Hex(uint32_t rrggbb);
Rgb Mix(Rgb a, Rgb b, float t);  // t = 0 gives a
Rgb Lighter(Rgb c, float t);     // towards white
Rgb Darker(Rgb c, float t);      // towards black

// Signed distance in pixels from a point to a shape's edge: negative inside. Pixel (i, j) is
// sampled at its centre (i + 0.5, j + 0.5).
using Sdf = std::function<float(float x, float y)>;
using Paint = std::function<Rgba(float x, float y)>;

Sdf Circle(float cx, float cy, float r);
Sdf Ellipse(float cx, float cy, float rx, float ry);            // approximate distance, good near the edge
Sdf Box(float x0, float y0, float x1, float y1, float radius);  // rounded corners
Sdf Capsule(float ax, float ay, float bx, float by, float r);   // a stroke with round ends
Sdf Polygon(std::vector<float> xy);                             // x0, y0, x1, y1, ...
Sdf Ring(float cx, float cy, float r, float half_width);
// A stroke along a circle from angle a0 to a1 (radians, a1 > a0, y pointing down) with round ends.
Sdf Arc(float cx, float cy, float r, float a0, float a1, float half_width);
Sdf HalfPlaneBelow(float y);  // everything below the row y
Sdf HalfPlaneAbove(float y);
Sdf Union(Sdf a, Sdf b);
Sdf Intersect(Sdf a, Sdf b);
Sdf Subtract(Sdf a, Sdf b);
Sdf Grow(Sdf s, float d);              // negative d shrinks
Sdf Outline(Sdf s, float half_width);  // a line along the shape's edge
Sdf Move(Sdf s, float dx, float dy);
Sdf Rotate(Sdf s, float cx, float cy, float angle);

Paint Solid(Rgb c, float a = 1);
// From c0 at row y0 to c1 at row y1, clamped outside.
Paint VGrad(float y0, Rgb c0, float y1, Rgb c1);
Paint VGradAlpha(float y0, Rgba c0, float y1, Rgba c1);

class Canvas {
public:
    Canvas(int w, int h);
    int Width() const { return w_; }
    int Height() const { return h_; }
    // Paints the shape, blended by its coverage over what is drawn. Where nothing is drawn yet
    // the pixel is taken whole or not at all, so nothing mixes with the see-through colour.
    void Fill(const Sdf& shape, const Paint& paint);
    // Paints only over what is drawn already: shading that never widens the picture.
    void Shade(const Sdf& shape, const Paint& paint);
    // Into the surface at (x, y) as RGB565: drawn pixels never take the values `key` or
    // `border` (the lowest bits of blue change), the others become `key`.
    void Put(IDirectDrawSurface* s, int x, int y, uint16_t key, uint16_t border) const;
    // Painting touches only the box x0 ... x1, y0 ... y1 until the next Limit: a large picture
    // paints each of its parts in the box around it, which saves most of the work.
    void Limit(float x0, float y0, float x1, float y1);
    void Unlimit() { lx0_ = ly0_ = 0, lx1_ = w_, ly1_ = h_; }
    bool Drawn(int x, int y) const { return solid_[index(x, y)] != 0; }
    Rgb At(int x, int y) const { return px_[index(x, y)]; }

private:
    size_t index(int x, int y) const { return static_cast<size_t>(y) * w_ + x; }
    void paint(const Sdf& shape, const Paint& paint, bool widen);
    int w_, h_;
    int lx0_ = 0, ly0_ = 0, lx1_ = w_, ly1_ = h_;
    std::vector<Rgb> px_;
    std::vector<uint8_t> solid_;
};

}  // namespace artgen
