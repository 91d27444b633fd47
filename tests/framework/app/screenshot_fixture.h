// Headless screenshots of an application screen over the colourful gradient: one frame is
// copied off the primary, written next to the test program as BMP (read back) and PNG.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/ddraw.h"
#include "platform/gdi.h"
#include "tests/support/pixels.h"

class tf_CAppScreen;

namespace screenshot_test {

class Screenshot : public testing::Test {
protected:
    static constexpr int W = 1024, H = 768;

    void SetUp() override;
    void TearDown() override;

    // Runs the screen with the gradient as its background picture (and the logo when asked)
    // until a frame is on the primary and copies that frame. `frames` is the screen's own
    // count of its frames. When `after_first` is given it runs after the first frame (posting
    // input, say) and a later frame is the one copied.
    void Capture(tf_CAppScreen& screen, const int& frames, bool logo,
                 const std::function<void()>& after_first = {});
    // Writes the copied frame as <name>.bmp and <name>.png next to the test program and checks
    // that the BMP reads back as exactly that frame.
    void SaveAndReadBack(const std::string& name);

    uint16_t Px(int x, int y) const { return shot->Row(y)[x]; }
    uint16_t Bg(int x, int y) const { return background->Row(y)[x]; }
    uint16_t Raw(COLORREF c) const;
    static int Luma(uint16_t px) { return test_support::Luma(px); }
    bool Shows(int l, int t, int r, int b, uint16_t colour) const {
        return test_support::Shows(shot, l, t, r, b, colour);
    }
    // Pixels of the rectangle (both ends included) that differ from the background picture.
    int Changed(int l, int t, int r, int b) const {
        return test_support::CountIn(l, t, r, b, [&](int x, int y) { return Px(x, y) != Bg(x, y); });
    }

    IDirectDrawSurface* background = nullptr;
    IDirectDrawSurface* shot = nullptr;

private:
    int saved_w = 0, saved_h = 0;
};

}  // namespace screenshot_test
