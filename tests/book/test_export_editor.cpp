// F9 in the editor: the shown page, changed and not saved, exported beside its page file
// while the editor goes on.
#include <unistd.h>

#include "platform/codepage.h"
#include "tests/book/editor_fixture.h"
#include "tests/book/test_export_fixture.h"

using namespace editor_test;

TEST_F(Editor, F9ExportsTheShownPageAsItIsWhileTheEditorGoesOn) {
    Library();
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 1));  // page 2: les, strom, pes
        Key(VK_BACK);                             // the dog goes; not saved
        Key(VK_F9);
        EXPECT_EQ(std::string(status_text), plat_W1250(u8"kniha: Les  Exportujem…"));
        // The export runs on while the editor ticks; slow builds get two minutes.
        for (int i = 0; i < 24000 && std::string(status_text).find("Exportujem") != std::string::npos; ++i) {
            usleep(5000);
            Tick();
        }
        EXPECT_EQ(std::tuple(std::string(status_text), dirty), std::tuple("kniha: Les  GIF: 2.gif", true));
    });
    const std::string file = tree.Read("KNIHA_Les/2.gif");
    const export_test::Gif g = export_test::Decode(std::vector<uint8_t>(file.begin(), file.end()));
    ASSERT_EQ(std::tuple(g.w, g.h, g.frames.size()), std::tuple(W / 2, H / 2, size_t{100}));  // 5 s at 20 a second
    const auto shows = [&](uint32_t rgb) {
        return std::count_if(g.frames[0].begin(), g.frames[0].end(),
                             [&](uint32_t c) { return export_test::ColourError({c}, {rgb}).second <= 8; });
    };
    EXPECT_TRUE(shows(TREE) > 0 && shows(DOG) == 0);
    EXPECT_NE(tree.Read("KNIHA_Les/2.str").find("h pes"), std::string::npos);  // the page file as it was
    EXPECT_EQ(tree.Names("app"), (std::vector<std::string>{"KNIHA_DEFNEW", "PX.INI", "tf_LOG.txt"}));
}
