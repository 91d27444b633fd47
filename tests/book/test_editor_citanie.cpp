// Reading the book: the pages turn by their narration and the book's page time, keys and edge
// clicks step, a turn's frames are the two pages slid apart, children's throws stay off the
// page files, and Esc brings the editor back on the page read last as it was.
#include <png.h>

#include <filesystem>
#include <map>

#include "book/px_citanie.h"
#include "book/px_historia.h"
#include "book/px_narracia.h"
#include "platform/codepage.h"
#include "platform/pixel.h"
#include "platform/sound_file.h"
#include "tests/book/editor_fixture.h"
#include "tests/support/png_writer.h"
#include "tests/support/tones.h"

using namespace editor_test;

namespace {
constexpr int TICK_MS = 16;  // the stories' frame timer
constexpr int SHADOW = 28;   // the turn's shadow beside the old page
int Ticks(int ms) { return (ms + TICK_MS - 1) / TICK_MS; }

class Reading : public Editor {
protected:
    // "Kniha" of three pages of still props (page 2 on the meadow, with a narration of one
    // second), read at a page time of 2 s.
    void Book() {
        Library();
        DrawnBook(tree, "KNIHA_Kniha",
                  {{"1", "k strom 100 100 6 1 0\n"}, {"2", "p les 4\nk strom 600 300 6 1 0\n"}, {"3", "k strom 400 500 6 1 0\n"}});
        tree.File("KNIHA_Kniha/KNIHA.INI", "strana 1024 768\ncas_strany 2\n");
        ASSERT_TRUE(plat_WriteWavFile(tree.Path("KNIHA_Kniha/2.wav").c_str(), test_support::Tone(300, 1, PLAT_MIX_RATE)));
    }
    // Its first page shown in the editor.
    void FirstPage() {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        ASSERT_EQ(plat_Utf8FromCp1250(status_text), "kniha: Kniha  strana: 1");
    }
    static int Shown() { return px_citanie.index < px_citanie.strany.size() ? px_citanie.strany[px_citanie.index] : 0; }
    // The screen's rows, the pointer parked in the corner.
    std::vector<uint16_t> Screen() {
        std::vector<uint16_t> s;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) s.push_back(Px(x, y));
        return s;
    }
    // The book's files and a hash of each one's bytes.
    std::map<std::string, size_t> Files() {
        std::map<std::string, size_t> all;
        for (const auto& e : std::filesystem::recursive_directory_iterator(tree.Host("KNIHA_Kniha")))
            if (e.is_regular_file())
                all[e.path().filename().string()] = std::hash<std::string>()(test_support::ReadFile(e.path().string()));
        return all;
    }
};
}  // namespace

TEST_F(Reading, PagesTurnByNarrationAndPageTimeKeysAndEdgesStepAndEscReturnsWithNothingTouched) {
    Book();
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(FirstPage());
        const auto before = Files();  // the picture lists' thumbnails made as the book opened
        const int steps = PX_HIST_Krokov();
        Key(VK_F5);
        ASSERT_TRUE(px_citanie.zapnute);
        EXPECT_EQ(Shown(), 1);
        EXPECT_TRUE(running) << "the page plays";
        Tick(Ticks(2000) - 1);
        EXPECT_EQ(Shown(), 1) << "a page without a narration stays its page time";
        Tick();
        EXPECT_EQ(Shown(), 2);
        ASSERT_NE(px_narracia.hlas, nullptr);
        Tick(Ticks(1000 + PX_DOZNIEVANIE_MS) - 1);
        EXPECT_EQ(Shown(), 2) << "the narration, then a moment more";
        Tick();
        EXPECT_EQ(Shown(), 3);
        Key(VK_SPACE);
        Tick(500);
        EXPECT_EQ(Shown(), 3) << "paused";
        Key(VK_SPACE);
        Tick(Ticks(2000));
        EXPECT_EQ(px_citanie.index, px_citanie.strany.size()) << "the closing card after the last page";
        Tick(500);
        EXPECT_EQ(px_citanie.index, px_citanie.strany.size()) << "it waits";
        Key(VK_LEFT);
        EXPECT_EQ(Shown(), 3);
        Key(VK_HOME);
        EXPECT_EQ(Shown(), 1);
        Key(VK_NEXT);
        EXPECT_EQ(Shown(), 2);
        Key(VK_PRIOR);
        EXPECT_EQ(Shown(), 1);
        Click(W - 5, H / 2);
        EXPECT_EQ(Shown(), 2) << "the right edge";
        Click(W - 5, H / 2);
        Click(5, H / 2);
        EXPECT_EQ(Shown(), 2) << "the left edge";
        Key(VK_ESCAPE);
        EXPECT_FALSE(px_citanie.zapnute);
        EXPECT_FALSE(px_editor->uvolnene) << "Esc ended the reading, not the editor";
        EXPECT_EQ(current_page, 2) << "the page read last";
        EXPECT_EQ(REG.count, 1);
        EXPECT_FALSE(dirty);
        EXPECT_EQ(PX_HIST_Krokov(), steps);
        Key(VK_ESCAPE);
        EXPECT_EQ(Files(), before) << "no page file touched";
    });
}

TEST_F(Reading, ATurnSlidesTheOldPageAwayOverTheNewOne) {
    Book();
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(FirstPage());
        Key(VK_NEXT);  // a slower pace: the turn's last tick leaves a sliver of the old page
        const int tick = PX_Perioda_ms();
        ASSERT_EQ(tick, 36);
        Key(VK_F5);
        Move(W - 1, H - 1);
        Tick();
        const std::vector<uint16_t> old_page = Screen();
        const int y = 140;  // a row through the old page's tree and the new page's sky, clear of the pointer
        Key(VK_RIGHT);
        std::vector<std::vector<uint16_t>> frames;
        for (int t = 0; t < PX_PRECHOD_MS; t += tick) {
            Tick();
            frames.push_back(Screen());
        }
        const std::vector<uint16_t> new_page = Screen();
        EXPECT_EQ(RowUnlikeFullRedraw(), -1) << "the turn ends on the new page alone";
        ASSERT_NE(old_page, new_page);
        for (size_t k : {size_t(0), frames.size() / 2, frames.size() - 2}) {
            const std::vector<uint16_t>& f = frames[k];
            int posun = 0;  // where the old page's row shows now
            while (posun < W && !std::equal(f.begin() + y * W, f.begin() + y * W + (W - posun), old_page.begin() + y * W + posun))
                ++posun;
            ASSERT_LT(posun, W) << "frame " << k << ": the old page, slid left";
            EXPECT_GT(posun, k == 0 ? -1 : W / 4) << k;
            for (int x = W - posun + SHADOW; x < W; ++x) ASSERT_EQ(f[y * W + x], new_page[y * W + x]) << k << " " << x;
            for (int x = W - posun; x < std::min(W, W - posun + SHADOW); ++x)
                EXPECT_LE(f[y * W + x] & 0x1F, new_page[y * W + x] & 0x1F) << "shadowed";
        }
    });
}

TEST_F(Reading, ChildrensThrowsAndTheAuthorsUnsavedChangesAreKeptApart) {
    Book();
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(FirstPage());
        const auto before = Files();  // the picture lists' thumbnails made as the book opened
        // The author moves the tree: unsaved.
        const POINT m = Mid(0);
        Move(m.x, m.y), Down(m.x, m.y), Move(m.x + 40, m.y), Move(m.x + 90, m.y), Move(m.x + 90, m.y), Up(m.x + 90, m.y);
        Tick(3);
        ASSERT_TRUE(dirty);
        const int x = Obj(0)->x, steps = PX_HIST_Krokov();
        ASSERT_EQ(x, 190);
        Key(VK_F5);
        EXPECT_EQ(Obj(0)->x, x) << "the page read as the author left it";
        // A child throws it.
        const POINT c = Mid(0);
        Move(c.x, c.y), Down(c.x, c.y), Move(c.x + 50, c.y + 50), Move(c.x + 100, c.y + 100), Up(c.x + 100, c.y + 100);
        Tick(10);
        EXPECT_NE(Obj(0)->x, x);
        EXPECT_EQ(PX_HIST_Krokov(), steps) << "no step for the throw";
        Key(VK_ESCAPE);
        EXPECT_EQ(current_page, 1);
        EXPECT_EQ(Obj(0)->x, x) << "the author's page as it was";
        EXPECT_TRUE(dirty) << "still unsaved";
        EXPECT_EQ(Files(), before);
        Key(VK_F5);
        Key(VK_RIGHT);
        Key(VK_ESCAPE);
        EXPECT_EQ(current_page, 2);
        EXPECT_EQ(tree.Read("KNIHA_Kniha/1.str"), "k strom 190 100 6 1 0\n")
            << "leaving a changed page for the page read last saves it, as any turn in the editor";
        Key(VK_ESCAPE);
    });
}

TEST_F(Reading, PagesThatCannotBeReadAreSkippedAndOddSettingsAreBroughtIntoRange) {
    Book();
    tree.File("KNIHA_Kniha/KNIHA.INI", "strana 1024 768\ncas_strany 864000\n");
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(FirstPage());
        std::filesystem::remove(tree.Host("KNIHA_Kniha/2.str"));
        Key(VK_F5);
        EXPECT_EQ(px_citanie.cas_strany_ms, 600000) << "clamped";
        Key(VK_RIGHT);
        EXPECT_EQ(Shown(), 3) << "page 2 skipped";
        EXPECT_EQ(plat_Utf8FromCp1250(px_citanie.sprava.c_str()), "Stranu 2 sa nedá prečítať");
        Tick(3000 / TICK_MS + 1);
        EXPECT_TRUE(px_citanie.sprava.empty()) << "said a moment";
        EXPECT_EQ(RowUnlikeFullRedraw(), -1);
        Key(VK_ESCAPE);
        ASSERT_EQ(current_page, 3);
        std::filesystem::remove(tree.Host("KNIHA_Kniha/1.str"));
        Key(VK_F5);
        EXPECT_EQ(Shown(), 3) << "the page shown is read as the editor holds it";
        Key(VK_HOME);
        EXPECT_EQ(Shown(), 3) << "the pages before it are all gone: skipped on to it";
        Key(VK_ESCAPE);
        EXPECT_FALSE(px_citanie.zapnute);
        Key(VK_ESCAPE);
    });
}

TEST_F(Reading, WithoutABookOpenF5GivesAHint) {
    DrawnBook(tree, "app/KNIHA_DEFNEW", {{"1", "k strom 40 40 6 1 0\n"}});
    Run([&] {
        ASSERT_EQ(current_book, -1);
        Key(VK_F5);
        EXPECT_FALSE(px_citanie.zapnute);
        EXPECT_NE(std::string(status_text).find("Knihy"), std::string::npos) << "where to open one";
    });
}

TEST_F(Reading, AFilmStripOfAPageTurnToLookAt) {
    ASSERT_NO_FATAL_FAILURE(StarterLibrary(1280, 720));
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        Key(VK_F5);
        Move(1279, 719);
        Tick(20);
        constexpr int FRAMES = 8, FW = 320, FH = 180;
        std::vector<uint8_t> strip(size_t(FRAMES) * FW * FH * 3);
        for (int k = 0; k < FRAMES; ++k) {
            if (k == 1) Key(VK_RIGHT);
            if (k > 0) Tick(Ticks(PX_PRECHOD_MS) / (FRAMES - 2));
            IDirectDrawSurface* s = plat_PrimarySurface();
            for (int y = 0; y < FH; ++y)
                for (int x = 0; x < FW; ++x) {
                    const uint16_t px = test_support::Px(s, x * s->Width() / FW, y * s->Height() / FH);
                    plat_PixelsToBgr(&px, 1, &strip[(size_t(y) * FRAMES * FW + size_t(k) * FW + x) * 3]);
                }
        }
        std::filesystem::create_directories(PEXLO_STARTER_DIR "/../screens");
        EXPECT_TRUE(test_support::WritePngBytes(PEXLO_STARTER_DIR "/../screens/reading.png", FRAMES * FW, FH, PNG_FORMAT_BGR, strip));
    });
}
