// The dialog: a movable container whose panel (background, title strip, raised border,
// optional picture) is drawn by an embedded frame object, dragged by its title strip.
#pragma once
#include "framework/surface/tf_icon.h"
#include "framework/widgets/tf_polchlo.h"
#include "platform/gdi.h"

class tf_CDDialog_EFEKT : public tf_CPol {
public:
    tf_CDDialog_EFEKT();
    tf_CDDialog_EFEKT(int x, int y, int sir, int vys, const char* titulok);
    ~tf_CDDialog_EFEKT() override;

    using tf_CPol::ZOBRAZ;
    void ZOBRAZ(IDirectDrawSurface* ciel) override;
    // Standalone dragging, by the title strip unless tahat_hlavickou is off.
    bool INFORMUJ_SA(int x, int y, int udalost) override;

    void Vytvor_Inic();
    void Center();
    void CHOD_NA_CENTER(int x, int y);
    // All edges inclusive.
    bool Test_mys_v_rect(int x, int y);
    void Set_Titulok(const char* text);

    int sir = 300;
    int vys = 200;
    int vyska_hlavicky = 16;  // 0 or less: no title strip
    int efekt = 1;            // 1 white net, 2 grey fill, 3 milky, other: no background
    bool pevny = false;
    bool tahat_hlavickou = true;
    char titulok[42] = "";
    HBRUSH brush_grey = nullptr;
    HBRUSH brush_title = nullptr;
    HPEN pen_white = nullptr;
    HPEN pen_light = nullptr;
    HPEN pen_mid = nullptr;
    HPEN pen_dark = nullptr;
    tf_CIcon* ikona = nullptr;  // not ours; drawn over the panel instead of the title strip

private:
    void border(HDC dc);
    void uvolni_gdi();
};

class tf_CDDialog : public tf_CPolCHLO {
public:
    tf_CDDialog();
    tf_CDDialog(tf_CPolCHLO* parent, int ID);

    using tf_CPol::ZOBRAZ;
    void ZOBRAZ(IDirectDrawSurface* surface) override;
    void GetSize(int* sir, int* vys) override;
    void SetSize(int sir, int vys) override;
    // The title strip, all edges inclusive.
    bool CanDrag(int x, int y) override;
    bool INFORMUJ_SA(int x, int y, int udalost) override;
    // rezim 0 or 3 panel and children, 1 the panel, 2 the children, other values nothing.
    virtual void ZOBRAZ(IDirectDrawSurface* surface, int rezim);

    void Dsgn(int rx, int ry, int sir, int vys, int efekt);
    // Centres the dialog and its whole subtree on (x, y).
    void CHOD_NA_CENTER(int x, int y);

    int sir = 300;
    int vys = 200;
    bool plny = false;  // a plain dark green panel instead of the frame
    tf_CDDialog_EFEKT ram;

private:
    void init();
    void draw_panel(IDirectDrawSurface* surface);
};
