// Imported pictures in the program's RGB565 colours, and their see-through and frame
// colours: values no drawn pixel has.
#include <climits>

#include "book/px_import_obraz.h"
#include "platform/pixel.h"

namespace {

// As in the program's own pictures.
constexpr uint16_t MAGENTA = 0xF81F, ZELENA = 0x07E0;

using Pocty = std::vector<uint32_t>;  // drawn pixels of each RGB565 value

// Each 8-bit value's nearest 5- and 6-bit steps, looked up: a photo has millions of pixels.
struct Kroky {
    uint8_t k5[256], k6[256];
    Kroky() {
        for (int v = 0; v < 256; ++v) {
            k5[v] = static_cast<uint8_t>((v * 31 + 127) / 255);
            k6[v] = static_cast<uint8_t>((v * 63 + 127) / 255);
        }
    }
};

int vzdialenost(uint16_t a, uint16_t b) {
    const COLORREF p = plat_From565(a), q = plat_From565(b);
    const int r = GetRValue(p) - GetRValue(q), g = GetGValue(p) - GetGValue(q), m = GetBValue(p) - GetBValue(q);
    return r * r + g * g + m * m;
}

// The value nearest `chceny` that no drawn pixel has and `mimo` allows; when there is none,
// the allowed value the fewest have.
template <class Mimo>
uint16_t vyber(const Pocty& pocty, uint16_t chceny, Mimo mimo) {
    uint16_t najlepsi = chceny;
    long long skore = LLONG_MAX;
    for (int v = 0; v < 65536; ++v) {
        const auto h = static_cast<uint16_t>(v);
        if (mimo(h)) continue;
        const long long s = static_cast<long long>(pocty[h]) * (1LL << 20) + vzdialenost(h, chceny);
        if (s < skore) {
            skore = s;
            najlepsi = h;
        }
    }
    return najlepsi;
}

// The value one step from v (green, red, blue; up or down) that `mimo` allows.
uint16_t susedna(uint16_t v, const uint16_t a, const uint16_t b) {
    struct Pole {
        int posun, max;
    };
    for (Pole p : {Pole{5, 63}, Pole{11, 31}, Pole{0, 31}}) {
        const int c = v >> p.posun & p.max;
        for (int krok : {1, -1}) {
            if (c + krok < 0 || c + krok > p.max) continue;
            const auto n = static_cast<uint16_t>((v & ~(p.max << p.posun)) | (c + krok) << p.posun);
            if (n != a && n != b) return n;
        }
    }
    return v;  // unreachable: six neighbours, at most two taken
}

// The drawn pixels of value v moved one step to a value neither a nor b; how many.
int posun(std::vector<PX_Obraz>& snimky, Pocty& pocty, uint16_t v, uint16_t a, uint16_t b) {
    if (pocty[v] == 0) return 0;
    const uint16_t n = susedna(v, a, b);
    int posunute = 0;
    for (PX_Obraz& o : snimky)
        for (size_t i = 0; i < o.px.size(); ++i)
            if (o.plny[i] && o.px[i] == v) {
                o.px[i] = n;
                ++posunute;
            }
    pocty[n] += pocty[v];
    pocty[v] = 0;
    return posunute;
}

}  // namespace

PX_Obraz PX_IMPORT_Na565(const std::vector<uint8_t>& rgba, int w, int h, bool priehladny) {
    static const Kroky K;
    PX_Obraz o;
    o.sir = w;
    o.vys = h;
    const size_t n = static_cast<size_t>(w) * static_cast<size_t>(h);
    o.px.resize(n);
    o.plny.resize(n);
    for (size_t i = 0; i < n; ++i) {
        const uint8_t* p = rgba.data() + 4 * i;
        const int a = p[3];
        int c[3] = {p[0], p[1], p[2]};
        if (!priehladny && a < 255)
            for (int& v : c) v = (v * a + 255 * (255 - a) + 127) / 255;
        o.px[i] = static_cast<uint16_t>(K.k5[c[0]] << 11 | K.k6[c[1]] << 5 | K.k5[c[2]]);
        o.plny[i] = !priehladny || a >= 128;
    }
    return o;
}

PX_Kluce PX_IMPORT_Kluce(std::vector<PX_Obraz>& snimky, bool s_okrajom) {
    Pocty pocty(65536, 0);
    for (const PX_Obraz& o : snimky)
        for (size_t i = 0; i < o.px.size(); ++i)
            if (o.plny[i]) ++pocty[o.px[i]];
    PX_Kluce k;
    k.kluc = vyber(pocty, MAGENTA, [](uint16_t v) { return v == 0; });
    k.posunute = posun(snimky, pocty, k.kluc, k.kluc, k.kluc);
    if (s_okrajom) {
        k.okraj = vyber(pocty, ZELENA, [&](uint16_t v) { return v == k.kluc; });
        k.posunute += posun(snimky, pocty, k.okraj, k.kluc, k.okraj);
    }
    return k;
}
