// pexlo-import's command line: what it asks for, read and checked.
#pragma once
#include <string>
#include <vector>

#include "book/px_import.h"

extern const char PX_IMPORT_USAGE[];

constexpr int PX_IMPORT_MIN_PAGE = 16;

struct PX_ImportArgs {
    std::string book;
    std::vector<std::string> files;
    bool kind_given = false;
    PX_Druh kind = PX_DRUH_KULISA;
    int page_w = 1920, page_h = 1080;
};

// An empty text when the arguments hold together; else what is wrong with them.
std::string PX_ParseImportArgs(int argc, char** argv, PX_ImportArgs* a);
