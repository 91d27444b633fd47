// A page as the undo history keeps it: every object's whole state in registry order, the
// pictures the objects show and who owns each, the background, the page's sound and whether
// playback runs.
// The pictures stay alive with the snapshot (one reference on each surface), so a removed
// object comes back with its very pixels; the records of objects that did not change are
// shared with the snapshot taken before.
#pragma once
#include <cstddef>
#include <memory>

struct PX_Snimka;
using PX_SnimkaPtr = std::shared_ptr<const PX_Snimka>;

// The page as it stands; objects unchanged since `like` (may be null) share its records.
PX_SnimkaPtr PX_Snimka_Zachyt(const PX_Snimka* like);
// The same page: objects, their pictures and owners, background, playback.
bool PX_Snimka_Rovnake(const PX_Snimka& a, const PX_Snimka& b);
// The registry and the background as they were, and playback too when `with_running`. The
// objects are made afresh, so the editor's hovered, dragged and menu objects are let go.
void PX_Snimka_Obnov(const PX_Snimka& s, bool with_running);
// What every snapshot alive holds: its records, the pixels of the pictures that no object on
// the page shows any more, and the samples of the sounds the page no longer has.
size_t PX_Snimka_Pamat();
