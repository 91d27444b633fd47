// pexlo-export's command line: what it asks for, read and checked.
#pragma once
#include <string>
#include <vector>

#include "book/px_export.h"

extern const char kExportUsage[];

constexpr int kExportMinSide = 16, kExportMaxSide = 8192;

struct ExportSize {
    int w = 0, h = 0;
    // Each side at least kExportMinSide and at most the other's.
    bool Within(ExportSize most) const {
        return w >= kExportMinSide && h >= kExportMinSide && w <= most.w && h <= most.h;
    }
};

struct ExportArgs {
    std::string book;
    std::vector<std::string> pages;
    std::string out;
    std::string from;  // a page file played under the one page name given
    PX_Timing timing;
    ExportSize screen, size;  // 0 x 0: not given
};

// An empty text when the arguments hold together; else what is wrong with them.
std::string Parse_export_args(int argc, char** argv, ExportArgs* a);
