// The author's folders: the pictures folder the desktop names (in the environment, or in the
// user's user-dirs.dirs with $HOME in it), else ~/Pictures, and ~/Obrázky beside it; only
// folders that exist; none without a home.
#include <gtest/gtest.h>

#include "platform/host_folders.h"
#include "tests/support/env.h"
#include "tests/support/temp_tree.h"

using test_support::Env;

TEST(HostFolders, ThePicturesFoldersAreTheDesktopsOneOrPicturesAndObrazkyWhenTheyExist) {
    test_support::TempTree tree;
    for (const char* d : {"Pictures", "Obrázky", "Fotky", ".config"}) tree.Dir(d);
    const std::string home = tree.Host("");
    Env h("HOME", home.c_str()), config("XDG_CONFIG_HOME", nullptr), xdg("XDG_PICTURES_DIR", nullptr);
    EXPECT_EQ(plat_PictureFolders(), (std::vector<std::string>{tree.Host("Pictures"), tree.Host("Obrázky")}));
    tree.File(".config/user-dirs.dirs", "# written by xdg-user-dirs-update\nXDG_PICTURES_DIR=\"$HOME/Fotky\"\n");
    EXPECT_EQ(plat_PictureFolders(), (std::vector<std::string>{tree.Host("Fotky"), tree.Host("Obrázky")}));
    {
        Env named("XDG_PICTURES_DIR", tree.Host("Obrázky").c_str());
        EXPECT_EQ(plat_PictureFolders(), std::vector<std::string>{tree.Host("Obrázky")}) << "named once";
    }
    tree.File(".config/user-dirs.dirs", "XDG_PICTURES_DIR=\"$HOME/\"\n");  // the home itself: none named
    EXPECT_EQ(plat_PictureFolders().front(), tree.Host("Pictures"));
    Env none("HOME", nullptr);
    EXPECT_EQ(plat_PictureFolders(), std::vector<std::string>{});
}

// Book files go where documents go: the desktop's documents folder, else the first of Documents,
// Dokumenty, Desktop that exists, else the home itself.
TEST(HostFolders, TheDocumentsFolderIsTheDesktopsOneElseTheFirstThatExists) {
    test_support::TempTree tree;
    const std::string home = tree.Host("");
    Env h("HOME", home.c_str()), config("XDG_CONFIG_HOME", nullptr), xdg("XDG_DOCUMENTS_DIR", nullptr);
    EXPECT_EQ(plat_DocumentsFolder(), home);
    tree.Dir("Desktop");
    EXPECT_EQ(plat_DocumentsFolder(), tree.Host("Desktop"));
    tree.Dir("Dokumenty");
    EXPECT_EQ(plat_DocumentsFolder(), tree.Host("Dokumenty"));
    tree.Dir("Documents");
    EXPECT_EQ(plat_DocumentsFolder(), tree.Host("Documents"));
    tree.Dir(".config"), tree.Dir("Písomnosti");
    tree.File(".config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Písomnosti\"\n");
    EXPECT_EQ(plat_DocumentsFolder(), tree.Host("Písomnosti"));
    tree.File(".config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Zmiznuté\"\n");  // named, but gone
    EXPECT_EQ(plat_DocumentsFolder(), tree.Host("Documents"));
    Env none("HOME", nullptr);
    EXPECT_EQ(plat_DocumentsFolder(), "");
}

// Books are saved to the documents folder, the desktop beside it, each named once.
TEST(HostFolders, TheSaveFoldersAreTheDocumentsAndTheDesktopOnce) {
    test_support::TempTree tree;
    const std::string home = tree.Host("");
    Env h("HOME", home.c_str()), config("XDG_CONFIG_HOME", nullptr), docs("XDG_DOCUMENTS_DIR", nullptr),
        desk("XDG_DESKTOP_DIR", nullptr), user("USER", "nikto-taky-neexistuje");
    EXPECT_EQ(plat_SaveFolders(), std::vector<std::string>{home}) << "the home alone";
    tree.Dir("Plocha");
    EXPECT_EQ(plat_SaveFolders(), (std::vector<std::string>{home, tree.Host("Plocha")}));
    tree.Dir("Documents"), tree.Dir("Desktop");
    EXPECT_EQ(plat_SaveFolders(), (std::vector<std::string>{tree.Host("Documents"), tree.Host("Desktop")}));
    Env named("XDG_DOCUMENTS_DIR", tree.Host("Desktop").c_str());
    EXPECT_EQ(plat_SaveFolders(), std::vector<std::string>{tree.Host("Desktop")}) << "named once";
    Env none("HOME", nullptr);
    EXPECT_EQ(plat_SaveFolders(), std::vector<std::string>{});
}
