// Pages exported as GIFs: what a viewer shows against what the editor draws, the rectangles
// the frames store, the palette of a photo-like page; and pexlo-export from a terminal, its
// settings and every refusal with its message and status, writing nothing.
#include <gmock/gmock.h>

#include <cmath>
#include <filesystem>
#include <set>

#include "book/px_export.h"
#include "book/px_export_player.h"
#include "book/px_export_quant.h"
#include "tests/book/book_fixture.h"
#include "tests/book/test_export_fixture.h"

using namespace export_test;
using testing::HasSubstr;

namespace {
constexpr int SW = 480, SH = 270, OW = 240, OH = 135;
using Frames = std::vector<std::vector<uint32_t>>;

// The book "T" drawn beside the working folder "app", without pages.
struct Export : book_test::BookTest {
    void SetUp() override {
        BookTest::SetUp();
        book_test::DrawnBook(tree, "KNIHA_T", {});
    }
    void Page(const std::string& name, const std::string& lines) { tree.File("KNIHA_T/" + name + ".str", lines); }
    // The page's GIF for two seconds at ten frames a second, decoded, and in *frames those the
    // player gives for it; in *editors the page as the editor draws it before its first tick,
    // each 2 x 2 pixels averaged (0xRRGGBB).
    static Gif Run(const std::string& page, Frames* frames, std::vector<uint32_t>* editors = nullptr) {
        const PX_Frames f = PX_Export_Frames({2, 10, 16});
        PX_Player player(SW, SH, OW, OH);
        EXPECT_TRUE(player.Open_book("..\\KNIHA_T"));
        const std::string path = "..\\KNIHA_T\\" + page + ".str";
        const std::vector<uint8_t> gif = PX_Export_Page(player, path.c_str(), f, nullptr);
        player.Load(path.c_str(), nullptr);
        IDirectDrawSurface* screen = plat_CreateTestSurface(SW, SH);
        ZOBRAZ_STRANU(screen);
        for (int i = 0; editors && i < OW * OH; ++i) {
            uint32_t mean = 0;
            for (int shift = 16; shift >= 0; shift -= 8) {
                uint32_t sum = 2;
                for (int d = 0; d < 4; ++d)
                    sum += PX_Rgb(screen->Row(i / OW * 2 + d / 2)[i % OW * 2 + d % 2]) >> shift & 0xFF;
                mean = mean << 8 | sum / 4;
            }
            editors->push_back(mean);
        }
        screen->Release();
        std::vector<uint16_t> px;
        for (size_t k = 0; k < f.ticks.size(); ++k) {
            player.Frame(f.ticks[k], &px);
            frames->emplace_back();
            for (uint16_t c : px) frames->back().push_back(PX_Rgb(c));
        }
        return Decode({reinterpret_cast<const char*>(gif.data()), gif.size()});
    }
    // pexlo-export run from the app folder (after the shell commands `before`): its exit
    // status and all it printed.
    static std::pair<int, std::string> Cli(const std::string& args, const std::string& before = "") {
        return test_support::RunCommand(before + PEXLO_EXPORT_BIN + " " + args);
    }
};
}  // namespace

// A background, a prop and a moving actor play as the editor draws them; a standing page stores
// only empty changes; sixty actors over a photo keep their colours close.
TEST_F(Export, APageWithBackgroundPropAndMovingActorPlaysAsTheEditorDrawsIt) {
    Page("1", "p les 2\nk strom 300 150 6 1 0\nh pes 40 60 3 1 0\n");
    Page("2", "p les 2\nk strom 300 150 6 1 0\nk strom 100 150 6 1 0\n");
    Frames frames, standing;
    std::vector<uint32_t> editors;
    const Gif g = Run("1", &frames, &editors), still = Run("2", &standing);
    EXPECT_EQ(std::tuple(g.w, g.h, g.frames.size(), g.loops_forever), std::tuple(OW, OH, size_t{20}, true));
    EXPECT_EQ(g.delays, std::vector<int>(20, 10));
    ASSERT_EQ(std::pair(g.frames.size(), still.frames.size()), std::pair(frames.size(), size_t{20}));
    EXPECT_LE(ColourError(g.frames[0], editors).second, 8);  // averaged into RGB565: one step of it
    // The few colours have an entry each; each later frame stores the little that changed.
    for (size_t k = 0; k < frames.size(); ++k) {
        EXPECT_EQ(ColourError(g.frames[k], frames[k]).second, 0) << k;
        EXPECT_LT(k == 0 ? 0 : g.images[k].Width * g.images[k].Height, 40 * 40) << k;
        EXPECT_TRUE(k == 0 || (still.images[k].Width == 1 && still.images[k].Height == 1)) << k;
    }

    // Sixty actors over a photo: at most 256 colours a frame and a small mean error.
    book_test::WritePicture(tree, "KNIHA_T/Pozadia/foto.bmp", SW, SH, [](int x, int y) {
        const int grain = int((unsigned(x) * 2654435761u ^ unsigned(y) * 40503u) >> 28);
        return uint32_t(int(120 + 90 * std::sin(x / 60.0) * std::cos(y / 40.0)) + grain) << 16 |
               uint32_t(int(100 + 70 * std::sin(x * y / 9000.0)) + grain) << 8 | uint32_t(200 - x / 4 + grain);
    });
    std::string page = "p foto 2\n";
    for (int i = 0; i < 60; ++i)
        page += "h pes " + std::to_string(i * 37 % 440) + " " + std::to_string(i * 23 % 230) + " " +
                std::to_string(i % 5 + 1) + " " + std::to_string(i % 2 + 1) + " " + std::to_string(i % 3) + "\n";
    Page("3", page);
    Frames photo;
    const Gif p = Run("3", &photo);
    ASSERT_EQ(p.frames.size(), 20u);
    double mean = 0;
    for (size_t k = 0; k < photo.size(); ++k) {
        EXPECT_LE(std::set<uint32_t>(p.frames[k].begin(), p.frames[k].end()).size(), 256u);
        mean += ColourError(p.frames[k], photo[k]).first / 20;
    }
    // The median cut keeps the mean within 4.5 of 255 on each channel (an even 6 x 7 x 6
    // palette would be off by about 12), though the photo's grain alone has 16 levels.
    EXPECT_LE(mean, 4.5);
}

// The library's settings give the screen and the pace (a timer of 100 ms: ten frames a second
// at most); options override them; a refusal writes nothing.
TEST_F(Export, FromATerminalAtTheLibrarysSettingsAndRefusingWithAMessage) {
    Page("1", "p les 2\nh pes 40 60 3 1 0\n");
    Page("2", "p les 2\nk strom 300 150 6 1 0\nh nie 1 1 3 1 0\nk nie 5 5 1 1 0\n");
    tree.File("app/PX.INI", "480 270\n5 100");
    const auto shape = [&](const std::string& rel) {
        const std::string file = tree.Read(rel);
        const Gif g = Decode(file);
        return std::tuple(g.w, g.h, g.frames.size(), file.size());
    };
    const auto [status, text] = Cli("../KNIHA_T -o ../gifs --seconds 1");
    const auto one = shape("gifs/1.gif"), two = shape("gifs/2.gif");
    EXPECT_EQ(std::tuple(status, std::get<2>(one), std::get<0>(two), std::get<1>(two)), std::tuple(0, size_t{10}, 240, 135));
    EXPECT_THAT(text, HasSubstr("page 2: the picture nie is missing"));
    EXPECT_THAT(text, HasSubstr("2 pages, 20 frames, " + std::to_string(std::get<3>(one) + std::get<3>(two))));
    // A page named again is exported once; a picture named again is missing once.
    const std::string twice = Cli("../KNIHA_T 2 1 2 1 -o ../twice --seconds 1").second;
    EXPECT_THAT(twice, HasSubstr("2 pages, 20 frames"));
    EXPECT_THAT(twice, HasSubstr("page 2: the picture nie is missing"));
    EXPECT_EQ(twice.find("is missing"), twice.rfind("is missing")) << twice;
    EXPECT_EQ(Cli("../KNIHA_T 2 --screen 200x100 --size 50x25 --fps 4 --seconds=2").first, 0);
    const auto small = shape("KNIHA_T/2.gif");  // beside the page by default
    EXPECT_EQ(std::tuple(std::get<0>(small), std::get<1>(small), std::get<2>(small)), std::tuple(50, 25, size_t{8}));
    for (const char* dir : {"KNIHA_E", "plain", "app/KNIHA_DEFNEW", "app/KNIHA_Moja"}) tree.Dir(dir);
    const std::string full = "trap '' XFSZ; ulimit -f 1; exec ";  // a disk that fills up: no half GIF
    const struct {
        const char* args;
        int status;
        const char* message;
        std::string before = "";
    } rows[] = {
        {"", 2, "no book folder given"},
        {"../KNIHA_X", 1, "no book folder at ../KNIHA_X"},
        {"../plain", 1, "../plain is no book"},
        {"../KNIHA_E", 1, "the book ../KNIHA_E has no pages"},
        {"../KNIHA_T 1 7", 1, "the book has no page 7"},
        {"../KNIHA_T -o /proc", 1, "cannot write into the output folder /proc"},
        {"../KNIHA_T --seconds 0", 2, "--seconds takes a number above 0"},
        {"../KNIHA_T --seconds 0x10", 2, "--seconds takes a number above 0"},
        {"../KNIHA_T --seconds 1e1", 2, "--seconds takes a number above 0"},
        {"../KNIHA_T --fps 0x10", 2, "--fps takes a whole number from 1 to 50"},
        {"../KNIHA_T ..", 1, "the book has no page .."},
        {"../KNIHA_T 1 ''", 1, "the book has no page \n"},
        {"../KNIHA_T .. --from ../KNIHA_T/1.str", 1, "the book has no page .."},
        {"../KNIHA_T 1 --from /dev/zero", 1, "/dev/zero is no page file: not a regular file"},
        {"../KNIHA_T --fps 51", 2, "--fps takes a whole number from 1 to 50"},
        {"../KNIHA_T --size 0x0", 2, "--size takes WIDTHxHEIGHT"},
        {"../KNIHA_T --screen 640x480 --size 800x600", 2, "--size must not exceed the screen, 640x480"},
        {"../KNIHA_T --speed 3", 2, "unknown option --speed"},
        {"../KNIHA_T 1 --bogus", 2, "unknown option --bogus"},
        {"../KNIHA_T --seconds", 2, "--seconds needs a value"},
        {"KNIHA_DEFNEW", 1, "KNIHA_DEFNEW is the template of new books, not a book"},
        {"KNIHA_Moja", 1, "KNIHA_Moja is the template of new books, not a book"},
        {"../KNIHA_T --from 1.str", 2, "--from plays one page: name it"},
        {"../KNIHA_T neu --from nothing.str", 1, "no page file at nothing.str"},
        {"../KNIHA_T 1 --seconds 1", 1, "page 1: cannot write", full},
    };
    for (const auto& r : rows) {
        const auto [code, said] = Cli(r.args, r.before);
        EXPECT_EQ(code, r.status) << r.args;
        EXPECT_THAT(said, HasSubstr(std::string("pexlo-export: ") + r.message)) << r.args;
    }
    EXPECT_EQ(tree.Names("KNIHA_T"),
              (std::vector<std::string>{"1.str", "2.gif", "2.str", "Herci", "Kulisy", "Pozadia"}));
    std::filesystem::remove(tree.Host("app/PX.INI"));  // no settings: a 1920 x 1080 screen
    EXPECT_THAT(Cli("../KNIHA_T --size 1921x100").second, HasSubstr("--size must not exceed the screen, 1920x1080"));
}

// A page's texts play in its GIF: a yellow title stands, a bubble goes along with its actor.
TEST_F(Export, APagesTextsPlayInItsGif) {
    Page("1", "h pes 40 150 1 1 0\nt 10 5 6 1 4 1 0 -1 Les\nt 60 60 6 1 0 7 2 0 Haf!\n");
    Frames frames;
    const Gif g = Run("1", &frames);
    ASSERT_EQ(g.frames.size(), 20u);
    auto yellow = [](uint32_t c) { return (c >> 16) > 0xE0 && (c >> 8 & 0xFF) > 0xB8 && (c & 0xFF) < 0x40; };
    EXPECT_TRUE(std::any_of(g.frames[0].begin(), g.frames[0].end(), yellow)) << "the title";
    PX_Player player(SW, SH, OW, OH);
    ASSERT_TRUE(player.Open_book("..\\KNIHA_T") && player.Load("..\\KNIHA_T\\1.str", nullptr));
    const int dx = REG_Objekt(2)->x - REG_Objekt(0)->x, from = REG_Objekt(0)->x;
    std::vector<uint16_t> px;
    player.Frame(10, &px);
    EXPECT_EQ(std::pair(REG_Objekt(0)->x != from, REG_Objekt(2)->x - REG_Objekt(0)->x), std::pair(true, dx));
}
