#include "book/px_export_player.h"

#include <algorithm>
#include <cstring>

#include "book/pexlo.h"
#include "framework/surface/tf_display.h"
#include "framework/widgets/tf_utl.h"
#include "platform/backend.h"
#include "platform/codepage.h"
#include "platform/surface_copy.h"

namespace {
const struct_kniha_strana* record(int i) { return static_cast<const struct_kniha_strana*>(KS.GET(i)); }
}  // namespace

PX_Player::PX_Player(int screen_w, int screen_h, int out_w, int out_h)
    : out_w_(out_w),
      out_h_(out_h),
      saved_w_(tf_ScreenW),
      saved_h_(tf_ScreenH),
      saved_dd_(tf_lpDD),
      saved_back_(tf_lpDDSBack) {
    plat_Headless_Start(plat_HeadlessConfig{});
    PX_STAV_Reset();
    tf_ScreenW = screen_w;
    tf_ScreenH = screen_h;
    tf_ScreenCX = screen_w / 2;
    tf_ScreenCY = screen_h / 2;
    tf_lpDD = nullptr;
    DirectDrawCreate(nullptr, &tf_lpDD, nullptr);
    screen_ = DDCreateOffscreenSurface(tf_lpDD, screen_w, screen_h);
    if (out_w != screen_w || out_h != screen_h) out_ = DDCreateOffscreenSurface(tf_lpDD, out_w, out_h);
    tf_lpDDSBack = screen_;
    // What the editor's screen set-up provides for the pages.
    tf_CDUI_NoVoid = true;
    background_surface = &background_;
    utl_duir_Pozadia = new tf_UTL_CDUIR_THMFILE("utl_duir_Pozadia");
    utl_duir_Kulisy = new tf_UTL_CDUIR_THMFILE("utl_duir_Kulisy");
    utl_duir_Herci = new tf_UTL_CDUIR_THMFILE("utl_duir_Herci");
    wave_k = 10 * 6.28318531 / screen_w;
}

PX_Player::~PX_Player() {
    UVOLNI_VSETKO();
    background_.RELEASE_SURFACE();
    PX_STAV_Reset();
    if (out_) out_->Release();
    if (screen_) screen_->Release();
    if (tf_lpDD) tf_lpDD->Release();
    tf_lpDD = saved_dd_;
    tf_lpDDSBack = saved_back_;
    tf_ScreenW = saved_w_;
    tf_ScreenH = saved_h_;
    tf_ScreenCX = saved_w_ / 2;
    tf_ScreenCY = saved_h_ / 2;
}

bool PX_Player::Open_book(const char* book_path) {
    NACITAJ_KNIHY();
    for (int i = 0; i < KS.count; ++i)
        if (plat_Cp1250EqualNoCase(record(i)->book_path, book_path)) {
            VOLBA_KNIHY(record(i)->book_id, false);
            PX_Plocha_Velkost(tf_ScreenW, tf_ScreenH);  // the size asked for, whatever the book says
            return true;
        }
    return false;
}

std::vector<PX_Player::Page> PX_Player::Pages() const {
    std::vector<Page> pages;
    for (const struct_kniha_strana* ks : PX_Strany_v_knihe(current_book))
        pages.push_back({ks->page_name, ks->page_path});
    return pages;
}

bool PX_Player::Load(const char* page_path, std::vector<std::string>* missing) {
    if (!RELOAD_REG(page_path, missing)) return false;
    // Every export of a page plays the same: the generator from its start, nothing held.
    PX_srand(1);
    running = true;
    dragged = setup_target = -1;
    tick_ = 0;
    for (int i = 0; skry_texty_ && i < REG.count; ++i)
        if (CHerec* o = REG_Objekt(i); o && o->eui() == PX_TEXT) o->zivy = false;
    return true;
}

std::string PX_Player::Book_name() const {
    const struct_kniha_strana* ks = PX_Prvy_v_knihe(current_book);
    return ks ? ks->book_name : "";
}

void PX_Player::Play_to(int tick) {
    for (; tick_ < tick; ++tick_) TIK_ANIMACIE();
}

void PX_Player::Frame(int tick, std::vector<uint16_t>* out, const Over& over) {
    Play_to(tick);
    out->assign(static_cast<size_t>(out_w_) * static_cast<size_t>(out_h_), 0);
    if (!screen_) return;  // no memory for a screen this large: black frames
    ZOBRAZ_STRANU(screen_);
    if (over) over(screen_);
    IDirectDrawSurface* frame = screen_;
    if (out_ && plat_BltAveraged(out_, screen_, nullptr) == DD_OK) frame = out_;
    const int w = std::min(out_w_, frame->Width()), h = std::min(out_h_, frame->Height());
    for (int y = 0; y < h; ++y)
        memcpy(out->data() + static_cast<size_t>(y) * static_cast<size_t>(out_w_), frame->Row(y),
               static_cast<size_t>(w) * sizeof(uint16_t));
}
