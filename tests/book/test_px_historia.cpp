// The undo history's byte bound: pictures that only the history keeps count towards it.
#include "book/px_editor_cmd.h"
#include "book/px_historia.h"
#include "tests/book/book_fixture.h"

using namespace book_test;

namespace {
struct History : PageTest {
    void TearDown() override {
        PX_HIST_Vymaz();
        PageTest::TearDown();
    }
};
}  // namespace

// Past the bound the oldest steps go, and with them the pictures only they showed.
TEST_F(History, PicturesRemovedFromThePageCountTowardsTheBound) {
    const int side = 1000;  // 2 MB of pixels: eight fit
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
