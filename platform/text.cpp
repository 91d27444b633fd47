// Text output and measuring: Windows-1250 bytes laid out with the context's font, glyphs blended
// into the RGB565 pixels in the text colour.
#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

#include "platform/font.h"
#include "platform/gdi_internal.h"

namespace {

plat_Font* font_of(HDC dc) { return dc->font->font; }

int64_t text_width(plat_Font* f, std::string_view t) {
    int64_t w = 0;
    for (unsigned char c : t) w += plat_GetGlyph(f, c).advance;
    return w;
}

// One glyph pixel: coverage a of the text colour over what is there. Full coverage is the
// text colour itself, and most of a glyph's pixels are full or empty.
void blend(uint16_t& px, COLORREF colour, uint16_t full, uint8_t a) {
    if (a == 0) return;
    if (a == 255) {
        px = full;
        return;
    }
    const COLORREF d = plat_From565(px);
    auto mix = [a](unsigned src, unsigned dst) { return (src * a + dst * (255u - a) + 127u) / 255u; };
    px = plat_To565(RGB(mix(GetRValue(colour), GetRValue(d)), mix(GetGValue(colour), GetGValue(d)),
                        mix(GetBValue(colour), GetBValue(d))));
}

void draw_glyph(IDirectDrawSurface* s, const plat_Box& clip, const plat_Glyph& g, int64_t gx, int64_t gy,
                COLORREF colour) {
    const plat_Box area = plat_Intersect(clip, {gx, gy, gx + g.w, gy + g.h});
    const uint16_t full = plat_To565(colour);
    for (int64_t y = area.top; y < area.bottom; ++y) {
        uint16_t* row = s->Row(static_cast<int>(y));
        const uint8_t* cov = g.coverage.data() + (y - gy) * g.w;
        for (int64_t x = area.left; x < area.right; ++x) blend(row[x], colour, full, cov[x - gx]);
    }
}

// One line with the top-left of its cell at (x, y).
void draw_line(HDC dc, IDirectDrawSurface* s, const plat_Box& clip, int64_t x, int64_t y, std::string_view t) {
    plat_Font* f = font_of(dc);
    if (dc->bkMode == OPAQUE)
        plat_FillBox(s, clip, {x, y, x + text_width(f, t), y + plat_FontHeight(f)}, plat_To565(dc->bkColour));
    const int64_t baseline = y + plat_FontAscent(f);
    for (unsigned char c : t) {
        const plat_Glyph& g = plat_GetGlyph(f, c);
        if (g.w > 0 && x + g.left < clip.right && x + g.left + g.w > clip.left)
            draw_glyph(s, clip, g, x + g.left, baseline - g.top, dc->textColour);
        x += g.advance;
    }
}

std::string_view text_of(const char* text, int len) {
    return {text, len < 0 ? strlen(text) : static_cast<size_t>(len)};
}

// Lines end at '\n' (a '\r' before it is dropped) unless the text is one line.
std::vector<std::string_view> split_lines(std::string_view t, bool single) {
    std::vector<std::string_view> lines;
    if (single) return {t};
    for (;;) {
        const size_t nl = t.find('\n');
        std::string_view line = t.substr(0, nl);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (nl == std::string_view::npos) return lines;
        t.remove_prefix(nl + 1);
    }
}

}  // namespace

BOOL TextOutA(HDC dc, int x, int y, const char* text, int len) {
    IDirectDrawSurface* s = plat_DrawSurface(dc);
    if (!s || !text || len < 0) return FALSE;
    draw_line(dc, s, plat_SurfaceBox(s), x, y, {text, static_cast<size_t>(len)});
    return TRUE;
}

BOOL GetTextExtentPoint32A(HDC dc, const char* text, int len, SIZE* out) {
    if (!dc || !text || len < 0 || !out) return FALSE;
    const int64_t w = text_width(font_of(dc), {text, static_cast<size_t>(len)});
    out->cx = static_cast<LONG>(std::min<int64_t>(w, INT32_MAX));
    out->cy = plat_FontHeight(font_of(dc));
    return TRUE;
}

int DrawTextA(HDC dc, const char* text, int len, RECT* r, UINT format) {
    if (!dc || !text || !r) return 0;
    plat_Font* f = font_of(dc);
    const std::vector<std::string_view> lines = split_lines(text_of(text, len), format & DT_SINGLELINE);
    const int64_t lineH = plat_FontHeight(f);
    const int64_t total = lineH * static_cast<int64_t>(lines.size());
    std::vector<int64_t> widths;
    for (std::string_view l : lines) widths.push_back(text_width(f, l));

    if (format & DT_CALCRECT) {
        r->right =
            static_cast<LONG>(std::min<int64_t>(r->left + *std::max_element(widths.begin(), widths.end()), INT32_MAX));
        r->bottom = static_cast<LONG>(std::min<int64_t>(r->top + total, INT32_MAX));
        return static_cast<int>(std::min<int64_t>(total, INT32_MAX));
    }
    IDirectDrawSurface* s = plat_DrawSurface(dc);
    if (!s) return 0;

    // Vertical placement other than the top applies to a single line, as in GDI.
    int64_t top = r->top;
    if (format & DT_SINGLELINE) {
        if (format & DT_BOTTOM)
            top = int64_t(r->bottom) - lineH;
        else if (format & DT_VCENTER)
            top = r->top + (int64_t(r->bottom) - r->top - lineH) / 2;
    }
    plat_Box clip = plat_SurfaceBox(s);
    if (!(format & DT_NOCLIP)) clip = plat_Intersect(clip, {r->left, r->top, r->right, r->bottom});
    for (size_t i = 0; i < lines.size(); ++i) {
        int64_t x = r->left;
        if (format & DT_CENTER)
            x += (int64_t(r->right) - r->left - widths[i]) / 2;
        else if (format & DT_RIGHT)
            x = r->right - widths[i];
        draw_line(dc, s, clip, x, top + lineH * static_cast<int64_t>(i), lines[i]);
    }
    return static_cast<int>(std::min<int64_t>(top - r->top + total, INT32_MAX));
}
