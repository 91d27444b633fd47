// An icon: a surface, owned or borrowed, with one phase in it.
#pragma once
#include <cstdint>

#include "framework/surface/tf_dsrfc.h"

class tf_CIcon {
public:
    tf_CIcon();
    tf_CIcon(IDirectDraw* dd, const char* subor);
    explicit tf_CIcon(const char* subor);
    explicit tf_CIcon(tf_CDas_Surface* srf_);
    // x or y 0: the whole surface; otherwise the phase around (x, y).
    tf_CIcon(tf_CDas_Surface* srf_, int x, int y);
    tf_CIcon(tf_CDas_Surface* srf_, tf_TFAZA faza_);
    virtual ~tf_CIcon();
    tf_CIcon(const tf_CIcon&) = delete;
    tf_CIcon& operator=(const tf_CIcon&) = delete;

    virtual void GetSize2(int* sir, int* vys);

    void EVIDUJ(int x, int y);
    void EVIDUJ_CS();
    // Borrows the other icon's surface and phase.
    void EVIDUJ_PREBER(tf_CIcon* ina);
    void EVID_PREBER(tf_CIcon* ina);

    void ZOBRAZ(IDirectDrawSurface* ciel, int x, int y);
    void ZOBRAZ_2(IDirectDrawSurface* ciel, int L, int P, int H, int D, int x, int y);
    // Window (1, screen width - 1, 1, screen height - 1); draws even an invalid icon, never a placeholder.
    void ZOBRAZ_2(IDirectDrawSurface* ciel, int x, int y);
    // rezim 1 starts at x, 2 ends at x, any other value centres on x; always centred on y.
    void ZOBRAZ_3_centr(IDirectDrawSurface* ciel, int L, int P, int H, int D, int x, int y, int rezim);

    tf_CDas_Surface* srf = nullptr;
    uint8_t vlastni = 0;
    tf_TFAZA faza;
    uint8_t platny = 0;

private:
    void take_surface(tf_CDas_Surface* s, int x, int y);
    bool has_picture() const;
    void placeholder(IDirectDrawSurface* ciel, int x, int y);
};

// When non-zero (the default), an icon loading its own file takes its key from pixel (1, 1).
int tf_glob_Get_CIcon_default_transparency();
void tf_glob_Set_CIcon_default_transparency(int on);

// The default transparency set to `on` for the icons made while it lives; the value it
// found comes back when it ends.
class tf_CIconTransparency {
public:
    explicit tf_CIconTransparency(int on) : saved(tf_glob_Get_CIcon_default_transparency()) {
        tf_glob_Set_CIcon_default_transparency(on);
    }
    ~tf_CIconTransparency() { tf_glob_Set_CIcon_default_transparency(saved); }
    tf_CIconTransparency(const tf_CIconTransparency&) = delete;
    tf_CIconTransparency& operator=(const tf_CIconTransparency&) = delete;

private:
    int saved;
};
