// The report: the current container and its children, then each child's offset as a line of
// code that puts it there.
#include <cstdarg>
#include <cstdio>
#include <string>

#include "framework/core/tf_log.h"
#include "framework/tuning/tf_km_state.h"
#include "framework/widgets/tf_label.h"
#include "framework/widgets/tf_polchlo.h"
#include "platform/files.h"

namespace {
const char* const SRC = "TF_KM_w";
const char* const REPORT = "tf_KM_report.txt";
const char* const RULE = "-------------------\n";

__attribute__((format(printf, 2, 3))) void add(std::string& out, const char* format, ...) {
    va_list args, again;
    va_start(args, format);
    va_copy(again, args);
    const int n = vsnprintf(nullptr, 0, format, args);
    va_end(args);
    if (n > 0) {
        const size_t at = out.size();
        out.resize(at + static_cast<size_t>(n) + 1);
        vsnprintf(&out[at], static_cast<size_t>(n) + 1, format, again);
        out.resize(at + static_cast<size_t>(n));
    }
    va_end(again);
}

void container(std::string& out, tf_CPolCHLO* box) {
    int sir = 0, vys = 0;
    box->GetSize(&sir, &vys);
    out += RULE;
    out += "tf_KM_cPolCHLO_9: CPolCHLO\n";
    add(out, " ID=%d rx,ry=[%d,%d] sir,vys=[%d,%d]\n", box->ID, box->rx, box->ry, sir, vys);
    out += "--- CHL:\n";
    for (int i = 0; i < box->deti.count; ++i) {
        tf_CPol* c = tf_KM_Child(box, i);
        if (!c) continue;
        c->GetSize(&sir, &vys);
        add(out, "[%d]: [%s] [%s] ID=%d rx,ry=[%d,%d] sir,vys=[%d,%d]", i, tf_glob_Get_ClassName(c->class_id), c->nazov,
            c->ID, c->rx, c->ry, sir, vys);
        if (c->class_id == TF_CLASS_LABEL) {
            const char* text = static_cast<tf_CLabel*>(c)->text;
            add(out, " text=%s", text ? text : "");
        }
        out += "\n";
    }
    out += RULE;
    for (int i = 0; i < box->deti.count; ++i)
        if (const tf_CPol* c = tf_KM_Child(box, i))
            add(out, "GetCHLWithIndex( %d )->MoveToRel( %d, %d );\n", i, c->rx, c->ry);
}

}  // namespace

void tf_KM_SAVE() {
    if (!tf_KM_on) return;
    std::string out;
    if (tf_KM_cPolCHLO_9) container(out, tf_KM_cPolCHLO_9);
    if (tf_KM_cPol_10) {
        out += RULE;
        out += "tf_KM_cPol_10: CPol\n";
        out += " TODO\n";
    }
    if (!plat_WriteFileAtomic(REPORT, out.data(), out.size()))
        TF_LOG(TF_LOG_ERR, "tf_KM_SAVE - nepodarilo sa zapisat tf_KM_report.txt");
}
