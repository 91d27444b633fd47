// The name a brought picture takes in the book: its file's own name, made one the program
// keeps in its lists and page files.
#pragma once
#include <string>
#include <vector>

// The file name without its folder and extension, in the code page: letters (the code
// page's own included), digits, '-' and '_' kept, every run of anything else one '_' (a
// space would split a page file's line), at most 40 bytes; "obrazok" when nothing is
// left. A name the pickers leave out (beginning "rezia" or "sprit") starts with a capital.
std::string PX_IMPORT_Meno(const std::string& host_path);

// `meno`, else it with "_2", "_3", ... appended: the first name that none of the folder's
// pictures, phases files and thumbnails has (a stale thumbnail would show another
// picture), nor any of `vzate`, compared without regard to case.
std::string PX_IMPORT_VolneMeno(const std::string& priecinok, const std::string& meno,
                                const std::vector<std::string>& vzate);
