#include "framework/core/tf_class.h"

#include <cstdint>

namespace {
struct ClassName {
    int32_t class_id;
    char name[24];
};

// In the order of the enum, which the search keeps.
const ClassName CLASS_NAMES[] = {
    {TF_CLASS_POL, "tf_CPol"},
    {TF_CLASS_ICON, "tf_CIcon"},
    {TF_CLASS_DAS, "tf_CDAS"},
    {TF_CLASS_DS, "tf_CDS"},
    {TF_CLASS_TLAC, "tf_CTlac"},
    {TF_CLASS_POSUV, "tf_CPosuv"},
    {TF_CLASS_DPREP, "tf_CDPrep"},
    {TF_CLASS_DEDB, "tf_CDEDB"},
    {TF_CLASS_POLICON, "tf_CPolIcon"},
    {TF_CLASS_LABEL, "tf_CLabel"},
    {TF_CLASS_DUI, "tf_CDUI"},
    {TF_CLASS_DUIR, "tf_CDUIR"},
    {TF_CLASS_UTL_THMFILE, "tf_UTL_CDUIR_THMFILE"},
    {TF_CLASS_UTL_DIR, "tf_UTL_CDUIR_DIR"},
    {TF_CLASS_DDIALOG_EFEKT, "tf_CDDialog_EFEKT"},
    {TF_CLASS_DDIALOG, "tf_CDDialog"},
    {TF_CLASS_FOLIA_TEXT, "tf_CFoliaText"},
    {TF_CLASS_FOLIA_FAZ, "tf_CFoliaFaz"},
    {TF_CLASS_FOLIA_ICON, "tf_CFoliaIcon"},
    {TF_CLASS_FOLIA_DEKOR, "tf_CFoliaDekor"},
    {TF_CLASS_UHSPOL, "tf_CUHSPol"},
    {TF_CLASS_POLCHLO, "tf_CPolCHLO"},
    {TF_CLASS_APPSCREEN, "tf_CAppScreen"},
    {TF_CLASS_SCROLLBAR, "tf_CScrollBar"},
};
}  // namespace

const char* tf_glob_Get_ClassName(int class_id) {
    for (const ClassName& c : CLASS_NAMES)
        if (c.class_id == class_id) return c.name;
    return "?";
}
