// The program's files written through a writer that fails at each step in turn, or that is
// killed at any moment: the old file stays whole every time, and what a kill leaves behind
// goes at the next start.
#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <random>
#include <thread>

#include "framework/app/tf_app.h"
#include "framework/surface/tf_dbmp.h"
#include "framework/tuning/tf_km.h"
#include "platform/codepage.h"
#include "tests/book/book_fixture.h"

using namespace book_test;

// Each writer, with the disk refusing at each step in turn, says so and leaves the old file.
TEST_F(PageTest, PageThumbnailSettingsAndReportKeepTheirOldFileWhenAWriteStepFails) {
    const test_support::InFolder here(tree.Host());
    background_path = strdup(tree.Path("les.bmp").c_str());
    background_mode = PX_BG_TILE;
    PRIDAJ_KULISU(strom.c_str(), 120, 30, 6, 1);
    PRIDAJ_HERCA(pes.c_str(), -15, 380, 3, 1, 2);
    const auto report = [] {  // the tuning mode's report of nothing chosen
        test_support::FreshLog();
        tf_KM_on = true;
        tf_KM_SAVE();
        tf_KM_on = false;
        return !LogHas({TF_LOG_ERR, "tf_KM_SAVE - nepodarilo sa zapisat"});
    };
    const std::pair<std::string, std::function<bool()>> writers[] = {
        {"1.str", [&] { return SAVE_REG(tree.Path("1.str").c_str()); }},
        {"1.thm", [&] { return tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(tf_lpDD, back, true, 100, 50, "1.thm"); }},
        {"PX.INI", [&] { return tf_APP_WriteINI("PX.INI", 1024, 768, 3, 40); }},
        {"tf_KM_report.txt", report},
    };
    for (const auto& [name, write] : writers) tree.File(name, "old " + name);
    test_support::FreshLog();  // from here on the log's previous file is there too
    const std::vector<std::string> names = tree.Names();
    for (plat_WriteStep step :
         {PLAT_WRITE_STEP_OPEN, PLAT_WRITE_STEP_WRITE, PLAT_WRITE_STEP_FLUSH, PLAT_WRITE_STEP_RENAME}) {
        plat_SetWriteFailureStep(step);
        for (const auto& [name, write] : writers) {
            EXPECT_FALSE(write()) << name << " at step " << step;
            EXPECT_EQ(tree.Read(name), "old " + name) << name << " at step " << step;
        }
        EXPECT_EQ(tree.Names(), names) << "step " << step;
    }
    plat_SetWriteFailureStep(PLAT_WRITE_STEP_NONE);
    for (const auto& [name, write] : writers) EXPECT_TRUE(write()) << name;
    EXPECT_EQ(tree.Read("1.str"), "p les 5\nk strom 120 30 6 1 0\nh pes -15 380 3 1 2\n");
    EXPECT_EQ(tree.Read("1.thm").substr(0, 2), "BM");
    EXPECT_EQ(tree.Read("PX.INI"), "1024 768\n3 40");
    EXPECT_EQ(tree.Read("tf_KM_report.txt"), "");
    EXPECT_EQ(tree.Names(), names);
}

// A child saves two versions of a page, its thumbnail and the settings in turn until it is
// killed; each time every file is one whole version.
TEST_F(PageTest, SavesKilledAtAnyMomentLeaveTheWholeOldOrNewFileAndTheNextStartClearsUp) {
    struct Version {
        int objects;
        uint16_t fill;
        int screen_w, level;
    };
    const Version versions[] = {{40, 0x1234, 1024, 2}, {7, 0xF800, 800, 5}};
    const char* const saved[] = {"app/PX.INI", "KNIHA_a/1.str", "KNIHA_a/1.thm"};
    const auto temporaries = [&] {
        int n = 0;
        for (const char* dir : {"app", "KNIHA_a"})
            for (const std::string& name : tree.Names(dir)) n += name.rfind(PLAT_WRITE_TEMP_PREFIX, 0) == 0;
        return n;
    };
    const auto save = [&](const Version& v, const std::string& root) {
        VYMAZ_REG();
        for (int i = 0; i < v.objects; ++i) PRIDAJ_KULISU(strom.c_str(), i, 2 * i, 6, 1);
        DDSURFACE_ZMAZ(back, v.fill);
        SAVE_REG(tree.Path(root + "KNIHA_a/1.str").c_str());
        tf_BMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(tf_lpDD, back, true, 100, 50, tree.Path(root + "KNIHA_a/1.thm").c_str());
        tf_APP_WriteINI(tree.Path(root + "app/PX.INI").c_str(), v.screen_w, 600, v.level, v.level * v.level * 4);
    };
    std::vector<std::string> whole[2];
    for (int k = 0; k < 2; ++k) {
        const std::string root = "v" + std::to_string(k) + "/";
        for (const char* dir : {"", "app", "KNIHA_a"}) tree.Dir(root + dir);
        save(versions[k], root);
        for (const char* file : saved) whole[k].push_back(tree.Read(root + file));
    }
    tree.Dir("KNIHA_a");
    const auto start = std::chrono::steady_clock::now();
    save(versions[0], "");
    const auto cycle = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);

    std::mt19937 rng(16);
    int cut_short = 0;
    for (int kill = 0; kill < 200; ++kill) {
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0)
            for (int k = 1;; k ^= 1) save(versions[k], "");
        std::this_thread::sleep_for(std::chrono::microseconds(rng() % (2 * cycle.count() + 1)));
        ::kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        for (size_t f = 0; f < std::size(saved); ++f) {
            const std::string now = tree.Read(saved[f]);
            ASSERT_TRUE(now == whole[0][f] || now == whole[1][f]) << saved[f] << " after kill " << kill;
        }
        cut_short += temporaries() > 0;
    }
    EXPECT_GT(cut_short, 0) << "no kill came during a write";
    PX_Uprac_docasne();  // what the editor does at start, in "app"
    EXPECT_EQ(temporaries(), 0);
}

// A new book whose template cannot be copied whole, on a disk that refuses writes or fills up
// half-way, is not made at all; nor is one under an unsafe name.
TEST_F(KsBooks, ANewBookWhoseTemplateCopyFailsIsRemovedAndNotListed) {
    Book("a", {"1"});
    for (const char* dir : {"app/KNIHA_DEFNEW", "app/KNIHA_DEFNEW/Pozadia", "app/KNIHA_DEFNEW/Herci"}) tree.Dir(dir);
    tree.File("app/KNIHA_DEFNEW/1.str", "p les 4\n");
    Picture("app/KNIHA_DEFNEW/Pozadia/les.bmp", 40, 30);
    const std::vector<std::string> before = tree.Names();
    const std::function<void(bool)> disks[] = {
        [](bool on) { plat_SetWriteFailure(on); },
        [](bool on) { plat_SetWriteLimit(on ? 100 : -1); },  // the page fits, the picture does not
        [](bool on) { plat_SetWriteFailureStep(on ? PLAT_WRITE_STEP_RENAME : PLAT_WRITE_STEP_NONE); },
    };
    const int a = Open("a");
    for (const auto& disk : disks) {
        disk(true);
        PX_Nova_kniha_zadana("nova");
        disk(false);
        EXPECT_EQ(tree.Names(), before);
        EXPECT_TRUE(LogHas({"TLFW ERROR: ", "Sablonu sa nepodarilo skopirovat"}));
        EXPECT_EQ(std::pair(NAJDI_KNIHU("nova"), current_book), std::pair(-1, a));
        EXPECT_NE(std::string(status_text).find(plat_W1250(u8"Knihu sa nepodarilo vytvoriť")), std::string::npos);
    }
    for (const char* bad : {"..\\von", "a/b", "..", "c:d", "", "x*"}) EXPECT_FALSE(NOVA_KNIHA(bad)) << bad;
    EXPECT_EQ(tree.Names(), before) << "no name that leaves the library or that no path can hold";
    PX_Nova_kniha_zadana("nova");
    EXPECT_EQ(tree.Names("KNIHA_nova"), (std::vector<std::string>{"1.str", "Herci", "Pozadia"}));
}
