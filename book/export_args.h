// pexlo-export's command line: what it asks for, read and checked.
#pragma once
#include <string>
#include <vector>

#include "book/px_export.h"

extern const char PX_EXPORT_USAGE[];

constexpr int PX_EXPORT_MIN_SIDE = 16, PX_EXPORT_MAX_SIDE = 8192;

struct PX_ExportSize {
    int w = 0, h = 0;
    // Each side at least PX_EXPORT_MIN_SIDE and at most the other's.
    bool Within(PX_ExportSize most) const {
        return w >= PX_EXPORT_MIN_SIDE && h >= PX_EXPORT_MIN_SIDE && w <= most.w && h <= most.h;
    }
};

struct PX_ExportArgs {
    std::string book;
    std::vector<std::string> pages;
    std::string out;
    std::string from;  // a page file played under the one page name given
    bool book_gif = false;  // the whole book as one GIF, each page for its reading time
    bool progress = false;  // the percentage done on lines of its own
    std::string archive;  // the whole book written as this one file instead
    std::string video;    // the whole book as this video (.webm or .mp4) instead
    std::string web;      // the whole book written as a web page into this new folder instead
    PX_Timing timing;
    PX_ExportSize screen, size;  // 0 x 0: not given
};

// An empty text when the arguments hold together; else what is wrong with them.
std::string PX_ParseExportArgs(int argc, char** argv, PX_ExportArgs* a);
