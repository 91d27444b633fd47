// Windows-1250 is the program's text encoding; the host speaks UTF-8.
#pragma once
#include <cstdint>
#include <string>

// Bytes the code page leaves undefined give U+FFFD.
char32_t plat_Cp1250ToUnicode(unsigned char c);
std::string plat_Utf8FromCp1250(const char* text);
// Characters outside Windows-1250 and invalid UTF-8 become '?'.
std::string plat_Cp1250FromUtf8(const char* utf8);
// Text the user typed: characters outside Windows-1250, invalid UTF-8 and control characters
// are left out, so nothing is typed that was not.
std::string plat_Cp1250TypedFromUtf8(const char* utf8);
// Valid UTF-8 throughout.
bool plat_IsUtf8(const char* text);
// A name from the disk: UTF-8 as a rule, but a name unpacked from a Windows archive may be
// the Windows-1250 bytes themselves (not valid UTF-8), which are taken as they stand.
std::string plat_Cp1250FromHostName(const char* name);
// A UTF-8 literal as a Windows-1250 text that lives as long as the program.
const char* plat_W1250(const char* utf8);
inline const char* plat_W1250(const char8_t* utf8) { return plat_W1250(reinterpret_cast<const char*>(utf8)); }

// The small letter of a Windows-1250 capital (ASCII and the code page's own letters).
unsigned char plat_Cp1250Lower(unsigned char c);
// A letter of the code page, capital or small (ASCII and the code page's own letters).
bool plat_Cp1250IsLetter(unsigned char c);
// Equal without regard to case, as Windows compares file names.
bool plat_Cp1250EqualNoCase(const char* a, const char* b);
