// The widget class ids and their names. The ids are a widget's `class_id`; they live down
// here because icons name themselves and owning arrays report entries by them.
#pragma once

enum tf_ClassId {
    TF_CLASS_POL = 0,
    TF_CLASS_ICON = 1,
    TF_CLASS_DAS = 2,
    TF_CLASS_DS = 3,
    TF_CLASS_TLAC = 4,
    TF_CLASS_POSUV = 5,
    TF_CLASS_DPREP = 6,
    TF_CLASS_DEDB = 7,
    TF_CLASS_POLICON = 8,
    TF_CLASS_LABEL = 9,
    TF_CLASS_DUI = 11,
    TF_CLASS_DUIR = 12,
    TF_CLASS_UTL_THMFILE = 121,
    TF_CLASS_UTL_DIR = 122,
    TF_CLASS_DDIALOG_EFEKT = 13,
    TF_CLASS_DDIALOG = 14,
    TF_CLASS_FOLIA_TEXT = 15,
    TF_CLASS_FOLIA_FAZ = 16,
    TF_CLASS_FOLIA_ICON = 17,
    TF_CLASS_FOLIA_DEKOR = 18,
    TF_CLASS_UHSPOL = 19,
    TF_CLASS_POLCHLO = 20,
    TF_CLASS_APPSCREEN = 21,
    TF_CLASS_SCROLLBAR = 22,
};

// Name of a class id, "?" for an id that names no class.
const char* tf_glob_Get_ClassName(int class_id);
