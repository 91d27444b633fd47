// The editor killed at random moments while the author works: every file it leaves is whole,
// and the next start offers back the changes it kept (never over a page saved after them) or
// shows the page last saved, with no temporary file left behind.
#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <random>
#include <thread>

#include <unistd.h>

#include "platform/codepage.h"
#include "tests/book/editor_fixture.h"
#include "tests/book/editor_processes.h"
#include "tests/book/random_input.h"

using namespace editor_test;

namespace {
namespace fs = std::filesystem;
const std::vector<std::string> TEMPORARIES = {PLAT_WRITE_TEMP_PREFIX, PX_EXPORT_PREFIX, ".pexlo-new-"};
const char RECOVERY[] = ".pexlo-obnova-", RECOVERY_END[] = "-strana.txt";
constexpr int KILLS = 200, START_EVERY = 5, MAX_BOOKS = 5;

// A recovery file a kill left: the page it names, the page's lines, and whether that page's
// file was saved after it (the kill came between a save and the recovery file's removal).
struct Left {
    std::string page, lines;
    bool stale = false;
};

class Kills : public Editor {
protected:
    // An author at work until killed: a page opened, the random hand, objects dragged, the
    // clock going on so that changes are kept, saves, and now and then an export or a new book.
    // Once started, `editing` gets 'o' when the start offered changes back, '.' when it did not
    // (each as Started wants it), 'x' when it went wrong,
    // then ',' after every step of the author's, so that kills fall at random steps whatever
    // the machine's load.
    void Edit(unsigned seed, const std::vector<Left>& left, Signal& editing);
    // A start after kills: what they left is offered back, else the page shown is its file
    // unchanged; what is wrong, "" when nothing.
    std::string Started(const std::vector<Left>& left);
    // A start whose offer is taken: the changes come back and save where they belong.
    void Restore(const std::vector<Left>& left);
    // The recovery files in the working folder; false when one is not whole.
    bool Kept(std::vector<Left>* left) const;

private:
    // The shown entry of `list` with that value, or -1 (after a tick: lists open when drawn).
    int Entry(tf_CDUI* list, int value);
    void Open(const struct_kniha_strana& ks);
    void OpenSome(std::mt19937& rng);
    void NewBook(std::mt19937& rng);
    void Drag(std::mt19937& rng);
};

int Kills::Entry(tf_CDUI* list, int value) {
    Tick();
    for (int i = 0; list && list->zivy && i < list->volby.count; ++i)
        if (static_cast<tf_TVOLBA*>(list->volby.GET(i))->hodnota == value) return i;
    return -1;
}

void Kills::Open(const struct_kniha_strana& ks) {
    const int book = ks.book_id, page = ks.page_id;
    Point(&px_editor->dui_M, 0);
    if (const int b = Entry(duir_KNIHY, book); b >= 0) Point(duir_KNIHY, b);
    if (const int p = Entry(duir_STRANY, page); p >= 0) Choose(duir_STRANY, p);
}

void Kills::OpenSome(std::mt19937& rng) {
    if (KS.count > 0) Open(*static_cast<struct_kniha_strana*>(KS.GET(int(rng() % unsigned(KS.count)))));
}

void Kills::NewBook(std::mt19937& rng) {
    Point(&px_editor->dui_M, 0);
    if (duir_KNIHY->CountR() - 3 >= MAX_BOOKS) return;  // beside the books: new, trash, close
    if (const int row = Entry(duir_KNIHY, PX_ID_NEW_BOOK); row >= 0) Choose(duir_KNIHY, row);
    if (!px_editor->nova_kniha->zivy) return;
    for (int i = 0; i < 3; ++i) Key('A' + int(rng() % 26));
    Press(*px_editor->nova_kniha->tlac_ok);
}

// An object of the page put somewhere else, let go at rest.
void Kills::Drag(std::mt19937& rng) {
    if (REG.count == 0) return;
    const POINT from = Mid(int(rng() % unsigned(REG.count)));
    const int x = std::clamp(from.x + int(rng() % 201) - 100, 0, W - 1);
    const int y = std::clamp(from.y + int(rng() % 201) - 100, 0, H - 1);
    Move(from.x, from.y);
    Down(from.x, from.y);
    Move(x, y);
    Move(x, y);
    Up(x, y);
}

void Kills::Edit(unsigned seed, const std::vector<Left>& left, Signal& editing) {
    std::mt19937 rng(seed);
    RandomInput hand(seed);
    for (bool told = false;;)  // the hand may end the editor ("Koniec"): the author starts it again
        Run([&] {
            if (!told) {
                const std::string fault = Started(left);
                EXPECT_EQ(fault, "");
                editing.Give(!fault.empty() ? 'x' : px_editor->otazka->zivy ? 'o' : '.');
                told = true;
            }
            if (px_editor->otazka->zivy)  // what an earlier kill left, offered back
                Press(rng() % 2 ? *px_editor->otazka->tlac_ok : *px_editor->otazka->tlac_zrus);
            if (current_page == -1) OpenSome(rng);
            const auto send = [&](UINT msg, WPARAM w, int x, int y) {
                if (!px_editor->uvolnene) Post(msg, w, MAKELPARAM(x, y));
            };
            while (!px_editor->uvolnene) {
                const unsigned r = rng() % 100;
                if (r < 45) {
                    hand.Gesture(send);
                } else if (r < 60) {
                    Drag(rng);
                } else if (r < 85) {
                    plat_Headless_AdvanceTime(300 + rng() % 1500);
                    Tick();
                } else if (r < 93) {
                    Ctrl('S');
                } else if (r < 96) {
                    OpenSome(rng);
                } else if (r < 98) {
                    NewBook(rng);
                } else {
                    Key(VK_F9);
                }
                editing.Give(',');
            }
        });
}

bool Kills::Kept(std::vector<Left>* left) const {
    for (const std::string& name : tree.Names("app")) {
        if (!name.starts_with(RECOVERY) || !name.ends_with(RECOVERY_END)) continue;
        const std::string bytes = tree.Read("app/" + name);
        const size_t page = bytes.find("\nstrana "), count = bytes.find("\nriadkov ");
        if (!bytes.starts_with("pexlo-obnova 1\n") || !bytes.ends_with("koniec\n") || count == std::string::npos)
            return false;
        const size_t from = bytes.find('\n', count + 1) + 1, end = bytes.size() - strlen("koniec\n");
        if (from > end) return false;
        Left l{"", bytes.substr(from, end - from)};
        if (page != std::string::npos) {  // a new page's changes go to a new page in any case
            l.page = bytes.substr(page + 8, bytes.find('\n', page + 8) - page - 8);
            // Every save makes a new file: the one the changes were made on is gone when saved since.
            const size_t base = bytes.find("\nzaklad ");
            l.stale = base != std::string::npos &&
                      bytes.substr(base + 8, bytes.find('\n', base + 8) - base - 8) != plat_FileVersion(l.page.c_str());
        }
        left->push_back(l);
    }
    return true;
}

std::string Kills::Started(const std::vector<Left>& left) {
    if (px_editor->otazka->zivy) return left.empty() ? "changes offered that nobody left" : "";
    // Nothing offered: what was left could not be brought back (its page deleted meanwhile).
    if (!left.empty() && !test_support::LogHas({"Obnova: subor sa neda obnovit, odstraneny"}))
        return "what a kill left is neither offered nor refused";
    const struct_kniha_strana* ks = NAJDI_KS(current_book, current_page);
    if (ks && (dirty || PX_Text_strany() != test_support::ReadFile(plat_HostPath(ks->page_path))))
        return "the page shown is not its file as saved";
    return "";
}

void Kills::Restore(const std::vector<Left>& left) {
    Run([&] {
        ASSERT_EQ(Started(left), "");
        if (!px_editor->otazka->zivy) return;
        Press(*px_editor->otazka->tlac_ok);  // "Obnoviť"
        const struct_kniha_strana* ks = NAJDI_KS(current_book, current_page);
        const std::string lines = PX_Text_strany();
        const auto it = std::find_if(left.begin(), left.end(), [&](const Left& l) {
            return l.lines == lines && (l.page.empty() ? current_page == PX_NEW_PAGE : ks && l.page == ks->page_path);
        });
        ASSERT_TRUE(dirty && it != left.end()) << "not what a kill left:\n" << lines;
        if (it->page.empty()) return;
        const std::string before = test_support::ReadFile(plat_HostPath(ks->page_path));
        Ctrl('S');
        EXPECT_EQ(test_support::ReadFile(plat_HostPath(ks->page_path)), it->stale ? before : lines)
            << (it->stale ? "a page saved after the changes were kept is overwritten" : "not saved");
        EXPECT_EQ(plat_Utf8FromCp1250(status_text).find("sa medzitým zmenila inde") != std::string::npos, it->stale)
            << plat_Utf8FromCp1250(status_text);
    });
}
}  // namespace

TEST_F(Kills, AKilledEditorLeavesWholeFilesAndTheNextStartOffersItsChangesOrShowsTheSavedPage) {
    Library();
    std::mt19937 rng(23);
    int cut_short = 0, offered = 0, stale = 0;
    std::vector<Left> left;
    for (int kill = 0; kill < KILLS; ++kill) {
        Signal editing;
        const unsigned seed = rng();
        const pid_t child = Fork([&] { Edit(seed, left, editing); });
        ASSERT_GT(child, 0);
        const char started = editing.Take();
        ASSERT_TRUE(started == '.' || started == 'o') << "kill " << kill << ": the editor did not start as it should";
        offered += started == 'o';
        for (int steps = int(rng() % 24); steps > 0 && editing.Take() == ','; --steps) {
        }
        std::this_thread::sleep_for(std::chrono::microseconds(rng() % 3000));
        ASSERT_EQ(Ended(child, true), "signal 9") << "kill " << kill << ": the editor ended by itself";
        ASSERT_EQ(BrokenFiles(tree), "") << "after kill " << kill;
        left.clear();
        ASSERT_TRUE(Kept(&left)) << "a recovery file is not whole after kill " << kill;
        cut_short += !NamesStarting(tree, TEMPORARIES).empty();
        if (kill % START_EVERY != START_EVERY - 1) continue;
        offered += !left.empty();  // Restore checks that it is offered
        stale += std::count_if(left.begin(), left.end(), [](const Left& l) { return l.stale; });
        ASSERT_EQ(Ended(Fork([&] { Restore(left); })), "exit 0") << "the start after kill " << kill;
        EXPECT_EQ(NamesStarting(tree, TEMPORARIES), std::vector<std::string>{}) << "after the start after kill " << kill;
        std::vector<Left> after;
        ASSERT_TRUE(Kept(&after));
        if (!left.empty()) {
            EXPECT_LT(after.size(), left.size()) << "nothing brought back or refused after kill " << kill;
        }
        left = after;
    }
    printf("kills: %d during a write, %d starts offered changes back (%d older than their page)\n", cut_short, offered,
           stale);
    EXPECT_GT(cut_short, 0);
    EXPECT_GT(offered, 0);
}
