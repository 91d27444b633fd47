// The undo history under a seeded walk of every edit command, undos and redos on a page whose
// objects share their pictures: each undo and redo lands on the page that step left, and
// undoing everything gives back the first page to the pixel and the byte.
#include <random>

#include "book/px_editor_cmd.h"
#include "book/px_historia.h"
#include "tests/book/book_fixture.h"
#include "tests/book/page_dump.h"

using namespace book_test;

namespace {
struct History : PageTest {
    void TearDown() override {
        PX_HIST_Vymaz();
        PageTest::TearDown();
    }
    // The page, the page file it saves as and its pixels.
    std::string Whole() {
        ZOBRAZ_STRANU(back);
        SAVE_REG(tree.Path("look.str").c_str());
        std::string s = page_dump::Dump() + tree.Read("look.str");
        for (int y = 0; y < back->Height(); ++y) s.append(reinterpret_cast<const char*>(back->Row(y)), 2 * size_t(W + 50));
        return s;
    }
    // One edit as the editor makes it, on a random object.
    void Edit(std::mt19937& rng) {
        const int any = REG.count ? int(rng() % unsigned(REG.count)) : -1;
        const int pick = int(rng() % 14 % 12);  // adding twice as likely
        setup_target = any;
        switch (pick) {
        case 0: PX_AddProp(1); break;
        case 1: PX_AddActor(1); break;
        case 2: PX_AddBackground(rng() % 2 ? 1 : 7); break;  // no row 7: no background
        case 3: PX_SetBackgroundMode(1 + int(rng() % 5)); break;
        case 4: PX_RemoveOrCopyObject(1 + int(rng() % 2)); break;
        case 5: PX_SetMotion(1 + int(rng() % 6)); break;
        case 6: PX_SetEdge(1 + int(rng() % 2)); break;
        case 7: PX_SetPace(1 + int(rng() % 2)); break;
        case 8: hovered = any, PX_DeleteHovered(); break;
        case 9: PX_RemoveLast(); break;
        case 10:
            setup_target = -1;
            PX_TogglePlay();
            for (int t = int(rng() % 5); t > 0; --t) TIK_ANIMACIE();
            PX_TogglePlay();  // paused: a pause is no step
            break;
        default:
            if (CHerec* o = REG_Objekt(any)) {  // a drag and throw, as the editor's pointer makes it
                const int dx = int(rng() % 9) - 4, dy = int(rng() % 9) - 4;
                PX_HIST_Zaznam(PX_UPRAVA_PRESUN);
                o->x += dx, o->y += dy, o->zrkadlo = dx < 0;
                HOD(o, dx, dy);
            }
        }
        setup_target = hovered = -1;
    }
};
}  // namespace

TEST_F(History, ASeededWalkLandsOnEveryPageItLeftAndUndoesToTheFirst) {
    const std::string file = "p les 4\nk strom 10 10 1 2 0\nh pes 30 30 3 1 0\nk strom 90 40 5 1 0\nh pes 60 20 2 2 1\n";
    ASSERT_TRUE(RELOAD_REG(PageFile(file).c_str()));
    const std::string first = Whole();
    std::vector<std::string> pages{page_dump::Dump()};  // the page after each step kept
    size_t at = 0, deepest = 0;
    std::mt19937 rng(1717);
    for (int i = 0; i < 4000; ++i) {
        const unsigned r = rng() % 100;
        if (r < 42) {
            PX_Undo();
            at -= at > 0;
        } else if (r < 55) {
            PX_Redo();
            at += at + 1 < pages.size();
        } else {
            Edit(rng);
            if (const std::string now = page_dump::Dump(); now != pages[at]) {
                pages.resize(++at);
                pages.push_back(now);
            }
        }
        ASSERT_EQ(page_dump::Dump(), pages[at]) << "op " << i;
        deepest = std::max(deepest, pages.size());
    }
    ASSERT_LT(deepest, size_t(PX_HIST_MAX_STEPS)) << "nothing was dropped for the bound";
    for (size_t i = 0; i < pages.size(); ++i) PX_Undo();
    EXPECT_EQ(Whole(), first);
    for (size_t i = 0; i < pages.size(); ++i) PX_Redo();
    EXPECT_EQ(page_dump::Dump(), pages.back());
}

// Pictures that only the history keeps count towards its bound: past it the oldest steps go,
// and with them the pictures that only they showed.
TEST_F(History, PicturesRemovedFromThePageCountTowardsTheBound) {
    const int pictures = 10, side = 1000;  // 2 MB of pixels each: 8 fit the bound
    for (int i = 0; i < pictures; ++i)
        kulisy.PRIDAJR(2 + i, "big", nullptr, false)->data =
            strdup(Picture("big" + std::to_string(i) + ".bmp", side, side).c_str());
    for (int i = 0; i < pictures; ++i) PX_AddProp(2 + i);
    for (int i = 0; i < pictures; ++i) PX_RemoveLast();
    PX_Undo();
    EXPECT_LE(PX_HIST_Pamat(), PX_HIST_MAX_BYTES);
    EXPECT_GT(PX_HIST_Pamat(), PX_HIST_MAX_BYTES - 4 * size_t(side * side));
    while (strstr(status_text, "nie je") == nullptr) PX_Undo();
    EXPECT_EQ(REG.count, 8) << "back to where the eight pictures that fit were shown";
}
