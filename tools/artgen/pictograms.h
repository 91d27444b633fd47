// The pictograms on buttons and marks, as shapes centred on (cx, cy) about s pixels across,
// drawn with strokes t pixels wide.
#pragma once
#include "tools/artgen/canvas.h"

namespace artgen {

enum class Dir { UP, DOWN, LEFT, RIGHT };

Sdf CrossMark(float cx, float cy, float s, float t);
Sdf TickMark(float cx, float cy, float s, float t);
Sdf InfoMark(float cx, float cy, float s, float t);
Sdf QuestionMark(float cx, float cy, float s, float t);
Sdf ScreenMark(float cx, float cy, float s, float t);
Sdf ClockMark(float cx, float cy, float s, float t);
// A solid triangle pointing `d`, corners rounded by `round`.
Sdf Triangle(float cx, float cy, float s, Dir d, float round);
// A bold arrow with a shaft, pointing left or right.
Sdf Arrow(float cx, float cy, float s, float t, Dir d);
// An arrow down into an open tray.
Sdf SaveMark(float cx, float cy, float s, float t);
// A sheet of paper with its top-right corner folded.
Sdf PageShape(float cx, float cy, float w, float h);
Sdf FoldShape(float cx, float cy, float w, float h);  // the folded corner of that page
Sdf PlusMark(float cx, float cy, float s, float t);
// An open door with an arrow leaving through it.
Sdf DoorMark(float cx, float cy, float s, float t);
// A microphone on its stand.
Sdf MicMark(float cx, float cy, float s, float t);
// A loudspeaker sounding, or silenced by a cross.
Sdf SpeakerMark(float cx, float cy, float s, float t, bool sounding);
Sdf Star(float cx, float cy, float r_out, float r_in, float turn);
// Three short grooves on a knob, lying horizontally or upright.
Sdf Grip(float cx, float cy, float len, float gap, bool horizontal);

}  // namespace artgen
