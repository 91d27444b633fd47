// The book tests' set-up: a small screen, the program-wide page state afresh, the asset
// lists of a book in a scratch folder, and pictures written there.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "book/pexlo.h"
#include "framework/widgets/tf_utl.h"
#include "tests/support/temp_tree.h"

namespace book_test {

using Colour = std::function<uint32_t(int x, int y)>;  // 0xRRGGBB

class PageTest : public testing::Test {
public:
    static constexpr int W = 250, H = 120;
    static constexpr uint16_t FILL = 500;  // the page's raw fill

protected:
    void SetUp() override;
    void TearDown() override;

    // A 24-bit picture `rel` in the scratch folder; its program path.
    std::string Picture(const std::string& rel, int w, int h, const Colour& colour);
    // A row `name` of the list whose data is the program path of `rel`.
    void Asset(tf_UTL_CDUIR_THMFILE& list, const char* name, const std::string& rel);
    // The prop "strom" (16 x 12, one phase) and the actor "pes" (three 8 x 8 phases framed
    // in cyan, red, green and yellow, each with a transparent magenta pixel) with its
    // phases file; both in the asset lists.
    void StandardAssets();
    uint16_t Px(int x, int y) { return back->Row(y)[x]; }
    // A page file with the content; its program path.
    std::string PageFile(const std::string& content, const std::string& rel = "1.str");

    test_support::TempTree tree;
    IDirectDraw* dd = nullptr;
    // Wider and taller than the screen, so that drawing beyond it shows.
    IDirectDrawSurface* back = nullptr;
    tf_CDas_Surface background{"pozadie"};
    tf_UTL_CDUIR_THMFILE pozadia, kulisy, herci;
    std::string strom, pes;  // program paths of the standard assets

private:
    int saved[4] = {};
};

// Pixels of the standard actor's sheet.
constexpr uint32_t CYAN = 0x00FFFF, MAGENTA = 0xFF00FF, RED = 0xFF0000, GREEN = 0x00FF00, YELLOW = 0xFFFF00;
CHerec* Obj(int i);

}  // namespace book_test
