// File-name splitting, existence tests, folder listings and tree copies over "\" paths.
#pragma once
#include <string>

class tf_CARRE;

// The name-splitting functions write into `out`, which must hold the result (at most the
// length of `path`, plus one and the length of `ext` for a changed extension).
// The bare name: after the last "\" (or from the start) up to the last "." of the name
// (or to the end).
void tf_FSI_Vystrihni_meno(const char* path, char* out);
// The name with its extension: everything after the last "\" (all of `path` without one).
void tf_FSI_Odstrihni_meno(const char* path, char* out);
// `path` with the text after the last "." of its name replaced by `ext` (given without the
// dot); a name without "." gets "." and `ext` appended.
void tf_FSI_Zmen_priponu(const char* path, const char* ext, char* out);

// The same three, as strings of their own.
std::string tf_FSI_Vystrihni_meno(const char* path);
std::string tf_FSI_Odstrihni_meno(const char* path);
std::string tf_FSI_Zmen_priponu(const char* path, const char* ext);
// True when `name` can be one part of a path: a "\" in it would split it into several (a
// folder "KNIHA_x\..\app\KNIHA_DEFNEW" on disk would lead into the template), and Windows
// holds no name with control characters or any of / : * ? " < > | ('?' also stands for a
// letter of a name on disk that the code page cannot spell). The listings and the tree
// functions leave such entries out.
bool tf_FSI_Pouzitelny_nazov(const char* name);
// True when the file opens for binary reading (a folder, a FIFO or a device does not).
bool tf_FSI_Existuje_sub(const char* path);
// True when a find-first search for `path` finds anything: a folder, a file, or any match
// of a wildcard pattern.
bool tf_FSI_ExistsFolder(const char* path);

// Listings of `dir` by a wildcard `pattern`: kind 0 files, kind 1 folders; "." and "..",
// and names beginning with "rezia" or "sprit", are left out. With `fullPath` the names
// are `dir` + "\" + name. The names are strdup'd copies that the caller frees. They come
// in natural order. Return 0 (also when nothing matched, or the folder does not exist), or
// -1 for a kind other than 0 and 1 or an empty `dir` or `pattern` (then nothing is written).
//
// `out` must have room for every match; `*lastIndex` = the index of the last name written
// (-1 when none).
int tf_FSI_ListNames(const char* dir, const char* pattern, int kind, bool fullPath, char** out, int* lastIndex);
// The same with the room of `out` known: at most `capacity` names are written; when more
// match, the rest are left out with a log line and the result is -1.
int tf_FSI_ListNames(const char* dir, const char* pattern, int kind, bool fullPath, char** out, int capacity,
                     int* lastIndex);
// Appends the names to `out` (-1 also when `out` is null).
int tf_FSI_Zisti_SubAdr(const char* dir, const char* pattern, int kind, bool fullPath, tf_CARRE* out);

// Writes the tree under `dir` into the log; -1 when `dir` cannot be searched.
int tf_FSI_ListFolder(const char* dir);
// Copies the tree under `src` into the existing folder `dst`, overwriting files; a
// subfolder that exists already at `dst` is reported and left alone. -1 when `src`
// cannot be searched.
int tf_FSI_SynchroFolders(const char* src, const char* dst);
// The same; *failures grows by the entries that could not be copied.
int tf_FSI_SynchroFolders(const char* src, const char* dst, int* failures);
// Removes folder `dir` with everything in it; false when it stays.
bool tf_FSI_Zmaz_strom(const char* dir);
