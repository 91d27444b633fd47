// The layered group: a tree of nodes, each wrapping at most one widget and any number of
// layers. Every live layer sees every pointer event; keys and polls go from the last layer
// added to the first; drawing goes the other way.
#pragma once
#include <vector>

#include "framework/core/tf_arre.h"
#include "framework/widgets/tf_pol.h"

class tf_CUHSPol {
public:
    tf_CUHSPol();
    explicit tf_CUHSPol(tf_CPol* prvok);
    // Destroys the layers, never the widgets.
    virtual ~tf_CUHSPol();
    tf_CUHSPol(const tf_CUHSPol&) = delete;
    tf_CUHSPol& operator=(const tf_CUHSPol&) = delete;

    void INIC(tf_CPol* prvok);
    // A layer holding `prvok` at (rx, ry) from this node's element; the widget is placed at
    // its next Rodic_reset. The new layer, or null when the group is full or prvok is null.
    tf_CUHSPol* PRIDAJ(tf_CPol* prvok, int rx, int ry);
    tf_CUHSPol* PRIDAJ(tf_CPol* prvok);
    // Takes the node over; false (and the caller keeps it) when the group is full or the node
    // already belongs to a tree or would contain this one.
    bool PRIDAJ(tf_CUHSPol* uzol);
    // The only live node among its siblings; its own flag stays as it is.
    void zivy_vyhradne();
    void Rodic_reset_deti();

    void ZOBRAZ(IDirectDrawSurface* surface);
    bool INFORMUJ_SA(int x, int y, int event);
    bool INFORMUJ_SA_KLAV(int key);
    // A typed character (a byte of the code page), routed as keys are.
    bool INFORMUJ_SA_ZNAK(int znak);
    bool INFORMUJ_MA(int* id);

    // A dialog is shown in a live layer: it is the one the keys are for.
    bool Ukazuje_dialog();
    // The topmost shown widget under the point (a container's child where it has one), or null.
    tf_CPol* VratZasah(int x, int y);
    // The shown widget after `w` (before it when `spat`) in drawing order, wrapping at both
    // ends; null when the group holds no shown widget or not `w`.
    tf_CPol* Dalsi(tf_CPol* w, bool spat);

    tf_CUHSPol* rodic = nullptr;
    bool zivy = true;
    tf_CPol* prvok = nullptr;
    tf_CARRE vrstvy;  // tf_CUHSPol*, owned
    int max_vrstiev = 50;

private:
    tf_CUHSPol* vrstva(int i);
    bool posli(int kod, bool znak);
    // The shown widgets of the live nodes, in drawing order.
    void ukazane(std::vector<tf_CPol*>* widgety);
};
