// A book's settings file: the page size it names, read within its limits; a file that is no
// regular file, or what lies beyond the limits, leaves the size of a book without one.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "book/px_nastavenia.h"
#include "tests/book/book_fixture.h"
#include "tests/support/temp_tree.h"
#include "tests/support/test_support.h"

TEST(BookSettings, PageSizeFromTheFileWithinItsLimitsAndNeverFromOddFiles) {
    test_support::FreshLog();
    test_support::TempTree tree;
    tree.Dir("KNIHA_A");
    const std::string book = tree.Host("KNIHA_A"), ini = tree.Host("KNIHA_A/KNIHA.INI");
    const auto size = [&] {
        const PX_Nastavenia n = PX_Nacitaj_nastavenia(book.c_str());
        return std::pair(n.sir, n.vys);
    };
    const auto with = [&](const std::string& content) {
        tree.File("KNIHA_A/KNIHA.INI", content);
        return size();
    };
    const std::pair<int, int> none{1920, 1080};  // no file, no page with a background
    EXPECT_EQ(with("farba 3\r\nstrana 800 600\r\n"), std::pair(800, 600));
    EXPECT_EQ(with(std::string(199, 'x') + "strana 640 480\n"), none) << "the tail of a long line is no line";
    EXPECT_EQ(with(std::string(64, '\n') + "strana 640 480\n"), none) << "beyond 64 lines";
    EXPECT_TRUE(test_support::LogHas({"KNIHA.INI: subor dlhsi ako 64 riadkov"}));

    remove(ini.c_str());
    ASSERT_EQ(symlink("/dev/zero", ini.c_str()), 0);
    EXPECT_EQ(size(), none);
    remove(ini.c_str());
    ASSERT_EQ(mkfifo(ini.c_str(), 0644), 0);
    EXPECT_EQ(size(), none) << "and at once: nobody writes the FIFO";
    int refused = 0;
    for (const std::string& line : test_support::LogLines())
        refused += line.find("not a regular file, not read") != std::string::npos && line.find("KNIHA.INI") != line.npos;
    EXPECT_EQ(refused, 2) << "each refused with a log line";
}

TEST(BookSettings, ABadSizeTakesTheBackgroundsWithALogLine) {
    test_support::FreshLog();
    test_support::TempTree tree;
    tree.Dir("KNIHA_A");
    tree.Dir("KNIHA_A/Pozadia");
    book_test::WritePicture(tree, "KNIHA_A/Pozadia/luka.bmp", 800, 600);
    tree.File("KNIHA_A/1.str", "p luka 1\nk strom 10 10 6 1 0\n");
    const std::string book = tree.Host("KNIHA_A");
    const auto with = [&](const std::string& content) {
        tree.File("KNIHA_A/KNIHA.INI", content);
        const PX_Nastavenia n = PX_Nacitaj_nastavenia(book.c_str());
        return std::pair(n.sir, n.vys);
    };
    const std::pair<int, int> background{800, 600};
    for (const char* bad : {"", "\x01\xff garbage\n", "strana -1920 -1080\n", "strana 0 0\n", "strana 100000 100000\n",
                            "strana 1920\n", "strana 1920 1080 7\n", "strana 1920x1080\n"}) {
        test_support::FreshLog();
        EXPECT_EQ(with(bad), background) << bad;
        int lines = 0;
        for (const std::string& line : test_support::LogLines()) lines += line.find("KNIHA.INI:") != std::string::npos;
        EXPECT_EQ(lines, 1) << bad << ": one log line";
    }
    test_support::FreshLog();
    EXPECT_EQ(with("strana 1024 400\n"), std::pair(1024, 400)) << "a size the background does not fit is kept";
    EXPECT_TRUE(test_support::LogHas({"pozadie prvej strany ma iny rozmer ako strana"}));
    tree.File("KNIHA_A/1.str", "p chyba 1\n");
    EXPECT_EQ(with("strana 0 0\n"), std::pair(1920, 1080)) << "no background to take: the default";
}

TEST(BookSettings, APageTimeOutOfRangeIsBroughtIntoItAndGarbageKeepsEightSeconds) {
    test_support::TempTree tree;
    tree.Dir("KNIHA_A");
    const std::string book = tree.Host("KNIHA_A");
    const auto page_time = [&](const std::string& line) {
        test_support::FreshLog();
        tree.File("KNIHA_A/KNIHA.INI", "strana 800 600\n" + line);
        return PX_Nacitaj_nastavenia(book.c_str()).cas_strany_ms;
    };
    EXPECT_EQ(page_time(""), 8000);
    EXPECT_EQ(page_time("cas_strany 2.5\n"), 2500);
    EXPECT_FALSE(test_support::LogHas({"cas strany"}));
    EXPECT_EQ(page_time("cas_strany 0\n"), PX_CAS_STRANY_MIN_MS);
    EXPECT_TRUE(test_support::LogHas({"cas strany mimo"}));
    EXPECT_EQ(page_time("cas_strany -5\n"), PX_CAS_STRANY_MIN_MS);
    EXPECT_EQ(page_time("cas_strany 864000\n"), PX_CAS_STRANY_MAX_MS) << "ten days";
    EXPECT_EQ(page_time("cas_strany 1e308\n"), PX_CAS_STRANY_MAX_MS);
    for (const char* bad : {"cas_strany osem\n", "cas_strany 8 s\n", "cas_strany nan\n", "cas_strany inf\n"}) {
        EXPECT_EQ(page_time(bad), 8000) << bad;
        EXPECT_TRUE(test_support::LogHas({"zly cas strany"})) << bad;
    }
    EXPECT_EQ(PX_Nacitaj_nastavenia(book.c_str()).sir, 800) << "the page size is read beside it";
}
