// The book as a web folder any browser reads offline: index.html (see px_web_html.h), each
// readable page as "<n>.gif" drawn without its texts and played for its reading time, and its
// narration as "<n>.wav". The folder is made beside the one asked for and renamed into place
// when whole, so a failed export leaves nothing under its name.
#pragma once
#include <string>
#include <vector>

#include "book/px_export.h"
#include "book/px_export_kniha.h"
#include "book/px_web_html.h"

// The texts of the page the player has loaded, as the web page places them.
std::vector<PX_WebText> PX_Web_Texty();

// Writes the pages that load into the folder `out` (a host path; it must not exist, or be
// empty). An empty text when done, else what went wrong (nothing is left behind then).
// `progress` is told after each page.
std::string PX_Export_Web(PX_Player& player, const std::vector<PX_Strana_knihy>& strany, PX_Timing timing,
                          const std::string& out, const PX_Progress& progress = {});
