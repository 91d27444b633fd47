#include "tests/book/editor_fixture.h"

#include <unistd.h>

#include <cctype>
#include <filesystem>

#include "framework/widgets/tf_dsgn.h"
#include "platform/backend.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/window_internal.h"

namespace editor_test {

void Editor::SetUp() {
    tree.Dir("app");
    app_.emplace(tree.Host("app"));
    test_support::FreshLog();
    PX_STAV_Reset();
    PX_srand(1);
}

void Editor::TearDown() {
    plat_SetWriteFailure(false);
    EXPECT_EQ(asserts.count(), 0);
    EXPECT_EQ(px_editor, nullptr);
}

void Editor::StarterLibrary(int w, int h) {
    if (!tree.Exists("library"))
        std::filesystem::copy(PEXLO_STARTER_DIR "/library", tree.Host("library"), std::filesystem::copy_options::recursive);
    tree.File("library/app/PX.INI", std::to_string(w) + " " + std::to_string(h) + "\n2 16");
    ASSERT_EQ(chdir(tree.Host("library/app").c_str()), 0);
}

void Editor::Library() {
    DrawnBook(tree, "KNIHA_Les",
              {{"1", "k strom 300 200 6 1 0\n"}, {"2", "p les 4\nk strom 300 200 6 1 0\nh pes 500 300 6 1 0\n"}});
    DrawnBook(tree, "KNIHA_More", {{"1", "h pes 100 100 6 1 0\n"}});
    DrawnBook(tree, "app/KNIHA_DEFNEW", {{"1", "k strom 40 40 6 1 0\n"}});
    // Pages made for the stories' screen: shown as they are, unscaled.
    for (const char* book : {"KNIHA_Les", "KNIHA_More", "app/KNIHA_DEFNEW"})
        tree.File(std::string(book) + "/KNIHA.INI", "strana " + std::to_string(W) + " " + std::to_string(H) + "\n");
}

void Editor::Run(const std::function<void()>& story) {
    tree.File("app/PX.INI", "1024 768\n2 16");
    plat_Headless_Start(display);
    screen = new CKnihaScreen(nullptr, SW_SHOWNORMAL, "PX.INI");
    screen->SetBackground(-1, "", false);
    screen->SetAppInfo("Pexlo", "(verzia: 1.1)", "test", &px_editor->rezia, 432, 86);
    int idle = 0;
    // Esc ends a story that did not end it; a dialog left open takes the first one, reading the
    // book the next.
    plat_Headless_SetIdleScript([&] {
        if (idle++ == 0) story();
        if (idle < 4) {
            if (!px_editor->uvolnene) plat_Headless_Post(WM_KEYDOWN, VK_ESCAPE, 0);
        } else if (idle == 100) {
            ADD_FAILURE() << "the editor did not close";
            PostMessageA(tf_hWnd, WM_CLOSE, 0, 0);
        }
    });
    exit_code = screen->Execute();
    plat_Headless_SetIdleScript(nullptr);
    delete screen;
    screen = nullptr;
    tf_DSGN_DONE();
}

void Editor::Post(UINT msg, WPARAM wParam, LPARAM lParam) {
    plat_Headless_Post(msg, wParam, lParam);
    Handle();
}

void Editor::Drop(const std::vector<std::string>& files) {
    plat_Headless_Drop(files);
    Handle();
}

// Everything queued is handled; the quit request stays for the editor's own loop.
void Editor::Handle() {
    MSG m;
    while (plat_MessageWaiting() && PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE) && m.message != WM_QUIT) {
        PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE);
        DispatchMessageA(&m);
    }
}

void Editor::Type(const char* utf8) {
    for (const char c : plat_Cp1250FromUtf8(utf8)) {
        const int up = toupper(static_cast<unsigned char>(c));
        if (isascii(up) && (isalnum(up) || up == ' ')) Key(up);
        Post(WM_CHAR, static_cast<unsigned char>(c), 0);
    }
}

void Editor::Ctrl(int vk, bool shift) {
    plat_Headless_SetKeyDown(VK_CONTROL, true);
    plat_Headless_SetKeyDown(VK_SHIFT, shift);
    Key(vk);
    plat_Headless_SetKeyDown(VK_SHIFT, false);
    plat_Headless_SetKeyDown(VK_CONTROL, false);
}

void Editor::Point(tf_CDUI* list, int i) {
    Tick();  // lists lay themselves out when drawn
    ASSERT_TRUE(list && list->zivy && i < list->volby.count) << (list ? list->nazov : "no list") << " " << i;
    const RECT r = static_cast<tf_TVOLBA*>(list->volby.GET(i))->obdlz;
    Move((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void Editor::Choose(tf_CDUI* list, int i) {
    ASSERT_NO_FATAL_FAILURE(Point(list, i));
    const RECT r = static_cast<tf_TVOLBA*>(list->volby.GET(i))->obdlz;
    Down((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    Up((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void Editor::Press(const tf_CPol& button) {
    Tick();
    int w = 0, h = 0;
    const_cast<tf_CPol&>(button).GetSize(&w, &h);
    Click(button.x + w / 2, button.y + h / 2);
}

void Editor::FromMenu(int item, int r) {
    tf_CDUI& menu = px_editor->dui_M;
    ASSERT_NO_FATAL_FAILURE(Point(&menu, item - 1));
    ASSERT_NO_FATAL_FAILURE(Choose(static_cast<tf_TVOLBA*>(menu.volby.GET(item - 1))->detail, r));
}

void Editor::OpenPage(int book, int page) {
    ASSERT_NO_FATAL_FAILURE(Point(&px_editor->dui_M, 0));
    ASSERT_NO_FATAL_FAILURE(Point(duir_KNIHY, book));
    ASSERT_NO_FATAL_FAILURE(Choose(duir_STRANY, page));
}

void Editor::ObjectMenu(int i, int item, int entry) {
    RightClick(Mid(i).x, Mid(i).y);
    ASSERT_NO_FATAL_FAILURE(Point(dui_setup, item - 1));
    tf_CDUI* submenus[] = {dui_setup_1, dui_setup_2, dui_setup_3, dui_setup_4};
    ASSERT_NO_FATAL_FAILURE(Choose(submenus[item - 1], entry));
}

uint64_t Editor::TimerDue() { return plat_NextTimerDue() - plat_Headless_Now(); }

}  // namespace editor_test
