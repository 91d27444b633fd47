// The dialogs on one headless frame, written next to the test program as
// dialogs_screenshot.bmp and dialogs_screenshot.png and checked where a fault shows.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "framework/app/tf_appdlg.h"
#include "framework/widgets/tf_dedb.h"
#include "framework/widgets/tf_dsgn.h"
#include "framework/widgets/tf_label.h"
#include "framework/widgets/tf_utl.h"
#include "platform/ddraw.h"
#include "tests/framework/app/dialogs_showcase.h"
#include "tests/framework/app/screenshot_fixture.h"
#include "tests/support/temp_tree.h"

namespace {
class DialogsScreenshot : public screenshot_test::Screenshot {
protected:
    void SetUp() override {
        Screenshot::SetUp();
        tree.Dir("obrazky");
        dialogs_test::DrawPictures(tree.Host("obrazky"));
        ASSERT_NO_FATAL_FAILURE(Capture(screen, screen.frames, false, [this] { screen.OpenAll(); }));
    }
    std::vector<tf_CDDialog*> Dialogs() {
        return {screen.m_pDlgInfo, screen.m_pDlgRozlisenie, screen.m_pDlgCasovac, screen.edit};
    }
    // Dark pixels (text ink) in the rectangle, both ends included.
    int Ink(const RECT& r) const {
        int n = 0;
        for (int y = r.top; y <= r.bottom; ++y)
            for (int x = r.left; x <= r.right; ++x) n += Luma(Px(x, y)) < 60000;
        return n;
    }
    // A text's size in the font, measured afresh: the display it was drawn on is gone.
    static SIZE Measure(HFONT font, const char* text) {
        IDirectDrawSurface* s = plat_CreateTestSurface(8, 8);
        HDC dc = nullptr;
        SIZE size{};
        if (s->GetDC(&dc) == DD_OK) {
            SelectObject(dc, font);
            GetTextExtentPoint32A(dc, text, int(strlen(text)), &size);
            s->ReleaseDC(dc);
        }
        s->Release();
        return size;
    }
    // Where the label's text lies.
    static RECT Box(const tf_CLabel* l) {
        const SIZE size = Measure(l->font ? l->font : tf_DSGN.hFont, l->text);
        return {l->x, l->y, l->x + size.cx - 1, l->y + size.cy - 1};
    }
    test_support::TempTree tree;
    dialogs_test::DialogsScreen screen{tree.Path("obrazky")};
};

TEST_F(DialogsScreenshot, IsWrittenAsBmpAndPngThatReadBack) { SaveAndReadBack("dialogs_screenshot"); }

TEST_F(DialogsScreenshot, EveryCaptionIsInkedInsideItsPanelClearOfTheOthers) {
    std::vector<RECT> panels = {screen.picker->obal};
    for (tf_CDDialog* d : Dialogs()) {
        ASSERT_TRUE(d->zivy);
        const RECT panel = {d->x, d->y, d->x + d->sir, d->y + d->vys};
        for (const RECT& other : panels)
            EXPECT_TRUE(panel.left > other.right + 3 || panel.top > other.bottom + 3 ||
                        other.left > panel.right + 3 || other.top > panel.bottom + 3);
        panels.push_back(panel);
        std::vector<RECT> captions;
        for (int i = 0; i < d->deti.count; ++i) {
            auto* w = static_cast<tf_CPol*>(d->deti.GET(i));
            if (w->class_id != TF_CLASS_LABEL) continue;
            const RECT r = Box(static_cast<tf_CLabel*>(w));
            EXPECT_TRUE(r.left > panel.left && r.right < panel.right && r.top >= panel.top && r.bottom < panel.bottom)
                << d->ID << " caption " << w->ID;
            EXPECT_GT(Ink(r), 8) << d->ID << " caption " << w->ID;
            for (const RECT& c : captions)
                EXPECT_TRUE(r.left > c.right || r.right < c.left || r.top > c.bottom || r.bottom < c.top)
                    << d->ID << " caption " << w->ID;
            captions.push_back(r);
        }
    }
}

TEST_F(DialogsScreenshot, TheBoxesShowTheirTextsAndThePickerEachThumbnailBesideItsWholeName) {
    const tf_CAppResolutionDlg* res = screen.m_pDlgRozlisenie;
    EXPECT_EQ(std::string(res->m_pSirka->text) + " " + res->m_pVyska->text + " " + screen.m_pDlgCasovac->m_pPerioda->text +
                  " " + screen.edit->Get_Text(),
              "1024 768 16 ROZPRAVKY");
    for (const tf_CDEDB* box : {res->m_pSirka, res->m_pVyska, screen.m_pDlgCasovac->m_pPerioda, screen.edit->edit}) {
        const SIZE typed = Measure(box->font, box->text);
        EXPECT_GT(Ink({box->x + 3, box->y + 3, box->x + 3 + typed.cx, box->y + box->vys - 4}), typed.cx) << box->text;
    }
    tf_UTL_CDUIR_THMFILE* p = screen.picker;
    const COLORREF marks[] = {0x002020D0, 0x00C08020, 0x0020D0FF, 0x0030A030};  // apple, sea, sun, tree
    ASSERT_EQ(p->riadky.count, 4);
    for (int i = 0; i < 4; ++i) {
        const auto* v = static_cast<const tf_TVOLBA*>(p->volby.GET(i));
        const RECT& r = v->obdlz;
        const int text_x = r.left + p->text_okraj;
        EXPECT_TRUE(Shows(r.left + 1, r.top + 1, text_x - 1, r.bottom - 1, Raw(marks[i]))) << v->text;
        EXPECT_FALSE(Shows(text_x, r.top + 1, r.right - 1, r.bottom - 1, Raw(marks[i]))) << v->text;
        EXPECT_LT(text_x + Measure(p->font, v->text).cx, r.right) << v->text;
    }
}
}  // namespace
