// Fonts for the GDI layer: a face found with fontconfig, rendered with FreeType, glyphs cached
// per font by their Windows-1250 byte.
#pragma once
#include <cstdint>
#include <vector>

struct plat_Font;

struct plat_Glyph {
    int left = 0, top = 0;  // bitmap origin from the pen position and the baseline
    int w = 0, h = 0;
    int advance = 0;  // whole pixels, so measuring and drawing agree
    std::vector<uint8_t> coverage;  // w × h, 0 … 255
};

// Never null: when no face can be had the font draws nothing and measures zero width.
// height < 0: character (em) height in pixels; > 0: cell height; 0: the default.
// width > 0: average character width in pixels.
plat_Font* plat_OpenFont(int height, int width, int weight, const char* faceName);
void plat_CloseFont(plat_Font* font);
const plat_Glyph& plat_GetGlyph(plat_Font* font, unsigned char c);
int plat_FontAscent(const plat_Font* font);
// The cell height: one line of text.
int plat_FontHeight(const plat_Font* font);
