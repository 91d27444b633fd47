// The element's three specialisations: the push button, the slider and the two-state switch.
#pragma once
#include "framework/widgets/tf_das.h"

// Phases 0 normal, 1 over, 2 pressed. Acts on the press, reported once.
class tf_CTlac : public tf_CDAS {
public:
    tf_CTlac();
    explicit tf_CTlac(const char* nazov);
    tf_CTlac(tf_CPolCHLO* parent, int rx, int ry, int ID);
    tf_CTlac(tf_CPolCHLO* parent, int ID);
    ~tf_CTlac() override;

    bool INFORMUJ_SA(int x, int y, int event) override;
    // A completed press: value 1.
    bool PollAction(int* value) override;
    // The same processing; true when the state changed.
    bool INFORMUJ_SA2(int x, int y, int event);
    // True once per press; the button then shows its over phase.
    bool STLACENE();
    bool STLACENE2() const { return stav == 2; }

    int stlacene = 0;

private:
    void init();
};

// The knob moves along a track given relative to the parent (to the screen without one);
// its place always follows from the value.
class tf_CPosuv : public tf_CDAS {
public:
    tf_CPosuv();
    explicit tf_CPosuv(const char* nazov);
    tf_CPosuv(tf_CPolCHLO* parent, int ID, int rx, int ry);
    tf_CPosuv(tf_CPolCHLO* parent, int ID);

    void Rodic_reset() override;
    bool INFORMUJ_SA(int x, int y, int event) override;
    // The value, at every poll while the knob is held.
    bool PollAction(int* value) override;

    // skin 1 the large stock knob, 2 the small one, anything else keeps the look; smer 'H'
    // horizontal, anything else vertical; the track runs from zaciatok for dlzka pixels at
    // os across the axis.
    void Dsgn(int skin, char smer, int os, int zaciatok, int dlzka);
    // Equal bounds widen the range to 100 values; reversed bounds are swapped.
    void SR(int od, int po);
    void SP(int poz);
    int GP() const { return poz; }
    void Poz_reset();

    int rozsah_od = 0;
    int rozsah_do = 100;
    int poz = 25;
    int trasa_od = 0;
    int trasa_do = 0;
    int trasa_os = 0;
    int rel_od = 0;
    int rel_do = 0;
    int rel_os = 0;
    char smer = 'V';

private:
    void init();
    void sync_offsets();
};

// Phases 0 off, 1 off and over, 2 on, 3 on and over. A press toggles it, or with radio
// switches it on.
class tf_CDPrep : public tf_CDAS {
public:
    tf_CDPrep();
    explicit tf_CDPrep(const char* nazov);
    tf_CDPrep(tf_CPolCHLO* parent, int ID);

    bool INFORMUJ_SA(int x, int y, int event) override;
    // A completed press: value 1, once.
    bool PollAction(int* value) override;

    bool zapnute = false;
    int radio = 0;
    int hodnota = 0;

private:
    void init();
    void ukaz_stav();
};
