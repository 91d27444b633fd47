// Headless screenshots of an application screen over the colourful gradient: one frame is
// copied off the primary, written next to the test program as BMP and PNG and read back.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/ddraw.h"
#include "platform/gdi.h"

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
    // that both files read back as exactly that frame.
    void SaveAndReadBack(const std::string& name);

    uint16_t Px(int x, int y) const { return shot->Row(y)[x]; }
    uint16_t Bg(int x, int y) const { return background->Row(y)[x]; }
    uint16_t Raw(COLORREF c) const;
    static int Luma(uint16_t px);
    // Some pixel of the rectangle (both ends included) has that colour.
    bool Shows(int l, int t, int r, int b, uint16_t colour) const;
    // Pixels of the rectangle (both ends included) that differ from the background picture.
    int Changed(int l, int t, int r, int b) const;

    IDirectDrawSurface* background = nullptr;
    IDirectDrawSurface* shot = nullptr;

private:
    // Pixels of a 0x00RRGGBB picture of the frame's size that differ from the frame.
    int Mismatches(const uint32_t* rgb) const;

    int saved_w = 0, saved_h = 0;
};

}  // namespace screenshot_test
