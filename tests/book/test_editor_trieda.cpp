// A classroom's settings: the library on a stick, the templates a child picks a new book from,
// and the switches that each refuse their action with a message.
#include "book/px_trieda.h"
#include "framework/tuning/tf_km.h"
#include "platform/codepage.h"
#include "platform/voice.h"
#include "tests/book/editor_fixture.h"

using namespace editor_test;

namespace {
class Classroom : public Editor {
protected:
    static std::string Said() { return plat_Utf8FromCp1250(status_text); }
    static std::vector<std::string> Rows(tf_CDUIR* list) {
        std::vector<std::string> rows;
        for (int i = 0; i < list->CountR(); ++i) rows.push_back(plat_Utf8FromCp1250((*list)[i]->text));
        return rows;
    }
};
}  // namespace

TEST_F(Classroom, EachSwitchRefusesItsActionWithAMessage) {
    Library();
    tree.File("app/TRIEDA.INI", "bez_konca 1\nbez_mazania 1\r\nbez_ladenia 1\nstlmene 1\nneznamy 7\n");
    Run([&] {
        struct Konec {  // whatever fails, the story can end
            ~Konec() { px_trieda.bez_konca = false; }
        } konec;
        EXPECT_TRUE(plat_Muted()) << "muted from the start";
        Key('M');
        EXPECT_TRUE(plat_Muted());
        EXPECT_EQ(Said(), "Zvuk je v tejto triede vypnutý");
        Key(VK_ESCAPE);
        EXPECT_FALSE(px_editor->uvolnene);
        EXPECT_EQ(Said(), "Program sa v tejto triede nedá ukončiť");
        ASSERT_NO_FATAL_FAILURE(Choose(&px_editor->dui_M, px_editor->dui_M.volby.count - 1));  // "Koniec"
        EXPECT_FALSE(px_editor->uvolnene);
        Post(WM_CLOSE, 0, 0);
        EXPECT_FALSE(px_editor->uvolnene) << "nor from the desktop";
        Ctrl(VK_F1);
        EXPECT_FALSE(tf_KM_on);
        EXPECT_EQ(Said(), "Ladenie rozloženia je v tejto triede vypnuté");
        ASSERT_NO_FATAL_FAILURE(Point(&px_editor->dui_M, 0));
        ASSERT_NO_FATAL_FAILURE(Point(duir_KNIHY, 1));
        const RECT r = static_cast<tf_TVOLBA*>(duir_KNIHY->volby.GET(1))->obdlz;
        Post(WM_RBUTTONDOWN, 0, MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
        ASSERT_TRUE(px_editor->riadok->zivy);
        ASSERT_NO_FATAL_FAILURE(Choose(px_editor->riadok, 1));  // "Odstrániť"
        EXPECT_FALSE(px_editor->otazka->zivy) << "not even asked";
        EXPECT_EQ(Said(), "Knihy a strany sa v tejto triede nedajú odstrániť");
        EXPECT_TRUE(tree.Exists("KNIHA_More/1.str"));
    });
    EXPECT_EQ(exit_code, 0);
}

TEST_F(Classroom, TheLibraryOnAStickAndANewBookFromTheTemplateAChildPicks) {
    Library();
    tree.Dir("Stick");
    tree.Dir("Sablony");
    DrawnBook(tree, "Stick/KNIHA_Zo stick", {{"1", "k strom 10 10 6 1 0\n"}});
    DrawnBook(tree, "Sablony/KNIHA_Rozprávka", {{"1", "h pes 300 300 6 1 0\n"}});
    tree.File("app/TRIEDA.INI", "kniznica " + tree.Host("Stick") + "\nsablona KNIHA_DEFNEW\nsablona " +
                                    tree.Host("Sablony/KNIHA_Rozprávka") + "\nsablona chyba/KNIHA_Nie\n");
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(Point(&px_editor->dui_M, 0));
        EXPECT_EQ(Rows(duir_KNIHY), (std::vector<std::string>{"Zo stick", "Nová kniha: DEFNEW", "Nová kniha: Rozprávka",
                                                              "Kôš", "Zavrieť"}))
            << "the stick's books; a template that is missing is not offered";
        ASSERT_NO_FATAL_FAILURE(Choose(duir_KNIHY, 2));
        ASSERT_TRUE(px_editor->nova_kniha->zivy);
        Type("Moja");
        ASSERT_NO_FATAL_FAILURE(Press(*px_editor->nova_kniha->tlac_ok));
        EXPECT_EQ(tree.Read("Stick/KNIHA_Moja/1.str"), "h pes 300 300 6 1 0\n") << "made on the stick from the template";
        EXPECT_FALSE(tree.Exists("KNIHA_Moja"));
        EXPECT_EQ(plat_Utf8FromCp1250(status_text).find("kniha: Moja"), 0u) << "and opened";
    });
}

TEST_F(Classroom, AMissingLibraryFolderIsSaidAndNothingIsWrittenElsewhere) {
    Library();
    tree.File("app/TRIEDA.INI", "kniznica " + tree.Host("Vytiahnuty") + "\nbez_konca 0\nstlmene ano\n");
    Run([&] {
        EXPECT_EQ(Said().rfind("Priečinok knižnice chýba", 0), 0u) << Said();
        EXPECT_FALSE(plat_Muted()) << "a switch that is neither 1 nor 0 stays off";
        ASSERT_NO_FATAL_FAILURE(Point(&px_editor->dui_M, 0));
        EXPECT_EQ(Rows(duir_KNIHY), (std::vector<std::string>{"Nová kniha", "Kôš", "Zavrieť"}));
        ASSERT_NO_FATAL_FAILURE(Choose(duir_KNIHY, 0));
        Type("Nova");
        ASSERT_NO_FATAL_FAILURE(Press(*px_editor->nova_kniha->tlac_ok));
        EXPECT_FALSE(tree.Exists("Vytiahnuty"));
        EXPECT_FALSE(tree.Exists("KNIHA_Nova"));
    });
}
