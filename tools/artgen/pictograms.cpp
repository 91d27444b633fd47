#include "tools/artgen/pictograms.h"

#include "tools/artgen/detmath.h"

namespace artgen {

namespace {
// Turns an arrangement drawn pointing right into direction d.
Sdf point(Sdf right, float cx, float cy, Dir d) {
    switch (d) {
        case Dir::LEFT:
            return Rotate(right, cx, cy, static_cast<float>(PI));
        case Dir::UP:
            return Rotate(right, cx, cy, static_cast<float>(-PI / 2));
        case Dir::DOWN:
            return Rotate(right, cx, cy, static_cast<float>(PI / 2));
        case Dir::RIGHT:
            break;
    }
    return right;
}
}  // namespace

Sdf CrossMark(float cx, float cy, float s, float t) {
    const float h = s / 2 - t / 2;
    return Union(Capsule(cx - h, cy - h, cx + h, cy + h, t / 2), Capsule(cx - h, cy + h, cx + h, cy - h, t / 2));
}

Sdf TickMark(float cx, float cy, float s, float t) {
    const float h = s / 2 - t / 2;
    const float bx = cx - h * 0.25f, by = cy + h * 0.75f;  // the bottom of the tick
    return Union(Capsule(cx - h, cy + h * 0.05f, bx, by, t / 2), Capsule(bx, by, cx + h, cy - h * 0.8f, t / 2));
}

Sdf InfoMark(float cx, float cy, float s, float t) {
    const float top = cy - s / 2;
    return Union(Circle(cx, top + t * 0.6f, t * 0.62f), Capsule(cx, top + t * 2.0f, cx, cy + s / 2 - t / 2, t / 2));
}

Sdf QuestionMark(float cx, float cy, float s, float t) {
    const float r = s * 0.24f, top = cy - s / 2 + t / 2;
    const float acx = cx, acy = top + r;
    // The hook: most of a circle, then a stroke down to the point's stem.
    Sdf hook = Arc(acx, acy, r, static_cast<float>(PI * 0.92), static_cast<float>(PI * 2.45), t / 2);
    const float ex = acx + r * static_cast<float>(Cos(PI * 2.45)), ey = acy + r * static_cast<float>(Sin(PI * 2.45));
    Sdf stem = Capsule(ex, ey, cx, cy + s * 0.14f, t / 2);
    Sdf dot = Circle(cx, cy + s / 2 - t * 0.6f, t * 0.62f);
    return Union(Union(hook, stem), dot);
}

Sdf ScreenMark(float cx, float cy, float s, float t) {
    const float w = s / 2, h = s * 0.36f, top = cy - s * 0.45f;
    Sdf frame = Outline(Box(cx - w + t / 2, top + t / 2, cx + w - t / 2, top + 2 * h - t / 2, t * 0.8f), t / 2);
    Sdf neck = Capsule(cx, top + 2 * h, cx, cy + s * 0.38f, t / 2);
    Sdf foot = Capsule(cx - s * 0.25f, cy + s * 0.42f, cx + s * 0.25f, cy + s * 0.42f, t / 2);
    return Union(frame, Union(neck, foot));
}

Sdf ClockMark(float cx, float cy, float s, float t) {
    const float r = s / 2 - t / 2;
    Sdf face = Ring(cx, cy, r, t / 2);
    Sdf hands = Union(Capsule(cx, cy, cx, cy - r * 0.62f, t * 0.45f),
                      Capsule(cx, cy, cx + r * 0.48f, cy + r * 0.1f, t * 0.45f));
    return Union(face, hands);
}

Sdf Triangle(float cx, float cy, float s, Dir d, float round) {
    // Centred on its area's centre of balance, which looks centred.
    const float h = s * 0.5f - round, w = s * 0.87f - 2 * round;
    Sdf right = Polygon({cx - w / 3, cy - h, cx + 2 * w / 3, cy, cx - w / 3, cy + h});
    return point(Grow(right, round), cx, cy, d);
}

Sdf Arrow(float cx, float cy, float s, float t, Dir d) {
    const float h = s / 2;
    Sdf head = Grow(Polygon({cx + h - 1, cy, cx - h * 0.05f, cy - h + 1, cx - h * 0.05f, cy + h - 1}), 1);
    Sdf shaft = Box(cx - h, cy - t / 2, cx + h * 0.2f, cy + t / 2, t * 0.3f);
    return point(Union(head, shaft), cx, cy, d);
}

Sdf SaveMark(float cx, float cy, float s, float t) {
    const float h = s / 2;
    Sdf tray = Union(Capsule(cx - h + t / 2, cy + h * 0.3f, cx - h + t / 2, cy + h - t / 2, t / 2),
                     Union(Capsule(cx - h + t / 2, cy + h - t / 2, cx + h - t / 2, cy + h - t / 2, t / 2),
                           Capsule(cx + h - t / 2, cy + h - t / 2, cx + h - t / 2, cy + h * 0.3f, t / 2)));
    Sdf shaft = Box(cx - t / 2, cy - h, cx + t / 2, cy + h * 0.05f, t * 0.3f);
    Sdf head = Grow(Polygon({cx - h * 0.55f, cy - h * 0.12f, cx + h * 0.55f, cy - h * 0.12f, cx, cy + h * 0.5f}), 0.8f);
    return Union(tray, Union(shaft, head));
}

Sdf PageShape(float cx, float cy, float w, float h) {
    const float x0 = cx - w / 2, x1 = cx + w / 2, y0 = cy - h / 2, y1 = cy + h / 2, fold = w * 0.38f;
    return Grow(Polygon({x0 + 1, y0 + 1, x1 - fold, y0 + 1, x1 - 1, y0 + fold, x1 - 1, y1 - 1, x0 + 1, y1 - 1}), 1);
}

Sdf FoldShape(float cx, float cy, float w, float h) {
    const float x1 = cx + w / 2, y0 = cy - h / 2, fold = w * 0.38f;
    return Polygon({x1 - fold, y0, x1 - fold, y0 + fold, x1, y0 + fold});
}

Sdf PlusMark(float cx, float cy, float s, float t) {
    const float h = s / 2 - t / 2;
    return Union(Capsule(cx - h, cy, cx + h, cy, t / 2), Capsule(cx, cy - h, cx, cy + h, t / 2));
}

Sdf DoorMark(float cx, float cy, float s, float t) {
    const float h = s / 2;
    // The door frame, open on the right, and an arrow leaving to the right.
    Sdf frame = Union(Capsule(cx - h * 0.1f, cy - h + t / 2, cx - h + t / 2, cy - h + t / 2, t / 2),
                      Union(Capsule(cx - h + t / 2, cy - h + t / 2, cx - h + t / 2, cy + h - t / 2, t / 2),
                            Capsule(cx - h + t / 2, cy + h - t / 2, cx - h * 0.1f, cy + h - t / 2, t / 2)));
    Sdf arrow = Arrow(cx + h * 0.3f, cy, h * 1.4f, t, Dir::RIGHT);
    return Union(frame, arrow);
}

Sdf MicMark(float cx, float cy, float s, float t) {
    const float h = s / 2;
    Sdf head = Capsule(cx, cy - h * 0.62f, cx, cy - h * 0.05f, h * 0.34f);
    Sdf cradle = Arc(cx, cy - h * 0.2f, h * 0.58f, 0, static_cast<float>(PI), t / 2);
    Sdf stem = Capsule(cx, cy + h * 0.38f, cx, cy + h * 0.78f, t / 2);
    Sdf foot = Capsule(cx - h * 0.38f, cy + h * 0.82f, cx + h * 0.38f, cy + h * 0.82f, t / 2);
    return Union(Union(head, cradle), Union(stem, foot));
}

Sdf SpeakerMark(float cx, float cy, float s, float t, bool sounding) {
    const float h = s / 2, x = cx - h * 0.35f;
    Sdf body = Polygon({x - h * 0.6f, cy - h * 0.28f, x - h * 0.1f, cy - h * 0.28f, x + h * 0.35f, cy - h * 0.7f,
                        x + h * 0.35f, cy + h * 0.7f, x - h * 0.1f, cy + h * 0.28f, x - h * 0.6f, cy + h * 0.28f});
    const float ex = cx + h * 0.55f;
    if (!sounding) return Union(body, CrossMark(ex, cy, h * 0.75f, t));
    const float a = static_cast<float>(PI) / 4;
    return Union(body, Union(Arc(x + h * 0.3f, cy, h * 0.5f, -a, a, t / 2), Arc(x + h * 0.3f, cy, h * 0.9f, -a, a, t / 2)));
}

Sdf Star(float cx, float cy, float r_out, float r_in, float turn) {
    std::vector<float> xy;
    for (int i = 0; i < 10; ++i) {
        const double a = -PI / 2 + turn + i * PI / 5;
        const float r = (i % 2) ? r_in : r_out;
        xy.push_back(cx + r * static_cast<float>(Cos(a)));
        xy.push_back(cy + r * static_cast<float>(Sin(a)));
    }
    return Polygon(std::move(xy));
}

Sdf Grip(float cx, float cy, float len, float gap, bool horizontal) {
    Sdf lines = nullptr;
    for (int i = -1; i <= 1; ++i) {
        const float o = i * gap;
        Sdf l = horizontal ? Capsule(cx - len / 2, cy + o, cx + len / 2, cy + o, 0.55f)
                           : Capsule(cx + o, cy - len / 2, cx + o, cy + len / 2, 0.55f);
        lines = lines ? Union(lines, l) : l;
    }
    return lines;
}

}  // namespace artgen
