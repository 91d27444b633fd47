// Reading back the BMP files the writers make, field by field.
#pragma once
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/bytes.h"
#include "platform/win32.h"

namespace dbmp_test {

struct Written {
    std::vector<uint8_t> bytes;  // empty when the file is missing
    uint32_t U32(size_t at) const { return plat_ReadLE(&bytes[at], 4); }
    std::pair<int, int> Size() const { return {static_cast<int>(U32(18)), static_cast<int>(U32(22))}; }
    // Pixel (x, y) counted from the top, as 0x00BBGGRR.
    COLORREF At(int x, int y) const {
        const size_t row = (static_cast<size_t>(Size().first) * 3 + 3) / 4 * 4;
        const uint8_t* p = &bytes[54 + (Size().second - 1 - y) * row + 3 * static_cast<size_t>(x)];
        return RGB(p[2], p[1], p[0]);
    }
};

inline Written ReadWritten(const std::string& host) {
    std::ifstream in(host, std::ios::binary);
    return {std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {})};
}

}  // namespace dbmp_test
