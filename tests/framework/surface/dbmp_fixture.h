// Reading back the BMP files the writers make, field by field.
#pragma once
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace dbmp_test {

struct Written {
    std::vector<uint8_t> bytes;  // empty when the file is missing
    uint32_t U32(size_t at) const {
        return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | uint32_t(bytes[at + 3]) << 24;
    }
    uint16_t U16(size_t at) const { return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8); }
    int W() const { return static_cast<int>(U32(18)); }
    int H() const { return static_cast<int>(U32(22)); }
    size_t RowSize() const { return (static_cast<size_t>(W()) * 3 + 3) / 4 * 4; }
    // Pixel (x, y) counted from the top, as 0x00BBGGRR.
    COLORREF At(int x, int y) const {
        const uint8_t* p = &bytes[54 + static_cast<size_t>(H() - 1 - y) * RowSize() + 3 * static_cast<size_t>(x)];
        return RGB(p[2], p[1], p[0]);
    }
};

// The file at a host path.
inline Written ReadWritten(const std::string& host) {
    std::ifstream in(host, std::ios::binary);
    return {std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {})};
}

}  // namespace dbmp_test
