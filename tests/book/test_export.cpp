// Pages exported as GIFs: what a viewer shows against what the editor draws, the
// rectangles the frames store, the palette of a photo-like page, and the timing.
#include <cmath>
#include <set>

#include "book/px_export.h"
#include "book/px_export_player.h"
#include "book/px_export_quant.h"
#include "tests/book/test_export_fixture.h"

using namespace export_test;

namespace {
constexpr int SW = 480, SH = 270, OW = 240, OH = 135;
const PX_Frames TWO_SECONDS = PX_Export_Frames({2, 10, 16});
using Frames = std::vector<std::vector<uint32_t>>;

struct Export : ExportLibrary {
    // The page's GIF, and in *frames those the player gives for it (0xRRGGBB).
    static std::vector<uint8_t> Run(const std::string& page, const PX_Frames& f, Frames* frames = nullptr) {
        PX_Player player(SW, SH, OW, OH);
        EXPECT_TRUE(player.Open_book("..\\KNIHA_T"));
        const std::string path = "..\\KNIHA_T\\" + page + ".str";
        std::vector<uint8_t> gif = PX_Export_Page(player, path.c_str(), f, nullptr);
        player.Load(path.c_str(), nullptr);
        std::vector<uint16_t> px;
        for (size_t k = 0; frames && k < f.ticks.size(); ++k) {
            player.Frame(f.ticks[k], &px);
            frames->emplace_back();
            for (uint16_t c : px) frames->back().push_back(PX_Rgb(c));
        }
        return gif;
    }
    // The page as the editor draws it on the screen before its first tick, each 2 x 2
    // pixels averaged.
    static std::vector<uint32_t> EditorsPage(const std::string& page) {
        PX_Player player(SW, SH, OW, OH);
        player.Open_book("..\\KNIHA_T");
        player.Load(("..\\KNIHA_T\\" + page + ".str").c_str(), nullptr);
        IDirectDrawSurface* screen = plat_CreateTestSurface(SW, SH);
        ZOBRAZ_STRANU(screen);
        std::vector<uint32_t> half;
        for (int i = 0; i < OW * OH; ++i) {
            uint32_t mean = 0;
            for (int shift = 16; shift >= 0; shift -= 8) {
                uint32_t sum = 2;
                for (int d = 0; d < 4; ++d)
                    sum += PX_Rgb(screen->Row(i / OW * 2 + d / 2)[i % OW * 2 + d % 2]) >> shift & 0xFF;
                mean = mean << 8 | sum / 4;
            }
            half.push_back(mean);
        }
        screen->Release();
        return half;
    }
};

}  // namespace

TEST_F(Export, APageWithBackgroundPropAndMovingActorPlaysAsTheEditorDrawsIt) {
    Page("1", "p les 2\nk strom 300 150 6 1 0\nh pes 40 60 3 1 0\n");
    Frames frames;
    const Gif g = Decode(Run("1", TWO_SECONDS, &frames));
    EXPECT_EQ(std::tuple(g.w, g.h, g.frames.size(), g.loops_forever), std::tuple(OW, OH, size_t{20}, true));
    EXPECT_EQ(g.delays, std::vector<int>(20, 10));
    // Frames are averaged into RGB565: one step of it (8) is the whole difference.
    ASSERT_EQ(g.frames.size(), frames.size());
    EXPECT_LE(ColourError(g.frames[0], EditorsPage("1")).second, 8);
    // The few colours have an entry each; the ball moves and turns, and each later frame
    // stores the little that changed around it.
    for (size_t k = 0; k < frames.size(); ++k) {
        EXPECT_EQ(ColourError(g.frames[k], frames[k]).second, 0) << k;
        EXPECT_LT(k == 0 ? 0 : g.images[k].Width * g.images[k].Height, 40 * 40) << k;
    }
}

TEST_F(Export, AStandingPageStoresOnlyEmptyChanges) {
    Page("1", "p les 2\nk strom 300 150 6 1 0\nk strom 100 150 6 1 0\n");
    const std::vector<uint8_t> one = Run("1", PX_Export_Frames({0.1, 10, 16})), twenty = Run("1", TWO_SECONDS);
    const Gif g = Decode(twenty);
    ASSERT_EQ(g.frames.size(), 20u);
    for (size_t k = 1; k < 20; ++k)
        EXPECT_EQ(std::tuple(g.images[k].Width, g.images[k].Height, g.frames[k]), std::tuple(1, 1, g.frames[0])) << k;
    EXPECT_LE(twenty.size(), one.size() + 19 * 30);  // a few bytes a frame
}

TEST_F(Export, SixtyActorsOverAPhotoKeepTheirColoursClose) {
    Picture("KNIHA_T/Pozadia/foto.bmp", SW, SH, [](int x, int y) {
        const int grain = int((unsigned(x) * 2654435761u ^ unsigned(y) * 40503u) >> 28);
        return uint32_t(int(120 + 90 * std::sin(x / 60.0) * std::cos(y / 40.0)) + grain) << 16 |
               uint32_t(int(100 + 70 * std::sin(x * y / 9000.0)) + grain) << 8 | uint32_t(200 - x / 4 + grain);
    });
    std::string page = "p foto 2\n";
    for (int i = 0; i < 60; ++i)
        page += "h pes " + std::to_string(i * 37 % 440) + " " + std::to_string(i * 23 % 230) + " " +
                std::to_string(i % 5 + 1) + " " + std::to_string(i % 2 + 1) + " " + std::to_string(i % 3) + "\n";
    Page("1", page);
    Frames frames;
    const Gif g = Decode(Run("1", TWO_SECONDS, &frames));
    ASSERT_EQ(g.frames.size(), 20u);
    double mean = 0;
    for (size_t k = 0; k < frames.size(); ++k) {
        EXPECT_LE(std::set<uint32_t>(g.frames[k].begin(), g.frames[k].end()).size(), 256u);
        mean += ColourError(g.frames[k], frames[k]).first / 20;
    }
    // The median cut keeps the mean within 4.5 of 255 on each channel (an even 6 x 7 x 6
    // palette would be off by about 12), though the photo's grain alone has 16 levels.
    EXPECT_LE(mean, 4.5);
}

TEST(ExportFrames, FollowTheFrameRateOrTheTimerWhicheverIsSlower) {
    using Row = std::tuple<PX_Timing, size_t, int, int>;  // frames, the last one's tick, every delay
    for (const auto& [timing, n, last, delay] : {Row{{2, 10, 16}, 20, 118, 10}, Row{{1, 20, 100}, 10, 9, 10},
                                                 Row{{1, 50, 16}, 50, 61, 2}, Row{{0.5, 20, 4}, 10, 45, 5}}) {
        const PX_Frames f = PX_Export_Frames(timing);
        EXPECT_EQ(std::tuple(f.ticks.size(), f.ticks.back(), f.delays_cs),
                  std::tuple(n, last, std::vector<int>(n, delay)));
    }
}
