// The skinned interactive element: a rectangle that shows one of its phases, follows the
// pointer through the states 0 (not over), 1 (over) and 2 (pressed), can be dragged, and
// without a picture draws itself as a labelled box.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/surface/tf_dsrfc.h"
#include "framework/widgets/tf_pol.h"

class tf_CDAS : public tf_CPol {
public:
    tf_CDAS(int x = 200, int y = 250);
    tf_CDAS(const char* nazov, int x, int y);
    tf_CDAS(tf_CPolCHLO* parent, int rx, int ry);
    tf_CDAS(tf_CPolCHLO* parent, int ID);
    // Frees the phases, and the surface when the element made it itself.
    ~tf_CDAS() override;

    using tf_CPol::ZOBRAZ;
    void ZOBRAZ(IDirectDrawSurface* surface) override;
    void GetSize(int* sir, int* vys) override;
    void SetSize(int sir, int vys) override;
    bool INFORMUJ_SA(int x, int y, int event) override;
    // One step per frame: travels horizontally by krok and wraps around the screen.
    virtual void AKTIVUJ();

    // Looks: a void box, a stock element of the design, three points of a picture, or
    // another element's phases. Each places the element first.
    void Dsgn0_VoidDC(int rx, int ry, int sir, int vys);
    // A name that is no stock element only places.
    void Dsgn1_Stock(int rx, int ry, const char* meno);
    // Normal, over and pressed phases appended after any existing ones; srf is borrowed.
    void Dsgn2_UserA(int rx, int ry, tf_CDas_Surface* srf, int x0, int y0, int x1, int y1, int x2, int y2);
    void Dsgn3_UserB(int rx, int ry, tf_CDAS* vzor);

    // Appends the phase around a point of the picture; nothing without a picture.
    void EVIDUJ(int px, int py);
    void EVIDUJ_CS();
    // Borrows the other element's surface and shares its phases; takes its border colour.
    void EVID_PREBER(tf_CDAS* vzor);
    void NF();
    // Unchecked: drawing ignores an index outside the list.
    void SF(int i) { akt_faza = i; }
    void TC_NASTAV(int px, int py);
    void BC_NASTAV(int px, int py);

    int AktSIR();
    int AktVYS();
    // Inside the element less a one-pixel margin on every side.
    bool ZASAH(int px, int py);
    // ZASAH and on a pixel of the current phase that is drawn there (mirrored with zrkadlo).
    bool OSTRY_ZASAH(int px, int py);
    void ZOBRAZ_VOID(IDirectDrawSurface* surface);

    int krok = 0;
    bool tahom = true;
    // Where the pointer took it, from its corner: its own, as one press may take a page object
    // and a button over it together.
    int chyt_x = 0, chyt_y = 0;
    int zrkadlo = 0;
    int data = 0;
    tf_CDas_Surface* srf = nullptr;
    bool vlastni = false;
    int akt_faza = 0;
    uint16_t TC = 0;
    uint16_t BC = 0;  // 0: the surface's own border colour measures
    int sir = 100;
    int vys = 100;

    int PocetFaz() const { return fazy ? static_cast<int>(fazy->size()) : 0; }
    // The phase at an index, or null outside the list.
    const tf_TFAZA* Faza(int i) const;
    // Takes a list of phases to share; whoever adds a phase to it later gets a copy first.
    void ZdielajFazy(std::shared_ptr<std::vector<tf_TFAZA>> f) { fazy = std::move(f); }

protected:
    // The phase drawn now, or null when there is no picture or the index is outside the list.
    const tf_TFAZA* current_phase();

private:
    void init();
    void vymaz_fazy();
    // Takes another surface, giving up one we made ourselves.
    void vezmi_srf(tf_CDas_Surface* s);
    bool ma_obraz() const;
    bool citaj_bod(int sx, int sy, uint16_t* out);
    void pridaj_fazu(const tf_TFAZA& f);

    // Elements that show one picture share its phases (an actor's sheet may hold hundreds):
    // the list goes with the last of them, and one that adds a phase to a shared list gets
    // a copy of its own first.
    std::shared_ptr<std::vector<tf_TFAZA>> fazy;
};
