// Failures the author can act on are seen: a red strip under the status line's words, which
// give way to the page's line after a few seconds.
#include <unistd.h>

#include <filesystem>

#include "platform/codepage.h"
#include "tests/book/editor_fixture.h"

using namespace editor_test;

namespace {
class Errors : public Editor {
protected:
    static std::string Said() { return plat_Utf8FromCp1250(status_text); }
    // The strip behind the status line's words, after a frame.
    bool RedStrip() {
        Tick();
        return Shows(W / 2 - 85, H - 29, W / 2 + 100, H - 27, Raw(0xC82828));
    }
    // The message's words and strip, then after its time the page's own line without a strip.
    void SeenThenGone(const std::string& words, const std::string& page_line) {
        EXPECT_NE(Said().find(words), std::string::npos) << Said();
        EXPECT_TRUE(RedStrip()) << words;
        plat_Headless_AdvanceTime(6100);
        Tick();
        EXPECT_EQ(Said(), page_line);
        EXPECT_FALSE(RedStrip()) << words;
    }
};
}  // namespace

TEST_F(Errors, AFailedSaveAThumbnailAndAnExportAreEachOnScreen) {
    Library();
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));
        EXPECT_FALSE(RedStrip()) << "no strip without an error";
        Key(VK_BACK);
        plat_SetWriteFailureStep(PLAT_WRITE_STEP_RENAME);
        Ctrl('S');
        plat_SetWriteFailureStep(PLAT_WRITE_STEP_NONE);
        ASSERT_NO_FATAL_FAILURE(SeenThenGone("[Chyba: stranu sa nepodarilo uložiť!]", "kniha: Les  strana: 2"));

        std::filesystem::remove(tree.Host("KNIHA_Les/2.thm"));
        tree.Dir("KNIHA_Les/2.thm");  // no file can be written there
        Ctrl('S');
        EXPECT_EQ(tree.Read("KNIHA_Les/2.str"), "p les 4\nk strom 300 200 6 1 0\n") << "the page itself is saved";
        ASSERT_NO_FATAL_FAILURE(SeenThenGone("obrázok strany pre zoznam sa nepodarilo uložiť", "kniha: Les  strana: 2"));

        tree.Dir("KNIHA_Les/2.gif");  // the GIF cannot take its place
        Key(VK_F9);
        for (int i = 0; i < 24000 && Said().find("Exportujem") != std::string::npos; ++i) {
            usleep(5000);
            Tick();
        }
        ASSERT_NO_FATAL_FAILURE(SeenThenGone("[Chyba exportu: ", "kniha: Les  strana: 2"));
    });
}

TEST_F(Errors, ANewBookWithoutItsTemplateIsOnScreenAndMakesNothing) {
    Library();
    std::filesystem::remove_all(tree.Host("app/KNIHA_DEFNEW"));
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        const std::vector<std::string> before = tree.Names("");
        ASSERT_NO_FATAL_FAILURE(FromMenu(1, 2));  // "Nová kniha"
        Type("Zoo");
        Key(VK_RETURN);
        EXPECT_EQ(tree.Names(""), before);
        ASSERT_NO_FATAL_FAILURE(SeenThenGone("[Chýba šablóna novej knihy]", "kniha: Les  strana: 1"));
    });
}
