// A folder as one zip and back: files, folders and names come back byte for byte, leftovers and
// links stay out; an archive that would write outside its folder, lies about its sizes, is too
// big or too many, holds no page or is no zip at all is refused with nothing written anywhere.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "platform/archive.h"
#include "platform/files.h"
#include "tests/platform/archive_fixture.h"
#include "tests/support/temp_tree.h"

namespace {
namespace fs = std::filesystem;
using F = plat_ArchiveFault;
using test_support::TempTree;

std::string every_byte() {
    std::string s;
    for (int i = 0; i < 3 * 256; ++i) s += char(i * 7);
    return s;
}

// The archive's entry names in its own order.
std::vector<std::string> names_in(const std::string& file) {
    std::vector<std::string> names;
    zip_t* z = zip_open(file.c_str(), ZIP_RDONLY, nullptr);
    for (zip_int64_t i = 0; z && i < zip_get_num_entries(z, 0); ++i) names.push_back(zip_get_name(z, i, 0));
    if (z) zip_discard(z);
    return names;
}

class Archive : public testing::Test {
protected:
    // A book's folder: pages at the top, pictures below, an empty folder, a name with accents.
    void Book() {
        tree.Dir("kniha"), tree.Dir("kniha/Pozadia"), tree.Dir("kniha/Zvuky");
        tree.File("kniha/1.str", "p les 2\n"), tree.File("kniha/2.str", "");
        tree.File("kniha/Pozadia/les.bmp", every_byte()), tree.File("kniha/Pozadia/Môj strom.bmp", "BM");
    }
    // The archive at "x.pexlo" read into the empty folder "in": refused as `fault`, and nothing
    // outside it or in it afterwards.
    void Refused(const std::string& bytes, F fault, const plat_ArchiveLimits& limits = {}) {
        tree.File("x.pexlo", bytes);
        tree.Dir("in");
        const plat_ArchiveResult r = plat_ReadArchive(tree.Host("x.pexlo"), tree.Host("in"), ".str", limits);
        EXPECT_EQ(int(r.fault), int(fault)) << plat_ArchiveFaultText(r);
        EXPECT_FALSE(plat_ArchiveFaultText(r).empty());
        EXPECT_EQ(tree.Names(), (std::vector<std::string>{"in", "x.pexlo"}));
        EXPECT_EQ(tree.Names("in"), std::vector<std::string>{});
        fs::remove_all(tree.Host("in"));
    }
    std::string Packed(const std::vector<archive_test::Entry>& entries) {
        EXPECT_TRUE(archive_test::Pack(tree.Host("packed.zip"), entries));
        const std::string bytes = tree.Read("packed.zip");
        fs::remove(tree.Host("packed.zip"));
        return bytes;
    }

    TempTree tree;
};

TEST_F(Archive, AFolderComesBackByteForByteWithoutLeftoversOrLinks) {
    Book();
    tree.File("kniha/.pexlo-write-1-abcdef", "half a page");
    fs::create_symlink("/etc/hostname", tree.Host("kniha/odkaz.str"));
    ASSERT_TRUE(plat_WriteArchive(tree.Host("kniha"), tree.Host("les.pexlo"), ".str").ok());
    EXPECT_EQ(names_in(tree.Host("les.pexlo")), (std::vector<std::string>{"1.str", "2.str", "Pozadia/", "Pozadia/Môj strom.bmp",
                                                                           "Pozadia/les.bmp", "Zvuky/"}));
    tree.Dir("spat");
    const plat_ArchiveResult r = plat_ReadArchive(tree.Host("les.pexlo"), tree.Host("spat"), ".STR");
    ASSERT_TRUE(r.ok()) << plat_ArchiveFaultText(r);
    fs::remove(tree.Host("kniha/.pexlo-write-1-abcdef")), fs::remove(tree.Host("kniha/odkaz.str"));
    EXPECT_TRUE(archive_test::SameFiles(tree.Host("spat"), tree.Host("kniha")));
    EXPECT_EQ(tree.Names(), (std::vector<std::string>{"kniha", "les.pexlo", "spat"})) << "no temporary left";
}

TEST_F(Archive, WritingRefusesABookWithoutPagesOrBeyondTheLimitsAndLeavesNoFile) {
    Book();
    const auto refused = [&](const std::string& folder, const std::string& out, F fault, plat_ArchiveLimits l = {}) {
        const plat_ArchiveResult r = plat_WriteArchive(tree.Host(folder), tree.Host(out), ".str", l);
        EXPECT_EQ(int(r.fault), int(fault)) << folder << ": " << plat_ArchiveFaultText(r);
        EXPECT_FALSE(tree.Exists(out));
    };
    refused("kniha/Pozadia", "x.pexlo", F::MISSING);
    refused("chyba", "x.pexlo", F::UNREADABLE);
    refused("kniha", "niet/x.pexlo", F::WRITE);
    refused("kniha", "x.pexlo", F::TOO_BIG, {.total_bytes = 100, .file_bytes = 1000, .entries = 100});
    refused("kniha", "x.pexlo", F::TOO_BIG, {.total_bytes = 10000, .file_bytes = 100, .entries = 100});
    refused("kniha", "x.pexlo", F::TOO_MANY, {.total_bytes = 10000, .file_bytes = 1000, .entries = 5});
    tree.File("kniha/a\\b.bmp", "");
    refused("kniha", "x.pexlo", F::NAME);
    EXPECT_EQ(tree.Names(), (std::vector<std::string>{"kniha"}));
}

// A disk that takes nothing: the unpacking stops at the first entry, said so.
TEST_F(Archive, AnUnpackingThatCannotWriteLeavesTheFolderEmpty) {
    plat_SetWriteFailure(true);
    Refused(Packed({{"Pozadia/les.bmp", every_byte()}, {"1.str", "p les 2\n"}}), F::WRITE);
    plat_SetWriteFailure(false);
}

TEST(ArchiveNames, OnlyRelativeNamesEveryPathCanHoldAreTaken) {
    for (const char* good : {"1.str", "Pozadia/", "Pozadia/les.bmp", "Môj les/strom.bmp", "a.b.c", ".skryty"})
        EXPECT_TRUE(plat_ArchiveNameOk(good)) << good;
    const std::string too_long(PLAT_ARCHIVE_NAME_MAX + 1, 'a');
    for (const std::string bad : {"", "/etc/passwd", "../1.str", "a/../../1.str", "a/..", "./1.str", "a//b", "a\\..\\b",
                                  "C:/1.str", "C:1.str", "a\x01.str", "a\x7F", "a\tb", "a?", "a*", "a|b", "a<b>",
                                  "kniha./1.str", "a /b", "\xC3(.str", "\xFF.str", too_long.c_str()})
        EXPECT_FALSE(plat_ArchiveNameOk(bad)) << bad;
    EXPECT_TRUE(plat_ArchiveNameOk(std::string(PLAT_ARCHIVE_NAME_MAX, 'a')));
}

TEST_F(Archive, AnArchiveThatIsNoZipOrIsCutShortIsRefused) {
    Refused("", F::NOT_ZIP);
    Refused("p les 2\nk strom 300 150 6 1 0\n", F::NOT_ZIP);
    const std::string whole = Packed({{"1.str", "p les 2\n"}, {"Pozadia/les.bmp", every_byte()}});
    Refused(whole.substr(0, whole.size() / 2), F::NOT_ZIP);
    Refused(whole.substr(0, whole.size() - 1), F::NOT_ZIP);
    std::string damaged = whole;
    damaged[damaged.find("Pozadia/les.bmp") + 30] ^= 0x55;  // into the packed bytes: the CRC tells
    Refused(damaged, F::NOT_ZIP);
}

TEST_F(Archive, NamesThatClimbOutOrNoPathCanHoldAreRefusedBeforeAnythingIsWritten) {
    const std::string outside = "/tmp/pexlo-archive-escape-" + std::to_string(getpid()) + ".str";
    const std::vector<std::string> names = {"../uniknuty.str", "a/../../uniknuty.str", outside, "..\\uniknuty.str",
                                            "C:/uniknuty.str", std::string(300, 'a') + ".str"};
    for (const std::string& name : names)
        Refused(Packed({{"1.str", "p les 2\n"}, {name, "p les 2\n"}}), F::NAME);
    EXPECT_FALSE(fs::exists(outside));
    EXPECT_FALSE(fs::exists(fs::path(tree.Host()).parent_path() / "uniknuty.str"));
    archive_test::Raw control, twice, over_file;
    // libzip neither writes a control character in a name nor reads one: the archive is inconsistent.
    control.Add("1.str", "p"), control.Add("a\x01/\x1b[2J.str", "p");
    Refused(control.Bytes(), F::NOT_ZIP);
    twice.Add("1.str", "p les 2\n"), twice.Add("1.str", "p more 2\n");
    Refused(twice.Bytes(), F::NAME);
    over_file.Add("1.str", "p"), over_file.Add("1.str/2.str", "p");
    Refused(over_file.Bytes(), F::NAME);
}

// libzip reads a zero byte in a name as a space: the name is one a path can hold, inside the folder.
TEST_F(Archive, AZeroByteInANameCannotCutItShort) {
    archive_test::Raw nul;
    nul.Add("1.str", "p"), nul.Add(std::string("../\0/x.str", 10), "p"), nul.Add(std::string("a\0b.str", 7), "q");
    tree.File("x.pexlo", nul.Bytes());
    tree.Dir("in");
    EXPECT_EQ(int(plat_ReadArchive(tree.Host("x.pexlo"), tree.Host("in"), ".str").fault), int(F::NAME)) << "../ /x.str";
    nul = {};
    nul.Add("1.str", "p"), nul.Add(std::string("a\0b.str", 7), "q");
    tree.File("x.pexlo", nul.Bytes());
    ASSERT_TRUE(plat_ReadArchive(tree.Host("x.pexlo"), tree.Host("in"), ".str").ok());
    EXPECT_EQ(tree.Names("in"), (std::vector<std::string>{"1.str", "a b.str"}));
    EXPECT_EQ(tree.Names(), (std::vector<std::string>{"in", "x.pexlo"}));
}

TEST_F(Archive, LinksAndDevicesAreRefused) {
    Refused(Packed({{"1.str", "/etc/passwd", S_IFLNK | 0777}}), F::LINK);
    Refused(Packed({{"1.str", "p"}, {"Pozadia", "../..", S_IFLNK | 0777}}), F::LINK);
    Refused(Packed({{"1.str", "p"}, {"zvuk", "", S_IFCHR | 0666}}), F::LINK);
    Refused(Packed({{"1.str", "p"}, {"rura", "", S_IFIFO | 0666}}), F::LINK);
}

// Declared sizes beyond the limits, a ratio no compression reaches, and more bytes than declared.
TEST_F(Archive, SizesBeyondTheLimitsAndZipBombsAreRefused) {
    archive_test::Raw huge, dense;
    huge.Add("1.str", "p"), huge.Add("les.bmp", "BM", uint64_t(100) << 30);  // 100 GB
    Refused(huge.Bytes(), F::TOO_BIG);
    dense.Add("1.str", "p"), dense.Add("les.bmp", std::string(100, 'B'), uint64_t(200) << 20);
    Refused(dense.Bytes(), F::BOMB);
    // Real bytes packed 16 MB to a few kB, declared as 1 MB: the unpacking stops past the 1 MB.
    std::string lying = Packed({{"1.str", "p"}, {"les.bmp", std::string(16 << 20, '\0')}});
    const auto patch = [&](size_t at) { lying.replace(at, 4, std::string("\x00\x00\x10\x00", 4)); };
    patch(lying.find("PK\x03\x04", 4) + 22);                          // the local header's size
    patch(lying.find("PK\x01\x02", lying.find("PK\x01\x02") + 4) + 24);  // the central one's
    Refused(lying, F::BOMB);
    Refused(Packed({{"1.str", std::string(600, 'p')}, {"2.str", std::string(600, 'p')}}), F::TOO_BIG,
            {.total_bytes = 1000, .file_bytes = 1000, .entries = 100});
}

TEST_F(Archive, TooManyEntriesOrNoPageIsRefused) {
    std::vector<archive_test::Entry> many;
    for (int i = 0; i < 100000; ++i) many.push_back({std::to_string(i) + ".str", ""});
    Refused(Packed(many), F::TOO_MANY);
    Refused(Packed({{"Pozadia/les.bmp", every_byte()}, {"Pozadia/1.str", "p"}, {"1.str/", ""}}), F::MISSING);
}

}  // namespace
