// The whole book as one GIF from a terminal: each page for its reading time, a turn between
// pages that slides the old page away over the new one, the closing card at the end; pages
// that cannot be read are left out, and a book with none writes nothing.
#include <gmock/gmock.h>
#include <sys/stat.h>

#include <filesystem>
#include <numeric>

#include "book/px_citanie.h"
#include "book/px_export_kniha.h"
#include "book/px_nastavenia.h"
#include "platform/sound_file.h"
#include "tests/book/book_fixture.h"
#include "tests/book/test_export_fixture.h"
#include "tests/support/tones.h"

using namespace export_test;
using testing::HasSubstr;

namespace {
constexpr uint32_t RED = 0xF80000, BLUE = 0x0000F8, GREEN = 0x00FC00;
constexpr int OW = 240, OH = 135, FRAME_MS = 100;  // at ten frames a second

// "T": page 1 red, page 2 blue with a narration of a second, page 3 green, each a plain
// background stretched over the page, read at the page time of `ini`.
struct BookGif : book_test::BookTest {
    void Book(const std::string& ini) {
        book_test::DrawnBook(tree, "KNIHA_T", {{"1", "p r 4\n"}, {"2", "p b 4\n"}, {"3", "p g 4\n"}});
        for (auto [name, rgb] : {std::pair("r", RED), {"b", BLUE}, {"g", GREEN}})
            book_test::WritePicture(tree, std::string("KNIHA_T/Pozadia/") + name + ".bmp", 64, 36,
                                    [rgb](int, int) { return rgb; });
        tree.File("KNIHA_T/KNIHA.INI", ini);
        ASSERT_TRUE(plat_WriteWavFile(tree.Path("KNIHA_T/2.wav").c_str(), test_support::Tone(300, 1, PLAT_MIX_RATE)));
    }
    // pexlo-export --book from the app folder at ten frames a second: its status and all it said.
    static std::pair<int, std::string> Cli(const std::string& more = "") {
        return test_support::RunCommand(std::string(PEXLO_EXPORT_BIN) +
                                        " ../KNIHA_T --book --screen 480x270 --size 240x135 --fps 10 " + more);
    }
    Gif Read() const { return Decode(tree.Read("KNIHA_T/T.gif")); }
};

// Frames in a time: the first page's own, a turn with each later page, the card's turn.
size_t Frames(int ms) { return static_cast<size_t>(ms / FRAME_MS); }
bool Near(uint32_t a, uint32_t b) { return ColourError({a}, {b}).second <= 8; }
uint32_t At(const Gif& g, size_t frame, int x, int y) { return g.frames[frame][static_cast<size_t>(y * g.w + x)]; }
}  // namespace

// Page 1 for the page time, page 2 for its narration and a moment, page 3 again for the page
// time, a turn before each later page and before the card; the turn's frames slide the old
// page away to the left, uncovering the new one already there.
TEST_F(BookGif, EachPageForItsReadingTimeWithTurnsBetweenAndTheCardAtTheEnd) {
    ASSERT_NO_FATAL_FAILURE(Book("cas_strany 2\n"));
    const auto [status, said] = Cli("--progress");
    ASSERT_EQ(status, 0) << said;
    EXPECT_THAT(said, HasSubstr("3 pages, "));
    EXPECT_THAT(said, testing::StartsWith("0%\n1%\n"));
    EXPECT_THAT(said, HasSubstr("\n99%\n100%\n"));
    const Gif g = Read();
    const int page_ms = 2000, narrated_ms = 1000 + PX_DOZNIEVANIE_MS;
    const std::vector<size_t> starts = {0, Frames(page_ms), Frames(page_ms + PX_PRECHOD_MS + narrated_ms),
                                        Frames(2 * page_ms + 2 * PX_PRECHOD_MS + narrated_ms)};
    const size_t turn = Frames(PX_PRECHOD_MS);
    ASSERT_EQ(std::tuple(g.w, g.h, g.frames.size(), g.loops_forever), std::tuple(OW, OH, starts[3] + turn, true));
    std::vector<int> delays(g.frames.size(), FRAME_MS / 10);
    delays.back() += PX_KARTA_MS / 10;
    EXPECT_EQ(g.delays, delays);
    EXPECT_EQ(std::accumulate(g.delays.begin(), g.delays.end(), 0) * 10,
              2 * page_ms + narrated_ms + 3 * PX_PRECHOD_MS + PX_KARTA_MS);

    // Each page alone before its turn; a turn's first frame has the old page all but a sliver,
    // its middle one the old page on the left and the new page on the right, its last the new page.
    const uint32_t pages[] = {RED, BLUE, GREEN};
    for (size_t p = 0; p < 3; ++p) {
        const uint32_t old = pages[p];
        const size_t alone = starts[p + 1] - 1;
        EXPECT_TRUE(Near(At(g, alone, 0, 0), old) && Near(At(g, alone, OW - 1, OH - 1), old)) << p;
        const size_t first = starts[p + 1], middle = first + turn / 2 - 1, last = first + turn - 1;
        EXPECT_TRUE(Near(At(g, first, 1, OH / 2), old) && Near(At(g, first, OW / 2, OH / 2), old)) << p;
        EXPECT_TRUE(Near(At(g, middle, 10, OH / 2), old)) << p;
        if (p == 2) continue;  // the card after the last page
        const uint32_t next = pages[p + 1];
        EXPECT_TRUE(Near(At(g, first, OW - 1, OH / 2), next)) << p;
        EXPECT_TRUE(Near(At(g, middle, OW - 10, OH / 2), next)) << p;
        EXPECT_TRUE(Near(At(g, last, 0, OH / 2), next) && Near(At(g, last, OW - 1, OH / 2), next)) << p;
    }
    // The card: evening blue at the top, no page left on it.
    const std::vector<uint32_t>& card = g.frames.back();
    EXPECT_TRUE(Near(card[0], 0x282264)) << std::hex << card[0];
    EXPECT_TRUE(std::none_of(card.begin(), card.end(), [&](uint32_t c) {
        return std::any_of(std::begin(pages), std::end(pages), [&](uint32_t p) { return Near(c, p); });
    }));

    // ImageMagick reads every frame of it.
    if (test_support::RunCommand("command -v identify").first != 0) GTEST_SKIP() << "ImageMagick is not installed";
    const auto [id_status, listed] = test_support::RunCommand("identify " + tree.Host("KNIHA_T/T.gif"));
    EXPECT_EQ(id_status, 0);
    EXPECT_EQ(static_cast<size_t>(std::count(listed.begin(), listed.end(), '\n')), g.frames.size());
}

// A page time of 0, below 0 or of ten days is brought into 1 s ... 10 min; a page that cannot
// be read is left out with a word; a book none of whose pages can be read writes nothing.
TEST_F(BookGif, OddPageTimesAreBroughtIntoRangeAndUnreadablePagesAreLeftOut) {
    ASSERT_NO_FATAL_FAILURE(Book("cas_strany 0\n"));
    const size_t narrated = Frames(1000 + PX_DOZNIEVANIE_MS), turn = Frames(PX_PRECHOD_MS);
    for (const char* ini : {"cas_strany 0\n", "cas_strany -5\n"}) {
        tree.File("KNIHA_T/KNIHA.INI", ini);
        ASSERT_EQ(Cli().first, 0) << ini;
        EXPECT_EQ(Read().frames.size(), 2 * Frames(PX_CAS_STRANY_MIN_MS) + narrated + 3 * turn) << ini;
    }
    tree.File("KNIHA_T/KNIHA.INI", "cas_strany 864000\n");  // ten days: the longest page time, frames of a second
    ASSERT_EQ(Cli("--fps 1 --size 16x16").first, 0);
    const Gif longest = Read();
    EXPECT_EQ(std::accumulate(longest.delays.begin(), longest.delays.end(), 0) * 10,
              2 * PX_CAS_STRANY_MAX_MS + 1000 + PX_DOZNIEVANIE_MS + 3 * PX_PRECHOD_MS + PX_KARTA_MS);

    // Page 2 becomes a pipe: listed, but it cannot be read.
    tree.File("KNIHA_T/KNIHA.INI", "cas_strany 2\n");
    std::filesystem::remove(tree.Host("KNIHA_T/2.str"));
    ASSERT_EQ(mkfifo(tree.Host("KNIHA_T/2.str").c_str(), 0644), 0);
    const auto [status, said] = Cli();
    EXPECT_EQ(status, 0);
    EXPECT_THAT(said, HasSubstr("pexlo-export: page 2 cannot be read; left out"));
    EXPECT_THAT(said, HasSubstr("2 pages, "));
    const Gif two = Read();
    ASSERT_EQ(two.frames.size(), 2 * Frames(2000) + 2 * turn);
    EXPECT_TRUE(Near(At(two, Frames(2000) + turn - 1, OW / 2, OH / 2), GREEN)) << "red turns to green";

    std::filesystem::remove(tree.Host("KNIHA_T/T.gif"));
    for (const char* page : {"1", "3"}) {
        std::filesystem::remove(tree.Host(std::string("KNIHA_T/") + page + ".str"));
        ASSERT_EQ(mkfifo(tree.Host(std::string("KNIHA_T/") + page + ".str").c_str(), 0644), 0);
    }
    const auto [none, none_said] = Cli();
    EXPECT_EQ(none, 1);
    EXPECT_THAT(none_said, HasSubstr("pexlo-export: the book has no page that can be read; nothing written"));
    EXPECT_FALSE(tree.Exists("KNIHA_T/T.gif"));
    // --book takes the book as it is read: no pages of it, no other length.
    for (const char* more : {"1", "--seconds 3", "1 --from ../KNIHA_T/1.str", "--book=1"}) {
        const auto [code, text] = Cli(more);
        EXPECT_EQ(code, 2) << more;
        EXPECT_THAT(text, HasSubstr("--book")) << more;
    }
}

// A film's turns end on the new page alone, and its delays add up to the reading times to the
// hundredth whatever the narration's length and the frame rate.
TEST(BookFilm, DelaysAddUpToTheReadingTimesAtAnyRate) {
    for (const int fps : {1, 7, 20, 50})
        for (const int odd_ms : {1000, 3234, 2001}) {
            const std::vector<PX_Snimok_knihy> film = PX_Film_knihy({odd_ms, 8000}, {0, fps, 16});
            int total = 0, pages = 0, turn_ends = 0;
            for (const PX_Snimok_knihy& s : film) {
                total += s.delay_cs;
                pages += s.posledny && s.strana >= 0;
                turn_ends += s.prechod == 1.0;
                EXPECT_GE(s.delay_cs, 1);
            }
            EXPECT_EQ(total * 10, (odd_ms + 5) / 10 * 10 + 8000 + 2 * PX_PRECHOD_MS + PX_KARTA_MS)
                << fps << " " << odd_ms;
            EXPECT_EQ(std::tuple(pages, turn_ends, film.back().strana), std::tuple(2, 2, -1)) << fps << " " << odd_ms;
        }
    EXPECT_TRUE(PX_Film_knihy({}, {}).empty());
}
