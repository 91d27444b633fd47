// JPEG through libjpeg: the header read before anything is decoded, and a photo that is to be
// made much smaller decoded at libjpeg's own reduced scale, so that its full size is never
// decoded at all.
#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>  // after the headers it needs and does not include

#include "platform/picture_internal.h"

namespace {

struct JpegError {
    jpeg_error_mgr mgr;
    jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void jpeg_fail(j_common_ptr c) {
    auto* e = reinterpret_cast<JpegError*>(c->err);
    c->err->format_message(c, e->message);
    longjmp(e->jump, 1);
}

void jpeg_quiet(j_common_ptr) {}

// The library's errors jump back to the caller's setjmp with the library's words, and its
// warnings stay quiet.
void errors_to(jpeg_decompress_struct* cinfo, JpegError* err) {
    cinfo->err = jpeg_std_error(&err->mgr);
    err->mgr.error_exit = jpeg_fail;
    err->mgr.output_message = jpeg_quiet;
}

// The end marker, after the first scan began: inside entropy-coded data a 0xFF byte is
// always followed by 0 or a restart marker, so FF D9 there is the picture's end.
bool has_end_marker(const uint8_t* data, size_t from, size_t size) {
    for (size_t i = from; i + 1 < size; ++i)
        if (data[i] == 0xFF && data[i + 1] == 0xD9) return true;
    return false;
}

}  // namespace

void plat_JpegInfo(const uint8_t* data, size_t size, plat_PictureInfo* info) {
    jpeg_decompress_struct cinfo;
    JpegError err;
    errors_to(&cinfo, &err);
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        info->fault = plat_PictureFault::DAMAGED;
        info->detail = err.message;
        return;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    info->w = static_cast<int>(cinfo.image_width);
    info->h = static_cast<int>(cinfo.image_height);
    const size_t scan = size - cinfo.src->bytes_in_buffer;
    jpeg_destroy_decompress(&cinfo);
    if (!has_end_marker(data, scan, size)) {
        info->fault = plat_PictureFault::DAMAGED;
        info->detail = "the file is cut short";
    }
}

bool plat_JpegDecodeReduced(const uint8_t* data, size_t size, int w, int h, plat_JpegPixels* out) {
    jpeg_decompress_struct cinfo;
    JpegError err;
    errors_to(&cinfo, &err);
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        out->why = err.message;
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    // Printers' colours (CMYK) are not converted here: the general decoder takes them.
    const bool plain = cinfo.jpeg_color_space == JCS_GRAYSCALE || cinfo.jpeg_color_space == JCS_YCbCr ||
                       cinfo.jpeg_color_space == JCS_RGB;
    cinfo.out_color_space = JCS_EXT_RGBA;
    cinfo.scale_num = 1;
    for (unsigned d : {8u, 4u, 2u}) {
        cinfo.scale_denom = d;
        jpeg_calc_output_dimensions(&cinfo);
        if (cinfo.output_width >= static_cast<unsigned>(w) && cinfo.output_height >= static_cast<unsigned>(h)) break;
    }
    if (!plain || cinfo.output_width < static_cast<unsigned>(w) || cinfo.output_height < static_cast<unsigned>(h)) {
        jpeg_destroy_decompress(&cinfo);
        return false;  // no reduced scale is small enough to help
    }
    jpeg_start_decompress(&cinfo);
    out->w = static_cast<int>(cinfo.output_width);
    out->h = static_cast<int>(cinfo.output_height);
    const size_t stride = static_cast<size_t>(out->w) * 4;
    out->rgba.assign(stride * static_cast<size_t>(out->h), 0);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out->rgba.data() + stride * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}
