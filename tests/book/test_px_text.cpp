// A text's line in the page file: every byte a text can hold comes back, the line stays one
// line a reader of the old kinds takes in one piece, and broken lines give a sane text or none.
#include <gtest/gtest.h>

#include <string>

#include "book/px_text.h"
#include "platform/codepage.h"
#include "tests/support/test_support.h"

namespace {
PX_Text text(const std::string& s) {
    PX_Text t;
    t.text = s;
    return t;
}
}  // namespace

TEST(PxTextLine, EverySpecialCharacterComesBackOnOneLine) {
    std::string all = plat_W1250(u8"Dobrý deň, pes!\nčšťžýáíéúäôň ĽŠČŤŽ");
    all += " \\ \\n \\s  t 1 2 3 p les 4\nh pes 1 1";
    PX_Text t = text(all);
    t.velkost = 4, t.farba = 7, t.vzhlad = PX_BUBLINA;
    const std::string line = PX_Text_Riadok(t, -5, 1080, 6, 1, 3);
    EXPECT_EQ(line.find('\n'), line.size() - 1) << line;
    EXPECT_EQ(line.find(' ', line.find("3 ") + 2), std::string::npos) << "no space of the text splits a field";
    EXPECT_LE(line.size(), 400u);
    const auto r = PX_Text_Citaj(line.substr(0, line.size() - 1));
    ASSERT_TRUE(r);
    EXPECT_EQ(std::tuple(r->t.text, r->x, r->y, r->motion, r->edge, r->t.velkost, r->t.farba, r->t.vzhlad, r->t.ciel),
              std::tuple(all, -5, 1080, 6, 1, 4, 7, PX_BUBLINA, 3));
}

TEST(PxTextLine, BrokenLinesGiveASaneTextOrNone) {
    const std::string ok = PX_Text_Riadok(text("ahoj"), 10, 20, 6, 1, -1);
    for (size_t cut = 1; cut < ok.find("ahoj"); ++cut)  // cut anywhere before the words
        EXPECT_FALSE(PX_Text_Citaj(ok.substr(0, cut))) << ok.substr(0, cut);
    EXPECT_FALSE(PX_Text_Citaj("t 1 2 3 4 5 6 7 8 \\n\\n\\n\\s")) << "only line ends and spaces";
    EXPECT_FALSE(PX_Text_Citaj("t 1 2 x 4 5 6 7 8 ahoj"));
    const auto odd = PX_Text_Citaj("t 1 2 3 4 99 -3 7 -8 a\\qb\x81\x01" "c\\");
    ASSERT_TRUE(odd);
    EXPECT_EQ(std::tuple(odd->t.text, odd->t.velkost, odd->t.farba, odd->t.vzhlad, odd->t.ciel),
              std::tuple(std::string("abc"), PX_VELKOSTI - 1, 0, PX_VZHLADOV - 1, -1));
    EXPECT_TRUE(test_support::LogHas({"PX_Text_Citaj: Chyba, hodnota mimo rozsah", "velkost"}));
}

TEST(PxTextLine, TextsKeepWithinTheirBounds) {
    std::string many(10000, 'a');
    EXPECT_FALSE(PX_Text_Ocisti(many));
    EXPECT_TRUE(PX_Text_Zmesti(many));
    EXPECT_FALSE(PX_Text_Zmesti(many + "a"));
    EXPECT_LE(PX_Text_Riadok(text(many), -1000000, -1000000, 6, 1, 59).size(), 400u);
    std::string lines(10000, '\n');
    PX_Text_Ocisti(lines);
    EXPECT_EQ(lines, std::string(PX_TEXT_MAX_RIADKOV - 1, '\n'));
    EXPECT_TRUE(PX_Text_Prazdny(lines));
}
