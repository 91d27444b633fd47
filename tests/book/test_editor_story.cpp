// Stories of an author at work, told through the pointer, the keys and the timer only, each
// checked on disk, in the editor's state and on the screen.
#include <sys/stat.h>
#include <unistd.h>

#include "framework/app/tf_appdlg.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "tests/book/editor_fixture.h"
#include "tests/book/test_export_fixture.h"

using namespace editor_test;

TEST_F(Editor, StartsChoosesBooksAndPagesAddsPicturesAndClosesOnEsc) {
    Library();
    Run([&] {
        PX_Editor& e = *px_editor;
        Move(600, 500);
        Tick();
        EXPECT_EQ(Values(duir_KNIHY), (std::vector<int>{100, 101, PX_ID_NEW_BOOK, PX_ID_TRASH, PX_ID_CLOSE_BOOKS}));
        EXPECT_EQ(std::tuple(e.group.vrstvy.count, duir_KNIHY->zivy, e.tlac_Next.zivy, e.tlac_Save.zivy),
                  std::tuple(34, false, true, false));
        EXPECT_EQ(std::tuple(current_book, current_page, Px(330, 240)), std::tuple(100, 1, Raw(TREE)))
            << "the first start opens the first book's first page";
        EXPECT_NE(Px(e.tlac_Play.x + 20, e.tlac_Play.y + 18), FILL) << "the play button";
        EXPECT_NE(Px(602, 503), FILL) << "the cursor's tip";

        ASSERT_NO_FATAL_FAILURE(Point(&e.dui_M, 0));  // "Knihy..."
        ASSERT_NO_FATAL_FAILURE(Point(duir_KNIHY, 1));
        EXPECT_EQ(std::tuple(listed_book, duir_STRANY->CountR(), duir_STRANY->zivy), std::tuple(101, 1, true));
        ASSERT_NO_FATAL_FAILURE(Choose(duir_KNIHY, 0));
        EXPECT_EQ(std::tuple(current_book, current_page, next_page, REG.count), std::tuple(100, 1, 2, 1));
        ASSERT_NO_FATAL_FAILURE(FromMenu(3, 0));  // "Pozadie...", les
        ASSERT_NO_FATAL_FAILURE(FromMenu(4, 0));  // "Kulisy...", strom
        ASSERT_NO_FATAL_FAILURE(FromMenu(5, 0));  // "Herci...", pes
        ASSERT_EQ(REG.count, 3);
        EXPECT_EQ(std::tuple(Obj(1)->x, Obj(1)->y, Obj(2)->x, Obj(2)->y), std::tuple(60, 80, 70, 110));
        EXPECT_EQ(std::pair(Obj(1)->motion, Obj(2)->motion), std::pair(1, 6));
        Tick();
        EXPECT_TRUE(dirty && e.tlac_Save.zivy);
        EXPECT_EQ(std::tuple(Px(65, 119), Px(94, 130), Px(100, 700)), std::tuple(Raw(TREE), Raw(DOG), Raw(GRASS)));

        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));  // the changes go with the page left
        EXPECT_EQ(std::tuple(current_page, prev_page, next_page, REG.count, dirty), std::tuple(2, 1, 0, 2, false));
        Tick();
        EXPECT_EQ(std::tuple(Px(330, 240), Px(525, 321), Px(900, 150)), std::tuple(Raw(TREE), Raw(DOG), Raw(0x8FD3FF)));
        EXPECT_FALSE(e.tlac_Save.zivy);
        Key(VK_ESCAPE);
        EXPECT_TRUE(test_support::LogHas({"PX - UVOLNI_VSETKO()"}));
        EXPECT_EQ(duir_KNIHY, nullptr);
    });
    EXPECT_EQ(std::pair(exit_code, tree.Read("app/PX.INI")), std::pair(0, std::string("1024 768\n2 16")));
}

const uint16_t GREEN = 0x07E0, RED = 0xF800, YELLOW = 0xFFE0;  // the outline pens

TEST_F(Editor, TakesObjectsByPointerMenuAndKeys) {
    Library();
    Run([&] {
        PX_Editor& e = *px_editor;
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));  // strom at (300, 200), pes at (500, 300)
        Move(540, 321);
        Tick();
        EXPECT_EQ(hovered, 1);
        EXPECT_TRUE(Outlined(Obj(1), GREEN));
        Down(540, 321);
        Move(530, 321);
        Tick();
        EXPECT_EQ(std::tuple(dragged, Obj(1)->x, Obj(1)->zrkadlo, e.kurzor.akt_faza), std::tuple(1, 490, 1, 1));
        EXPECT_TRUE(Outlined(Obj(1), RED));
        Move(520, 331);
        Up(520, 331);
        EXPECT_EQ(std::tuple(dragged, Obj(1)->motion, Obj(1)->vx, Obj(1)->vy, dirty),
                  std::tuple(-1, 3, -10.0, 10.0, true));
        Click(330, 240);  // no movement: no throw
        EXPECT_EQ(std::tuple(Obj(0)->motion, Obj(0)->vx, Obj(0)->x), std::tuple(6, 0.0, 300));

        Key(VK_SPACE);
        Tick();
        EXPECT_EQ(std::tuple(running, e.tlac_Play.zivy, Obj(1)->x, Obj(1)->y), std::tuple(true, false, 470, 320));
        RightClick(Mid(1).x, Mid(1).y);
        Tick(3);
        EXPECT_EQ(std::tuple(setup_target, dui_setup->zivy, dui_setup->x, Obj(1)->x), std::tuple(1, true, 494, 470));
        EXPECT_TRUE(Outlined(Obj(1), YELLOW)) << "and it stands while its menu is open";
        Key(VK_SPACE);

        // Each item of the object menu's submenus, on the actor.
        struct Case {
            int item, entry;
            std::function<int()> got;
            int want;
        };
        const Case cases[] = {
            {2, 2, [&] { return Obj(1)->motion; }, 2},      {2, 0, [&] { return Obj(1)->motion; }, 6},
            {3, 1, [&] { return Obj(1)->edge; }, 2},        {3, 0, [&] { return Obj(1)->edge; }, 1},
            {4, 1, [&] { return Obj(1)->phase_delay; }, 1}, {4, 1, [&] { return Obj(1)->phase_delay; }, 2},
            {4, 0, [&] { return Obj(1)->phase_delay; }, 1}, {1, 1, [&] { return Obj(2)->x - Obj(1)->x; }, 50},
            {1, 0, [&] { return REG.count; }, 2},
        };
        for (const Case& c : cases) {
            dirty = false;
            ASSERT_NO_FATAL_FAILURE(ObjectMenu(1, c.item, c.entry));
            EXPECT_EQ(std::tuple(c.got(), dirty, setup_target), std::tuple(c.want, true, -1))
                << c.item << " " << c.entry;
        }
        EXPECT_EQ(REG.count, 2) << "the copy was removed again, the actor kept";

        Move(Obj(0)->x + 30, Obj(0)->y + 40);
        Key(VK_DELETE);
        EXPECT_EQ(std::pair(REG.count, Obj(0)->eui()), std::pair(1, int(PX_ACTOR)));
        Key(VK_BACK);
        EXPECT_EQ(REG.count, 0);
        Key(VK_NEXT);
        EXPECT_EQ(TimerDue(), uint64_t{36});
        Key(VK_PRIOR);
        Key(VK_PRIOR);
        EXPECT_EQ(std::pair(speed_level, TimerDue()), std::pair(2, uint64_t{16}));
        Key(VK_F1);
        EXPECT_TRUE(test_support::LogHas({"REPORT_REG END", "F1 report"}));
    });
}

TEST_F(Editor, SavesPagesAndMakesNewOnesBehindTheLast) {
    Library();
    Run([&] {
        PX_Editor& e = *px_editor;
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        Move(330, 240);
        Down(330, 240);
        Move(340, 250);
        Up(340, 250);
        ASSERT_NO_FATAL_FAILURE(Press(e.tlac_Save));
        const std::string saved = "p les 4\nk strom 310 210 3 1 0\nh pes 500 300 6 1 0\n";  // thrown: it moves now
        EXPECT_EQ(tree.Read("KNIHA_Les/2.str"), saved);
        Tick();
        const std::string thm = tree.Read("KNIHA_Les/2.thm");
        ASSERT_GT(thm.size(), 26u);
        EXPECT_EQ(std::pair(thm[18] + 0, thm[22] + 0), std::pair(66, 50)) << "the screen fitted into 100 x 50";
        ASSERT_TRUE((*duir_STRANY)[1]->ikona);
        EXPECT_EQ((*duir_STRANY)[1]->ikona->srf->sir, 66) << "the pages list shows it";
        EXPECT_FALSE(dirty || e.tlac_Save.zivy);

        chmod(tree.Host("KNIHA_Les").c_str(), 0555);
        plat_SetWriteFailure(geteuid() == 0);  // root ignores the folder's mode
        Key(VK_BACK);
        ASSERT_NO_FATAL_FAILURE(Press(e.tlac_Save));
        plat_SetWriteFailure(false);
        chmod(tree.Host("KNIHA_Les").c_str(), 0755);
        Tick();
        EXPECT_EQ(std::tuple(tree.Read("KNIHA_Les/2.str"), dirty, e.tlac_Save.zivy), std::tuple(saved, true, true));
        EXPECT_NE(std::string(status_text).find("Chyba"), std::string::npos);
        EXPECT_TRUE(Shows(W / 2 - 75, H - 25, W / 2 + 100, H - 10, Raw(0xF0F0F0))) << "the status line";

        EXPECT_TRUE(e.tlac_Nova.zivy && !e.tlac_Opusti.zivy) << "the last page";
        ASSERT_NO_FATAL_FAILURE(Press(e.tlac_Nova));  // the changed page is saved on leaving it
        Tick();
        EXPECT_EQ(std::tuple(current_page, prev_page, REG.count, Px(300, 600)), std::tuple(PX_NEW_PAGE, 2, 0, FILL));
        EXPECT_EQ(tree.Read("KNIHA_Les/2.str"), "p les 4\nk strom 310 210 3 1 0\n");
        EXPECT_TRUE(!e.tlac_Nova.zivy && e.tlac_Opusti.zivy && e.tlac_Prev.zivy && !e.tlac_Next.zivy);
        ASSERT_NO_FATAL_FAILURE(FromMenu(5, 0));
        ASSERT_NO_FATAL_FAILURE(Press(e.tlac_Opusti));  // the new page is dropped, as asked
        EXPECT_EQ(std::tuple(current_page, REG.count, tree.Exists("KNIHA_Les/3.str")), std::tuple(2, 1, false));
        ASSERT_NO_FATAL_FAILURE(Press(e.tlac_Nova));
        ASSERT_NO_FATAL_FAILURE(FromMenu(5, 0));
        ASSERT_NO_FATAL_FAILURE(Press(e.tlac_Save));
        EXPECT_EQ(tree.Read("KNIHA_Les/3.str"), "h pes 70 110 6 1 0\n");
        EXPECT_EQ(std::tuple(current_page, prev_page, duir_STRANY->CountR()), std::tuple(3, 2, 3));
        EXPECT_EQ(std::string(status_text), plat_W1250(u8"Uložené: strana 3"));
        ASSERT_NO_FATAL_FAILURE(Press(e.tlac_Prev));
        EXPECT_EQ(std::tuple(current_page, next_page, REG.count), std::tuple(2, 3, 1));
        ASSERT_NO_FATAL_FAILURE(Press(e.tlac_Next));
        EXPECT_EQ(current_page, 3);
        ASSERT_NO_FATAL_FAILURE(Choose(&e.dui_M, e.dui_M.volby.count - 1));  // "Koniec", the last
        EXPECT_TRUE(e.uvolnene);
    });
    EXPECT_EQ(std::pair(exit_code, tree.Read("app/PX.INI")), std::pair(0, std::string("1024 768\n2 16")));
}

TEST_F(Editor, MakesNewBooksFromTheTemplate) {
    Library();
    Run([&] {
        tf_UTL_CDLG_EDIT* dialog = px_editor->nova_kniha;
        ASSERT_NO_FATAL_FAILURE(FromMenu(1, 2));  // "Nová kniha"
        EXPECT_TRUE(dialog->zivy);
        EXPECT_EQ(std::pair(dialog->x + dialog->sir / 2, dialog->y + dialog->vys / 2), std::pair(W / 2, H / 2));
        Type("ZOO");
        ASSERT_NO_FATAL_FAILURE(Press(*dialog->tlac_ok));
        EXPECT_EQ(tree.Read("KNIHA_ZOO/1.str"), "k strom 40 40 6 1 0\n");
        EXPECT_EQ(std::tuple(current_book, current_page, REG.count, dialog->zivy), std::tuple(102, 1, 1, false));

        const std::vector<std::string> before = tree.Names("");
        ASSERT_NO_FATAL_FAILURE(FromMenu(1, 3));
        EXPECT_EQ(std::string(dialog->Get_Text()), "") << "a fresh name each time";
        Type("ZOO");
        ASSERT_NO_FATAL_FAILURE(Press(*dialog->tlac_ok));  // "ZOO" again
        EXPECT_TRUE(test_support::LogHas({"Duplicitny nazov knihy!"}));
        ASSERT_NO_FATAL_FAILURE(FromMenu(1, 3));
        for (int i = 0; i < 3; ++i) Key(VK_BACK);
        EXPECT_EQ(REG.count, 1) << "the keys went to the name";
        ASSERT_NO_FATAL_FAILURE(Press(*dialog->tlac_ok));
        EXPECT_TRUE(dialog->zivy) << "no name: refused, the dialog stays for one";
        EXPECT_EQ(std::string(status_text), plat_W1250(u8"[Názov knihy je prázdny]"));
        ASSERT_NO_FATAL_FAILURE(Press(*dialog->tlac_zrus));
        EXPECT_FALSE(dialog->zivy);
        EXPECT_EQ(tree.Names(""), before);
        EXPECT_EQ(current_book, 102);
    });
}

TEST_F(Editor, FollowsADisplayModeChange) {
    Library();
    Run([&] {
        PX_Editor& e = *px_editor;
        auto change_to = [&](const char* row) {
            ASSERT_NO_FATAL_FAILURE(Press(*screen->FindCHLWithID(TF_APP_ID_RESOLUTION)));
            tf_CDUIR* list = screen->m_pDlgRozlisenie->m_duir_Rozlisenia;
            int i = 0;
            while (i < list->CountR() && std::string((*list)[i]->text) != row) ++i;
            ASSERT_NO_FATAL_FAILURE(Choose(list, i));
            ASSERT_NO_FATAL_FAILURE(Press(*screen->FindCHLWithID(TF_APPDLG_ID_RES_APPLY)));
        };
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        Key(VK_BACK);
        ASSERT_NO_FATAL_FAILURE(change_to("1280  x  720"));
        EXPECT_EQ(std::tuple(e.tlac_Next.x, e.tlac_Prev.y, e.tlac_Save.y, e.tlac_Play.x),
                  std::tuple(1233, 670, 658, 616));
        EXPECT_EQ(std::tuple(current_page, REG.count, dirty, tree.Read("KNIHA_Les/2.str")),
                  std::tuple(2, 1, false, std::string("p les 4\nk strom 300 200 6 1 0\n")))
            << "saved before the change";
        Tick();
        EXPECT_EQ(Px(1100, 700), Raw(GRASS)) << "the background fills the new screen";

        ASSERT_NO_FATAL_FAILURE(Press(e.tlac_Nova));
        ASSERT_NO_FATAL_FAILURE(change_to("1280  x  720"));
        EXPECT_EQ(std::tuple(current_page, REG.count), std::tuple(PX_NEW_PAGE, 0)) << "an unchanged new page is kept";
        ASSERT_NO_FATAL_FAILURE(FromMenu(4, 0));
        ASSERT_NO_FATAL_FAILURE(change_to("1024  x  768"));
        EXPECT_EQ(std::tuple(current_page, REG.count, e.tlac_Next.x, tree.Read("KNIHA_Les/3.str")),
                  std::tuple(3, 1, W - 47, std::string("k strom 60 80 1 2 0\n")));
    });
    EXPECT_EQ(tree.Read("app/PX.INI"), "1024 768\n2 16");
}

// F9: the shown page, changed and not saved, exported beside its page file while the editor goes on.
TEST_F(Editor, F9ExportsTheShownPageAsItIsWhileTheEditorGoesOn) {
    Library();
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));  // page 2: les, strom, pes
        Key(VK_BACK);                             // the dog goes; not saved
        Key(VK_F9);
        EXPECT_EQ(std::string(status_text), plat_W1250(u8"kniha: Les  Exportujem…"));
        // The export runs on while the editor ticks; slow builds get two minutes.
        for (int i = 0; i < 24000 && std::string(status_text).find("Exportujem") != std::string::npos; ++i) {
            usleep(5000);
            Tick();
        }
        EXPECT_EQ(std::tuple(std::string(status_text), dirty), std::tuple("kniha: Les  GIF: 2.gif", true));
    });
    const std::string file = tree.Read("KNIHA_Les/2.gif");
    const export_test::Gif g = export_test::Decode(file);
    ASSERT_EQ(std::tuple(g.w, g.h, g.frames.size()), std::tuple(W / 2, H / 2, size_t{100}));  // 5 s at 20 a second
    const auto shows = [&](uint32_t rgb) {
        return std::count_if(g.frames[0].begin(), g.frames[0].end(),
                             [&](uint32_t c) { return export_test::ColourError({c}, {rgb}).second <= 8; });
    };
    EXPECT_TRUE(shows(TREE) > 0 && shows(DOG) == 0);
    EXPECT_EQ(tree.Read("KNIHA_Les/2.str"), "p les 4\nk strom 300 200 6 1 0\n");  // saved at the end
    EXPECT_EQ(tree.Names("app"), (std::vector<std::string>{"KNIHA_DEFNEW", "NAPOSLEDY.INI", "PX.INI", "tf_LOG.txt"}));
}
