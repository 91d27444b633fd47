// The pexlo-export the editor runs: beside its program in a build, under the install prefix
// once installed, whatever the search path holds.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "book/px_editor_cmd.h"
#include "tests/support/temp_tree.h"

namespace {
// A program file at `rel`, runnable or not.
void Program(const test_support::TempTree& tree, const std::string& rel, bool runnable = true) {
    std::filesystem::create_directories(std::filesystem::path(tree.Host(rel)).parent_path());
    tree.File(rel, "#!/bin/sh\n");
    chmod(tree.Host(rel).c_str(), runnable ? 0755 : 0644);
}
}  // namespace

TEST(ExporterFound, BesideTheEditorElseUnderItsInstallPrefixElseOnThePath) {
    test_support::TempTree tree;
    for (const char* dir : {"build", "usr", "usr/libexec", "usr/libexec/pexlo", "opt", "opt/bin", "odd"}) tree.Dir(dir);
    Program(tree, "build/pexlo-export");
    Program(tree, "usr/bin/pexlo-export");
    Program(tree, "usr/libexec/pexlo/pexlo-export", false);  // not runnable: passed over
    Program(tree, "opt/libexec/pexlo/pexlo-export");
    tree.Dir("odd/pexlo-export");  // a folder of that name is no program
    const struct {
        const char* editor;
        std::string want;
    } cases[] = {
        {"build", tree.Host("build/pexlo-export")},
        {"usr/libexec/pexlo", tree.Host("usr/bin/pexlo-export")},
        {"opt/bin", tree.Host("opt/libexec/pexlo/pexlo-export")},
        {"odd", "pexlo-export"},
        {"nowhere/libexec/pexlo", "pexlo-export"},
    };
    for (const auto& c : cases) EXPECT_EQ(PX_Najdi_exporter(tree.Host(c.editor)), c.want) << c.editor;
    EXPECT_EQ(PX_Najdi_exporter(""), "pexlo-export") << "no program path known";
}
