// Fonts: the face name resolved with fontconfig, sized as CreateFontA means it, glyphs rendered
// by FreeType once per font and Windows-1250 byte.
#include "platform/font.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <string>

#include "platform/codepage.h"
#include "platform/gdi_internal.h"

struct plat_Font {
    FT_Face face = nullptr;
    bool embolden = false;
    int ascent = 0, height = 0;
    plat_Glyph glyphs[256];
    bool loaded[256] = {};
};

namespace {

constexpr int DEFAULT_EM = 13;
// Sizes beyond this would only fill memory with huge glyphs.
constexpr double MAX_EM = 512;

struct FaceFile {
    std::string path;
    int index = 0;
    bool embolden = false;  // bold asked for, only a regular face found
};

// The library lives as long as the program.
FT_Library library() {
    static FT_Library lib = nullptr;
    static bool tried = false;
    if (!tried) {
        tried = true;
        if (FT_Init_FreeType(&lib)) {
            lib = nullptr;
            plat_GdiWarn("FreeType could not be started", nullptr);
        }
    }
    return lib;
}

// fontconfig picks the nearest installed face: "Verdana" and unknown names end at a sans.
FaceFile resolve(const char* name, int weight) {
    static std::map<std::pair<std::string, int>, FaceFile> cache;
    std::string key = name && *name ? name : "sans-serif";
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::tolower(c); });
    auto found = cache.find({key, weight});
    if (found != cache.end()) return found->second;

    FaceFile ff;
    FcPattern* pat = FcPatternCreate();
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(key.c_str()));
    FcPatternAddInteger(pat, FC_WEIGHT, FcWeightFromOpenType(weight));
    FcPatternAddBool(pat, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult res;
    if (FcPattern* match = FcFontMatch(nullptr, pat, &res)) {
        FcChar8* file = nullptr;
        FcBool bold = FcFalse;
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) ff.path = reinterpret_cast<char*>(file);
        FcPatternGetInteger(match, FC_INDEX, 0, &ff.index);
        if (FcPatternGetBool(match, FC_EMBOLDEN, 0, &bold) == FcResultMatch) ff.embolden = bold;
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pat);
    if (ff.path.empty()) plat_GdiWarn("no font found for", key.c_str());
    return cache[{key, weight}] = ff;
}

// Windows measures a cell by the OS/2 table's ascent and descent, a width by its average.
void size_face(plat_Font* f, int height, int width) {
    FT_Face face = f->face;
    const double upem = face->units_per_EM;
    const TT_OS2* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const double asc = os2 && os2->usWinAscent ? os2->usWinAscent : face->ascender;
    const double desc = os2 && os2->usWinDescent ? os2->usWinDescent : -face->descender;
    const double avg = os2 && os2->xAvgCharWidth > 0 ? os2->xAvgCharWidth : upem / 2;

    const double wanted = height < 0 ? -double(height) : height > 0 ? height * upem / (asc + desc) : DEFAULT_EM;
    const double em = std::clamp(wanted, 1.0, MAX_EM);
    const double emX = width > 0 ? std::clamp(width * upem / avg, 1.0, MAX_EM) : em;
    FT_Size_RequestRec req = {FT_SIZE_REQUEST_TYPE_NOMINAL, std::lround(emX * 64), std::lround(em * 64), 0, 0};
    FT_Request_Size(face, &req);

    f->ascent = static_cast<int>(std::lround(asc * em / upem));
    f->height = height > 0 && em == wanted ? height : f->ascent + static_cast<int>(std::lround(desc * em / upem));
}

}  // namespace

plat_Font* plat_OpenFont(int height, int width, int weight, const char* faceName) {
    plat_Font* f = new plat_Font;
    const int w = weight > 0 ? weight : FW_NORMAL;
    const FaceFile ff = resolve(faceName, w);
    FT_Library lib = library();
    if (lib && !ff.path.empty() && FT_New_Face(lib, ff.path.c_str(), ff.index, &f->face) == 0 &&
        f->face->units_per_EM > 0) {
        f->embolden = ff.embolden;
        size_face(f, height, width);
    } else {
        if (f->face) FT_Done_Face(f->face);
        f->face = nullptr;
        f->height = height ? static_cast<int>(std::clamp<double>(std::fabs(height), 1, MAX_EM)) : DEFAULT_EM;
        f->ascent = f->height;
    }
    return f;
}

void plat_CloseFont(plat_Font* f) {
    if (!f) return;
    if (f->face) FT_Done_Face(f->face);
    delete f;
}

const plat_Glyph& plat_GetGlyph(plat_Font* f, unsigned char c) {
    plat_Glyph& g = f->glyphs[c];
    if (f->loaded[c]) return g;
    f->loaded[c] = true;
    // Control characters take no room.
    if (!f->face || c < 0x20) return g;
    FT_Face face = f->face;
    const FT_UInt index = FT_Get_Char_Index(face, plat_Cp1250ToUnicode(c));
    if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP)) return g;
    if (f->embolden) FT_GlyphSlot_Embolden(face->glyph);
    if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL)) return g;
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bm = slot->bitmap;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    if (bm.pixel_mode != FT_PIXEL_MODE_GRAY) return g;
    g.w = static_cast<int>(bm.width);
    g.h = static_cast<int>(bm.rows);
    g.coverage.resize(static_cast<size_t>(g.w) * g.h);
    for (int y = 0; y < g.h; ++y)
        std::copy_n(bm.buffer + static_cast<ptrdiff_t>(y) * bm.pitch, g.w,
                    g.coverage.begin() + static_cast<ptrdiff_t>(y) * g.w);
    return g;
}

int plat_FontAscent(const plat_Font* f) { return f->ascent; }
int plat_FontHeight(const plat_Font* f) { return f->height; }

HFONT CreateFontA(int height, int width, int, int, int weight, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD,
                  const char* faceName) {
    plat_GdiObject* o = plat_NewGdiObject(plat_GdiKind::FONT);
    o->font = plat_OpenFont(height, width, weight, faceName);
    return o;
}
