// The layout tuning mode, driven by window messages on the headless display.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "framework/surface/tf_dsrfc.h"
#include "framework/widgets/tf_duir.h"
#include "framework/widgets/tf_label.h"
#include "framework/widgets/tf_tlac.h"
#include "tests/framework/app/app_fixture.h"

using namespace app_test;

namespace {
constexpr COLORREF kYellow = 0x0000FFFF, kRed = 0x000000FF, kOrange = 0x00329EFF, kMagenta = 0x00FF00FF;

// A container that counts the keys and pointer events reaching it.
struct Box : tf_CPolCHLO {
    Box(tf_CPolCHLO* parent, int rx, int ry) : tf_CPolCHLO(parent, 700 + parent->deti.count) { MoveToRel(rx, ry); }
    bool INFORMUJ_SA_KLAV(int key) override { return ++reached, tf_CPolCHLO::INFORMUJ_SA_KLAV(key); }
    bool INFORMUJ_SA(int x_, int y_, int e) override { return ++reached, tf_CPolCHLO::INFORMUJ_SA(x_, y_, e); }
    int reached = 0;
};

// Hidden containers' children too.
tf_CPol* Child(tf_CPolCHLO* parent, int i) { return static_cast<tf_CPol*>(parent->deti.GET(i)); }

std::string ReadFile(const char* name) {
    std::ostringstream s;
    s << std::ifstream(name, std::ios::binary).rdbuf();
    return s.str();
}

// The screen's own children are 0 to 6 (four title buttons, three dialogs); then a list, a
// row list, an empty container and a container with a button, a label and a bare widget.
struct Tuning : AppTest {
    using Step = std::function<void()>;
    // A folder of its own for the report, the log and the settings: tests run side by side.
    void SetUp() override {
        ASSERT_TRUE(mkdtemp(folder) && chdir(folder) == 0);
        AppTest::SetUp();
        list->Dsgn(100, 300);
        rows->Dsgn(300, 300);
        for (tf_CDUI* l : {list, static_cast<tf_CDUI*>(rows)}) l->PRIDAJ(1, "Jeden"), l->PRIDAJ(2, "Dva");
        new tf_CTlac(box, 40, 10, 77);
        new tf_CLabel(box, 10, 20, "Ahoj");
        new tf_CPol(box, 70, 30);
    }
    // Each step runs at the next idle moment; then the program closes.
    void Play(const std::vector<Step>& steps) {
        Run(screen, [&](int moment) {
            if (moment <= int(steps.size())) return steps[size_t(moment - 1)]();
            plat_Headless_Post(WM_CLOSE, 0, 0);
        });
    }
    // The key, `times` over, then a frame.
    static constexpr int kWide = 330;
    // Modifiers are read when the messages are handled: those of the last key posted hold for all.
    static void Press(int key, bool ctrl = false, bool shift = false, int times = 1) {
        while (times-- > 0) PostKey(key, ctrl, shift);
        plat_Headless_Post(WM_TIMER, 1, 0);
    }
    static void Frame() { plat_Headless_Post(WM_TIMER, 1, 0); }
    static void Mouse(UINT msg, int x, int y) { plat_Headless_Post(msg, 0, MAKELPARAM(x, y)); }
    static uint16_t Raw(COLORREF c) { return uint16_t(DDPixelFromColor(plat_PrimarySurface(), c)); }
    static uint16_t Dot(tf_CPolCHLO* parent, int i) {
        const tf_CPol* c = Child(parent, i);
        return Px(plat_PrimarySurface(), parent->x + c->rx, parent->y + c->ry);
    }
    // The frame shows at (x, y), as far as the next panel, exactly the pixels of the text in the
    // overlay's colour and font.
    bool Shows(int x, int y, const char* text) const {
        IDirectDrawSurface* want = plat_CreateTestSurface(kWide, 20);
        DDSURFACE_ZMAZ(want, DWORD(screen.m_BackgroundColor));
        HDC dc = nullptr;
        want->GetDC(&dc);
        SetBkMode(dc, TRANSPARENT);
        SelectObject(dc, GetStockObject(SYSTEM_FONT));
        SetTextColor(dc, 0x00402020);  // a dark rim under the light yellow
        for (int d = 0; d < 9; ++d)
            if (d != 4) TextOutA(dc, d % 3, d / 3, text, int(strlen(text)));
        SetTextColor(dc, 0x00C8FFFF);
        TextOutA(dc, 1, 1, text, int(strlen(text)));
        want->ReleaseDC(dc);
        int wrong = 0;
        for (int v = 0; v < 20; ++v)
            for (int u = 0; u < kWide; ++u) wrong += Px(want, u, v) != Px(plat_PrimarySurface(), x + u - 1, y + v - 1);
        want->Release();
        return wrong == 0;
    }
    // Every widget's place and size, and the mode's state.
    std::string Layout() {
        std::ostringstream s;
        s << tf_KM_mod << " " << tf_KM_index << " " << tf_KM_cPol_10 << " " << tf_KM_vyber.count << ":";
        std::function<void(tf_CPolCHLO*)> walk = [&](tf_CPolCHLO* p) {
            for (int i = 0; i < p->deti.count; ++i) {
                tf_CPol* c = Child(p, i);
                int w = 0, h = 0;
                c->GetSize(&w, &h);
                s << " " << c->x << "," << c->y << "," << c->rx << "," << c->ry << "," << w << "x" << h;
                if (tf_CPolCHLO::IsClassIdPolCHLO(c->class_id)) walk(static_cast<tf_CPolCHLO*>(c));
            }
        };
        walk(&screen);
        return s.str();
    }

    void TearDown() override {
        AppTest::TearDown();
        EXPECT_EQ(chdir(".."), 0);
        std::filesystem::remove_all(folder);
    }

    char folder[16] = "tuning_XXXXXX";
    RecordingScreen screen;
    tf_CDUI* list = new tf_CDUI(&screen, 0, 0);
    tf_CDUIR* rows = new tf_CDUIR(&screen, 0, 0);
    tf_CPolCHLO* empty = new Box(&screen, 900, 500);
    Box* box = new Box(&screen, 500, 500);
};

TEST_F(Tuning, WalksTheTreeByKindAndLeavesWithoutClosing) {
    const int n = screen.deti.count;
    Play({[&] { Press(VK_F1, true); },
          [&] {
              EXPECT_EQ(std::tuple(tf_KM_on, tf_KM_mod, tf_KM_cPol_10), std::tuple(true, 9, &screen));
              EXPECT_TRUE(Shows(420, 40, "tf_KM_mod=9: PolCHLO"));
              EXPECT_TRUE(Shows(470, 40 + 4 * 18, "[F11]  SAVE => tf_KM_report.txt"));  // the screen has no parent
              EXPECT_TRUE(Shows(800, 40 + 18, "     [ x, y ] = [ 0, 0 ]"));
              for (int i = 0; i < n; ++i) EXPECT_EQ(Dot(&screen, i), Raw(i ? kYellow : kRed)) << i;
              Press(VK_F2, false, false, n + 1);  // round once and one on
          },
          [&] {
              EXPECT_EQ(tf_KM_index, 1);
              EXPECT_EQ(Dot(&screen, 1), Raw(kRed));
              EXPECT_EQ(Dot(&screen, 0), Raw(kYellow));
              Press(VK_F2, true, false, 3);  // back past the first to the last but one
          },
          [&] {
              EXPECT_EQ(tf_KM_index, n - 2);
              Press(VK_RETURN);
          },
          [&] {
              EXPECT_EQ(std::tuple(tf_KM_mod, tf_KM_cPolCHLO_9), std::tuple(9, empty));
              EXPECT_TRUE(Shows(470, 40 + 4 * 18, "[Tab]  Go to Sibling"));
              Press(VK_TAB, false, true);
          },
          [&] {
              EXPECT_EQ(std::tuple(tf_KM_mod, tf_KM_cDUIR_2), std::tuple(2, rows));
              Press(VK_TAB, true);
          },
          [&] {
              EXPECT_EQ(std::tuple(tf_KM_mod, tf_KM_cDUI_1), std::tuple(1, list));
              Press(VK_F1);
          },
          [&] {
              EXPECT_EQ(std::tuple(tf_KM_mod, tf_KM_cDUI_1), std::tuple(0, list));
              EXPECT_TRUE(Shows(420, 40, "tf_KM_mod=0: nic-ostry rezim"));
              EXPECT_TRUE(Shows(470, 40 + 18, "[F11]  SAVE => tf_KM_report.txt"));
              Press(VK_F1);
          },
          [&] {
              EXPECT_EQ(tf_KM_mod, 1);
              Press(VK_TAB, false, false, 4);  // past the last child to the first
          },
          [&] {
              EXPECT_EQ(std::tuple(tf_KM_mod, tf_KM_cPol_10), std::tuple(10, Child(&screen, 0)));
              EXPECT_TRUE(Shows(420, 40, "tf_KM_mod=10: Pol"));
              Press(VK_BACK);
          },
          [&] {
              EXPECT_EQ(std::tuple(tf_KM_mod, tf_KM_cPolCHLO_9), std::tuple(9, &screen));
              Press(VK_ESCAPE);
          },
          [&] { Press(VK_F1, true); },
          [&] {
              EXPECT_EQ(std::tuple(tf_KM_on, tf_KM_mod, tf_KM_cPol_10), std::tuple(true, 9, &screen));
              Press(VK_F12);
          },
          [&] { Press(VK_F1, false, true); },
          [&] {
              EXPECT_TRUE(tf_KM_on);
              Press(VK_F1, true);
          },
          [&] {
              EXPECT_FALSE(tf_KM_on);
              EXPECT_EQ(ReadIni(), "");    // still running, never closed
              EXPECT_EQ(box->reached, 3);  // only the three keys that entered the mode
          }});
}

// Arrows move by one pixel, by ten with Ctrl; Shift+arrows resize. The box's button is tuned
// in sub-mode 10, the resolution dialog (with its children) in sub-mode 9.
TEST_F(Tuning, ArrowsMoveAndResizeTheWidgetOrTheContainer) {
    struct Row {
        int key;
        bool ctrl, shift;
        int drx, dry, dw, dh;
    };
    const Row table[] = {
        {VK_LEFT, 0, 0, -1, 0, 0, 0},        {VK_RIGHT, 0, 0, 1, 0, 0, 0},        {VK_UP, 0, 0, 0, -1, 0, 0},
        {VK_DOWN, 0, 0, 0, 1, 0, 0},         {VK_NUMPAD0 + 4, 0, 0, -1, 0, 0, 0}, {VK_NUMPAD0 + 6, 0, 0, 1, 0, 0, 0},
        {VK_NUMPAD0 + 8, 0, 0, 0, -1, 0, 0}, {VK_NUMPAD0 + 2, 0, 0, 0, 1, 0, 0},  {VK_LEFT, 1, 0, -10, 0, 0, 0},
        {VK_RIGHT, 1, 0, 10, 0, 0, 0},       {VK_DOWN, 1, 0, 0, 10, 0, 0},        {VK_LEFT, 0, 1, 0, 0, -1, 0},
        {VK_DOWN, 0, 1, 0, 0, 0, 1},         {VK_RIGHT, 1, 1, 0, 0, 1, 0}};
    int rx = 0, ry = 0, w = 0, h = 0;
    const Row* last = nullptr;
    auto check_then_press = [&](const Row* next) {
        tf_CPol* t = tf_KM_cPol_10;
        int nw = 0, nh = 0;
        t->GetSize(&nw, &nh);
        if (last) {
            EXPECT_EQ(std::tuple(t->rx - rx, t->ry - ry, nw - w, nh - h),
                      std::tuple(last->drx, last->dry, last->dw, last->dh))
                << t->nazov << " key " << last->key << " ctrl " << last->ctrl << " shift " << last->shift;
        }
        std::tie(rx, ry, w, h, last) = std::tuple(t->rx, t->ry, nw, nh, next);
        if (next) Press(next->key, next->ctrl, next->shift);
    };
    std::vector<Step> steps = {[] { Press(VK_F1, true), Press(VK_F2, true), Press(VK_RETURN, true, false, 2); }};
    for (int target : {0, 1}) {
        for (const Row& row : table) steps.push_back([&, r = &row] { check_then_press(r); });
        steps.push_back([&, target] {
            check_then_press(nullptr);
            if (target == 0) Press(VK_BACK), Press(VK_BACK), Press(VK_F2, false, false, 4), Press(VK_RETURN);
        });
    }
    Play(steps);
    tf_CPolCHLO* dialog = screen.m_pDlgRozlisenie;
    EXPECT_EQ(tf_KM_cPolCHLO_9, dialog);
    for (int i = 0; i < dialog->deti.count; ++i) {
        const tf_CPol* c = Child(dialog, i);
        EXPECT_EQ(std::pair(c->x, c->y), std::pair(dialog->x + c->rx, dialog->y + c->ry)) << i;
    }
}

// F2, F3 and F5 to F8 change the layout of a list or a row list (never below 0) and mark it.
TEST_F(Tuning, FunctionKeysChangeAListsLayoutAndMarkIt) {
    const struct {
        int key;
        bool modifier;
        const char* want;
    } table[] = {{VK_F2, 0, "RC LT 1 1 20 23 120"},     {VK_F1 + 2, 0, "RC CT 1 1 20 23 120"},
                 {VK_F1 + 4, 0, "RC CT 2 1 20 23 120"}, {VK_F1 + 4, 1, "RC CT 1 1 20 23 120"},
                 {VK_F1 + 4, 1, "RC CT 0 1 20 23 120"}, {VK_F1 + 4, 1, "RC CT 0 1 20 23 120"},
                 {VK_F1 + 5, 0, "RC CT 0 2 20 23 120"}, {VK_F1 + 6, 0, "RC CT 0 2 21 24 120"},
                 {VK_F1 + 6, 1, "RC CT 0 2 20 23 120"}, {VK_F1 + 7, 0, "RC CT 0 2 20 23 121"}};
    auto fields = [](tf_CDUI* l) {
        std::ostringstream s;
        s << l->text_mod << " " << l->ikona_mod << " " << l->text_okraj << " " << l->ikona_okraj << " "
          << l->vyska_volby << " " << l->krok_volby << " " << l->sirka_volby;
        return s.str();
    };
    std::vector<Step> steps = {[] { Press(VK_F1, true), Press(VK_F2, true, false, 4), Press(VK_RETURN, true); }};
    for (tf_CDUI* l : {list, static_cast<tf_CDUI*>(rows)}) {
        for (size_t i = 0; i <= std::size(table); ++i)
            steps.push_back([&, l, i] {
                if (i > 0) {
                    EXPECT_EQ(fields(l), table[i - 1].want) << l->class_id << " row " << i - 1;
                    EXPECT_TRUE(l == rows ? rows->zmena_r : l->zmena) << l->class_id << " row " << i - 1;
                }
                plat_Headless_Post(WM_TIMER, 1, 0);  // laid out afresh, then the key
                if (i < std::size(table)) PostKey(table[i].key, table[i].modifier, false);
            });
        steps.push_back([&] {
            EXPECT_TRUE(Shows(470, 40 + 3 * 18, "[F5]  TextPadding: 0"));
            Press(VK_TAB);
        });
    }
    Play(steps);
}

// A right drag picks the children whose anchors it covers, the arrows move them together and
// a left click lets them go; a left drag carries a widget by the point where it was taken.
TEST_F(Tuning, TheBandMovesChildrenTogetherAndTheLeftDragCarriesAWidget) {
    auto offsets = [&] {
        std::vector<std::pair<int, int>> v;
        for (int i = 0; i < screen.deti.count; ++i) v.emplace_back(Child(&screen, i)->rx, Child(&screen, i)->ry);
        return v;
    };
    std::vector<std::pair<int, int>> before;
    Play({[&] {
              Press(VK_F1, true);
              Mouse(WM_RBUTTONDOWN, 90, 290);
              Mouse(WM_MOUSEMOVE, 910, 510);  // over the empty container too, then back
              Mouse(WM_MOUSEMOVE, 510, 510);
              Frame();
          },
          [&] {
              ASSERT_EQ(std::vector<int>(tf_KM_vyber.index, tf_KM_vyber.index + tf_KM_vyber.count),
                        (std::vector<int>{7, 8, 10}));
              for (int i = 0; i < screen.deti.count; ++i)
                  EXPECT_EQ(Dot(&screen, i), Raw(i == 7 || i == 8 || i == 10 ? kOrange : kYellow)) << i;
              EXPECT_EQ(Px(plat_PrimarySurface(), 85, 400), Raw(kOrange));  // the band's left edge
              before = offsets();
              Press(VK_DOWN, true);
              Mouse(WM_RBUTTONUP, 510, 510);
              Mouse(WM_LBUTTONDOWN, 1000, 800);  // on the screen itself
              Mouse(WM_LBUTTONUP, 1000, 800);
          },
          [&] {
              std::vector<std::pair<int, int>> want = before;
              for (int i : {7, 8, 10}) want[size_t(i)].second += 10;
              EXPECT_EQ(offsets(), want);
              EXPECT_EQ(std::tuple(tf_KM_multi, tf_KM_vyber.count, tf_KM_mod), std::tuple(false, 0, 9));
              Press(VK_F2, false, false, 7);
          },
          [&] {
              EXPECT_EQ(Dot(&screen, 7), Raw(kMagenta));  // the current child was the band's first
              Mouse(WM_LBUTTONDOWN, box->x + 5, box->y + 7);
              Mouse(WM_MOUSEMOVE, 700, 650);
              Frame();
          },
          [&] {
              EXPECT_EQ(std::tuple(box->x, box->y, box->rx, box->ry, tf_KM_cPolCHLO_9),
                        std::tuple(695, 643, 695, 643, box));
              EXPECT_EQ(Child(box, 2)->x, 765);
              Mouse(WM_LBUTTONUP, 700, 650);
              Mouse(WM_MOUSEMOVE, 100, 100);
              Press(VK_F1, true);
          },
          [&] {
              EXPECT_EQ(std::pair(box->x, box->y), std::pair(695, 643));
              EXPECT_EQ(box->reached, 1);  // the key that entered the mode
          }});
}

// F11 writes the container and its children with their current offsets; a report that
// cannot be written is a log line.
TEST_F(Tuning, F11WritesTheChildrenAsCodeOrALogLine) {
    Play({[&] {
              Press(VK_F1, true), Press(VK_F2, true), Press(VK_RETURN, true);
              Mouse(WM_RBUTTONDOWN, 505, 505);
              Mouse(WM_MOUSEMOVE, 580, 540);
              Press(VK_RIGHT, true);
              Press(VK_F1 + 10, true);
          },
          [&] {
              auto size = [&](int i) {
                  int w = 0, h = 0;
                  Child(box, i)->GetSize(&w, &h);
                  return std::to_string(w) + "," + std::to_string(h);
              };
              std::string want;
              for (const std::string& line : std::initializer_list<std::string>{
                       "-------------------", "tf_KM_cPolCHLO_9: CPolCHLO", " ID=710 rx,ry=[500,500] sir,vys=[80,80]",
                       "--- CHL:", "[0]: [tf_CTlac] [noname_tlac] ID=77 rx,ry=[50,10] sir,vys=[" + size(0) + "]",
                       "[1]: [tf_CLabel] [noname_label] ID=-1 rx,ry=[20,20] sir,vys=[" + size(1) + "] text=Ahoj",
                       "[2]: [tf_CPol] [noname_pol] ID=-1 rx,ry=[80,30] sir,vys=[80,80]", "-------------------",
                       "GetCHLWithIndex( 0 )->MoveToRel( 50, 10 );", "GetCHLWithIndex( 1 )->MoveToRel( 20, 20 );",
                       "GetCHLWithIndex( 2 )->MoveToRel( 80, 30 );", "-------------------", "tf_KM_cPol_10: CPol",
                       " TODO"})
                  want += line + "\n";
              EXPECT_EQ(ReadFile("tf_KM_report.txt"), want);
              remove("tf_KM_report.txt");
              mkdir("tf_KM_report.txt", 0700);
              Press(VK_F1 + 10);
          },
          [&] {
              EXPECT_TRUE(test_support::LogHas({"TLFW ERROR: ", "tf_KM_report.txt"}));
              rmdir("tf_KM_report.txt");
          }});
}

// Keys that do not apply, a container without children, a band over more than fifty
// children, moves far off the screen, and targets that are destroyed: no harm done.
TEST_F(Tuning, BadInputChangesNothingAndGoneTargetsAreForgotten) {
    auto* crowd = new tf_CPolCHLO(&screen, 0);  // child 11
    crowd->MoveToRel(1200, 600);
    for (int i = 0; i < 60; ++i) new tf_CPol(crowd, i % 10 * 20, i / 10 * 20);
    const int idle[] = {VK_RETURN, VK_F2, VK_F1 + 2, VK_F1 + 4, VK_F1 + 7, 'A', VK_SPACE};
    std::string before;
    Play({[&] { Press(VK_F1, true), Press(VK_F2, true, false, 3), Press(VK_RETURN, true); },
          [&] {
              EXPECT_EQ(tf_KM_cPolCHLO_9, empty);
              before = Layout();
              for (int key : idle) PostKey(key);
              Mouse(WM_RBUTTONDOWN, 0, 0);
              Mouse(WM_MOUSEMOVE, 1900, 1000);
              Press(VK_BACK), Press(VK_F2, false, false, 10), Press(VK_RETURN), Press(VK_RETURN);  // the box's button
          },
          [&] {
              EXPECT_EQ(before.substr(before.find(':')), Layout().substr(Layout().find(':')));
              before = Layout();
              for (int key : idle) PostKey(key);
              Mouse(WM_RBUTTONDOWN, 0, 0);
              Mouse(WM_MOUSEMOVE, 1900, 1000);
              Frame();
          },
          [&] {
              EXPECT_EQ(before, Layout());
              EXPECT_FALSE(tf_KM_multi);
              Press(VK_LEFT, true, false, 400);
          },
          [&] { Press(VK_UP, false, true, 300); },
          [&] {
              tf_CPol* button = Child(box, 0);
              int w = 0, h = 0;
              button->GetSize(&w, &h);
              EXPECT_TRUE(button->x >= -1920 && button->x < -1910) << button->x;
              EXPECT_EQ(h, 1);
              Press(VK_BACK, true, false, 2), Press(VK_F2, true), Press(VK_RETURN, true);  // into the crowd
              Mouse(WM_RBUTTONDOWN, 1195, 595);
              Mouse(WM_MOUSEMOVE, 1400, 800);
              Press(VK_RIGHT, true);
          },
          [&] {
              EXPECT_EQ(tf_KM_vyber.count, 50);
              EXPECT_EQ(std::pair(Child(crowd, 49)->rx, Child(crowd, 50)->rx), std::pair(190, 0));
              screen.deti.Del();  // the application destroys the crowd while it is tuned
              delete crowd;
              for (int key : {VK_RIGHT, VK_F2, VK_RETURN, VK_TAB, VK_F1, VK_F1 + 10}) PostKey(key);
              Mouse(WM_LBUTTONDOWN, 1210, 610);
              Mouse(WM_MOUSEMOVE, 1300, 700);
              Frame();
          },
          [&] {
              EXPECT_EQ(std::tuple(tf_KM_mod, tf_KM_cPol_10, tf_KM_cPolCHLO_9, tf_KM_vyber.count),
                        std::tuple(0, nullptr, nullptr, 0));
              EXPECT_TRUE(Shows(420, 40, "tf_KM_mod=0: nic-ostry rezim"));
              EXPECT_EQ(ReadFile("tf_KM_report.txt"), "");
              Press(VK_ESCAPE, true), Press(VK_F1, true);
          },
          [&] {
              EXPECT_EQ(std::tuple(tf_KM_mod, tf_KM_cPol_10), std::tuple(9, &screen));
              Press(VK_ESCAPE);
          }});
    {
        RecordingScreen gone;
        Run(gone, [&](int moment) {
            if (moment == 1) return Press(VK_F1, true);
            EXPECT_EQ(tf_KM_cPol_10, &gone);
            plat_Headless_Post(WM_CLOSE, 0, 0);
        });
    }
    EXPECT_EQ(std::tuple(tf_KM_cPol_10, tf_KM_cPolCHLO_9, tf_KM_vyber.box), std::tuple(nullptr, nullptr, nullptr));
}
}  // namespace
