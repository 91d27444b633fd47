// The pictures that stand alone: the window icon and the default book icon.
#include "tools/artgen/artgen.h"
#include "tools/artgen/icons.h"
#include "tools/artgen/paint.h"
#include "tools/artgen/sheet.h"

namespace artgen {

std::vector<uint8_t> WindowIcon() {
    // See-through all round, so that it keys the same from (0, 0) or from (1, 1).
    const int SIZE = 64;
    Sheet sheet(SIZE, SIZE, KEY, BORDER);
    Canvas c(SIZE - 4, SIZE - 4);
    OpenBook(c, 0, 0, static_cast<float>(c.Width()));
    sheet.Put(2, 2, c);
    return sheet.Bmp();
}

std::vector<uint8_t> BookIcon() { return BookIcon(0x2D8CF0); }

std::vector<uint8_t> BookIcon(uint32_t cover) {
    // A one-pixel frame round 100 x 75 pixels of picture whose corner (1, 1) is see-through.
    const int W = 102, H = 77;
    Sheet sheet(W, H, KEY, BORDER);
    Canvas c(W - 2, H - 2);
    ClosedBook(c, Hex(cover));
    sheet.Put(1, 1, c);
    return sheet.Bmp();
}

}  // namespace artgen
