// Windows-1250 is the program's text encoding; the host speaks UTF-8.
#pragma once
#include <cstdint>
#include <string>

char32_t plat_Cp1250ToUnicode(unsigned char c);
std::string plat_Utf8FromCp1250(const char* text);
// Characters outside Windows-1250 become '?'.
std::string plat_Cp1250FromUtf8(const char* utf8);
// A UTF-8 literal as a Windows-1250 text that lives as long as the program.
const char* plat_W1250(const char* utf8);
