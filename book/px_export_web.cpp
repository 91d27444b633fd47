#include "book/px_export_web.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "book/pexlo.h"
#include "framework/core/tf_fsi.h"
#include "platform/codepage.h"
#include "platform/files.h"

namespace fs = std::filesystem;

namespace {

// The registry's i-th object when the web page shows it as a text.
const CHerec* web_text(int i) {
    const CHerec* o = REG_Objekt(i);
    return o && o->eui() == PX_TEXT && o->text && !PX_Text_Prazdny(o->text->text) ? o : nullptr;
}

// The ways of the page's texts (PX_Web_Texty's) while it plays its frames again from its file,
// each point at its frame's start; none for a text that stays put.
void drahy(PX_Player& player, const char* page_path, const PX_Frames& f, int cas_ms, std::vector<PX_WebText>* texty) {
    if (cas_ms <= 0 || !player.Load(page_path, nullptr)) return;
    std::vector<POINT> miesta;
    for (int i = 0; i < REG.count; ++i)
        if (const CHerec* o = web_text(i)) miesta.push_back({o->x, o->y});
    const double w = PX_Strana_sir(), h = PX_Strana_vys();
    int ms = 0;
    for (size_t k = 0; k < f.ticks.size(); ms += f.delays_cs[k++] * 10) {
        player.Play_to(f.ticks[k]);
        for (int i = 0, j = 0; i < REG.count; ++i) {
            const CHerec* o = web_text(i);
            if (!o || size_t(j) >= texty->size()) continue;
            const POINT m = miesta[size_t(j)];
            (*texty)[size_t(j++)].draha.push_back(
                {100.0 * ms / cas_ms, 100 * (o->x - m.x) / w, 100 * (o->y - m.y) / h});
        }
    }
    for (PX_WebText& t : *texty)
        if (std::all_of(t.draha.begin(), t.draha.end(), [](const PX_WebKrok& s) { return s.dx == 0 && s.dy == 0; }))
            t.draha.clear();
}

constexpr char NEDA_SA[] = "cannot write the web book's files: is the disk full or read-only?";

// One page into the folder as n.gif and n.wav; an empty text, else what went wrong.
std::string zapis_stranu(PX_Player& player, const PX_Strana_knihy& s, const PX_Timing& timing, const fs::path& dir,
                         int n, PX_WebStrana* w) {
    const std::string meno = plat_Utf8FromCp1250(s.page.name.c_str());
    if (!player.Load(s.page.path.c_str(), nullptr)) return "page " + meno + " cannot be read";
    w->texty = PX_Web_Texty();
    w->cas_ms = s.cas_ms;
    PX_Timing t = timing;
    t.seconds = s.cas_ms / 1000.0;
    const PX_Frames f = PX_Export_Frames(t);
    const std::vector<uint8_t> gif = PX_Export_Page(player, s.page.path.c_str(), f, nullptr);
    const fs::path gif_path = dir / (std::to_string(n) + ".gif");
    if (gif.empty()) return "page " + meno + ": the GIF could not be made";
    drahy(player, s.page.path.c_str(), f, s.cas_ms, &w->texty);
    if (!plat_WriteHostFileAtomic(gif_path.string(), gif.data(), gif.size())) return NEDA_SA;
    w->hlas = PX_Narracia_Ma_subor(s.page.path.c_str());
    if (!w->hlas) return "";
    const std::string wav = plat_HostPath(tf_FSI_Zmen_priponu(s.page.path.c_str(), "wav").c_str());
    std::error_code e;
    fs::copy_file(wav, dir / (std::to_string(n) + ".wav"), e);
    return e ? "page " + meno + ": cannot copy its narration: " + e.message() : "";
}

// The pages and index.html into dir; an empty text, else what went wrong.
std::string zapis(PX_Player& player, const std::vector<PX_Strana_knihy>& strany, const PX_Timing& timing,
                  const fs::path& dir, const PX_Progress& progress) {
    std::vector<PX_WebStrana> web;
    for (size_t i = 0; i < strany.size(); ++i) {
        if (!strany[i].citatelna) continue;
        web.emplace_back();
        if (std::string e = zapis_stranu(player, strany[i], timing, dir, static_cast<int>(web.size()), &web.back());
            !e.empty())
            return e;
        if (progress) progress(static_cast<int>(i + 1), static_cast<int>(strany.size()));
    }
    if (web.empty()) return "the book has no page that can be read";
    const std::string html = PX_Web_Html(plat_Utf8FromCp1250(player.Book_name().c_str()), web,
                                         static_cast<double>(PX_Strana_sir()) / PX_Strana_vys());
    const fs::path index = dir / "index.html";
    if (!plat_WriteHostFileAtomic(index.string(), html.data(), html.size())) return NEDA_SA;
    return "";
}

}  // namespace

std::vector<PX_WebText> PX_Web_Texty() {
    std::vector<PX_WebText> texty;
    const double w = PX_Strana_sir(), h = PX_Strana_vys();
    for (int i = 0; i < REG.count; ++i) {
        const CHerec* o = web_text(i);
        if (!o) continue;
        const PX_Text& t = *o->text;
        texty.push_back({plat_Utf8FromCp1250(t.text.c_str()), 100 * o->x / w, 100 * o->y / h, 100 * o->sir / w,
                         100 * o->vys / h, 100 * PX_Text_Em(t.velkost) / h, PX_Text_Farba(t.farba),
                         PX_Text_Proti(t.farba), t.vzhlad, {}, {}});
        double xs[3], ys[3];
        if (!PX_Text_Chvost(t, xs, ys)) continue;
        for (int k = 0; k < 3; ++k)
            texty.back().chvost.insert(texty.back().chvost.end(), {100 * (o->x + xs[k]) / w, 100 * (o->y + ys[k]) / h});
    }
    return texty;
}

std::string PX_Export_Web(PX_Player& player, const std::vector<PX_Strana_knihy>& strany, PX_Timing timing,
                          const std::string& out, const PX_Progress& progress) {
    fs::path ciel = fs::absolute(fs::path(out).lexically_normal());
    if (!ciel.has_filename()) ciel = ciel.parent_path();  // "web/" names the folder "web"
    const fs::path rodic = ciel.parent_path();
    std::error_code e;
    if (fs::exists(ciel, e) && !(fs::is_directory(ciel, e) && fs::is_empty(ciel, e)))
        return out + " already exists: the web book goes into a new or empty folder";
    std::string vzor = (rodic / ("." + ciel.filename().string() + ".XXXXXX")).string();
    if (!mkdtemp(vzor.data())) return "cannot write into the folder " + rodic.string();
    const fs::path docasny = vzor;
    // A folder made for others to open, not the private one a temporary folder is.
    const mode_t maska = umask(0);
    umask(maska);
    chmod(docasny.c_str(), 0777 & ~maska);
    player.Skry_texty(true);
    std::string chyba = zapis(player, strany, timing, docasny, progress);
    player.Skry_texty(false);
    if (chyba.empty()) {
        fs::rename(docasny, ciel, e);
        if (e) chyba = "cannot put the web book in place as " + out + ": " + e.message();
    }
    if (!chyba.empty()) fs::remove_all(docasny, e);
    return chyba;
}
