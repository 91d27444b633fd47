// The page's sound in the catalogue's page commands: the narration beside the page file, the
// background sound's line, bad sounds, saves killed at any moment, and the kept mute.
#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <random>
#include <thread>

#include "platform/capture.h"
#include "platform/voice.h"
#include "tests/book/book_fixture.h"
#include "tests/support/tones.h"

using namespace book_test;
using test_support::Tone;

namespace {
class Narration : public KsBooks {
protected:
    void SetUp() override {
        KsBooks::SetUp();
        Book("a", {"1", "2"});
        tree.Dir("KNIHA_a/Zvuky");
    }
    // A sound file of the book, written by libsndfile.
    void BookSound(const std::string& name, double hz, double seconds, plat_SoundFormat format) {
        const std::vector<uint8_t> b = plat_EncodeSound(Tone(hz, seconds, 22050), 1, 22050, format);
        tree.File("KNIHA_a/Zvuky/" + name, std::string(b.begin(), b.end()));
    }
    static std::shared_ptr<const plat_Sound> Voice(double hz, double seconds) {
        auto s = std::make_shared<plat_Sound>();
        s->samples = Tone(hz, seconds, PLAT_MIX_RATE);
        return s;
    }
    // The narration as recorded: the page is changed.
    static void Recorded(std::shared_ptr<const plat_Sound> s) {
        PX_Narracia_Obnov({std::move(s), px_narracia.pozadie_zvuk, px_narracia.pozadie, true});
        dirty = true;
    }
};
}  // namespace

TEST_F(Narration, ARecordingIsSavedBesideItsPageOnlyWhenChangedAndRemovingItRemovesTheFile) {
    Open("a");
    const auto first = Voice(440, 0.5);
    Recorded(first);
    ASSERT_TRUE(ULOZ_STRANU());
    EXPECT_FALSE(tree.Read("KNIHA_a/1.wav").empty() || px_narracia.zmenena);
    EXPECT_TRUE(PX_Narracia_Ma_subor(NAJDI_KS(current_book, 1)->page_path));
    EXPECT_FALSE(PX_Narracia_Ma_subor(NAJDI_KS(current_book, 2)->page_path));
    VOLBA_STRANY(current_book, 2);
    EXPECT_EQ(px_narracia.hlas, nullptr);
    VOLBA_STRANY(current_book, 1);
    ASSERT_NE(px_narracia.hlas, nullptr);
    EXPECT_EQ(px_narracia.hlas->samples, first->samples);

    // A save of other changes leaves the file alone; undo's view brings a narration back.
    const PX_Narracia_Stav before = PX_Narracia_Zachyt();
    tree.File("KNIHA_a/1.wav", "touched");
    Change("a");
    ASSERT_TRUE(ULOZ_STRANU());
    EXPECT_EQ(tree.Read("KNIHA_a/1.wav"), "touched");
    PX_Narracia_Odstran();
    EXPECT_TRUE(dirty && px_narracia.zmenena && !px_narracia.hlas);
    ASSERT_TRUE(ULOZ_STRANU());
    EXPECT_FALSE(PX_Narracia_Ma_subor(NAJDI_KS(current_book, 1)->page_path));
    PX_Narracia_Obnov(before);
    ASSERT_NE(px_narracia.hlas, nullptr);
    EXPECT_EQ(px_narracia.hlas->samples, first->samples);

    // A narration that cannot be written (the page file could) keeps the page changed and
    // says so.
    Recorded(Voice(330, 0.2));
    plat_SetWriteLimit(1000);
    EXPECT_FALSE(ULOZ_STRANU());
    EXPECT_TRUE(dirty && px_narracia.zmenena && !px_narracia.chyba.empty());
    plat_SetWriteLimit(-1);

    // A new page's narration takes the new page's number.
    NOVA_STRANA(2);
    EXPECT_EQ(px_narracia.hlas, nullptr);
    Recorded(Voice(660, 0.1));
    ASSERT_TRUE(ULOZ_STRANU());
    EXPECT_FALSE(tree.Read("KNIHA_a/3.wav").empty());
}

TEST_F(Narration, TheBackgroundSoundIsAPageLineOfItsOwnAndBadSoundsAreRefusedWithAReason) {
    BookSound("vtak.wav", 2000, 0.5, PLAT_SOUND_WAV16);
    BookSound("more.ogg", 300, 1.0, PLAT_SOUND_OGG);
    BookSound("s medzerou.wav", 300, 0.1, PLAT_SOUND_WAV16);  // a name the page line cannot hold
    tree.File("KNIHA_a/Zvuky/obrazok.bmp", "BM");
    tree.File("KNIHA_a/Zvuky/zle.wav", "RIFF, but nothing more");
    Open("a");
    const char* book = NAJDI_KS(current_book, 1)->book_path;
    EXPECT_EQ(PX_Zvuky_knihy(book), (std::vector<std::string>{"more.ogg", "vtak.wav", "zle.wav"}));

    // A file that cannot be read is named in the message; a name the page cannot hold is refused.
    for (auto [bad, named] : {std::pair("zle.wav", true), {"chyba.wav", true}, {"s medzerou.wav", false},
                              {"..\\1.str", false}}) {
        px_narracia.chyba.clear();
        EXPECT_FALSE(PX_Narracia_Nastav_pozadie(book, bad)) << bad;
        EXPECT_FALSE(px_narracia.chyba.empty() || dirty) << bad;
        EXPECT_EQ(px_narracia.pozadie, "") << bad;
        EXPECT_EQ(px_narracia.chyba.find(bad) != std::string::npos, named) << bad;
    }

    ASSERT_TRUE(PX_Narracia_Nastav_pozadie(book, "more.ogg"));
    EXPECT_TRUE(dirty && px_narracia.pozadie_zvuk && px_narracia.pozadie_zvuk->channels == 2);
    EXPECT_NEAR(px_narracia.pozadie_zvuk->Seconds(), 1.0, 0.01);
    Change("a");
    ASSERT_TRUE(ULOZ_STRANU());
    EXPECT_EQ(tree.Read("KNIHA_a/1.str"), "p les 4\nz more.ogg\n");
    VOLBA_STRANY(current_book, 2);
    EXPECT_EQ(px_narracia.pozadie, "");
    VOLBA_STRANY(current_book, 1);
    EXPECT_TRUE(px_narracia.pozadie == "more.ogg" && px_narracia.pozadie_zvuk);

    // A page whose sound went bad opens without it, keeps its line, and says why.
    tree.File("KNIHA_a/Zvuky/more.ogg", "");
    VOLBA_STRANY(current_book, 1);
    EXPECT_TRUE(px_narracia.pozadie == "more.ogg" && !px_narracia.pozadie_zvuk && !px_narracia.chyba.empty());
    EXPECT_NE(PX_Narracia_Riadok().find("more.ogg"), std::string::npos);
    EXPECT_TRUE(PX_Narracia_Nastav_pozadie(book, nullptr));
    EXPECT_EQ(PX_Narracia_Riadok(), "");
}

TEST_F(Narration, WithoutAMicrophoneRecordingSaysSoAndAMuteIsKeptBetweenRuns) {
    plat_DSound_SetDevice(PLAT_SOUND_NONE);
    Open("a");
    EXPECT_FALSE(PX_Narracia_Moze_nahravat());
    EXPECT_FALSE(PX_Narracia_Nahravaj());
    EXPECT_FALSE(px_narracia.nahrava || px_narracia.chyba.empty());
    PX_Narracia_Tik(true);  // plays nothing, waits for nothing
    EXPECT_FALSE(plat_Voice_Playing(PLAT_VOICE_NARRATION));
    plat_DSound_SetDevice(PLAT_SOUND_REAL);

    PX_Stlmenie_Nacitaj();
    EXPECT_FALSE(PX_Stlmene());  // no file: sound on
    EXPECT_TRUE(PX_Stlmenie_Prepni());
    EXPECT_EQ(tree.Read("app/ZVUK.INI"), "stlmene=1\n");
    plat_SetMute(false);
    PX_Stlmenie_Nacitaj();
    EXPECT_TRUE(PX_Stlmene());
    for (const char* garbage : {"", "stlmene=", "hlasno\n", "stlmene=0\n"}) {
        tree.File("app/ZVUK.INI", garbage);
        PX_Stlmenie_Nacitaj();
        EXPECT_FALSE(PX_Stlmene()) << garbage;
    }
    plat_SetWriteFailure(true);
    EXPECT_FALSE(PX_Stlmenie_Nastav(true));
    EXPECT_TRUE(PX_Stlmene());  // applied all the same
    plat_SetWriteFailure(false);
    plat_SetMute(false);
}

// A child records and saves two narrations in turn until it is killed: the file beside the
// page is always one of them whole.
TEST_F(Narration, KilledWhileRecordingAndSavingLeavesAWholeNarrationOrNone) {
    const std::vector<int16_t> versions[] = {Tone(440, 2.0, PLAT_MIX_RATE), Tone(880, 0.3, PLAT_MIX_RATE)};
    const std::string page = tree.Path("KNIHA_a/1.str");
    std::string whole[2];
    for (int k = 0; k < 2; ++k) {
        ASSERT_TRUE(plat_WriteWavFile(tree.Path("v.wav").c_str(), versions[k]));
        whole[k] = tree.Read("v.wav");
    }
    tree.File("silence.raw");
    test_support::DiskAudio disk(tree.Host("out.raw"), tree.Host("silence.raw"), 5);
    plat_DSound_SetDevice(PLAT_SOUND_SDL);
    std::mt19937 rng(28);
    int cut_short = 0;
    for (int kill = 0; kill < 60; ++kill) {
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            if (!plat_Capture_Start(nullptr)) _exit(1);
            for (int k = 0;; k ^= 1) {
                px_narracia.hlas = std::make_shared<plat_Sound>(plat_Sound{1, versions[k]});
                px_narracia.zmenena = true;
                PX_Narracia_Uloz(page.c_str());
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(rng() % 20000));
        ::kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::string now = tree.Read("KNIHA_a/1.wav");
        ASSERT_TRUE(now.empty() || now == whole[0] || now == whole[1]) << "after kill " << kill;
        for (const std::string& name : tree.Names("KNIHA_a")) cut_short += name.rfind(PLAT_WRITE_TEMP_PREFIX, 0) == 0;
    }
    plat_DSound_SetDevice(PLAT_SOUND_REAL);
    EXPECT_GT(cut_short, 0) << "no kill came during a write";
    PX_Uprac_docasne();
    EXPECT_EQ(tree.Names("KNIHA_a"), (std::vector<std::string>{"1.str", "1.wav", "2.str", "Herci", "Kulisy", "Pozadia", "Zvuky"}));
}
