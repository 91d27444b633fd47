// Input in any order at any speed, and libraries that are empty or not whole: each leaves a
// working editor and nothing damaged on disk.
#include <sys/stat.h>
#include <unistd.h>

#include <sstream>

#include "tests/book/editor_fixture.h"
#include "tests/book/random_input.h"

using namespace editor_test;

namespace {
// Every page file of the library still reads as pages: a background, props and actors.
void expect_whole_pages(const test_support::TempTree& tree) {
    for (const std::string& book : tree.Names())
        for (const std::string& name : tree.Names(book))
            if (name.size() > 4 && name.substr(name.size() - 4) == ".str") {
                std::istringstream in(tree.Read(book + "/" + name));
                for (std::string line; std::getline(in, line);) {
                    std::istringstream words(line);
                    std::string kind, picture;
                    int number = 0;
                    EXPECT_TRUE(words >> kind >> picture >> number && (kind == "p" || kind == "k" || kind == "h"))
                        << book << "/" << name << ": " << line;
                }
            }
}
}  // namespace

// Gestures at places worth pointing at, or anywhere: moves, clicks, drags, right clicks,
// keys and ticks. A run that the stream ends (the close button, "Koniec") starts again.
TEST_F(Editor, TakesARandomStreamOfInput) {
    Library();
    std::string crowd;
    for (int i = 0; i < 12; ++i)
        crowd += (i % 2 ? "k strom " : "h pes ") + std::to_string(60 * i) + " " + std::to_string(40 * i) + " 6 1 0\n";
    tree.File("KNIHA_More/1.str", crowd);
    RandomInput hand(20240611);
    int left = 3000, runs = 0;
    while (left > 0 && runs++ < 30) {
        Run([&] {
            const auto send = [&](UINT msg, WPARAM w, int x, int y) {
                if (left-- > 0 && !px_editor->uvolnene) Post(msg, w, MAKELPARAM(x, y));
            };
            while (left > 0 && !px_editor->uvolnene) hand.Gesture(send);
        });
    }
    EXPECT_LE(left, 0);
    expect_whole_pages(tree);
}

TEST_F(Editor, AnEmptyLibraryOffersOnlyANewBook) {
    Run([&] {
        Tick();
        EXPECT_EQ(std::string(status_text).find('?'), std::string::npos) << status_text << ": a sign the font lacks";
        EXPECT_EQ(Values(duir_KNIHY), (std::vector<int>{PX_ID_NEW_BOOK, PX_ID_TRASH, PX_ID_CLOSE_BOOKS}));
        EXPECT_EQ(utl_duir_Pozadia->CountR() + utl_duir_Kulisy->CountR() + utl_duir_Herci->CountR(), 0);
        EXPECT_EQ(Px(300, 600), FILL);
        ASSERT_NO_FATAL_FAILURE(FromMenu(1, 1));  // "Zavrieť"
        ASSERT_NO_FATAL_FAILURE(FromMenu(1, 0));
        Type("A");
        ASSERT_NO_FATAL_FAILURE(Press(*px_editor->nova_kniha->tlac_ok));
        EXPECT_TRUE(test_support::LogHas({"TLFW ERROR: ", "Nexistencia sablony novej knihy!"}));
        EXPECT_EQ(std::pair(current_book, tree.Names("")), std::pair(-1, std::vector<std::string>{"app"}));
    });
}

TEST_F(Editor, BooksPagesAndTemplatesThatAreNotWholeChangeNothing) {
    Library();
    DrawnBook(tree, "KNIHA_Prazdna", {});
    tree.File("KNIHA_More/1.str", "p nic 4\nh zmizol 10 10 6 1 0\nh pes 100 100 6 1 0\n");
    remove(tree.Host("app/KNIHA_DEFNEW/1.str").c_str());
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(Point(&px_editor->dui_M, 0));
        ASSERT_NO_FATAL_FAILURE(Point(duir_KNIHY, 2));
        EXPECT_TRUE(duir_STRANY->zamknute && !duir_STRANY->zivy) << "no pages to open";
        ASSERT_NO_FATAL_FAILURE(Choose(duir_KNIHY, 2));
        EXPECT_TRUE(test_support::LogHas({"TLFW ERROR: ", "VOLBA_KNIHY() - nenajdena kniha v strukture KS"}));
        EXPECT_EQ(current_book, 100) << "the book shown at start stays";
        ASSERT_NO_FATAL_FAILURE(FromMenu(1, 1));
        EXPECT_EQ(std::tuple(current_book, REG.count, background_path), std::tuple(101, 1, nullptr)) << "what is there";
        ASSERT_NO_FATAL_FAILURE(FromMenu(1, 3));
        Type("X");
        ASSERT_NO_FATAL_FAILURE(Press(*px_editor->nova_kniha->tlac_ok));
        EXPECT_EQ(tree.Names("KNIHA_X"), (std::vector<std::string>{"Herci", "KNIHA.INI", "Kulisy", "Pozadia"}));
        EXPECT_EQ(std::pair(current_book, Values(duir_KNIHY).size()), std::pair(101, size_t{7})) << "a row, not chosen";
    });
}

// Page and phases files that never end (links to /dev/zero) or that nobody writes (FIFOs) are
// refused at once with a log line: such a page shows empty, such an actor its whole picture,
// the editor goes on taking input to its end, and the files stay what they were.
TEST_F(Editor, PageAndPhasesFilesThatNeverEndAreRefusedAtOnce) {
    Library();
    const auto replace = [&](const std::string& rel, bool fifo) {
        remove(tree.Host(rel).c_str());
        ASSERT_EQ(fifo ? mkfifo(tree.Host(rel).c_str(), 0644) : symlink("/dev/zero", tree.Host(rel).c_str()), 0);
    };
    replace("KNIHA_Les/3.str", false);
    replace("KNIHA_Les/4.str", true);
    replace("KNIHA_Les/Herci/pes.faz", true);
    replace("KNIHA_More/Herci/pes.faz", false);
    Run([&] {
        for (int row : {2, 3}) {
            ASSERT_NO_FATAL_FAILURE(OpenPage(0, row));
            EXPECT_EQ(std::pair(current_page, REG.count), std::pair(row + 1, 0));
        }
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        ASSERT_EQ(REG.count, 2);
        const int les_phases = Obj(1)->PocetFaz();
        ASSERT_NO_FATAL_FAILURE(OpenPage(1, 0));
        ASSERT_EQ(REG.count, 1);
        EXPECT_EQ(std::pair(les_phases, Obj(0)->PocetFaz()), std::pair(1, 1));
        for (const char* file :
             {"KNIHA_Les/3.str", "KNIHA_Les/4.str", "KNIHA_Les/Herci/pes.faz", "KNIHA_More/Herci/pes.faz"})
            EXPECT_TRUE(test_support::LogHas({"not a regular file, not read", file})) << file;
        Key(VK_SPACE);
        Tick(3);
        Key(VK_ESCAPE);
        EXPECT_TRUE(test_support::LogHas({"PX - UVOLNI_VSETKO()"}));
    });
    struct stat st;
    EXPECT_TRUE(lstat(tree.Host("KNIHA_Les/3.str").c_str(), &st) == 0 && S_ISLNK(st.st_mode));
    EXPECT_TRUE(lstat(tree.Host("KNIHA_Les/4.str").c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
}
