// Texts on pages, told through window messages: written in place, saved and read back the
// same, taken like pictures and undone, a bubble following its actor, and a page with texts
// still read whole by a reader that knows only backgrounds, props and actors.
#include <cstdio>
#include <cstring>
#include <vector>

#include "book/px_pisanie.h"
#include "book/px_plocha.h"
#include <filesystem>

#include "platform/codepage.h"
#include "tests/book/editor_fixture.h"
#include "tests/support/png_writer.h"

using namespace editor_test;

namespace {
class Texts : public Editor {
protected:
    // A new text on page 2 of "Les" (strom 0, pes 1), written and ended.
    void Write(const char* first, const char* second = nullptr) {
        Key('T');
        Type(first);
        if (second) Key(VK_RETURN), Type(second);
        Key(VK_ESCAPE);
    }
    CHerec* Last() const { return Obj(REG.count - 1); }
    // A point of object i near its left end: a new text stands in the page's middle, under the
    // Play button.
    POINT Beside(int i) const { return {Obj(i)->x + 6, Mid(i).y}; }
    // Twice the distance of the text's middle from the page's.
    static int OffMiddle(const CHerec* o) { return 2 * o->x + o->sir - PX_Strana_sir(); }
    std::vector<uint16_t> Pixels(const CHerec* o) {
        Move(960, 560);  // nothing outlined
        Tick();
        std::vector<uint16_t> px;
        for (int y = o->y - 20; y < o->y + o->vys + 20; ++y)
            for (int x = o->x - 20; x < o->x + o->sir + 20; ++x) px.push_back(Px(x, y));
        return px;
    }
    void Reopen() {
        plat_Headless_AdvanceTime(1000);
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
    }
    // The object's middle dragged to put its top-left corner at (x, y), not thrown.
    void Drag(int i, int x, int y) {
        plat_Headless_AdvanceTime(1000);
        const POINT m = Mid(i);
        const int tx = x + m.x - Obj(i)->x, ty = y + m.y - Obj(i)->y;
        Move(m.x, m.y), Down(m.x, m.y), Move(tx, ty), Move(tx, ty), Up(tx, ty);
    }
    // The text's menu: item (0 ...), then the entry of its submenu.
    void TextMenu(int i, int item, int entry) {
        RightClick(Mid(i).x, Mid(i).y);
        ASSERT_NO_FATAL_FAILURE(Point(px_editor->text_menu[0], item));
        ASSERT_NO_FATAL_FAILURE(Choose(px_editor->text_menu[item + 1], entry));
        plat_Headless_AdvanceTime(1000);
    }
};
}  // namespace

TEST_F(Texts, WrittenInPlaceSavedAndReadBackTheSame) {
    Library();
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        Key('T');
        Post(WM_CHAR, 't', 0);  // the desktop types the key's own letter after it: not the text's
        EXPECT_EQ(std::tuple(REG.count, px_pisanie.index, Last()->eui()), std::tuple(3, 2, int(PX_TEXT)));
        Type("Dobrý deň, pes!");  // its Space and letters are no commands now
        Key(VK_RETURN);
        Type("Poď sa hrať");
        Key(VK_BACK), Key(VK_LEFT), Key(VK_DELETE), Type("ať!");
        EXPECT_FALSE(running) << "Space in a text does not play";
        EXPECT_EQ(plat_Utf8FromCp1250(Last()->text->text.c_str()), "Dobrý deň, pes!\nPoď sa hrať!");
        const PX_Kurzor k = PX_Text_Kurzor(*Last()->text, px_pisanie.kurzor);
        const int cx = Last()->x + k.x, cy = Last()->y + k.y + k.vys / 2;
        Tick();
        EXPECT_EQ(Px(cx, cy), 0xFFFF) << "the caret, in the text's colour";
        Key(VK_ESCAPE);
        Tick();
        EXPECT_NE(Px(cx, cy), 0xFFFF);
        ASSERT_EQ(std::pair(px_pisanie.index, REG.count), std::pair(-1, 3));
        const std::vector<uint16_t> shown = Pixels(Last());
        EXPECT_NE(std::count(shown.begin(), shown.end(), 0xFFFF), 0) << "white letters";
        Ctrl('S');
        const std::string saved = tree.Read("KNIHA_Les/2.str");
        EXPECT_NE(saved.find("\nt "), std::string::npos) << saved;
        ASSERT_NO_FATAL_FAILURE(Reopen());
        ASSERT_EQ(REG.count, 3);
        EXPECT_EQ(PX_Text_strany(), saved);
        EXPECT_EQ(Pixels(Last()), shown);
        Key(VK_F1);
        EXPECT_TRUE(test_support::LogHas({"[2] [3] [text: Dobr"})) << "the registry report names texts";

        // A text with every special character of the page file.
        Write("a\\s b\\\\ \\n  t 1 2 3", "h pes 1 1 ");
        const std::string odd = Last()->text->text;
        Ctrl('S');
        ASSERT_NO_FATAL_FAILURE(Reopen());
        EXPECT_EQ(Last()->text->text, odd);

        // A reader of the old kinds: every line in one piece, the pictures as they were.
        FILE* f = fopen(tree.Host("KNIHA_Les/2.str").c_str(), "r");
        ASSERT_TRUE(f);
        char line[400], name[228];
        std::string pictures;
        while (fgets(line, sizeof line, f)) {
            ASSERT_NE(strchr(line, '\n'), nullptr) << "a line longer than the reader takes";
            char kind = 0;
            int v[5] = {};
            if (sscanf(line, "%c %227s %i %i %i %i %i", &kind, name, v, v + 1, v + 2, v + 3, v + 4) >= 2 &&
                strchr("pkh", kind))
                pictures += std::string(1, kind) + " " + name + " " + std::to_string(v[0]) + "\n";
        }
        fclose(f);
        EXPECT_EQ(pictures, "p les 4\nk strom 300\nh pes 500\n");
    });
}

TEST_F(Texts, DraggedCopiedRemovedAndUndoneLikePictures) {
    Library();
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        Write("Les");
        CHerec* t = Last();
        const int x = t->x, y = t->y;
        plat_Headless_AdvanceTime(1000);
        const POINT end = Beside(2);
        Move(end.x, end.y), Down(end.x, end.y), Move(end.x + 40, end.y + 30), Up(end.x + 40, end.y + 30);
        EXPECT_EQ(std::pair(Obj(2)->x, Obj(2)->y), std::pair(x + 40, y + 30));
        Ctrl('Z');
        EXPECT_EQ(std::pair(Obj(2)->x, Obj(2)->y), std::pair(x, y));
        ASSERT_NO_FATAL_FAILURE(TextMenu(2, 0, 1));  // Inštancia, Kópia
        ASSERT_EQ(REG.count, 4);
        EXPECT_EQ(std::tuple(Obj(3)->x, Obj(3)->text->text), std::tuple(x + 50, std::string("Les")));
        ASSERT_NO_FATAL_FAILURE(TextMenu(3, 3, 2));  // Farba, Červená
        EXPECT_EQ(std::pair(Obj(3)->text->farba, Obj(2)->text->farba), std::pair(2, 0));
        ASSERT_NO_FATAL_FAILURE(TextMenu(2, 0, 0));  // Inštancia, Odstrániť
        EXPECT_EQ(std::pair(REG.count, Obj(2)->text->farba), std::pair(3, 2));
        Move(Mid(2).x, Mid(2).y);
        Key(VK_DELETE);
        EXPECT_EQ(REG.count, 2);
        Key('T'), Type("Hura");
        ASSERT_NO_FATAL_FAILURE(TextMenu(2, 4, 2));  // a right click ends the writing, the menu opens
        EXPECT_EQ(std::tuple(REG.count, Obj(2)->text->vzhlad, px_pisanie.index), std::tuple(3, int(PX_BUBLINA), -1));
        Ctrl('Z'), Ctrl('Z');
        Ctrl('Z'), Ctrl('Z');
        EXPECT_EQ(std::tuple(REG.count, Obj(2)->text->farba, Obj(3)->text->farba), std::tuple(4, 0, 2));

        // A double click writes it again; an empty text goes when its writing ends.
        plat_Headless_AdvanceTime(1000);
        Click(Beside(2).x, Beside(2).y), Click(Beside(2).x, Beside(2).y);
        EXPECT_EQ(px_pisanie.index, 2);
        Ctrl('A'), Type("Strom");  // the selection typed over
        EXPECT_EQ(Obj(2)->text->text, "Strom");
        plat_Headless_SetKeyDown(VK_SHIFT, true);
        Key(VK_LEFT), Key(VK_LEFT);
        plat_Headless_SetKeyDown(VK_SHIFT, false);
        Key(VK_BACK), Key(VK_HOME), Key(VK_DELETE);
        EXPECT_EQ(Obj(2)->text->text, "tr");
        Key(VK_BACK), Key(VK_DELETE), Key(VK_DELETE);
        Click(5, 700);
        EXPECT_EQ(std::pair(REG.count, px_pisanie.index), std::pair(3, -1));
        Key('T'), Key(VK_ESCAPE);
        EXPECT_EQ(REG.count, 3) << "an empty new text leaves nothing";

        // A press, the page's objects made anew by an undo and a redo, a press: no double click.
        plat_Headless_AdvanceTime(1000);
        Click(Beside(2).x, Beside(2).y);
        Ctrl('Z'), Ctrl('Y');
        Click(Beside(2).x, Beside(2).y);
        EXPECT_EQ(px_pisanie.index, -1) << "two presses on two lives of a text";
    });
}

TEST_F(Texts, ANewTextGrowsAboutItsMiddleClearOfThePlayButtonAndThenStaysPut) {
    Library();
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        Key('T');
        CHerec* t = Last();
        const int y = t->y;
        EXPECT_LE(std::abs(OffMiddle(t)), 2) << "an empty text starts in the middle";
        int widest = t->sir;
        for (const char* c : {"D", "o", "b", "r", "ý", " ", "d", "e", "ň", ",", " ", "p", "e", "s", "!"}) {
            Type(c);
            EXPECT_LE(std::abs(OffMiddle(t)), 2) << "after " << c << ", " << t->text->text;
            widest = std::max(widest, t->sir);
        }
        Key(VK_RETURN), Type("Poď sa hrať, poď sa hrať na lúku!");
        EXPECT_GT(t->sir, widest);
        for (int i = 0; i < 20; ++i) Key(VK_BACK);
        EXPECT_LE(std::abs(OffMiddle(t)), 2) << "shrinking too";
        EXPECT_EQ(t->y, y);
        EXPECT_EQ(t->sir, widest) << "the first line the wider again";
        Key(VK_ESCAPE);
        const int x = t->x;
        Tick();
        EXPECT_EQ(t->x, x) << "an ended writing leaves the text where it is";
        int pw = 0, ph = 0;
        px_editor->tlac_Play.GetSize(&pw, &ph);
        const RECT box = PX_Na_obrazovku({t->x, t->y, t->x + t->sir, t->y + t->vys});
        EXPECT_TRUE(px_editor->tlac_Play.zivy && (box.bottom <= px_editor->tlac_Play.y || box.top >= px_editor->tlac_Play.y + ph))
            << "the Play button shows beside the text, not over it";

        // Written again elsewhere: it grows about its own middle there.
        plat_Headless_AdvanceTime(1000);
        const POINT end = Beside(2);
        Move(end.x, end.y), Down(end.x, end.y), Move(end.x - 200, end.y + 100), Up(end.x - 200, end.y + 100);
        const int middle2 = 2 * t->x + t->sir;
        plat_Headless_AdvanceTime(1000);
        Click(Beside(2).x, Beside(2).y), Click(Beside(2).x, Beside(2).y);
        ASSERT_EQ(px_pisanie.index, 2);
        Key(VK_END), Type(" Haf, haf!");
        EXPECT_LE(std::abs(2 * t->x + t->sir - middle2), 2);
        Key(VK_ESCAPE);
        Ctrl('Z');
        EXPECT_EQ(2 * t->x + t->sir, middle2) << "undone: its words and place before the writing";

        // Another, taken by its middle under the Play button: it follows the pointer exactly.
        Write("Hop");
        const int tx = Last()->x, ty = Last()->y;
        plat_Headless_AdvanceTime(1000);
        Move(Mid(3).x, Mid(3).y), Down(Mid(3).x, Mid(3).y), Move(Mid(3).x + 40, Mid(3).y + 30);
        EXPECT_EQ(std::pair(Last()->x, Last()->y), std::pair(tx + 40, ty + 30));
        Up(Mid(3).x, Mid(3).y);
        EXPECT_FALSE(running) << "the press left the Play button: it plays nothing";
    });
}

// A click in the text being written puts the caret between the letters pressed; with Shift it
// selects from the caret to there. The Play button over the page's middle waits meanwhile.
TEST_F(Texts, AClickInTheWrittenTextPutsTheCaretAtTheLetter) {
    Library();
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        Key('T');
        Type("Dobrý deň,");
        Key(VK_RETURN), Type("pes!");
        Tick();
        const CHerec* t = Last();
        // Just right of the caret's place before byte k, halfway down its line.
        auto at = [&](size_t k) {
            const PX_Kurzor c = PX_Text_Kurzor(*t->text, k);
            return POINT{t->x + c.x + 2, t->y + c.y + c.vys / 2};
        };
        for (size_t k : {size_t(0), size_t(3), size_t(5), size_t(7), size_t(10), size_t(13), size_t(15)}) {
            Click(at(k).x, at(k).y);
            EXPECT_EQ(std::pair(px_pisanie.kurzor, px_pisanie.kotva), std::pair(k, k)) << "clicked before byte " << k;
        }
        const POINT beyond = {t->x + t->sir - 3, at(11).y};  // beside the short second line
        Click(beyond.x, beyond.y);
        EXPECT_EQ(px_pisanie.kurzor, t->text->text.size());
        Click(at(1).x, at(1).y);
        plat_Headless_SetKeyDown(VK_SHIFT, true);
        Click(at(9).x, at(9).y);
        plat_Headless_SetKeyDown(VK_SHIFT, false);
        EXPECT_EQ(std::pair(px_pisanie.kotva, px_pisanie.kurzor), std::pair(size_t(1), size_t(9)));
        Type("o");
        EXPECT_EQ(plat_Utf8FromCp1250(t->text->text.c_str()), "Do,\npes!");
        EXPECT_EQ(std::tuple(running, px_pisanie.index, REG.count), std::tuple(false, 2, 3))
            << "clicks in the middle neither play the page nor end the writing";
    });
}

TEST_F(Texts, ABubbleFollowsItsActorWhilePlaying) {
    Library();
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        ObjectMenu(1, 2, 1);  // pes walks sideways
        Write("Haf!");
        ASSERT_NO_FATAL_FAILURE(TextMenu(2, 5, 2));  // Bublina k: "2 pes"
        CHerec *pes = Obj(1), *bublina = Obj(2);
        EXPECT_EQ(std::tuple(bublina->text->vzhlad, bublina->text->ciel), std::tuple(int(PX_BUBLINA), 1));
        const int dx = bublina->x - pes->x, dy = bublina->y - pes->y, from = pes->x;
        Key(VK_SPACE);
        for (int i = 0; i < 10; ++i) {
            Tick();
            EXPECT_EQ(RowUnlikeFullRedraw(), -1) << "every frame as a full redraw, tail and edges too, on tick " << i;
        }
        EXPECT_NE(pes->x, from);
        EXPECT_EQ(std::pair(bublina->x - pes->x, bublina->y - pes->y), std::pair(dx, dy));
        Tick();
        EXPECT_TRUE(Shows(bublina->x, bublina->y, bublina->x + bublina->sir, bublina->y + bublina->vys, 0xFFFF))
            << "its white letters where it went";
    });
}

TEST_F(Texts, BadTextLinesLoseNothingElse) {
    Library();
    const std::string page = "p les 4\nt 1 2\nk strom 300 200 6 1 0\nt 10 20 6 1 9 -4 1 77 Ahoj\\sdeti\n"
                             "t 5 5 6 1 0 0 0 -1 \\n\\n\\n\nt 5 5 6 1 0 0 0 -1 " + std::string(9000, 'x') +
                             "\nh pes 500 300 6 1 0\n";
    tree.File("KNIHA_Les/2.str", page);
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        ASSERT_EQ(REG.count, 3);
        const PX_Text& t = *Obj(1)->text;
        EXPECT_EQ(std::tuple(Obj(0)->eui(), t.text, t.velkost, t.ciel, Obj(2)->eui()),
                  std::tuple(int(PX_PROP), std::string("Ahoj deti"), PX_VELKOSTI - 1, -1, int(PX_ACTOR)));
        EXPECT_TRUE(test_support::LogHas({"bublina ukazuje na objekt"}));
        Key('T');
        Type(std::string(400, 'a').c_str());
        EXPECT_TRUE(PX_Text_Zmesti(Last()->text->text) && Last()->text->text.size() >= 290);
        Key(VK_ESCAPE);
        Ctrl('S');
        EXPECT_LT(tree.Read("KNIHA_Les/2.str").size(), 1000u);
    });
}

// The sample book's first page comes with its title and the dog's bubble; a card and the hare's
// bubble are added, for people to look at.
TEST_F(Texts, ScreenshotOfTheSampleBookWithWords) {
    ASSERT_NO_FATAL_FAILURE(StarterLibrary(1920, 1080));
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        ASSERT_EQ(REG.count, 13);  // zajac 8, pes 9, the title 11, the dog's bubble 12
        EXPECT_EQ(std::tuple(Obj(11)->text->text, Obj(11)->text->vzhlad, Obj(12)->text->ciel, Obj(12)->text->vzhlad),
                  std::tuple(plat_Cp1250FromUtf8("Na lúke"), int(PX_TITULOK), 9, int(PX_BUBLINA)));
        struct Napis {
            const char* words;
            int x, y, size, colour, look, object;
        };
        const Napis napisy[] = {{"Zajko a psík\nsa idú hrať.", 60, 880, 1, 7, 1, -1},
                                {"Hop, hop!", 220, 420, 1, 2, 2, 8}};
        for (const Napis& n : napisy) {
            Key('T');
            const std::string words = n.words;
            const size_t nl = words.find('\n');
            Type(words.substr(0, nl).c_str());
            if (nl != std::string::npos) Key(VK_RETURN), Type(words.substr(nl + 1).c_str());
            Key(VK_ESCAPE);
            const int i = REG.count - 1;
            ASSERT_NO_FATAL_FAILURE(TextMenu(i, 2, n.size));
            ASSERT_NO_FATAL_FAILURE(TextMenu(i, 3, n.colour));
            ASSERT_NO_FATAL_FAILURE(TextMenu(i, 4, n.look));
            Drag(i, n.x, n.y);
            if (n.object >= 0) {
                ASSERT_NO_FATAL_FAILURE(TextMenu(i, 5, n.object + 1));
            }
        }
        EXPECT_EQ(std::tuple(Obj(14)->text->ciel, Obj(13)->text->vzhlad), std::tuple(8, 1));
        Move(1900, 1000);
        Tick();
        EXPECT_TRUE(Shows(Obj(11)->x, Obj(11)->y, Obj(11)->x + Obj(11)->sir, Obj(11)->y + Obj(11)->vys, Raw(0xFFD800)));
        std::filesystem::create_directories(PEXLO_STARTER_DIR "/../screens");
        EXPECT_TRUE(test_support::SavePNG(plat_PrimarySurface(), PEXLO_STARTER_DIR "/../screens/texts.png"));
    });
}
