// The book as a web folder: the page's HTML holds every page and its texts as safe text, and
// nothing from the network; pexlo-export --web writes the pictures without their texts and
// copies the narrations, refuses a folder it would overwrite or cannot make; and the page in
// a real browser turns on a key, with the texts in its text, its narration playing and no request
// leaving the folder.
#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

#include "book/px_export_web.h"
#include "book/px_herec.h"
#include "book/px_web_html.h"
#include "platform/codepage.h"
#include "platform/sound_file.h"
#include "tests/book/book_fixture.h"
#include "tests/book/test_export_fixture.h"
#include "tests/support/tones.h"

using testing::HasSubstr;
using testing::Not;

namespace {
constexpr uint32_t BLUE = 0x0000F8;

// The section of page n as written, from its tag to its end.
std::string Section(const std::string& html, int n) {
    const size_t at = html.find("<section class=\"strana\" id=\"s" + std::to_string(n) + "\"");
    return at == std::string::npos ? "" : html.substr(at, html.find("</section>", at) - at);
}
}  // namespace

TEST(WebHtml, EveryPageWithItsTextsEscapedItsNarrationAndNothingFromTheNetwork) {
    PX_WebText a{"Mačka <b>\"mňau\"</b> & 'pes'\nriadok", 10, 20, 30, 15, 5.5, 0x2020E0, 0xFFFFFF, PX_KARTA, {}, {}};
    PX_WebText b{"x", 0, 0, 1, 1, 1, 0x00D8FF, 0x201818, PX_TITULOK, {}, {}};
    PX_WebText c{"Haf", 50, 10, 10, 8, 4, 0x000000, 0xFFFFFF, PX_BUBLINA, {52, 14, 55, 15, 40.5, 30}, {{0, 0, 0}, {50, 10, -2.5}}};
    const std::string html = PX_Web_Html("Les & <more>", {{false, 3000, {a, b}}, {true, 4500, {c}}, {false, 2000, {}}},
                                         16.0 / 9);
    EXPECT_THAT(html, HasSubstr("<title>Les &amp; &lt;more&gt;</title>"));
    EXPECT_THAT(html, HasSubstr("Mačka &lt;b&gt;&quot;mňau&quot;&lt;/b&gt; &amp; &#39;pes&#39;\nriadok</p>"));
    EXPECT_THAT(html, Not(HasSubstr("<b>")));
    EXPECT_THAT(html, Not(HasSubstr("http")));
    EXPECT_THAT(html, Not(HasSubstr("//")));  // no address of another place, with or without a scheme
    for (int n = 1; n <= 3; ++n) {
        const std::string s = Section(html, n);
        ASSERT_THAT(s, HasSubstr("src=\"" + std::to_string(n) + ".gif\"")) << n;
        EXPECT_EQ(s.find("data-wav"), n == 2 ? s.find("data-wav=\"2.wav\"") : std::string::npos) << n;
    }
    EXPECT_THAT(Section(html, 2), HasSubstr("data-ms=\"4500\""));
    EXPECT_EQ(Section(html, 4), "");
    // The card's letters in the page colour turned to CSS (COLORREF keeps red lowest), on its ground.
    const std::string card = Section(html, 1);
    EXPECT_THAT(card, HasSubstr("left:10.00%;top:20.00%;width:30.00%;min-height:15.00%;font-size:5.50cqh;color:#e02020"));
    EXPECT_THAT(card, HasSubstr("background:#ffffff;border-color:#e02020"));
    EXPECT_THAT(card, HasSubstr("color:#ffd800;text-shadow:0 0 .08em #181820"));
    EXPECT_THAT(card, Not(HasSubstr("<svg"))) << "no tail without a bubble";
    // The bubble: its tail outlined, its box with unseen words (unread too), its tail's ground
    // over the box's outline, its words alone on top; all four going its way while the page plays.
    const std::string bubble = Section(html, 2);
    const std::string points = "points=\"52.00,14.00 55.00,15.00 40.50,30.00\"";
    const size_t under = bubble.find(points + " style=\"fill:#ffffff;stroke:#000000;stroke-width:0.96cqh\""),
                 box = bubble.find("aria-hidden=\"true\"><span class=\"podklad\">Haf</span></p>"),
                 over = bubble.find(points + " style=\"fill:#ffffff\""),
                 words = bubble.find("background:none;border-color:transparent;animation:s2t0 4500ms linear infinite\">Haf</p>");
    EXPECT_TRUE(under < box && box < over && over < words && words != std::string::npos) << bubble;
    EXPECT_THAT(bubble, HasSubstr("@keyframes s2t0{0.00%{transform:translate(0.00cqw,0.00cqh)}"
                                  "50.00%{transform:translate(10.00cqw,-2.50cqh)}}"));
    const std::regex animation("animation:s2t0 4500ms linear infinite");
    EXPECT_EQ(std::distance(std::sregex_iterator(bubble.begin(), bubble.end(), animation), std::sregex_iterator()), 4);
}

namespace {

// "W": page 1 blue with a white caption, page 2 blue with a card and a narration of a second.
struct WebBook : book_test::BookTest {
    void SetUp() override {
        BookTest::SetUp();
        PX_Text caption{"Ahoj <svet> & \"deti\"", 3, 0, PX_TITULOK};
        PX_Text card{plat_Cp1250FromUtf8("Druhá strana"), 2, 2, PX_KARTA};  // page files hold Windows-1250
        book_test::DrawnBook(tree, "KNIHA_W",
                             {{"1", "p b 4\n" + PX_Text_Riadok(caption, 200, 100, PX_MOTION_STILL, 1, -1)},
                              {"2", "p b 4\n" + PX_Text_Riadok(card, 960, 540, PX_MOTION_STILL, 1, -1)}});
        book_test::WritePicture(tree, "KNIHA_W/Pozadia/b.bmp", 64, 36, [](int, int) { return BLUE; });
        ASSERT_TRUE(plat_WriteWavFile(tree.Path("KNIHA_W/2.wav").c_str(), test_support::Tone(300, 1, PLAT_MIX_RATE)));
    }
    static std::pair<int, std::string> Cli(const std::string& out) {
        return test_support::RunCommand(std::string(PEXLO_EXPORT_BIN) + " ../KNIHA_W --web " + out +
                                        " --screen 1920x1080 --size 240x135 --fps 5");
    }
    // The entries of the scratch folder beside the books.
    std::vector<std::string> Entries() const {
        std::vector<std::string> e;
        for (const auto& d : std::filesystem::directory_iterator(tree.Host(""))) e.push_back(d.path().filename());
        std::sort(e.begin(), e.end());
        return e;
    }
};

}  // namespace

TEST_F(WebBook, WritesThePicturesWithoutTheirTextsTheNarrationAndThePage) {
    const auto [status, said] = Cli("../web/");
    ASSERT_EQ(status, 0) << said;
    EXPECT_EQ(Entries(), (std::vector<std::string>{"KNIHA_W", "app", "web"}));
    const std::string html = tree.Read("web/index.html");
    EXPECT_THAT(Section(html, 1), HasSubstr("Ahoj &lt;svet&gt; &amp; &quot;deti&quot;</p>"));
    EXPECT_THAT(Section(html, 2), HasSubstr(">Druhá strana</p>"));
    EXPECT_THAT(Section(html, 2), HasSubstr("data-wav=\"2.wav\""));
    EXPECT_EQ(tree.Read("web/2.wav"), tree.Read("KNIHA_W/2.wav"));
    EXPECT_FALSE(tree.Exists("web/1.wav"));
    // Each picture is the page's blue alone: the texts are not drawn into it.
    for (const char* gif : {"web/1.gif", "web/2.gif"}) {
        const export_test::Gif g = export_test::Decode(tree.Read(gif));
        ASSERT_FALSE(g.frames.empty()) << gif;
        EXPECT_EQ(std::tuple(g.w, g.h), std::tuple(240, 135));
        for (const uint32_t px : g.frames[0]) ASSERT_LE(export_test::ColourError({px}, {BLUE}).second, 8) << gif;
    }
}

TEST_F(WebBook, RefusesAFolderInUseOrOneItCannotMakeAndLeavesNothing) {
    tree.Dir("full");
    tree.File("full/mine.txt", "kept");
    const auto before = Entries();
    for (const char* out : {"../full", "../nowhere/web"}) {
        const auto [status, said] = Cli(out);
        EXPECT_EQ(status, 1) << out;
        EXPECT_THAT(said, HasSubstr(std::string(out) == "../full" ? "already exists" : "cannot write into"));
        EXPECT_EQ(Entries(), before) << out;
    }
    EXPECT_EQ(tree.Read("full/mine.txt"), "kept");
    const auto [status, said] = test_support::RunCommand(std::string(PEXLO_EXPORT_BIN) + " ../KNIHA_W --web x --book");
    EXPECT_EQ(status, 2);
    EXPECT_THAT(said, HasSubstr("--web writes the whole book"));
}

// A bubble said by a walking dog goes the dog's way over the page's time; the caption stays.
TEST_F(WebBook, ABubbleGoesTheWayOfItsWalkingActor) {
    PX_Text haf{"Haf", 2, 3, PX_BUBLINA}, caption{"Les", 2, 0, PX_TITULOK};
    book_test::DrawnBook(tree, "KNIHA_P",
                         {{"1", "p les 4\nh pes 300 600 1 1 2\n" + PX_Text_Riadok(haf, 200, 400, PX_MOTION_STILL, 1, 0) +
                                    PX_Text_Riadok(caption, 10, 10, PX_MOTION_STILL, 1, -1)}});
    const auto [status, said] = test_support::RunCommand(std::string(PEXLO_EXPORT_BIN) +
                                                         " ../KNIHA_P --web ../p --screen 1920x1080 --size 240x135 --fps 5");
    ASSERT_EQ(status, 0) << said;
    const std::string page = Section(tree.Read("p/index.html"), 1);
    EXPECT_THAT(page, Not(HasSubstr("@keyframes s1t1"))) << "the caption stays";
    const std::regex step(R"re((\d+\.\d\d)%\{transform:translate\((-?\d+\.\d\d)cqw,(-?\d+\.\d\d)cqh\)\})re");
    std::vector<std::tuple<double, double, double>> way;
    const size_t from = page.find("@keyframes s1t0{"), to = page.find("}}", from);
    ASSERT_NE(from, std::string::npos) << page;
    for (std::sregex_iterator m(page.begin() + long(from), page.begin() + long(to + 1), step), e; m != e; ++m)
        way.emplace_back(std::stod((*m)[1]), std::stod((*m)[2]), std::stod((*m)[3]));
    ASSERT_EQ(way.size(), 40u) << "8 s at 5 frames a second";
    EXPECT_EQ(std::get<0>(way.front()), 0);
    for (size_t k = 1; k < way.size(); ++k) {
        EXPECT_GT(std::get<0>(way[k]), std::get<0>(way[k - 1]));
        EXPECT_EQ(std::get<2>(way[k]), 0) << "the dog walks along";
    }
    EXPECT_GT(std::abs(std::get<1>(way.back())), 1) << "it went somewhere";
}

// A disk that takes no more midway: a word, and nothing beside the books, not even the
// temporary folder.
TEST_F(WebBook, AFailedWriteLeavesNoFolder) {
    const auto before = Entries();
    PX_Player player(1920, 1080, 240, 135);
    ASSERT_TRUE(player.Open_book("..\\KNIHA_W"));
    const std::vector<PX_Strana_knihy> pages = PX_Strany_knihy(player, player.Pages(), 2000);
    plat_SetWriteFailure(true);
    EXPECT_THAT(PX_Export_Web(player, pages, {1, 5, 16}, tree.Host("web")), HasSubstr("disk full or read-only"));
    EXPECT_EQ(Entries(), before);
    plat_SetWriteFailure(false);
    EXPECT_EQ(PX_Export_Web(player, pages, {1, 5, 16}, tree.Host("web")), "");
    EXPECT_TRUE(tree.Exists("web/index.html") && tree.Exists("web/2.gif"));
}

// The page in headless Chromium, the browser's network log kept: the DOM after loading and
// every request the page itself made (its origin, a file's, is "null"; the browser's own
// requests have none).
struct Browsed {
    int status;
    std::string dom, requests;
};
Browsed Browse(const std::string& url, const std::string& log) {
    const auto [status, dom] = test_support::RunCommand(
        "(chromium --headless --no-sandbox --disable-gpu --autoplay-policy=no-user-gesture-required "
        "--virtual-time-budget=3000 --log-net-log='" + log + "' --dump-dom '" + url + "' 2>/dev/null)");
    std::ifstream in(log);
    const std::string net((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::regex made(R"re("initiator":"null"[^\n]*?"url":"([^"]*)")re");  // an event a line
    std::string requests;
    for (std::sregex_iterator m(net.begin(), net.end(), made), e; m != e; ++m) requests += (*m)[1].str() + " ";
    return {status, dom, requests};
}

// The page's own test hook presses the next-page key; the browser shows page 2 with its texts
// as text and plays its narration, and the page asks the network for nothing. The same page
// with a picture from the web shows that the log would tell.
TEST_F(WebBook, InABrowserTheKeyTurnsThePageTheTextsAreTextTheNarrationPlaysAndNothingLeaves) {
    if (test_support::RunCommand("command -v chromium").first != 0) GTEST_SKIP() << "chromium is not installed";
    ASSERT_EQ(Cli("../web").first, 0);
    const Browsed b = Browse("file://" + tree.Host("web/index.html") + "#selftest", tree.Host("net.json"));
    ASSERT_EQ(b.status, 0) << b.dom;
    EXPECT_THAT(b.dom, HasSubstr("<title>selftest 2 hra</title>"));
    const std::regex section(R"re(<section class="strana" id="s(\d)"([^>]*)>)re");
    std::vector<std::string> hidden;
    for (std::sregex_iterator m(b.dom.begin(), b.dom.end(), section), end; m != end; ++m)
        hidden.push_back((*m)[1].str() + ((*m)[2].str().find("hidden") != std::string::npos ? " hidden" : " shown"));
    EXPECT_EQ(hidden, (std::vector<std::string>{"1 hidden", "2 shown"}));
    EXPECT_THAT(b.dom, HasSubstr("Ahoj &lt;svet&gt; &amp; \"deti\""));
    EXPECT_THAT(b.dom, HasSubstr("Druhá strana"));
    EXPECT_THAT(b.dom, testing::ContainsRegex("<audio id=\"hlas\"[^>]* src=\"2.wav\""));
    EXPECT_THAT(b.dom, HasSubstr("<span id=\"cislo\" aria-live=\"polite\">2 / 2</span>"));
    EXPECT_EQ(b.requests, "");

    std::string leaky = tree.Read("web/index.html");
    leaky.insert(leaky.find("</body>"), "<img src=\"http://kniha.invalid/x.gif\">");
    tree.File("web/leaky.html", leaky);
    EXPECT_EQ(Browse("file://" + tree.Host("web/leaky.html"), tree.Host("net2.json")).requests,
              "http://kniha.invalid/x.gif ");
}
