// The sample book, made at 1920 x 1080, at every screen size the resolution dialog offers:
// the whole page shown scaled, the controls clear of each other, and a picture of each screen
// in build/screens/ to look at.
#include <filesystem>

#include "platform/backend.h"
#include "tests/book/editor_fixture.h"
#include "tests/support/png_writer.h"

using namespace editor_test;

namespace {
const std::string SCREENS = PEXLO_STARTER_DIR "/../screens/";

class Screens : public Editor {
protected:
    static void Save(const std::string& name) {
        std::filesystem::create_directories(SCREENS);
        EXPECT_TRUE(test_support::SavePNG(plat_PrimarySurface(), SCREENS + name + ".png"));
    }
};
}  // namespace

TEST_F(Screens, TheSampleBookAtEverySize) {
    const std::pair<int, int> sizes[] = {{800, 600}, {1024, 768}, {1280, 720}, {1280, 1024}, {1920, 1080}};
    display.modes.assign(std::begin(sizes), std::end(sizes));
    for (const auto& [w, h] : sizes) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        ASSERT_NO_FATAL_FAILURE(StarterLibrary(w, h));
        Run([&, w = w, h = h] {
            ASSERT_NO_FATAL_FAILURE(OpenPage(0, 0));
            ASSERT_NO_FATAL_FAILURE(Point(&px_editor->dui_M, 0));
            Tick();
            Save("editor-" + std::to_string(w) + "x" + std::to_string(h));
        });
    }
}
