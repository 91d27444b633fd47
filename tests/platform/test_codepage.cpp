#include <gtest/gtest.h>

#include <iconv.h>

#include <clocale>
#include <cstring>
#include <cwctype>
#include <string>

#include "platform/codepage.h"

namespace {
// The C library's own Windows-1250 converter, as an independent reference; empty for a
// byte the code page leaves undefined.
std::string reference_utf8(iconv_t cd, char byte) {
    char out[8];
    char* ip = &byte;
    char* op = out;
    size_t il = 1, ol = sizeof out;
    return iconv(cd, &ip, &il, &op, &ol) == (size_t)-1 ? "" : std::string(out, op);
}
}  // namespace

TEST(Codepage, EveryByteAgreesWithTheCLibraryAndComesBack) {
    iconv_t cd = iconv_open("UTF-8", "CP1250");
    if (cd == (iconv_t)-1) GTEST_SKIP() << "no CP1250 converter";
    int undefined = 0;
    for (int b = 1; b < 256; ++b) {
        const char text[2] = {static_cast<char>(b), 0};
        std::string want = reference_utf8(cd, text[0]), utf8 = plat_Utf8FromCp1250(text);
        undefined += want.empty();
        EXPECT_EQ(utf8, want.empty() ? "\xEF\xBF\xBD" : want) << b;
        EXPECT_EQ(plat_Cp1250FromUtf8(utf8.c_str()), want.empty() ? "?" : text) << b;
    }
    iconv_close(cd);
    EXPECT_EQ(undefined, 5);
}

TEST(Codepage, BrokenOrForeignUtf8BecomesQuestionMarksAndKeepsTheRest) {
    EXPECT_EQ(plat_Cp1250FromUtf8("a\xC3(b"), "a?(b");           // lead byte without continuation
    EXPECT_EQ(plat_Cp1250FromUtf8("x\xE2\x82"), "x?");           // cut at the end
    EXPECT_EQ(plat_Cp1250FromUtf8("\xED\xA0\x80z"), "?" "??z");   // surrogate
    EXPECT_EQ(plat_Cp1250FromUtf8("中\U0001F600!"), "?" "?!");    // valid but not in the code page
    const char* a = plat_W1250(u8"Zavrieť");
    EXPECT_STREQ(a, "Zavrie\x9D");
    for (int i = 0; i < 100; ++i) plat_W1250(std::to_string(i).c_str());
    EXPECT_EQ(plat_W1250(u8"Zavrieť"), a);  // interned once, never moved
    // What was typed: nothing that was not, so no '?' for a character the code page lacks.
    EXPECT_EQ(plat_Cp1250TypedFromUtf8("M\xC3\xB4j \xC4\x8D?\t\x7F中\xC3(-"), "M\xF4j \xE8?(-");
    EXPECT_EQ(plat_Cp1250TypedFromUtf8(nullptr), "");
}

TEST(Codepage, CaseFoldingAgreesWithTheCLibrarysUnicodeTables) {
    std::string saved = setlocale(LC_CTYPE, nullptr);
    if (!setlocale(LC_CTYPE, "C.UTF-8")) GTEST_SKIP() << "no C.UTF-8 locale";
    for (int b = 1; b < 256; ++b) {
        char32_t u = plat_Cp1250ToUnicode(static_cast<unsigned char>(b));
        char32_t small = static_cast<char32_t>(towlower(static_cast<wint_t>(u)));
        int want = b;
        for (int c = 1; c < 256 && small != u; ++c)
            if (plat_Cp1250ToUnicode(static_cast<unsigned char>(c)) == small) want = c;
        EXPECT_EQ(plat_Cp1250Lower(static_cast<unsigned char>(b)), want) << b;
    }
    setlocale(LC_CTYPE, saved.c_str());
    EXPECT_TRUE(plat_Cp1250EqualNoCase(plat_W1250(u8"ŠKOLA Ľ"), plat_W1250(u8"škola ľ")));
}
