// "Import...": the picker opened from the menu bar in the author's home, browsing into a folder
// and up, names shown as the program can show them, and the chosen pictures imported; and a
// picture of it in build/screens/ at two screen sizes, to look at.
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "book/px_vyber.h"
#include "platform/codepage.h"
#include "tests/book/editor_fixture.h"
#include "tests/book/import_pictures.h"
#include "tests/support/png_writer.h"

using namespace editor_test;

namespace {
// An environment variable set (or unset) while alive.
class Env {
public:
    Env(const char* name, const char* value) : name_(name) {
        if (const char* v = getenv(name)) old_ = v;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~Env() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }
    Env(const Env&) = delete;
    Env& operator=(const Env&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

class ImportPicker : public Editor {
protected:
    static std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (int i = 0; i < px_editor->vyber->CountR(); ++i) rows.push_back(plat_Utf8FromCp1250((*px_editor->vyber)[i]->text));
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
};
}  // namespace

TEST_F(ImportPicker, OpensInThePicturesFolderBrowsesAndImportsTheChosenPicture) {
    Library();
    for (const char* d : {"home", "home/Pictures", "home/Pictures/Výlet"}) tree.Dir(d);
    const auto flower = import_test::Flower();
    ASSERT_TRUE(test_support::WritePng(tree.Host("home/Pictures/Lúka.png"), import_test::FLOWER_W, import_test::FLOWER_H, flower));
    ASSERT_TRUE(test_support::WritePng(tree.Host("home/Pictures/Výlet/山.PNG"), 8, 8, flower));
    for (const char* other : {"home/Pictures/poznámky.txt", "home/Pictures/.skrytý.png", "home/Pictures/Výlet/b.gif.txt"})
        tree.File(other, "x");
    const Env home("HOME", tree.Host("home").c_str()), xdg("XDG_PICTURES_DIR", nullptr), config("XDG_CONFIG_HOME", nullptr);
    Run([&] {
        ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
        const int objects = REG.count;
        ASSERT_NO_FATAL_FAILURE(Choose(&px_editor->dui_M, 7));  // "Importovať..."
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
        ASSERT_NO_FATAL_FAILURE(Take("» Importovať vybrané (1)"));
        EXPECT_FALSE(px_editor->vyber->zivy);
        ASSERT_TRUE(px_editor->otazka->zivy) << "what the picture becomes, asked as for a drop";
        Key(VK_RETURN);
        EXPECT_EQ(REG.count, objects + 1);
        EXPECT_TRUE(tree.Exists("KNIHA_Les/Kulisy/Lúka.bmp"));
    });
}

TEST_F(ImportPicker, APictureOfItAtTwoScreenSizes) {
    for (const char* d : {"home", "home/Pictures", "home/Pictures/Výlet", "home/Pictures/Škola"}) tree.Dir(d);
    for (const char* name : {"Lúka.png", "kvet.jpg", "mačka.gif", "Žirafa.webp", "čmáranica.png"})
        ASSERT_TRUE(test_support::WritePng(tree.Host("home/Pictures/") + name, 8, 8, import_test::Flower()));
    const Env home("HOME", tree.Host("home").c_str()), xdg("XDG_PICTURES_DIR", nullptr), config("XDG_CONFIG_HOME", nullptr);
    for (const auto& [w, h] : {std::pair(1280, 720), std::pair(1920, 1080)}) {
        ASSERT_NO_FATAL_FAILURE(StarterLibrary(w, h));
        Run([&, w = w, h = h] {
            ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
            ASSERT_NO_FATAL_FAILURE(Choose(&px_editor->dui_M, 7));
            ASSERT_NO_FATAL_FAILURE(Take("   mačka.gif"));
            ASSERT_NO_FATAL_FAILURE(Point(px_editor->vyber, 2));
            Tick();
            const std::string dir = PEXLO_STARTER_DIR "/../screens/";
            std::filesystem::create_directories(dir);
            EXPECT_TRUE(test_support::SavePNG(plat_PrimarySurface(), dir + "picker-" + std::to_string(w) + "x" +
                                                                       std::to_string(h) + ".png"));
        });
    }
}
