#include "framework/core/tf_arre.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/core/tf_log.h"

namespace {
const char* const SRC = "TF_ARRE_w";

void** alloc_slots(int n) { return static_cast<void**>(calloc(static_cast<size_t>(n), sizeof(void*))); }
}  // namespace

tf_CARRE::tf_CARRE() : tf_CARRE(0, 0, 2) {}

tf_CARRE::tf_CARRE(int akt_alloc_, int next_alloc_delta_, int mode_)
    : next_alloc_delta(next_alloc_delta_), mode(mode_) {
    if (akt_alloc_ > 0) {
        data = alloc_slots(akt_alloc_);
        akt_alloc = akt_alloc_;
    }
}

tf_CARRE::~tf_CARRE() {
    if (akt_alloc != 0 && data) {
        if (mode == 1) DetachAll();
        free(data);
        data = nullptr;
    }
}

void tf_CARRE::Add(void* p) {
    if (akt_alloc == 0 || !data) {
        free(data);
        akt_alloc = 4;
        data = alloc_slots(akt_alloc);
        count = 0;
    }
    if (count >= akt_alloc) {
        int grown = next_alloc_delta == 0 ? akt_alloc * 2 : akt_alloc + next_alloc_delta;
        void** slots = alloc_slots(grown);
        memcpy(slots, data, sizeof(void*) * static_cast<size_t>(count));
        free(data);
        data = slots;
        akt_alloc = grown;
    }
    data[count++] = p;
}

bool tf_CARRE::in_range(int i) {
    if (check_range && (i < 0 || i >= count)) {
        TF_LOG("Chyba: Index je mimo rozsah", i, count);
        return false;
    }
    return data != nullptr;
}

void* tf_CARRE::GET(int i) { return in_range(i) ? data[i] : nullptr; }

void tf_CARRE::SET(int i, void* p) {
    if (in_range(i)) data[i] = p;
}

void tf_CARRE::ShiftUp(int i) {
    if (i < 0 || i >= count) {
        TF_FAIL(TF_LOG_ERR, "assert: index mimo rozsah");
        return;
    }
    if (data[i] != nullptr) {
        TF_FAIL(TF_LOG_ERR, "assert: ocakavana NULL hodnota");
        return;
    }
    for (int j = i; j < count - 1; ++j) {
        data[j] = data[j + 1];
        data[j + 1] = nullptr;
    }
    --count;
}

void tf_CARRE::Del() {
    if (count <= 0) {
        TF_LOG("tf_CARRE::Del - prazdne pole", TF_LOG_RETURN);
        return;
    }
    --count;
}

void tf_CARRE::SET_count(int n) {
    if (n < 0) return;
    if (n > akt_alloc) {
        TF_LOG("tf_CARRE::SET_count - nad kapacitu", n, akt_alloc);
        return;
    }
    count = n;
}

void tf_CARRE::DetachAll() {
    if (akt_alloc == 0 || !data) return;
    if (mode == 1) {
        for (int i = 0; i < count; ++i) {
            if (!data[i]) continue;
            if (!deleter || !deleter(data[i])) {
                TF_FAIL(TF_LOG_ERR, "tf_CARRE::DetachAll - switch class_id - assert");
            }
            data[i] = nullptr;
        }
    }
    count = 0;
}

void tf_CARRE::UVOLNI_char() {
    for (int i = 0; i < count && data; ++i) {
        free(data[i]);
        data[i] = nullptr;
    }
    count = 0;
}

void tf_CARRE::VYPIS_LOG() {
    char buf[200];
    snprintf(buf, sizeof buf, "tf_CARRE::VYPIS_LOG(): count[%d]; akt_alloc[%d]; next_alloc_delta[%d]; mode[%d]",
             count, akt_alloc, next_alloc_delta, mode);
    TF_LOG(buf);
}

void tf_CARRE::VYPIS_LOG_char() {
    char buf[500];
    snprintf(buf, sizeof buf,
             "tf_CARRE::VYPIS_LOG_char(): count[%d]; akt_alloc[%d]; next_alloc_delta[%d]; mode[%d]", count,
             akt_alloc, next_alloc_delta, mode);
    TF_LOG(buf);
    for (int i = 0; i < count && data; ++i) {
        snprintf(buf, sizeof buf, "  ARR[%d]: [%s]", i, data[i] ? static_cast<const char*>(data[i]) : "");
        TF_LOG(buf);
    }
}
