// Stories of menus that stay on the screen and say what is set, and of book names written as
// people write them, through window messages only.
#include "book/px_sprava.h"
#include "platform/codepage.h"
#include "tests/book/editor_fixture.h"

using namespace editor_test;

namespace {
const uint32_t MARKED = 0x96DC96, STRIP = 0xC82828;  // a marked entry's fill, the error strip

class Fit : public Editor {
protected:
    // The list lies whole on the screen.
    static bool OnScreen(tf_CDUI* l) {
        int w = 0, h = 0;
        l->GetSize(&w, &h);
        return l->zivy && l->x >= 0 && l->y >= 0 && l->x + w <= W && l->y + h <= H;
    }
    // The actor dragged so that its middle is at (x, y), left there unthrown.
    void DragActorTo(int x, int y) {
        const POINT m = Mid(1);
        Move(m.x, m.y);
        Down(m.x, m.y);
        Move(x, y);
        Move(x, y);
        Up(x, y);
    }
    static tf_TVOLBA* Entry(tf_CDUI* l, int i) { return static_cast<tf_TVOLBA*>(l->volby.GET(i)); }
    static bool ErrorShown() { return PX_Sprava_Je_chyba() && Shows(W / 2 - 84, H - 28, W / 2 - 76, H - 22, Raw(STRIP)); }
};
}  // namespace

// A list opened over the page takes the click: the picture under its entry stays where it is.
// The menu bar, always there, lets a picture under it be taken.
TEST_F(Fit, AClickOnAListOverAPictureTakesNotThePicture) {
    Library();
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        ASSERT_NO_FATAL_FAILURE(Point(&px_editor->dui_M, 0));
        POINT over{-1, -1};  // the books list's trash row: a click there changes no page
        for (int i = 0; i < duir_KNIHY->volby.count; ++i)
            if (const RECT r = Entry(duir_KNIHY, i)->obdlz; Entry(duir_KNIHY, i)->hodnota == PX_ID_TRASH)
                over = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ASSERT_GT(over.x, 0);
        Click(W - 40, H / 2);
        ASSERT_FALSE(duir_KNIHY->zivy);
        DragActorTo(40, 12);
        DragActorTo(over.x, over.y);
        EXPECT_EQ(std::pair(Mid(1).x, Mid(1).y), std::pair(over.x, over.y)) << "taken from under the menu bar";
        ASSERT_NO_FATAL_FAILURE(Point(&px_editor->dui_M, 0));  // the books list opens over the dog
        Move(over.x, over.y);
        Down(over.x, over.y);
        Move(over.x + 50, over.y + 50);
        Up(over.x + 50, over.y + 50);
        ASSERT_EQ(REG.count, 2);
        EXPECT_EQ(std::pair(Mid(1).x, Mid(1).y), std::pair(over.x, over.y));
    });
}

TEST_F(Fit, TheObjectMenuNearEachEdgeStaysOnTheScreenAndMarksWhatIsSet) {
    Library();
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));  // pes at (500, 300)
        ASSERT_NO_FATAL_FAILURE(ObjectMenu(1, 2, 2));  // "2-Vlna"
        ASSERT_NO_FATAL_FAILURE(ObjectMenu(1, 3, 1));  // "Bez odrazu"
        const POINT corners[] = {{W - 12, 300}, {500, H - 12}, {W - 12, H - 12}, {20, 20}};
        for (const POINT c : corners) {
            SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
            DragActorTo(c.x, c.y);
            const POINT m = Mid(1);
            RightClick(m.x, m.y);
            ASSERT_EQ(setup_target, 1);
            Tick();
            int w = 0, h = 0;
            dui_setup->GetSize(&w, &h);
            EXPECT_TRUE(OnScreen(dui_setup));
            EXPECT_EQ(dui_setup->x, m.x + w <= W ? m.x : m.x - w) << "at the pointer, else ending there";
            EXPECT_EQ(dui_setup->y, m.y + h <= H ? m.y : m.y - h);
            for (int item : {2, 3}) {  // "Pohyb" and "Kolízia" open on the screen, the set one marked
                ASSERT_NO_FATAL_FAILURE(Point(dui_setup, item - 1));
                tf_CDUI* sub = item == 2 ? dui_setup_2 : dui_setup_3;
                Tick();
                EXPECT_TRUE(OnScreen(sub)) << item;
                const int set = item == 2 ? Obj(1)->motion : Obj(1)->edge;
                EXPECT_EQ(set, 2) << "as chosen";
                for (int i = 0; i < sub->volby.count; ++i) {
                    const RECT r = Entry(sub, i)->obdlz;
                    EXPECT_EQ(Shows(r.left + 1, r.top + 1, r.left + 3, r.bottom - 2, Raw(MARKED)), Entry(sub, i)->hodnota == set)
                        << item << " " << i;
                }
            }
            EXPECT_EQ(std::string(Entry(dui_setup, 3)->text), plat_W1250(u8"Animácia: 0")) << "its pace";
            Click(700, 500);  // a left press closes it
            Tick();
            EXPECT_FALSE(dui_setup->zivy);
        }
    });
}

TEST_F(Fit, ANewBooksNameIsWrittenAsPeopleWriteItAndTheDialogTakesEveryKey) {
    Library();
    Run([&] {
        tf_UTL_CDLG_EDIT* dialog = px_editor->nova_kniha;
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        Move(Mid(1).x, Mid(1).y);  // the actor under the pointer: Delete would take it
        ASSERT_NO_FATAL_FAILURE(FromMenu(1, 2));  // "Nová kniha"
        Type("Môj les 2");  // the space's key as well
        Key(VK_DELETE);
        Type("2");
        EXPECT_EQ(std::string(dialog->Get_Text()), plat_W1250(u8"Môj les 2"));
        EXPECT_EQ(std::tuple(running, REG.count), std::tuple(false, 2)) << "the keys went to the name";
        Key(VK_RETURN);
        EXPECT_FALSE(dialog->zivy);
        EXPECT_EQ(tree.Read(plat_Utf8FromCp1250(plat_W1250(u8"KNIHA_Môj les 2/1.str"))), "k strom 40 40 6 1 0\n");
        EXPECT_EQ(std::tuple(current_book, current_page, running), std::tuple(102, 1, false));

        const std::vector<std::string> before = tree.Names("");
        ASSERT_NO_FATAL_FAILURE(FromMenu(1, 3));
        Type("les_a-b");
        Key(VK_ESCAPE);  // cancels the dialog, not the editor
        EXPECT_EQ(std::tuple(dialog->zivy, px_editor->uvolnene), std::tuple(false, false));
        EXPECT_EQ(tree.Names(""), before);
    });
}

TEST_F(Fit, NamesNoFolderMayHoldAreRefusedWithAMessageOnTheScreen) {
    Library();
    Run([&] {
        tf_UTL_CDLG_EDIT* dialog = px_editor->nova_kniha;
        const std::vector<std::string> before = tree.Names("");
        ASSERT_NO_FATAL_FAILURE(FromMenu(1, 2));
        for (const char* bad : {"/", "\\", ":", "*", "?", "\"", "<", ">", "|", "."}) {
            SCOPED_TRACE(bad);
            Type((std::string("Les") + bad).c_str());
            Tick();
            EXPECT_EQ(std::string(dialog->Get_Text()), "Les") << "not taken";
            EXPECT_TRUE(ErrorShown());
            for (int i = 0; i < 3; ++i) Key(VK_BACK);
        }
        EXPECT_NE(std::string(status_text).find(plat_W1250(u8"len písmená")), std::string::npos) << "the '.'";

        Type(std::string(41, 'a').c_str());
        EXPECT_EQ(std::string(dialog->Get_Text()), std::string(40, 'a')) << "the 41st is not taken";
        EXPECT_EQ(std::string(status_text), plat_W1250(u8"[Názov knihy má viac ako 40 znakov]"));
        for (int i = 0; i < 40; ++i) Key(VK_BACK);

        Type("   ");
        Key(VK_RETURN);
        Tick();
        EXPECT_TRUE(dialog->zivy) << "only spaces: refused, the dialog stays";
        EXPECT_EQ(std::string(status_text), plat_W1250(u8"[Názov knihy je prázdny]"));
        EXPECT_TRUE(ErrorShown());
        Key(VK_ESCAPE);
        EXPECT_EQ(tree.Names(""), before);
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));  // its line written over the error: no longer red
        Tick();
        EXPECT_EQ(std::string(status_text), "kniha: Les  strana: 1");
        EXPECT_FALSE(PX_Sprava_Je_chyba() || Shows(W / 2 - 84, H - 28, W / 2 - 76, H - 22, Raw(STRIP)));
    });
}

TEST_F(Fit, TheBackgroundModeMenuMarksTheModeSet) {
    Library();
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));  // "p les 4"
        const auto marked = [&] {  // the values of the entries drawn marked
            std::vector<int> v;
            for (int i = 0; i < dui_PozGeometria->volby.count; ++i) {
                const RECT r = Entry(dui_PozGeometria, i)->obdlz;
                if (Shows(r.left + 1, r.top + 1, r.left + 3, r.bottom - 2, Raw(MARKED)))
                    v.push_back(Entry(dui_PozGeometria, i)->hodnota);
            }
            return v;
        };
        ASSERT_NO_FATAL_FAILURE(Point(&px_editor->dui_M, 5));  // "Poz.Geom..."
        Tick();
        EXPECT_EQ(marked(), std::vector<int>{4});
        ASSERT_NO_FATAL_FAILURE(Choose(dui_PozGeometria, 1));  // "Simple"
        EXPECT_EQ(background_mode, 2);
        Move(W / 2, H / 2);
        ASSERT_NO_FATAL_FAILURE(Point(&px_editor->dui_M, 5));
        Tick();
        EXPECT_EQ(marked(), std::vector<int>{2});
        EXPECT_TRUE(OnScreen(dui_PozGeometria));
    });
}
