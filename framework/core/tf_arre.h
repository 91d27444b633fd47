// The growable array of untyped pointers every list in the program is built on.
#pragma once

// Destroys one entry of an owning array; false when it cannot (the array reports that).
typedef bool (*tf_CARRE_Deleter)(void* entry);

class tf_CARRE {
public:
    tf_CARRE();
    tf_CARRE(int akt_alloc, int next_alloc_delta, int mode);
    virtual ~tf_CARRE();
    tf_CARRE(const tf_CARRE&) = delete;
    tf_CARRE& operator=(const tf_CARRE&) = delete;

    void Add(void* p);
    void PRIDAJ(void* p) { Add(p); }
    void* GET(int i);
    void* operator[](int i) { return GET(i); }
    void SET(int i, void* p);
    void Blenduj(int i) { SET(i, nullptr); }
    void ShiftUp(int i);
    void Del();
    void Zhod_count() { count = 0; }
    void SET_count(int n);
    // In owning mode (1) destroys each entry through `deleter`, which the layer that fills the
    // array installs (a container: tf_glob_Destroy_ByClassId for its widgets).
    void DetachAll();
    void Trunc() { DetachAll(); }
    void UVOLNI_char();
    void VYPIS_LOG();
    void VYPIS_LOG_char();

    void** data = nullptr;
    int akt_alloc = 0;
    int next_alloc_delta = 0;
    int mode = 2;
    bool check_range = true;
    int count = 0;
    tf_CARRE_Deleter deleter = nullptr;

private:
    bool in_range(int i);
};
