// The undo history under a seeded walk of every edit command, undos and redos on a page whose
// objects share their pictures; and its byte bound.
#include <random>

#include "book/px_editor_cmd.h"
#include "book/px_historia.h"
#include "book/px_narracia.h"
#include "tests/book/book_fixture.h"
#include "tests/book/page_dump.h"

using namespace book_test;

namespace {
struct History : PageTest {
    // One edit as the editor makes it, on a random object; adding is twice as likely.
    static void Edit(std::mt19937& rng) {
        const int any = REG.count ? int(rng() % unsigned(REG.count)) : -1, pick = int(rng() % 14 % 12);
        const int id = 1 + int(rng() % (pick == 3 ? 5 : pick == 5 ? 6 : 2));
        setup_target = hovered = any;
        void (*const with_id[])(int) = {PX_AddProp,   PX_AddActor, PX_AddBackground, PX_SetBackgroundMode,
                                        PX_RemoveOrCopyObject, PX_SetMotion, PX_SetEdge, PX_SetPace};
        if (pick < 8) with_id[pick](pick < 2 ? 1 : pick == 2 ? id * 6 - 5 : id);  // background row 7: none
        if (pick == 8) PX_DeleteHovered();
        if (pick == 9) PX_RemoveLast();
        if (pick == 10) {  // played a little and paused: a pause is no step
            PX_TogglePlay();
            for (int t = int(rng() % 5); t > 0; --t) TIK_ANIMACIE();
            PX_TogglePlay();
        }
        if (CHerec* o = REG_Objekt(any); o && pick == 11) {  // a drag and throw, as the pointer makes it
            const int dx = int(rng() % 9) - 4, dy = int(rng() % 9) - 4;
            PX_HIST_Zaznam(PX_UPRAVA_PRESUN);
            o->x += dx, o->y += dy, o->zrkadlo = dx < 0;
            HOD(o, dx, dy);
        }
        setup_target = hovered = -1;
    }
};
}  // namespace

// Each undo and redo lands on the page that step left; undoing everything gives back the first
// page to the pixel and the byte, redoing everything the last.
TEST_F(History, ASeededWalkLandsOnEveryPageItLeftAndUndoesToTheFirst) {
    ASSERT_TRUE(RELOAD_REG(PageFile("p les 4\nk strom 10 10 1 2 0\nh pes 30 30 3 1 0\nh pes 60 20 2 2 1\n").c_str()));
    auto whole = [&] {
        ZOBRAZ_STRANU(back);
        SAVE_REG(tree.Path("look.str").c_str());
        std::string s = PageDump() + tree.Read("look.str");
        for (int y = 0; y < H; ++y) s.append(reinterpret_cast<char*>(back->Row(y)), 2 * W);
        return s;
    };
    const std::string first = whole();
    std::vector<std::string> pages{PageDump()};  // the page after each step
    size_t at = 0;
    std::mt19937 rng(1717);
    for (int i = 0; i < 4000; ++i) {
        const unsigned r = rng() % 100;
        if (r < 42) {
            PX_Undo();
            at -= at > 0;
        } else if (r < 55) {
            PX_Redo();
            at += at + 1 < pages.size();
        } else if (Edit(rng), PageDump() != pages[at]) {
            pages.resize(++at);
            pages.push_back(PageDump());
        }
        ASSERT_EQ(PageDump(), pages[at]) << "op " << i;
        ASSERT_LT(pages.size(), size_t(PX_HIST_MAX_STEPS)) << "the bound would drop the first page";
    }
    for (size_t i = 0; i < pages.size(); ++i) PX_Undo();
    EXPECT_EQ(whole(), first);
    for (size_t i = 0; i < pages.size(); ++i) PX_Redo();
    EXPECT_EQ(PageDump(), pages.back());
}

// Narrations that only the history keeps count as well: ten recordings of two minutes (10 MB
// each) keep the bound, and the page's own narration is not the history's.
TEST_F(History, NarrationsReplacedOnThePageCountTowardsTheBound) {
    const size_t samples = size_t(120) * PLAT_MIX_RATE;
    for (int i = 0; i < 10; ++i) {
        PX_HIST_Zaznam(PX_UPRAVA_NAHRAVKA);
        auto s = std::make_shared<plat_Sound>();
        s->samples.assign(samples, int16_t(i));
        PX_Narracia_Stav stav = PX_Narracia_Zachyt();
        stav.hlas = std::move(s);
        PX_Narracia_Obnov(stav);
    }
    PX_HIST_Zaznam(PX_UPRAVA_POHYB);  // the last recording becomes a step
    EXPECT_LE(PX_HIST_Pamat(), PX_HIST_MAX_BYTES);
    EXPECT_GT(PX_HIST_Pamat(), PX_HIST_MAX_BYTES - 2 * samples * sizeof(int16_t));
    int back = 0;
    while (!strstr(status_text, "nie je")) PX_Undo(), ++back;
    EXPECT_LT(back, 10) << "the oldest recordings went";
    EXPECT_NE(px_narracia.hlas, nullptr);
    PX_Narracia_Vymaz();
}

// Pictures that only the history keeps count: past the bound the oldest steps go, and with them
// the pictures only they showed.
TEST_F(History, PicturesRemovedFromThePageCountTowardsTheBound) {
    const int side = 2000;  // 8 MB of pixels: eight fit
    for (int i = 0; i < 10; ++i) {
        const std::string path = Picture("b" + std::to_string(i) + ".bmp", side, side);
        kulisy.PRIDAJR(2 + i, "big", nullptr, false)->data = strdup(path.c_str());
        PX_AddProp(2 + i);
    }
    for (int i = 0; i < 10; ++i) PX_RemoveLast();
    PX_Undo();
    EXPECT_LE(PX_HIST_Pamat(), PX_HIST_MAX_BYTES);
    EXPECT_GT(PX_HIST_Pamat(), PX_HIST_MAX_BYTES - 4 * size_t(side * side));
    while (!strstr(status_text, "nie je")) PX_Undo();
    EXPECT_EQ(REG.count, 8) << "back to where the eight pictures that fit were shown";
}
