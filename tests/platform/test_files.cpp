#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "platform/files.h"
#include "tests/support/temp_tree.h"

using Names = std::vector<std::string>;

namespace {
// The names a search reports (folders marked with "/"), and the error it ended with.
Names search(const std::string& pattern, DWORD* end = nullptr) {
    Names found;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA(pattern.c_str(), &fd);
    for (BOOL more = h != INVALID_HANDLE_VALUE; more; more = FindNextFileA(h, &fd))
        found.push_back(std::string(fd.cFileName) + (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? "/" : ""));
    if (end) *end = GetLastError();
    if (h != INVALID_HANDLE_VALUE) FindClose(h);
    return found;
}

std::string read_all(FILE* f) {
    std::string s;
    for (int c; f && (c = fgetc(f)) != EOF;) s += static_cast<char>(c);
    if (f) fclose(f);
    return s;
}

// The notices of the file-system boundary while alive, each as "what: host path".
class Notices {
public:
    Notices() : before_(plat_SetFileNotice([](const char* what, const char* host) {
                    taken().push_back(std::string(what) + ": " + host);
                })) {
        taken().clear();
    }
    ~Notices() { plat_SetFileNotice(before_); }
    static Names& taken() {
        static Names n;
        return n;
    }

private:
    plat_FileNotice before_;
};

// What a text file gives its reader: each line as it stands, "long:" and the cut line for
// one too long, "limit" where the reading stops early.
Names text_lines(const std::string& path, const plat_TextLimits& limits) {
    plat_TextFile f(path.c_str(), limits);
    Names got;
    std::string line;
    for (plat_TextFile::Read r; (r = f.Next(&line)) != plat_TextFile::END;) {
        got.push_back(r == plat_TextFile::LINE ? line : r == plat_TextFile::TOO_LONG ? "long:" + line : "limit");
        if (r == plat_TextFile::LIMIT) break;
    }
    return got;
}

class Files : public ::testing::Test {
protected:
    void TearDown() override {
        plat_SetWriteFailure(false);
        plat_SetWriteLimit(-1);
    }
    std::string p(const std::string& rel) { return t.Path(rel); }
    test_support::TempTree t;
};
}  // namespace

TEST_F(Files, PathsResolveComponentByComponentWithoutRegardToCase) {
    t.Dir("Kniha_A");
    t.Dir("Kniha_A/Pozadia");
    t.File("Kniha_A/Pozadia/Les.BMP", "les");
    t.File("x", "small");
    t.File("X", "capital");
    EXPECT_EQ(plat_HostPath(p("KNIHA_a/pozadia/les.bmp").c_str()), t.Host("Kniha_A/Pozadia/Les.BMP"));
    EXPECT_EQ(read_all(plat_fopen(p("x").c_str(), "rb")), "small");  // the exact name wins
    // A missing component keeps the spelling asked for.
    EXPECT_EQ(plat_HostPath(p("kniha_a/Nove/A.txt").c_str()), t.Host("Kniha_A/Nove/A.txt"));
}

// Names on disk in UTF-8, as copied from Windows, or in raw Windows-1250 (no UTF-8), as a
// Windows archive unpacks them.
TEST_F(Files, Windows1250NamesMapToUtf8OnDiskAndBack) {
    t.File("\xC5\xA1kola.txt", "s");    // "škola" in UTF-8
    t.File("\xE4\xB8\xAD.txt", "han");  // a character Windows-1250 cannot spell
    t.File("b\xE1sne.txt", "raw");       // "básne" in Windows-1250
    EXPECT_EQ(search(p("*.txt")), (Names{"?.txt", "b\xE1sne.txt", "\x9Akola.txt"}));
    EXPECT_EQ(read_all(plat_fopen(p("\x8AKOLA.TXT").c_str(), "rb")), "s");  // capital Š
    EXPECT_EQ(read_all(plat_fopen(p("B\xC1SNE.TXT").c_str(), "rb")), "raw");
    EXPECT_EQ(read_all(plat_fopen(p("?.txt").c_str(), "rb")), "han");
    FILE* f = plat_fopen(p("\x9E" "aba").c_str(), "w");  // "žaba"
    ASSERT_NE(f, nullptr);
    fclose(f);
    EXPECT_EQ(t.Names(), (Names{"b\xE1sne.txt", "\xC5\xA1kola.txt", "\xC5\xBE" "aba", "\xE4\xB8\xAD.txt"}));
}

TEST_F(Files, SearchesMatchWildcardsInNaturalOrder) {
    for (const char* n : {"10.str", "2.str", "1.str", "b.STR", "A.str", "a.bmp", "noext"}) t.File(n);
    t.Dir("KNIHA_x");
    DWORD end = 0;
    EXPECT_EQ(search(p("*.*"), &end),
              (Names{"./", "../", "1.str", "2.str", "10.str", "a.bmp", "A.str", "b.STR", "KNIHA_x/", "noext"}));
    EXPECT_EQ(end, DWORD(ERROR_NO_MORE_FILES));
    EXPECT_EQ(search(p("?.STR")), (Names{"1.str", "2.str", "A.str", "b.STR"}));
    EXPECT_TRUE(search(p("*.wav"), &end).empty());
    EXPECT_EQ(end, DWORD(ERROR_FILE_NOT_FOUND));
    EXPECT_TRUE(search(p("none/*.*"), &end).empty());
    EXPECT_EQ(end, DWORD(ERROR_PATH_NOT_FOUND));
    // A name without wildcards: the one entry the path opens, in any case; a missing one or a
    // missing folder ends as a search does.
    EXPECT_EQ(std::tuple(search(p("kniha_X")), search(p("A.STR")), search(p("KNIHA_x/..")), search(p("10.str"))),
              std::tuple(Names{"KNIHA_x/"}, Names{"A.str"}, Names{"../"}, Names{"10.str"}));
    EXPECT_TRUE(search(p("3.str"), &end).empty());
    EXPECT_EQ(end, DWORD(ERROR_FILE_NOT_FOUND));
    EXPECT_TRUE(search(p("none/1.str"), &end).empty());
    EXPECT_EQ(end, DWORD(ERROR_PATH_NOT_FOUND));
}

TEST_F(Files, CreateDeleteAndMoveReportWindowsErrors) {
    EXPECT_TRUE(CreateDirectoryA(p("Kulisy").c_str(), nullptr));
    EXPECT_FALSE(CreateDirectoryA(p("KULISY").c_str(), nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
    t.File("old", "old");
    t.File("new", "new");
    EXPECT_FALSE(MoveFileExA(p("new").c_str(), p("OLD").c_str(), 0));
    EXPECT_TRUE(MoveFileExA(p("new").c_str(), p("OLD").c_str(), MOVEFILE_REPLACE_EXISTING));
    EXPECT_TRUE(DeleteFileA(p("Old").c_str()));
    EXPECT_FALSE(DeleteFileA(p("old").c_str()));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(t.Names(), Names{"Kulisy"});
}

TEST_F(Files, CopiesAndWritesFailCleanlyUnderTheTestHooks) {
    t.File("src", std::string(200000, 'x'));
    t.File("dst", "old");
    EXPECT_FALSE(CopyFileA(p("src").c_str(), p("dst").c_str(), TRUE));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_EXISTS));
    plat_SetWriteLimit(100000);  // a full disk half-way through the copy
    EXPECT_FALSE(CopyFileA(p("src").c_str(), p("dst").c_str(), FALSE));
    EXPECT_FALSE(plat_WriteFileAtomic(p("dst").c_str(), std::string(100001, 'y').data(), 100001));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_WRITE_FAULT));
    EXPECT_EQ(t.Names(), (Names{"dst", "src"}));  // no temporary file left behind
    EXPECT_EQ(t.Read("dst"), "old");
    plat_SetWriteLimit(-1);
    plat_SetWriteFailure(true);
    for (const char* mode : {"w", "ab", "r+"}) EXPECT_EQ(plat_fopen(p("dst").c_str(), mode), nullptr) << mode;
    EXPECT_FALSE(CopyFileA(p("src").c_str(), p("dst").c_str(), FALSE));
    EXPECT_FALSE(plat_WriteFileAtomic(p("dst").c_str(), "new", 3));
    EXPECT_EQ(read_all(plat_fopen(p("dst").c_str(), "rb")), "old");  // reading still works
}

TEST_F(Files, AtomicWritesReplaceWholeKeepPermissionsAndRefuseFolders) {
    t.File("old", "old content");
    chmod(t.Host("old").c_str(), 0640);
    ASSERT_TRUE(plat_WriteFileAtomic(p("OLD").c_str(), "new", 3));  // the existing name, whatever its case
    ASSERT_TRUE(plat_WriteFileAtomic(p("empty").c_str(), nullptr, 0));
    struct stat st;
    ASSERT_EQ(stat(t.Host("old").c_str(), &st), 0);
    EXPECT_EQ(std::make_tuple(t.Read("old"), st.st_mode & 0777, t.Read("empty")), std::make_tuple("new", 0640u, ""));
    t.Dir("folder");
    EXPECT_FALSE(plat_WriteFileAtomic(p("folder").c_str(), "x", 1));
    EXPECT_FALSE(plat_WriteFileAtomic(p("none/x").c_str(), "x", 1));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(t.Names(), (Names{"empty", "folder", "old"}));
}

// An editor forked from a process whose writer thread waits for work writes on a thread of its own.
TEST_F(Files, WritesLaterGoOnInAProcessForkedWhileTheWriterWaits) {
    plat_WriteFileLater(p("parent"), "1");
    plat_WaitForWrites();  // the thread now waits for the next file
    const pid_t child = fork();
    if (child == 0) {
        alarm(20);  // a child held up for good ends by the alarm's signal
        plat_WriteFileLater(p("child"), "2");
        plat_WaitForWrites();
        _exit(0);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_EQ(std::make_tuple(WIFEXITED(status), t.Read("parent"), t.Read("child")), std::make_tuple(true, "1", "2"));
}

// One name in the code page is one name: of "stromček.bmp" in UTF-8 and in Windows-1250 bytes,
// and of two names the code page cannot spell, one is listed (the one the name opens: its
// UTF-8, else the first in byte order) and the other noticed, once however often listed.
// Names in another case are names of their own.
TEST_F(Files, NamesTheCodePageSpellsAlikeListOnceAndOpenWhatIsListed) {
    t.File("strom\xC4\x8D" "ek.bmp", "utf8");
    t.File("strom\xE8" "ek.bmp", "w1250");
    t.File("\xE6\x97\xA5.txt", "ri");
    t.File("\xE4\xB8\xAD.txt", "zhong");
    t.File("Strom.bmp", "S");
    t.File("strom.bmp", "s");
    Notices notices;
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(search(p("strom*")), (Names{"Strom.bmp", "strom.bmp", "strom\xE8" "ek.bmp"}));
        EXPECT_EQ(search(p("*.txt")), Names{"?.txt"});
    }
    for (const auto& [name, content] : {std::pair("strom\xE8" "ek.bmp", "utf8"), {"?.txt", "zhong"},
                                        {"Strom.bmp", "S"}, {"strom.bmp", "s"}})
        EXPECT_EQ(read_all(plat_fopen(p(name).c_str(), "rb")), content) << name;
    const std::string hidden = "a name spelled as another's in the code page, not listed: ";
    EXPECT_EQ(notices.taken(),
              (Names{hidden + t.Host("strom\xE8" "ek.bmp"), hidden + t.Host("\xE6\x97\xA5.txt")}));
}

// Only regular files open for reading: the open of a FIFO would wait for a writer, and a
// device never ends. Both, and links to them, are refused at once with a notice.
TEST_F(Files, OnlyRegularFilesOpenForReading) {
    ASSERT_EQ(mkfifo(t.Host("fifo.str").c_str(), 0644), 0);
    ASSERT_EQ(symlink("/dev/zero", t.Host("zero.str").c_str()), 0);
    ASSERT_EQ(symlink(t.Host("fifo.str").c_str(), t.Host("to-fifo.str").c_str()), 0);
    t.File("plain.str", "p les 1\n");
    ASSERT_EQ(symlink(t.Host("plain.str").c_str(), t.Host("link.str").c_str()), 0);
    Notices notices;
    for (const char* name : {"fifo.str", "ZERO.STR", "to-fifo.str"}) {
        errno = 0;
        EXPECT_EQ(plat_fopen(p(name).c_str(), "rt"), nullptr) << name;
        EXPECT_EQ(errno, EINVAL) << name;
    }
    EXPECT_EQ(read_all(plat_fopen(p("link.str").c_str(), "r")), "p les 1\n");
    EXPECT_FALSE(CopyFileA(p("zero.str").c_str(), p("copy.str").c_str(), FALSE));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
    const std::string refused = "not a regular file, not read: ";
    EXPECT_EQ(notices.taken(), (Names{refused + t.Host("fifo.str"), refused + t.Host("zero.str"),
                                      refused + t.Host("to-fifo.str"), refused + t.Host("zero.str")}));
    EXPECT_EQ(text_lines(p("zero.str"), {399, 1024, 1 << 20}), Names{});
}

// A text file is read within its limits: a line too long is cut and said so; after its lines
// or its bytes the reading stops, whatever follows.
TEST_F(Files, TextFilesAreReadWithinTheirLimits) {
    t.File("lines.txt", "one\r\nxxxxxx\nfive5\r\n\nrest\n");
    t.File("bytes.txt", "12\n34\n56");
    EXPECT_EQ(text_lines(p("lines.txt"), {5, 4, 100}), (Names{"one", "long:xxxxx", "five5", "", "limit"}));
    EXPECT_EQ(text_lines(p("lines.txt"), {5, 5, 100}), (Names{"one", "long:xxxxx", "five5", "", "rest"}));
    EXPECT_EQ(text_lines(p("bytes.txt"), {5, 9, 7}), (Names{"12", "34", "limit"}));
    EXPECT_EQ(text_lines(p("bytes.txt"), {5, 9, 8}), (Names{"12", "34", "56"}));
    EXPECT_EQ(text_lines(p("none.txt"), {5, 9, 8}), Names{});
}
