// Box fitting and the BMP writers: every picture ends as a surface written row by row.
#include "framework/surface/tf_dbmp.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

#include "framework/core/tf_log.h"
#include "framework/surface/tf_dsrfc.h"
#include "platform/bmp.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/surface_copy.h"

namespace {
const char* const SRC = "TF_DBMP_w";

// A clipped area of a surface: right and bottom exclusive.
struct Area {
    int left, top, right, bottom;
    int w() const { return right - left; }
    int h() const { return bottom - top; }
};

// The inclusive area cut to the surface; false (logged) when it is inverted or lies outside.
bool clip_area(IDirectDrawSurface* srf, const RECT& oblast, Area* out) {
    DDSURFACEDESC ddsd = {};
    ddsd.dwSize = sizeof ddsd;
    srf->GetSurfaceDesc(&ddsd);
    const int64_t W = ddsd.dwWidth, H = ddsd.dwHeight;
    const int64_t l = oblast.left < 0 ? 0 : oblast.left, t = oblast.top < 0 ? 0 : oblast.top;
    const int64_t r = int64_t(oblast.right) + 1 > W ? W : int64_t(oblast.right) + 1;
    const int64_t b = int64_t(oblast.bottom) + 1 > H ? H : int64_t(oblast.bottom) + 1;
    if (oblast.right < oblast.left || oblast.bottom < oblast.top || r <= l || b <= t) {
        TF_LOG(TF_LOG_ERR, "tf_BMP_VYTVOR_BMP_0 - oblast mimo SURFACE");
        TF_LOG("left,top,right:", oblast.left, oblast.top, oblast.right);
        TF_LOG("bottom:", oblast.bottom);
        return false;
    }
    *out = {static_cast<int>(l), static_cast<int>(t), static_cast<int>(r), static_cast<int>(b)};
    return true;
}

// The area of a locked surface as a BMP file.
std::vector<uint8_t> encode(const DDSURFACEDESC& ddsd, const Area& a) {
    const uint8_t* top = static_cast<const uint8_t*>(ddsd.lpSurface) + static_cast<ptrdiff_t>(a.top) * ddsd.lPitch;
    return plat_EncodeBmp(top + 2 * a.left, ddsd.lPitch, a.w(), a.h());
}

// The file size field has 32 bits; a larger area is refused (logged).
bool fits_format(const Area& a) {
    if ((static_cast<uint64_t>(a.w()) * 3 + 3) / 4 * 4 * static_cast<uint64_t>(a.h()) <= UINT32_MAX - PLAT_BMP_HEADERS_SIZE)
        return true;
    TF_LOG(TF_LOG_ERR, "tf_BMP_VYTVOR_BMP_0 - prilis velka oblast");
    TF_LOG("sir,vys:", a.w(), a.h());
    return false;
}

// A failed write leaves the old file as it was.
bool write_file(const std::vector<uint8_t>& file, const char* subor) {
    if (plat_WriteFileAtomic(subor, file.data(), file.size())) return true;
    if (GetLastError() == ERROR_WRITE_FAULT)
        TF_LOG(TF_LOG_ERR, "tf_BMP_VYTVOR_BMP_0 - Chyba pri zapise, subor nezapisany");
    else
        TF_LOG(plat_W1250(u8"Chyba pri otvaraní suboru"));
    TF_LOG("subor:", subor ? subor : "");
    return false;
}

// A surface of w x h holding `zdroj` of `src` (whole when null) scaled; null (logged with
// `failure`) when it cannot be had.
IDirectDrawSurface* scaled_copy(IDirectDraw* dd, IDirectDrawSurface* src, const RECT* zdroj, int w, int h,
                                const char* failure) {
    IDirectDrawSurface* out = DDCreateOffscreenSurface(dd, w, h);
    if (!out) {
        TF_LOG(TF_LOG_ERR, failure);
        TF_LOG("sir,vys:", w, h);
        return nullptr;
    }
    const HRESULT hr = tf_RetryWhileBusy([&] {
        const HRESULT copied = plat_BltAveraged(out, src, zdroj);
        if (copied == DDERR_SURFACELOST) src->Restore();  // a restored surface holds nothing worth writing
        return copied;
    });
    if (hr != DD_OK) {
        TF_LOG(TF_LOG_ERR, "tf_BMP - Chyba pri kopirovani SURFACE");
        out->Release();
        return nullptr;
    }
    return out;
}

// The picture scaled to sir x vys while loading; null (logged) when it cannot be loaded.
IDirectDrawSurface* stretched_picture(IDirectDraw* dd, const char* zdroj, int sir, int vys) {
    IDirectDrawSurface* srf = DDCreateBitmapSurface_stretch(dd, zdroj, sir, vys);
    if (!srf) {
        TF_LOG(TF_LOG_ERR, "tf_BMP - obrazok sa nenahral");
        TF_LOG("subor:", zdroj ? zdroj : "");
    }
    return srf;
}

// Writes a surface and releases it.
bool write_and_release(IDirectDrawSurface* srf, const char* subor) {
    if (!srf) return false;
    const bool ok = tf_BMP_VYTVOR_BMP_0_celySRF_doFILE(srf, subor);
    srf->Release();
    return ok;
}

// Row trunc(vys * f) of a band; far-off factors are cut to just outside the picture.
int band_row(int vys, float f) {
    const float v = static_cast<float>(vys) * f;
    if (!(v > -1.0f)) return -1;  // NaN too
    return v > static_cast<float>(vys) ? vys : static_cast<int>(v);
}

// A loaded picture, logged when it is missing.
bool loaded(const tf_CDas_Surface& s, const char* zdroj) {
    if (s.lpDDS) return true;
    TF_LOG(TF_LOG_ERR, "tf_BMP - obrazok sa nenahral");
    TF_LOG("subor:", zdroj ? zdroj : "");
    return false;
}
}  // namespace

void tf_BMP_NOVE_ROZMERY(int sir, int vys, int koef, int FIXMAX_sir, int FIXMAX_vys, int* nsir, int* nvys) {
    if (!nsir || !nvys) return;
    if (koef != 0) {
        // Wide: INT_MIN / -1 would trap.
        *nsir = static_cast<int>(std::clamp<int64_t>(int64_t(sir) / koef, INT_MIN, INT_MAX));
        *nvys = static_cast<int>(std::clamp<int64_t>(int64_t(vys) / koef, INT_MIN, INT_MAX));
        return;
    }
    if (FIXMAX_sir < 1 || FIXMAX_vys < 1 || sir < 1 || vys < 1) {
        *nsir = *nvys = 50;
        TF_LOG("tf_BMP_NOVE_ROZMERY() - Chyba vstupu: koef, FIXMAX_sir, FIXMAX_vys", FIXMAX_sir, FIXMAX_vys);
        if (sir < 1 || vys < 1) TF_LOG("sir,vys:", sir, vys);
        return;
    }
    const float kx = static_cast<float>(static_cast<double>(FIXMAX_sir) / sir);
    const float ky = static_cast<float>(static_cast<double>(FIXMAX_vys) / vys);
    const float k = kx < ky ? kx : ky;
    // Within the box by arithmetic, but rounding may reach past INT_MAX; a side cut to
    // nothing by truncation keeps one pixel.
    auto side = [](int n, float k) {
        const float v = static_cast<float>(n) * k;
        if (v >= 2147483520.0f) return INT_MAX;
        return v < 1.0f ? 1 : static_cast<int>(v);
    };
    *nsir = side(sir, k);
    *nvys = side(vys, k);
}

bool tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE(IDirectDrawSurface* srf, RECT oblast, const char* subor) {
    if (!srf || !subor) {
        TF_LOG("tf_BMP_VYTVOR_BMP_0 - SURFACE alebo subor == NULL", TF_LOG_RETURN);
        return false;
    }
    Area a;
    if (!clip_area(srf, oblast, &a)) return false;
    DDSURFACEDESC ddsd = {};
    ddsd.dwSize = sizeof ddsd;
    if (srf->Lock(nullptr, &ddsd, DDLOCK_WAIT | DDLOCK_READONLY, nullptr) != DD_OK) {
        TF_LOG(TF_LOG_ERR, "tf_BMP_VYTVOR_BMP_0 - Chyba pri Lock");
        TF_LOG("subor:", subor ? subor : "");
        return false;
    }
    const bool fits = fits_format(a);
    const std::vector<uint8_t> file = fits ? encode(ddsd, a) : std::vector<uint8_t>();
    srf->Unlock(nullptr);
    return fits && write_file(file, subor);
}

bool tf_BMP_VYTVOR_BMP_0_celySRF_doFILE(IDirectDrawSurface* srf, const char* subor) {
    if (!srf) {
        TF_LOG("tf_BMP_VYTVOR_BMP_0 - SURFACE == NULL", TF_LOG_RETURN);
        return false;
    }
    DDSURFACEDESC ddsd = {};
    ddsd.dwSize = sizeof ddsd;
    srf->GetSurfaceDesc(&ddsd);
    const RECT all = {0, 0, static_cast<LONG>(ddsd.dwWidth) - 1, static_cast<LONG>(ddsd.dwHeight) - 1};
    return tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE(srf, all, subor);
}

bool tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(IDirectDraw* dd, IDirectDrawSurface* srf, bool vpasuj, int sir, int vys,
                                               const char* subor) {
    if (!srf) {
        TF_LOG("tf_BMP_VYTVOR_BMP_5 - SURFACE == NULL", TF_LOG_RETURN);
        return false;
    }
    int w = sir, h = vys;
    if (vpasuj) {
        DDSURFACEDESC ddsd = {};
        ddsd.dwSize = sizeof ddsd;
        srf->GetSurfaceDesc(&ddsd);
        tf_BMP_NOVE_ROZMERY(static_cast<int>(ddsd.dwWidth), static_cast<int>(ddsd.dwHeight), 0, sir, vys, &w, &h);
    }
    return write_and_release(scaled_copy(dd, srf, nullptr, w, h, "tf_BMP_VYTVOR_BMP_5 - Chyba pri CreateSurface"),
                             subor);
}

bool tf_BMP_VYTVOR_BMP_2_zFILE_doFILE__copy_cezSRF(IDirectDraw* dd, const char* zdroj, const char* subor) {
    tf_CDas_Surface pic;
    pic.NAHRAJ_SURFACE(dd, zdroj);
    return loaded(pic, zdroj) && tf_BMP_VYTVOR_BMP_0_celySRF_doFILE(pic.lpDDS, subor);
}

bool tf_BMP_VYTVOR_BMP_3_zFILE_doFILE__stretch_cezSRF(IDirectDraw* dd, const char* zdroj, int koef, int FIXMAX_sir,
                                                      int FIXMAX_vys, const char* subor) {
    tf_CDas_Surface pic;
    pic.NAHRAJ_SURFACE(dd, zdroj);
    if (!loaded(pic, zdroj)) return false;
    int w = 0, h = 0;
    tf_BMP_NOVE_ROZMERY(pic.sir, pic.vys, koef, FIXMAX_sir, FIXMAX_vys, &w, &h);
    return write_and_release(
        scaled_copy(dd, pic.lpDDS, nullptr, w, h, "tf_BMP_VYTVOR_BMP_3 - Chyba pri CreateSurface"), subor);
}

bool tf_BMP_VYTVOR_BMP_3B_zFILE_doFILE__stretch_cezSRF(IDirectDraw* dd, const char* zdroj, int sir, int vys,
                                                       const char* subor) {
    return write_and_release(stretched_picture(dd, zdroj, sir, vys), subor);
}

bool tf_BMP_VYTVOR_BMP_3C_zFILE_doFILE__stretch_cezSRF(IDirectDraw* dd, const char* zdroj, int sir, int vys, float od,
                                                       float po, const char* subor) {
    IDirectDrawSurface* srf = stretched_picture(dd, zdroj, sir, vys);
    if (!srf) return false;
    const RECT band = {0, band_row(vys, od), sir - 1, band_row(vys - 1, po)};
    const bool ok = tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE(srf, band, subor);
    srf->Release();
    return ok;
}

bool tf_BMP_VYTVOR_BMP_4_zFILE_doFILE__stretch_FAZA_cezSRF(IDirectDraw* dd, const char* zdroj, int FIXMAX_sir,
                                                           int FIXMAX_vys, const char* subor, int x, int y) {
    tf_CDas_Surface pic;
    pic.NAHRAJ_SURFACE(dd, zdroj);
    if (!loaded(pic, zdroj)) return false;
    pic.BC_NASTAV(0, 0);
    const tf_TFAZA f = pic.ZAMERAJ_FAZU(x, y);
    // The drawn size (right and bottom exclusive) keeps the phase's proportions.
    const RECT zdrojRect = {f.x1, f.y1, f.x2, f.y2};
    if (f.x2 <= f.x1 || f.y2 <= f.y1) {
        TF_LOG(TF_LOG_ERR, "tf_BMP_VYTVOR_BMP_4 - prazdna faza");
        TF_LOG("x,y:", x, y);
        return false;
    }
    int w = 0, h = 0;
    tf_BMP_NOVE_ROZMERY(f.x2 - f.x1, f.y2 - f.y1, 0, FIXMAX_sir, FIXMAX_vys, &w, &h);
    return write_and_release(
        scaled_copy(dd, pic.lpDDS, &zdrojRect, w, h, "tf_BMP_VYTVOR_BMP_3 - Chyba pri CreateSurface"), subor);
}
