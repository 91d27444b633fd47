// The container: owns its children, routes pointer events, keys and action polls to them
// topmost first, draws them bottom first and carries them along when it moves.
#pragma once
#include "framework/core/tf_arre.h"
#include "framework/widgets/tf_pol.h"

class tf_CPolCHLO : public tf_CPol {
public:
    tf_CPolCHLO();
    tf_CPolCHLO(tf_CPolCHLO* parent, int ID);
    // The children go with the container (owning array).
    ~tf_CPolCHLO() override;

    void Rodic_reset() override;
    void CHOD_NA(int x, int y) override;
    using tf_CPol::ZOBRAZ;
    void ZOBRAZ(IDirectDrawSurface* surface) override;
    tf_CPol* VratZasah(int x, int y) override;
    bool INFORMUJ_SA(int x, int y, int event) override;

    // Lays out the children; containers with a layout override it.
    virtual int SetupVisual();
    virtual bool INFORMUJ_SA_KLAV(int key);
    // A typed character (a byte of the code page), routed as keys are.
    virtual bool INFORMUJ_SA_ZNAK(int znak);
    // Finds the one completed action below this container and reports it upward.
    virtual bool INFORMUJ_MA(int* id);
    virtual bool HandleFWInteraction(int id, int value, tf_CPol* source);

    // Appends without re-placing; callers follow with MoveToRel or Rodic_reset.
    void PRIDAJ(tf_CPol* child);
    tf_CPol* FindCHLWithID(int ID);
    tf_CPol* GetCHLWithIndex(int index);
    int GetIndexOfCHL(tf_CPol* child);
    int SetupVisual_Private();
    static bool IsClassIdPolCHLO(int class_id);

    tf_CARRE deti;

private:
    void init();
    tf_CPol* child_at(int i);
    // A key, or a typed character, to the edit boxes and containers, topmost first.
    bool posli(int kod, bool znak);
    void reset_children();
};
