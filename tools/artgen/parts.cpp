#include "tools/artgen/parts.h"

#include <algorithm>
#include <cmath>

namespace artgen {

void Knob(Canvas& c, State s) {
    const bool tall = c.Height() >= c.Width();
    Button(c, Form::ROUNDED, SKY, s, [&](float cx, float cy) {
        const float across = static_cast<float>(std::min(c.Width(), c.Height()));
        const float along = static_cast<float>(std::max(c.Width(), c.Height()));
        if (across < 12) return Sdf(nullptr);  // too small for grooves
        return Grip(cx, cy, across * 0.42f, std::max(2.0f, along * 0.1f), tall);
    });
}

void ScrollButton(Canvas& c, State s, Dir d) {
    Button(c, Form::ROUNDED, SKY, s, [&](float cx, float cy) {
        const float size = std::min(c.Width(), c.Height()) * 0.5f;
        return Triangle(cx, cy, size, d, 1.0f);
    });
}

void TrackTile(Canvas& c, bool vertical) {
    const float across = static_cast<float>(vertical ? c.Width() : c.Height());
    const Rgb bed = Hex(0xDDEBFA), slot = Hex(0xA9CBEF), edge = Hex(0x7FA8D8);
    // Colour by the position across the track only, with the slot's shadow on its upper or left side.
    const Paint paint = [=](float x, float y) {
        const float t = vertical ? x : y;
        const float from_mid = std::fabs(t - across / 2);
        const float slot_half = across * 0.18f;
        if (t < 1 || t > across - 1) return Rgba{edge, 1};
        if (from_mid < slot_half - 1) return Rgba{Mix(slot, Darker(slot, 0.15f), (t < across / 2) ? 0.6f : 0.0f), 1};
        if (from_mid < slot_half) return Rgba{edge, 1};
        return Rgba{Mix(bed, WHITE, 0.4f * (1 - from_mid / (across / 2))), 1};
    };
    c.Fill(Box(0, 0, static_cast<float>(c.Width()), static_cast<float>(c.Height()), 0), paint);
}

}  // namespace artgen
