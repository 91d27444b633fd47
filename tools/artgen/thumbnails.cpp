#include "tools/artgen/thumbnails.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "book/pexlo.h"
#include "framework/surface/tf_display.h"
#include "framework/widgets/tf_utl.h"
#include "platform/codepage.h"
#include "tools/artgen/scene.h"

namespace artgen {

namespace {
// A program path ("\" separators, Windows-1250) of a host path.
std::string program_path(const std::string& host) {
    std::string p = plat_Cp1250FromUtf8(host.c_str());
    std::replace(p.begin(), p.end(), '/', '\\');
    return p;
}
}  // namespace

bool DrawThumbnails(const std::string& book, const std::vector<std::string>& pages) {
    // The program's state for one page on a screen of the size the pictures are drawn for.
    IDirectDraw* dd = nullptr;
    if (DirectDrawCreate(nullptr, &dd, nullptr) != DD_OK) return false;
    std::swap(tf_lpDD, dd);
    const std::pair<int, int> saved_screen(tf_ScreenW, tf_ScreenH);
    tf_ScreenW = BG_W;
    tf_ScreenH = BG_H;
    IDirectDrawSurface* back = DDCreateOffscreenSurface(tf_lpDD, BG_W, BG_H);
    std::swap(tf_lpDDSBack, back);
    tf_CDas_Surface background("pozadie");
    tf_UTL_CDUIR_THMFILE pozadia, kulisy, herci;
    background_surface = &background;
    utl_duir_Pozadia = &pozadia;
    utl_duir_Kulisy = &kulisy;
    utl_duir_Herci = &herci;

    // Listing the asset folders makes their thumbnails, as the editor does on opening a book.
    const std::string dir = program_path(book);
    pozadia.XRELOAD((dir + "\\Pozadia\\").c_str(), false);
    kulisy.XRELOAD((dir + "\\Kulisy\\").c_str(), false);
    herci.XRELOAD((dir + "\\Herci\\").c_str(), false);
    bool ok = tf_lpDDSBack != nullptr;
    for (const std::string& page : pages) {
        // What a save writes: the page as shown.
        const std::string path = dir + "\\" + page;
        ok = ok && RELOAD_REG(path.c_str());
        if (ok) ZOBRAZ_STRANU(tf_lpDDSBack);
        ok = ok && PX_Nastav_cestu_nahladu(path.c_str()) && PX_Zapis_nahlad();
    }

    VYMAZ_REG();
    PX_STAV_Reset();
    background.RELEASE_SURFACE();
    std::swap(tf_lpDDSBack, back);
    if (back) back->Release();
    std::swap(tf_lpDD, dd);
    dd->Release();
    std::tie(tf_ScreenW, tf_ScreenH) = saved_screen;
    return ok;
}

}  // namespace artgen
