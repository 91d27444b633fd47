// The scroll bar: a container of a knob and two step buttons over a tiled track, reporting
// every change of the knob's value upward with its own ID.
#pragma once
#include "framework/surface/tf_icon.h"
#include "framework/widgets/tf_polchlo.h"
#include "framework/widgets/tf_tlac.h"

class tf_CScrollBar : public tf_CPolCHLO {
public:
    static constexpr int ID_POSUV = 70001;
    static constexpr int ID_BTN_A = 70002;
    static constexpr int ID_BTN_B = 70003;

    // Makes the knob, button A and button B, in this order, as its own children.
    tf_CScrollBar(tf_CPolCHLO* parent, int ID);

    using tf_CPolCHLO::ZOBRAZ;
    // The track, then the children.
    void ZOBRAZ(IDirectDrawSurface* surface) override;
    // Along the bar its length, across it button A's size; an unknown smer leaves both alone.
    void GetSize(int* sir, int* vys) override;
    // Only the length along the bar changes; the other argument is ignored.
    void SetSize(int sir, int vys) override;
    // The stock look when asked for, and the range (1 ... 100 when none was given).
    int SetupVisual() override;
    // Knob held or a button pressed: the value goes up as this bar's own action.
    bool HandleFWInteraction(int id, int value, tf_CPol* source) override;

    // The stock look is built at set-up.
    void Dsgn_Stock(char smer, int rx, int ry, int dlzka);
    // The owner lays out the children itself.
    void Dsgn_Void(char smer, int rx, int ry, int dlzka, int hrubka);

    // Kept as given; the knob widens equal bounds and swaps reversed ones for itself.
    void SR(int od, int po);
    void SP(int poz) { posuv->SP(poz); }
    int GP() const { return posuv->GP(); }
    void Poz_reset() { posuv->Poz_reset(); }

    char smer = 'H';  // 'H' or 'V'
    int dlzka = 200;
    int hrubka = 50;  // kept for the owner; the bar does not use it
    int stock = 0;
    int rozsah_od = 0;
    int rozsah_do = 0;
    tf_CPosuv* posuv;
    tf_CTlac* btnA;
    tf_CTlac* btnB;
    tf_CIcon podklad;  // borrows the design's track picture

private:
    void navrh(char smer, int rx, int ry, int dlzka);
    // Size of e along the bar; anything but 'H' counts as vertical.
    int po_osi(tf_CDAS* e) const;
    // The knob's track ends just before button B.
    void koniec_drahy();
    void kresli_podklad(IDirectDrawSurface* surface);
};
