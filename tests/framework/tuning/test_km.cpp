// The layout tuning mode, driven by window messages on the headless display.
#include <sys/stat.h>

#include "framework/surface/tf_draw.h"
#include "framework/widgets/tf_duir.h"
#include "framework/widgets/tf_label.h"
#include "framework/widgets/tf_tlac.h"
#include "tests/framework/app/app_fixture.h"
#include "tests/support/temp_tree.h"

using namespace app_test;

namespace {
constexpr COLORREF YELLOW = 0x0000FFFF, RED = 0x000000FF, ORANGE = 0x00329EFF;

// A container that counts the keys and pointer events reaching it.
struct Box : tf_CPolCHLO {
    Box(tf_CPolCHLO* parent, int rx, int ry) : tf_CPolCHLO(parent, 700 + parent->deti.count) { MoveToRel(rx, ry); }
    bool INFORMUJ_SA_KLAV(int key) override { return ++reached, tf_CPolCHLO::INFORMUJ_SA_KLAV(key); }
    bool INFORMUJ_SA(int x_, int y_, int e) override { return ++reached, tf_CPolCHLO::INFORMUJ_SA(x_, y_, e); }
    int reached = 0;
};

// Hidden containers' children too.
tf_CPol* child(tf_CPolCHLO* parent, int i) { return static_cast<tf_CPol*>(parent->deti.GET(i)); }

// Inputs, one per idle moment and each followed by a frame: "^F1" Ctrl+F1, "+Tab" Shift+Tab,
// "F2*3" three times, "N4" the keypad's 4; "R90,290", "M90,290", "L90,290" a right press, a
// move and a left press there, "r" and "l" the releases. Checks run between them.
struct Item {
    Item(const char* inputs) : in(inputs) {}
    template <class Check> Item(Check c) : check(std::move(c)) {}
    const char* in = nullptr;
    std::function<void()> check;
};

void post(std::string in) {
    const bool ctrl = in[0] == '^', shift = in[0] == '+';
    in.erase(0, ctrl || shift);
    const size_t star = in.find('*'), button = std::string("RrMLl").find(in[0]);
    int times = star == std::string::npos ? 1 : std::stoi(in.substr(star + 1)), x = 0, y = 0;
    in.resize(std::min(star, in.size()));
    const std::map<std::string, int> keys = {{"Left", VK_LEFT}, {"Right", VK_RIGHT}, {"Down", VK_DOWN}, {"Ret", VK_RETURN},
                                             {"Back", VK_BACK}, {"Tab", VK_TAB},     {"Esc", VK_ESCAPE}};
    const UINT messages[] = {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP};
    const int vk = keys.count(in) ? keys.at(in) : in[0] == 'N' ? VK_NUMPAD0 + in[1] - '0' : VK_F1 + atoi(&in[1]) - 1;
    if (button != std::string::npos && (in.size() == 1 || isdigit(in[1])))
        sscanf(in.c_str() + 1, "%d,%d", &x, &y), plat_Headless_Post(messages[button], 0, MAKELPARAM(x, y));
    else
        while (times-- > 0) PostKey(vk, ctrl, shift);
    plat_Headless_Post(WM_TIMER, 1, 0);
}

// The screen's own children are 0 to 6 (four title buttons, three dialogs); then a list, a
// row list, an empty container and a container with a button, a label and a bare widget.
struct Tuning : AppTest {
    void SetUp() override {
        AppTest::SetUp();
        list->Dsgn(100, 300);
        rows->Dsgn(300, 300);
        list->VYMAZ(), rows->VYMAZR();  // no placeholders
        for (tf_CDUI* l : {list, static_cast<tf_CDUI*>(rows)}) l->PRIDAJ(1, "Jeden"), l->PRIDAJ(2, "Dva");
        new tf_CTlac(box, 40, 10, 77);
        new tf_CLabel(box, 10, 20, "Ahoj");
        new tf_CPol(box, 70, 30);
    }
    void Play(const std::vector<Item>& items) {
        size_t next = 0;
        std::istringstream inputs;  // a string's inputs, separated by blanks
        Run(screen, [&](int) {
            std::string in;
            while (!(inputs >> in)) {
                inputs.clear();
                if (next == items.size()) return plat_Headless_Post(WM_CLOSE, 0, 0);
                const Item& item = items[next++];  // inputs or a check
                item.in ? inputs.str(item.in) : item.check();
            }
            post(in);
        });
    }
    static void On(int mod, const tf_CPol* target) {
        EXPECT_EQ(std::tuple(tf_KM_on, tf_KM_mod, tf_KM_cPol_10), std::tuple(true, mod, target));
    }
    // The anchor dot of the parent's child i is in colour c.
    static bool Dot(tf_CPolCHLO* p, int i, COLORREF c, IDirectDrawSurface* s = plat_PrimarySurface()) {
        return Px(s, p->x + child(p, i)->rx, p->y + child(p, i)->ry) == uint16_t(DDPixelFromColor(s, c));
    }
    // The overlay shows `text` at (x, y), as far as the next panel, as its rimmed text.
    bool Shows(int x, int y, const char* text) const {
        IDirectDrawSurface* want = plat_CreateTestSurface(330, 20);
        DDSURFACE_ZMAZ(want, DWORD(screen.m_BackgroundColor));
        tf_glob_Text_srf(want, 1, 1, 0x00C8FFFF, text, true);
        const int wrong = test_support::CountIn(0, 0, 329, 19, [&](int u, int v) {
            return Px(want, u, v) != Px(plat_PrimarySurface(), x + u - 1, y + v - 1);
        });
        want->Release();
        return wrong == 0;
    }
    // A folder of its own for the report, the log and the settings: tests run side by side.
    test_support::TempTree folder;
    test_support::InFolder in{folder.Host()};
    RecordingScreen screen;
    tf_CDUI* list = new tf_CDUI(&screen, 0, 0);
    tf_CDUIR* rows = new tf_CDUIR(&screen, 0, 0);
    tf_CPolCHLO* empty = new Box(&screen, 900, 500);
    Box* box = new Box(&screen, 500, 500);
};

TEST_F(Tuning, WalksTheTreeByKindAndLeavesWithoutClosing) {
    Play({"^F1",
          [&] {
              for (int i = 0; i < screen.deti.count; ++i) EXPECT_TRUE(Dot(&screen, i, i ? YELLOW : RED)) << i;
              On(9, &screen);
              EXPECT_TRUE(Shows(420, 40, "tf_KM_mod=9: PolCHLO") && Shows(470, 112, "[F11]  SAVE => tf_KM_report.txt"));
          },
          "F2*12",  // round once and one on
          [&] { EXPECT_TRUE(Dot(&screen, 1, RED) && Dot(&screen, 0, YELLOW)); },
          "^F2*3 Ret", [&] { On(9, empty); },  // back past the first to the last but one, and into it
          "+Tab", [&] { EXPECT_EQ(std::tuple(tf_KM_mod, tf_KM_cDUIR_2), std::tuple(2, rows)); },
          "^Tab", [&] { EXPECT_EQ(std::tuple(tf_KM_mod, tf_KM_cDUI_1), std::tuple(1, list)); },
          "F1", [&] { On(0, list); EXPECT_TRUE(Shows(420, 40, "tf_KM_mod=0: nic-ostry rezim")); },
          "F1 Tab*4", [&] { On(10, child(&screen, 0)); },  // past the last child to the first
          "Back", [&] { On(9, &screen); },
          "F12 +F1 ^F1",  // neither F12 nor Shift+F1 leaves; the box saw only the two keys entering
          [&] { EXPECT_EQ(std::tuple(tf_KM_on, screen.Count("WM_CLOSE"), box->reached), std::tuple(false, 0, 2)); }});
}

// Arrows move by one pixel, by ten with Ctrl; Shift+arrows resize: the box's button in
// sub-mode 10, then the resolution dialog (its children following) in sub-mode 9.
TEST_F(Tuning, ArrowsMoveAndResizeTheWidgetOrTheContainer) {
    const std::tuple<const char*, int, int, int, int> table[] = {
        {"Left", -1, 0, 0, 0}, {"N8", 0, -1, 0, 0}, {"^Down", 0, 10, 0, 0}, {"+Left", 0, 0, -1, 0}, {"+Down", 0, 0, 0, 1}};
    std::array<int, 4> was{};
    const auto now = [] {
        std::array<int, 4> a{tf_KM_cPol_10->rx, tf_KM_cPol_10->ry};
        return tf_KM_cPol_10->GetSize(&a[2], &a[3]), a;
    };
    std::vector<Item> items = {"^F1 ^F2 ^Ret Ret"};
    for (const char* next : {"Back Back F2*4 Ret", ""}) {
        for (const auto& [key, drx, dry, dw, dh] : table) {
            items.insert(items.end(), {[&] { was = now(); }, key, [&, k = key, d = std::array{drx, dry, dw, dh}] {
                                           for (size_t c = 0; c < 4; ++c) was[c] += d[c];
                                           EXPECT_EQ(now(), was) << tf_KM_cPol_10->nazov << " " << k;
                                       }});
        }
        items.push_back(next);
    }
    Play(items);
    tf_CPolCHLO* dialog = screen.m_pDlgRozlisenie;
    EXPECT_EQ(tf_KM_cPolCHLO_9, dialog);
    for (int i = 0; i < dialog->deti.count; ++i) EXPECT_EQ(child(dialog, i)->x - dialog->x, child(dialog, i)->rx) << i;
}

// A right drag picks the children whose anchors it covers, the arrows move them together, a
// left click lets them go; a left drag carries a widget by the point where it was taken. F11
// writes the container and its children's current offsets, or a log line when it cannot.
TEST_F(Tuning, TheBandMovesChildrenTogetherTheLeftDragCarriesAWidgetAndF11ReportsThem) {
    std::vector<int> ry;
    const auto offsets = [&] {
        std::vector<int> v;
        for (int i = 0; i < screen.deti.count; ++i) v.push_back(child(&screen, i)->ry);
        return v;
    };
    Play({"^F1 R90,290 M910,510 M510,510",  // over the empty container too, then back
          [&] {
              ASSERT_EQ(std::vector<int>(tf_KM_vyber.index, tf_KM_vyber.index + tf_KM_vyber.count), (std::vector<int>{7, 8, 10}));
              for (int i = 0; i < screen.deti.count; ++i) EXPECT_TRUE(Dot(&screen, i, i == 7 || i == 8 || i == 10 ? ORANGE : YELLOW)) << i;
              ry = offsets();
              for (int i : {7, 8, 10}) ry[size_t(i)] += 10;
          },
          "^Down r L1000,800 l",  // a click on the screen itself
          [&] { EXPECT_EQ(std::tuple(offsets(), tf_KM_multi, tf_KM_vyber.count, tf_KM_mod), std::tuple(ry, false, 0, 9)); },
          "F2*7 L505,517 M700,650",  // the band's first is current
          [&] {
              EXPECT_EQ(std::tuple(box->x, box->y, box->rx, box->ry, child(box, 2)->x, tf_KM_cPolCHLO_9),
                        std::tuple(695, 643, 695, 643, 765, box));
          },
          "l M100,100 R690,640 M780,690 ^Right F11",
          [&] {
              const std::string report = folder.Read("tf_KM_report.txt");
              for (const char* line : {"\n ID=710 rx,ry=[695,643] sir,vys=[80,80]\n",
                                       "\n[1]: [tf_CLabel] [noname_label] ID=-1 rx,ry=[20,20] sir,vys=[",
                                       "\nGetCHLWithIndex( 0 )->MoveToRel( 50, 10 );\n"
                                       "GetCHLWithIndex( 1 )->MoveToRel( 20, 20 );\n"
                                       "GetCHLWithIndex( 2 )->MoveToRel( 80, 30 );\n"})
                  EXPECT_NE(report.find(line), std::string::npos) << report;
              remove("tf_KM_report.txt"), mkdir("tf_KM_report.txt", 0700);  // F11 cannot write it now
          },
          "F11 ^F1",
          [&] {  // the box saw only the key that entered the mode
              EXPECT_EQ(std::tuple(test_support::LogHas({"TLFW ERROR: ", "tf_KM_report.txt"}), box->reached), std::tuple(true, 1));
          }});
}

// A band over more than fifty children takes the first fifty; targets that are destroyed
// while tuned are forgotten.
TEST_F(Tuning, ABandTakesFiftyChildrenAtMostAndGoneTargetsAreForgotten) {
    auto* crowd = new tf_CPolCHLO(&screen, 0);  // child 11
    crowd->MoveToRel(1200, 600);
    for (int i = 0; i < 60; ++i) new tf_CPol(crowd, i % 10 * 20, i / 10 * 20);
    Play({"^F1 ^F2 ^Ret R1195,595 M1400,800 ^Right",  // into the crowd
          [&] {
              EXPECT_EQ(std::tuple(tf_KM_vyber.count, child(crowd, 49)->rx, child(crowd, 50)->rx),
                        std::tuple(50, 190, 0));
              screen.deti.Del();  // the application destroys the crowd while it is tuned
              delete crowd;
          },
          "Right F2 Ret Tab F1 F11 L1210,610 M1300,700",
          [&] {  // all forgotten: the keys and clicks after it change nothing
              EXPECT_EQ(std::tuple(tf_KM_mod, tf_KM_cPol_10, tf_KM_cPolCHLO_9, tf_KM_vyber.count), std::tuple(0, nullptr, nullptr, 0));
          },
          "Esc ^F1", [&] { On(9, &screen); }, "Esc"});
    {
        RecordingScreen gone;
        Run(gone, [&](int moment) { moment == 1 ? post("^F1") : (On(9, &gone), plat_Headless_Post(WM_CLOSE, 0, 0)); });
    }
    // That entry kept the container and the selection of the one before; only the screen it
    // was entered on is gone.
    EXPECT_EQ(std::tuple(tf_KM_cPol_10, tf_KM_cPolCHLO_9, tf_KM_vyber.box),
              std::tuple(nullptr, static_cast<tf_CPolCHLO*>(&screen), static_cast<tf_CPol*>(&screen)));
}
}  // namespace
