// The whole book as a video, read as the book's GIF is (the same frames at the same times),
// with its sound: each page's narration from the turn that brings the page, and its
// background sound looped under it while the page shows, at the editor's gains.
#pragma once
#include <string>
#include <vector>

#include "book/px_export_kniha.h"
#include "platform/sound_file.h"

// The book's sound track for its film, stereo at PLAT_MIX_RATE, as long as the film. Each
// page that loads is loaded again for its sounds; the sounds refused go to *chyby (Windows-1250).
plat_Sound PX_Zvuk_knihy(PX_Player& player, const std::vector<PX_Strana_knihy>& strany,
                         const std::vector<PX_Snimok_knihy>& snimky, std::vector<std::string>* chyby);

// The video of the pages that load into the host path `out` (".webm" or ".mp4"), its frames
// in *snimkov; an empty text when it is in place, else what went wrong (nothing is then
// left under that name).
std::string PX_Video_knihy(PX_Player& player, const std::vector<PX_Strana_knihy>& strany, const PX_Timing& timing,
                           const std::string& out, std::vector<std::string>* chyby, const PX_Progress& progress = {},
                           int* snimkov = nullptr);
