// The widget base: position kept in step with the parent, the drag handle, the pointer
// drag machine and destruction of widgets by class id.
#pragma once
#include "framework/core/tf_class.h"
#include "platform/ddraw.h"

class tf_CPol;
class tf_CPolCHLO;

// Destroys a widget by its class id; false (nothing destroyed) for an id an owning array
// does not accept. Containers install it as their children's deleter.
bool tf_glob_Destroy_ByClassId(void* entry);

// Provisional place of the next widget made with an ID; advanced by (15, 10) each time, never reset.
extern int tf_glob_CascadeX, tf_glob_CascadeY;
// Pointer offset from the origin of the widget being dragged; there is one drag at a time.
extern int tf_glob_GrabX, tf_glob_GrabY;
// Told of every widget as it is destroyed, so that a layer above that holds widgets (the
// tuning mode) lets go of them; null when nobody listens.
extern void (*tf_glob_PolZanika)(tf_CPol* w);

class tf_CPol {
public:
    tf_CPol();
    // Added to the parent (when there is one) and placed at the offset (rx, ry).
    tf_CPol(tf_CPolCHLO* parent, int rx, int ry);
    // Added to the parent and placed at the next cascade position until its design sets it.
    tf_CPol(tf_CPolCHLO* parent, int ID);
    // Owning arrays delete every widget class through this.
    virtual ~tf_CPol();
    tf_CPol(const tf_CPol&) = delete;
    tf_CPol& operator=(const tf_CPol&) = delete;

    virtual void Rodic_reset();
    virtual void CHOD_NA(int x, int y);
    virtual void ZOBRAZ();
    virtual void ZOBRAZ(IDirectDrawSurface* surface);
    virtual void GetSize(int* sir, int* vys);
    virtual void SetSize(int sir, int vys);
    virtual bool CanDrag(int x, int y);
    virtual tf_CPol* VratZasah(int x, int y);
    virtual bool INFORMUJ_SA(int x, int y, int event);
    // Containers poll this for the classes that report actions (buttons, switches, sliders, lists).
    virtual bool PollAction(int* value);
    // Containers offer keys to edit boxes (TF_CLASS_DEDB) through this...
    virtual bool HandleKey(int key);
    // ... and the characters typed (a byte of the code page) as well.
    virtual bool HandleChar(int znak);

    void MoveToRel(int rx, int ry);
    // Copies the name, cut to the 31 bytes that fit.
    void Set_Nazov(const char* name);

    int x = 0;
    int y = 0;
    bool zivy = true;
    int stav = 0;
    bool tahatelny = true;
    int polomer = 10;
    tf_CPolCHLO* parent = nullptr;
    int rx = 0;
    int ry = 0;
    int class_id = TF_CLASS_POL;
    char nazov[32] = "noname_pol";
    int ID = -1;

protected:
    // Drag states 0 (not armed), 1 (armed), 2 (dragging). `arm_anywhere`: the first move
    // arms without finding the handle (containers).
    bool run_drag(int x, int y, int event, bool arm_anywhere);
};
