// The editor's frame at 1920 x 1080 with ten texts among the page's 60 objects, beside the same
// page without them: 50 actors on the tiled background. The texts as a crowded page of a book
// has them: a title in the largest size, and captions, cards and bubbles following actors in
// the three smaller ones. Both in alternating rounds of the same run (the texts hidden for the
// other). Target: texts_over_none 1.2 or less (processor time; the wall-clock ratio beside it).
#include <string>

#include "bench/editor_support.h"

namespace {

constexpr int ROUND = 10, TEXTS = 10;

std::string page_with_texts() {
    std::string page = "p luka 5\n";
    for (int i = 0; i < bench::EDITOR_ACTORS - TEXTS; ++i)
        page += "h a" + std::to_string(i % bench::EDITOR_PICTURES) + " " + std::to_string(i * 211 % 1792) + " " +
                std::to_string(i * 97 % 952) + " 6 1 0\n";
    const char* words[] = {"Bol\\sraz\\sjeden\\spes", "Ahoj!", "Kde\\sje\\smoja\\skost?", "Les", "Koniec\\nrozpravky"};
    for (int i = 0; i < TEXTS; ++i)
        page += "t " + std::to_string(100 + i * 170) + " " + std::to_string(80 + i * 95) + " 6 1 " +
                std::to_string(i == 0 ? 4 : i % 3) + " " + std::to_string(i % 8) + " " + std::to_string(i % 3) + " " +
                std::to_string(i % 3 == 2 ? i : -1) + " " + words[i % 5] + "\n";
    return page;
}

void show_texts(bool shown) {
    for (int i = 0; i < REG.count; ++i)
        if (CHerec* o = REG_Objekt(i); o && o->eui() == PX_TEXT) o->zivy = shown;
}

void BM_EditorFrameWithTexts(benchmark::State& state) {
    bench::EditorLibrary library(1920, 1080);
    bench::EditorLibrary::Write(library.root + "/KNIHA_Bench/1.str", page_with_texts());
    bench::WithEditor(state, library, [&] {
        bench::OpenBenchPage();
        bench::Send(WM_MOUSEMOVE, 1919, 1079);
        int texts = 0;
        for (int i = 0; i < REG.count; ++i) texts += REG_Objekt(i)->eui() == PX_TEXT;
        if (REG.count != bench::EDITOR_ACTORS || texts != TEXTS) state.SkipWithError("the page could not be set up");
        tf_APP_Redraw_Frame();  // the texts' pictures are made once, as they are first drawn
        auto frame = [](bool texts) {
            show_texts(texts);
            tf_APP_Redraw_Frame();
        };
        bench::SideBySide(state, ROUND, "texts", [&] { frame(true); }, "none", [&] { frame(false); });
    });
}
BENCHMARK(BM_EditorFrameWithTexts)->Name("editor frame 1920x1080, 10 texts")->Unit(benchmark::kMicrosecond);
}  // namespace
