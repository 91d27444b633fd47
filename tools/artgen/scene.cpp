#include "tools/artgen/scene.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "tools/artgen/sheet.h"

namespace artgen {

namespace {
// The see-through colour of the library's props and actors: a pale blue, so that where the
// picture lists show a picture whole, with this colour, it sits on a light card.
constexpr uint16_t PALE = 0xF7DF;
}  // namespace

float Scatter::Next(float lo, float hi) {
    s_ = s_ * 1664525u + 1013904223u;
    return lo + (hi - lo) * static_cast<float>(s_ >> 8) / static_cast<float>(1u << 24);
}

Sdf Ground(int width, const std::function<double(double x)>& top) {
    std::vector<float> y(static_cast<size_t>(width) + 2);
    for (size_t i = 0; i < y.size(); ++i) y[i] = static_cast<float>(top(static_cast<double>(i)));
    return [y = std::move(y)](float px, float py) {
        const float at = std::clamp(px, 0.0f, static_cast<float>(y.size() - 2));
        const size_t i = static_cast<size_t>(at);
        const float slope = y[i + 1] - y[i], line = y[i] + slope * (at - static_cast<float>(i));
        return (line - py) / std::sqrt(1 + slope * slope);  // the distance across the line
    };
}

void Sky(Canvas& c, float horizon, Rgb top, Rgb low) {
    c.Fill(Box(-8, -8, static_cast<float>(c.Width()) + 8, horizon + 8, 0), VGrad(0, top, horizon, low));
}

std::vector<uint8_t> BackgroundFile(const Canvas& c) {
    Sheet sheet(c.Width(), c.Height(), PALE, BORDER);
    sheet.Put(0, 0, c);
    return sheet.Bmp8();
}

std::vector<uint8_t> PropFile(const Canvas& c) {
    Sheet sheet(c.Width() + 2, c.Height() + 2, PALE, BORDER);
    sheet.Put(1, 1, c);
    return sheet.Bmp8();
}

std::vector<uint8_t> ActorSheet(int w, int h, int n, const std::function<void(Canvas&, int)>& draw,
                                std::string* faz) {
    // A margin of seven pixels keeps (6, 6) outside every phase; (10, 10) lies in the first,
    // the phase the actors list shows as the actor's thumbnail.
    const int M = 8;
    Sheet sheet(M + n * (w + 1), M + h + 1, PALE, BORDER);
    sheet.MarkBorderAt00();
    faz->clear();
    for (int i = 0; i < n; ++i) {
        Canvas c(w, h);
        draw(c, i);
        const Rect r = {M + i * (w + 1), M, M + i * (w + 1) + w - 1, M + h - 1};
        sheet.Place(r, c);
        *faz += std::to_string(r.x0 + w / 2) + " " + std::to_string(r.y0 + h / 2) + "\n";
    }
    return sheet.Bmp8();
}

}  // namespace artgen
