// Text and shapes drawn every frame, and a background scaled while it loads.
#include <benchmark/benchmark.h>

#include "platform/ddraw.h"
#include "platform/gdi.h"

namespace {

struct Screen {
    IDirectDrawSurface* srf = plat_CreateTestSurface(800, 600);
    HDC dc = nullptr;
    Screen() { srf->GetDC(&dc); }
    ~Screen() { srf->Release(); }
};

void BM_TextOutLine(benchmark::State& state) {
    Screen s;
    SetBkMode(s.dc, TRANSPARENT);
    SetTextColor(s.dc, RGB(255, 255, 255));
    const char text[] = "Knihy a strany: prehr\xE1vanie, \x9Atrnas\xED obr\xE1zkov";
    for (auto _ : state) TextOutA(s.dc, 10, 10, text, sizeof text - 1);
}
BENCHMARK(BM_TextOutLine);

void BM_DrawTextCentred(benchmark::State& state) {
    Screen s;
    SetBkMode(s.dc, TRANSPARENT);
    HFONT font = CreateFontA(15, 10, 0, 0, FW_NORMAL, 0, 0, 0, EASTEUROPE_CHARSET, 0, 0, 0, 0x22, "Verdana");
    SelectObject(s.dc, font);
    RECT r = {100, 100, 400, 130};
    for (auto _ : state) DrawTextA(s.dc, "Zavrie\x9D", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    DeleteObject(font);
}
BENCHMARK(BM_DrawTextCentred);

void BM_EllipseAndRectangle(benchmark::State& state) {
    Screen s;
    SelectObject(s.dc, GetStockObject(WHITE_PEN));
    for (auto _ : state) {
        Ellipse(s.dc, 100, 100, 300, 250);
        Rectangle(s.dc, 320, 100, 700, 500);
    }
}
BENCHMARK(BM_EllipseAndRectangle);

}  // namespace
