// "Importovať...": the picker opened from the menu bar in the author's home, browsing into a folder
// and up, names shown as the program can show them, and the chosen pictures imported.
#include <filesystem>
#include <optional>

#include "book/px_vyber.h"
#include "platform/codepage.h"
#include "tests/book/editor_fixture.h"
#include "tests/book/import_pictures.h"
#include "tests/support/env.h"

using namespace editor_test;
using test_support::Env;

namespace {
// The author's home in the scratch folder, its pictures folder the one the desktop names by default.
class ImportPicker : public Editor {
protected:
    void SetUp() override {
        Editor::SetUp();
        for (const char* d : {"home", "home/Pictures", "home/Pictures/Výlet"}) tree.Dir(d);
        home.emplace("HOME", tree.Host("home").c_str());
        xdg.emplace("XDG_PICTURES_DIR", nullptr);
        config.emplace("XDG_CONFIG_HOME", nullptr);
    }
    static std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (int i = 0; i < px_editor->vyber->CountR(); ++i)
            rows.push_back(plat_Utf8FromCp1250((*px_editor->vyber)[i]->text));
        return rows;
    }
    static int Row(const std::string& text) {
        const std::vector<std::string> rows = Rows();
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i] == text) return int(i);
        ADD_FAILURE() << "no row " << text;
        return 0;
    }
    void Take(const std::string& text) { Choose(px_editor->vyber, Row(text)); }
    void Open() {
        tf_CDUI& bar = px_editor->dui_M;
        for (int i = 0; i < bar.volby.count; ++i)
            if (static_cast<tf_TVOLBA*>(bar.volby.GET(i))->hodnota == PX_ID_IMPORT) return Choose(&bar, i);
        ADD_FAILURE() << "no Importovať... in the menu bar";
    }
    std::optional<Env> home, xdg, config;
};
}  // namespace

TEST_F(ImportPicker, OpensInThePicturesFolderBrowsesAndImportsTheChosenPicture) {
    Library();
    const auto flower = import_test::Flower();
    const std::string pictures = tree.Host("home/Pictures/");
    ASSERT_TRUE(test_support::WritePng(pictures + "Lúka.png", import_test::FLOWER_W, import_test::FLOWER_H, flower));
    ASSERT_TRUE(test_support::WritePng(pictures + "Výlet/山.PNG", 8, 8, flower));
    for (const char* other : {"poznámky.txt", ".skrytý.png", "Výlet/b.gif.txt"})
        tree.File("home/Pictures/" + std::string(other), "x");
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        const int objects = REG.count;
        ASSERT_NO_FATAL_FAILURE(Open());
        Tick();
        ASSERT_TRUE(px_editor->vyber->zivy);
        EXPECT_EQ(Rows(), (std::vector<std::string>{"» Domov", "[..] home", "[Výlet]", "   Lúka.png"}));
        ASSERT_NO_FATAL_FAILURE(Take("[Výlet]"));
        EXPECT_EQ(Rows(), (std::vector<std::string>{"» Domov", "» Pictures", "[..] Pictures", "   ?.PNG"}))
            << "a letter the program cannot show is replaced";
        ASSERT_NO_FATAL_FAILURE(Take("[..] Pictures"));
        ASSERT_NO_FATAL_FAILURE(Take("   Lúka.png"));
        EXPECT_EQ(Rows().front(), "» Importovať vybrané (1)");
        EXPECT_EQ(Rows().back(), "• Lúka.png");
        ASSERT_NO_FATAL_FAILURE(Take("[Výlet]"));
        Click(W - 3, H / 2);
        EXPECT_FALSE(px_editor->vyber->zivy) << "a press elsewhere closes it";
        std::filesystem::remove_all(pictures + "Výlet");
        ASSERT_NO_FATAL_FAILURE(Open());
        EXPECT_EQ(Rows().back(), "• Lúka.png") << "its folder gone, it starts again in Pictures, the choice kept";
        ASSERT_NO_FATAL_FAILURE(Take("» Importovať vybrané (1)"));
        EXPECT_FALSE(px_editor->vyber->zivy);
        ASSERT_TRUE(px_editor->otazka->zivy) << "what the picture becomes, asked as for a drop";
        Key(VK_RETURN);
        EXPECT_EQ(REG.count, objects + 1);
        EXPECT_TRUE(tree.Exists("KNIHA_Les/Kulisy/Lúka.bmp"));
    });
}
