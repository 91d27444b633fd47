// The editor stories' set-up: a library made by the test (books beside the working folder
// "app", the template inside it), the real editor screen on the headless display, and the
// user's hand: pointer, buttons, keys and timer ticks, each handled before the next line of
// the story runs.
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "book/pexlo.h"
#include "framework/widgets/tf_duir.h"
#include "platform/backend.h"
#include "platform/pixel.h"
#include "tests/book/book_fixture.h"
#include "tests/support/pixels.h"

namespace editor_test {
using book_test::DOG;
using book_test::DrawnBook;
using book_test::GRASS;
using book_test::TREE;
using book_test::Values;

constexpr int W = 1024, H = 768;
constexpr uint16_t FILL = 500;  // the page's fill, a raw pixel value

class Editor : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The library most stories use: "Les" with pages 1 (a prop) and 2 (background, prop,
    // actor), "More" with page 1, and the template in "app"; every book has the background
    // "les", the prop "strom" and the actor "pes".
    void Library();
    // The starter library as a new user gets it (copied once a test), the editor to start at
    // w x h in its folder "app".
    void StarterLibrary(int w, int h);

    // Runs the editor with the story inside it; Esc ends a story that did not end it.
    void Run(const std::function<void()>& story);
    // The message, and everything queued, handled.
    void Post(UINT msg, WPARAM wParam, LPARAM lParam);
    void Move(int x, int y) { Post(WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
    void Down(int x, int y) { Post(WM_LBUTTONDOWN, 0, MAKELPARAM(x, y)); }
    void Up(int x, int y) { Post(WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }
    void Click(int x, int y) { Move(x, y), Down(x, y), Up(x, y); }
    void RightClick(int x, int y) { Move(x, y), Post(WM_RBUTTONDOWN, 0, MAKELPARAM(x, y)); }
    // Files dropped on the window together (host paths).
    void Drop(const std::vector<std::string>& files);
    void Key(int vk) { Post(WM_KEYDOWN, static_cast<WPARAM>(vk), 0); }
    // Text typed as the desktop delivers it: each character's key (letters, digits and space
    // have one) and then the character, as its byte of the code page.
    void Type(const char* utf8);
    void Ctrl(int vk, bool shift = false);  // the key with Ctrl (and Shift) held
    void Tick(int n = 1) {
        for (int i = 0; i < n; ++i) Post(WM_TIMER, 1, 0);
    }
    // Onto the middle of a list's or menu's shown entry i: pointing opens its pop-up.
    void Point(tf_CDUI* list, int i);
    void Choose(tf_CDUI* list, int i);
    void Press(const tf_CPol& button);  // a click in the middle of a widget
    // The main menu's item i opens its pop-up; its row r is chosen.
    void FromMenu(int item, int r);
    // The page row of the book row, through the main menu and the books list.
    void OpenPage(int book, int page);

    // The first row of the screen shown that a full redraw made now draws otherwise, or -1. The
    // redraw leaves the program's own wish for a frame, or for parts, as it was.
    static int RowUnlikeFullRedraw() {
        IDirectDrawSurface* shown = plat_PrimarySurface();
        std::vector<uint16_t> frame;
        for (int y = 0; y < shown->Height(); ++y) frame.insert(frame.end(), shown->Row(y), shown->Row(y) + shown->Width());
        const tf_APP_FrameNeed need = tf_APP_frame_need;
        tf_APP_Redraw_Frame();
        tf_APP_frame_need = need;
        for (int y = 0; y < shown->Height(); ++y)
            if (memcmp(frame.data() + size_t(y) * shown->Width(), shown->Row(y), size_t(shown->Width()) * 2) != 0) return y;
        return -1;
    }
    static uint16_t Px(int x, int y) { return test_support::Px(plat_PrimarySurface(), x, y); }
    // Some pixel of the rectangle (both ends included) has that colour.
    static bool Shows(int l, int t, int r, int b, uint16_t colour) {
        return test_support::CountIn(l, t, r, b, [&](int x, int y) { return Px(x, y) == colour; }) > 0;
    }
    // The object's outline, its top edge one pixel out, shows the colour.
    static bool Outlined(CHerec* o, uint16_t colour) {
        return o && Shows(o->x - 1, o->y - 1, o->x + o->AktSIR(), o->y - 1, colour);
    }
    static uint16_t Raw(uint32_t rgb) { return plat_XrgbTo565(rgb); }
    // Until the frame timer's next tick.
    static uint64_t TimerDue();
    CHerec* Obj(int i) const { return REG_Objekt(i); }
    POINT Mid(int i) const { return {Obj(i)->x + Obj(i)->AktSIR() / 2, Obj(i)->y + Obj(i)->AktVYS() / 2}; }
    // Item `item` of object i's menu, and entry `entry` of that item's submenu.
    void ObjectMenu(int i, int item, int entry);

    test_support::TempTree tree;
    plat_HeadlessConfig display;  // the display Run starts on
    test_support::AssertCounter asserts;
    CKnihaScreen* screen = nullptr;
    int exit_code = -1;

private:
    void Handle();
    std::optional<test_support::InFolder> app_;
};

}  // namespace editor_test
