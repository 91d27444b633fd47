// Pictures brought in: each format decoded to the pixels it holds, animations frame by frame
// within the frame and memory limits, every file that gives no picture refused with its
// reason (sizes from the header, before anything is decoded), and scaling by area.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>

#include "platform/bmp.h"
#include "platform/picture.h"
#include "tests/platform/bmp_fixture.h"
#include "tests/support/picture_files.h"
#include "tests/support/temp_tree.h"

using test_support::TempTree;

namespace {

uint32_t At(const plat_Picture& p, size_t frame, int x, int y) {
    const uint8_t* q = &p.frames[frame][(static_cast<size_t>(y) * p.info.w + x) * 4];
    return uint32_t(q[3]) << 24 | uint32_t(q[0]) << 16 | uint32_t(q[1]) << 8 | q[2];
}

// Colours that differ everywhere, see-through on a diagonal, half-transparent in a column.
uint32_t Pattern(int x, int y) {
    if ((x + 2 * y) % 7 == 0) return 0;
    const uint32_t rgb = (x * 2654435761u ^ y * 40503u) >> 8 & 0xFFFFFF;
    return (x == 3 ? 0x80000000u : 0xFF000000u) | rgb;
}

// The pixels differ from `want` (0xAARRGGBB) nowhere, counting colour only where drawn.
int Differences(const plat_Picture& p, size_t frame, const test_support::PixelAt& want) {
    int n = 0;
    for (int y = 0; y < p.info.h; ++y)
        for (int x = 0; x < p.info.w; ++x) {
            const uint32_t got = At(p, frame, x, y), w = want(x, y);
            n += (got >> 24) != (w >> 24) || ((w >> 24) && (got & 0xFFFFFF) != (w & 0xFFFFFF));
        }
    return n;
}

std::string Cut(const TempTree& t, const std::string& rel, double share) {
    const std::string bytes = t.Read(rel);
    t.File("cut-" + rel, bytes.substr(0, static_cast<size_t>(bytes.size() * share)));
    return t.Host("cut-" + rel);
}

// The start of a PNG of w x h: its header and a first block of (meaningless) pixel data.
void PngStart(const std::string& host, png_uint_32 w, png_uint_32 h) {
    FILE* f = fopen(host.c_str(), "wb");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (!setjmp(png_jmpbuf(png))) {
        png_init_io(png, f);
        png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                     PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        const png_byte data[16] = {};
        png_write_chunk(png, reinterpret_cast<png_const_bytep>("IDAT"), data, sizeof data);
    }
    png_destroy_write_struct(&png, &info);
    fclose(f);
}

std::string GifScreen(int w, int h) {
    const char b[] = {'G', 'I', 'F', '8', '9', 'a', char(w), char(w >> 8), char(h), char(h >> 8), 0, 0, 0, ';'};
    return std::string(b, sizeof b);
}

}  // namespace

TEST(Picture, PngWebpBmpGifAndJpegGiveThePixelsTheyHold) {
    TempTree t;
    ASSERT_TRUE(test_support::WritePng(t.Host("a.png"), 13, 9, Pattern));
    const plat_Picture png = plat_LoadPicture(t.Host("a.png"));
    ASSERT_EQ(png.info.fault, plat_PictureFault::NONE);
    EXPECT_EQ(std::tuple(std::string(png.info.format), png.info.w, png.info.h, png.frames.size()),
              std::tuple("PNG", 13, 9, size_t{1}));
    EXPECT_EQ(Differences(png, 0, Pattern), 0);

    ASSERT_TRUE(
        test_support::Convert("'" + t.Host("a.png") + "' -define webp:lossless=true '" + t.Host("a.webp") + "'"));
    const plat_Picture webp = plat_LoadPicture(t.Host("a.webp"));
    EXPECT_EQ(std::string(webp.info.format), "WebP");
    EXPECT_EQ(Differences(webp, 0, Pattern), 0);

    const auto opaque = [](int x, int y) { return 0xFF000000u | (Pattern(x, y) & 0xFFFFFF); };
    bmp_fixture::Image img{13, 9, {}};
    for (int i = 0; i < 13 * 9; ++i) img.px.push_back(opaque(i % 13, i / 13) & 0xFFFFFF);
    const std::vector<uint8_t> bmp = bmp_fixture::Write(img, bmp_fixture::Form{});
    t.File("a.bmp", std::string(bmp.begin(), bmp.end()));
    EXPECT_EQ(Differences(plat_LoadPicture(t.Host("a.bmp")), 0, opaque), 0);

    // A GIF keeps see-through pixels: binary alpha.
    const auto binary = [](int x, int y) { return (x + y) % 3 ? 0xFF000000u | (x * 20) << 16 | (y * 25) : 0u; };
    ASSERT_TRUE(test_support::WritePng(t.Host("b.png"), 13, 9, binary));
    ASSERT_TRUE(test_support::Convert("'" + t.Host("b.png") + "' '" + t.Host("b.gif") + "'"));
    const plat_Picture gif = plat_LoadPicture(t.Host("b.gif"));
    EXPECT_EQ(std::tuple(std::string(gif.info.format), gif.info.frames, gif.info.moreFrames),
              std::tuple("GIF", 1, false));
    EXPECT_EQ(Differences(gif, 0, binary), 0);

    // JPEG is lossy: the size exactly, the colours closely.
    ASSERT_TRUE(test_support::WriteJpeg(t.Host("c.jpg"), 64, 48,
                                        [](int x, int) { return x < 32 ? 0xFFD02020u : 0xFF2040D0u; }));
    const plat_Picture jpeg = plat_LoadPicture(t.Host("c.jpg"));
    ASSERT_EQ(std::tuple(jpeg.info.fault, jpeg.info.w, jpeg.info.h), std::tuple(plat_PictureFault::NONE, 64, 48));
    EXPECT_NEAR(At(jpeg, 0, 8, 20) >> 16 & 0xFF, 0xD0, 12);
    EXPECT_NEAR(At(jpeg, 0, 56, 20) & 0xFF, 0xD0, 12);
}

TEST(Picture, AnAnimatedGifGivesWholeFramesUpToTheFrameAndMemoryLimits) {
    TempTree t;
    // Each frame drawn over the one before: the writer stores only what changed.
    std::vector<std::vector<uint8_t>> frames;
    for (int f = 0; f < 3; ++f) {
        frames.emplace_back(6 * 4, 0);
        frames.back()[static_cast<size_t>(f * 7)] = 1;
    }
    ASSERT_TRUE(test_support::WriteGif(t.Host("three.gif"), 6, 4, {0x102030, 0xE0C020}, frames));
    const plat_Picture three = plat_LoadPicture(t.Host("three.gif"));
    ASSERT_EQ(std::tuple(three.info.fault, three.info.frames, three.frames.size()),
              std::tuple(plat_PictureFault::NONE, 3, size_t{3}));
    for (size_t f = 0; f < 3; ++f)
        EXPECT_EQ(
            Differences(three, f, [&](int x, int y) { return y * 6 + x == int(f) * 7 ? 0xFFE0C020u : 0xFF102030u; }),
            0);

    std::vector<std::vector<uint8_t>> many;
    for (int f = 0; f < 10000; ++f) many.push_back(std::vector<uint8_t>(16, static_cast<uint8_t>(f % 2)));
    ASSERT_TRUE(test_support::WriteGif(t.Host("many.gif"), 4, 4, {0, 0xFFFFFF}, many));
    const plat_Picture capped = plat_LoadPicture(t.Host("many.gif"));
    EXPECT_EQ(std::tuple(capped.info.frames, capped.info.moreFrames, capped.frames.size()),
              std::tuple(PLAT_PICTURE_MAX_FRAMES, true, size_t{PLAT_PICTURE_MAX_FRAMES}));
    EXPECT_EQ(At(capped, 199, 0, 0), 0xFFFFFFFFu);

    // Frames of 2000 x 2000: as many as PLAT_PICTURE_MAX_PIXELS holds, known from the header.
    std::vector<std::vector<uint8_t>> large(20, std::vector<uint8_t>(2000 * 2000, 0));
    for (size_t f = 0; f < large.size(); ++f) large[f][f] = 1;
    ASSERT_TRUE(test_support::WriteGif(t.Host("large.gif"), 2000, 2000, {0, 0xFFFFFF}, large));
    const plat_PictureInfo info = plat_ProbePicture(t.Host("large.gif"));
    EXPECT_EQ(std::tuple(info.fault, info.frames, info.moreFrames),
              std::tuple(plat_PictureFault::NONE, int(PLAT_PICTURE_MAX_PIXELS / (2000 * 2000)), true));
}

TEST(Picture, FilesThatGiveNoPictureAreRefusedWithTheirReason) {
    TempTree t;
    ASSERT_TRUE(test_support::WritePng(t.Host("a.png"), 40, 30, Pattern));
    ASSERT_TRUE(test_support::WriteJpeg(t.Host("a.jpg"), 40, 30, Pattern));
    ASSERT_TRUE(test_support::Convert("'" + t.Host("a.png") + "' '" + t.Host("a.webp") + "'"));
    ASSERT_TRUE(test_support::Convert("'" + t.Host("a.png") + "' '" + t.Host("a.tif") + "'"));
    std::vector<std::vector<uint8_t>> frames(2, std::vector<uint8_t>(40 * 30, 0));
    frames[1].assign(40 * 30, 1);
    ASSERT_TRUE(test_support::WriteGif(t.Host("a.gif"), 40, 30, {0, 0xFFFFFF}, frames));
    const std::vector<uint8_t> bmp = bmp_fixture::Write(bmp_fixture::Picture(40, 30), bmp_fixture::Form{});
    t.File("a.bmp", std::string(bmp.begin(), bmp.end()));
    t.File("text.png", "hello, not a picture");
    t.Dir("folder.png");
    t.File("empty.gif", GifScreen(0, 0));
    t.File("huge.gif", GifScreen(50000, 50000));
    PngStart(t.Host("huge.png"), 50000, 50000);
    std::vector<uint8_t> headers;
    plat_AppendBmpHeaders(headers, 50000, 50000, 24, 0, 0, 0);
    t.File("huge.bmp", std::string(headers.begin(), headers.end()));
    headers.clear();
    plat_AppendBmpHeaders(headers, 0, 0, 24, 0, 0, 0);
    t.File("empty.bmp", std::string(headers.begin(), headers.end()));

    using F = plat_PictureFault;
    const struct {
        std::string host;
        F fault;
        int w = 0;
    } rows[] = {
        {t.Host("gone.png"), F::MISSING},          {t.Host("folder.png"), F::FOLDER},
        {t.Host("text.png"), F::NOT_PICTURE},      {t.Host("a.tif"), F::NOT_PICTURE},
        {t.Host("empty.gif"), F::EMPTY},           {t.Host("empty.bmp"), F::EMPTY},
        {t.Host("huge.gif"), F::TOO_LARGE, 50000}, {t.Host("huge.png"), F::TOO_LARGE, 50000},
        {t.Host("huge.bmp"), F::TOO_LARGE, 50000}, {Cut(t, "a.png", 0.6), F::DAMAGED},
        {Cut(t, "a.jpg", 0.6), F::DAMAGED},        {Cut(t, "a.webp", 0.6), F::DAMAGED},
        {Cut(t, "a.gif", 0.8), F::DAMAGED},        {Cut(t, "a.bmp", 0.6), F::DAMAGED},
        {Cut(t, "a.png", 0.02), F::DAMAGED},
    };
    for (const auto& r : rows) {
        const plat_Picture p = plat_LoadPicture(r.host);
        EXPECT_EQ(std::tuple(p.info.fault, r.w ? p.info.w : 0, p.frames.size()), std::tuple(r.fault, r.w, size_t{0}))
            << r.host << ": " << p.info.detail;
    }
    EXPECT_EQ(plat_ProbePicture(Cut(t, "a.jpg", 0.6)).detail, "the file is cut short");
    EXPECT_EQ(plat_ProbePicture(t.Host("huge.png")).fault, F::TOO_LARGE);
}

TEST(Picture, ScalingAveragesTheAreaAndSeeThroughPixelsLendNoColour) {
    TempTree t;
    // Red, see-through green, two blues: halved, the red keeps its colour at half alpha.
    const uint32_t four[] = {0xFFFF0000, 0x0000FF00, 0xFF0000FF, 0xFF0000FF};
    ASSERT_TRUE(test_support::WritePng(t.Host("four.png"), 4, 1, [&](int x, int) { return four[x]; }));
    const plat_Picture halved = plat_LoadPicture(t.Host("four.png"), 0.5);
    EXPECT_EQ(std::tuple(halved.info.w, halved.w, halved.h), std::tuple(4, 2, 1));
    EXPECT_EQ(halved.frames.at(0), (std::vector<uint8_t>{255, 0, 0, 128, 0, 0, 255, 255}));
    // Three greys onto two: each new pixel takes one and a half old ones.
    ASSERT_TRUE(
        test_support::WritePng(t.Host("three.png"), 1, 3, [](int, int y) { return 0xFF000000u | 0x5A5A5Au * y; }));
    EXPECT_EQ(plat_LoadPicture(t.Host("three.png"), 2 / 3.0).frames.at(0),
              (std::vector<uint8_t>{30, 30, 30, 255, 150, 150, 150, 255}));
}
