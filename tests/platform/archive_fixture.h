// Zip archives for the tests: made with libzip as any packer would, or byte by byte where an
// archive must say what no packer writes (sizes it does not hold, a name with a zero byte in it,
// a name twice); and folders compared file by file.
#pragma once
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zip.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tests/support/temp_tree.h"

namespace archive_test {

// Every file and folder under `root`, relative, with its bytes ("/" for a folder).
inline std::map<std::string, std::string> Contents(const std::string& root) {
    std::map<std::string, std::string> all;
    for (const auto& e : std::filesystem::recursive_directory_iterator(root))
        all[e.path().lexically_relative(root).string()] = e.is_directory() ? "/" : test_support::ReadFile(e.path());
    return all;
}

// The same files and folders with the same bytes; else the first that differs.
inline testing::AssertionResult SameFiles(const std::string& a, const std::string& b) {
    const auto x = Contents(a), y = Contents(b);
    for (const auto& [name, bytes] : x) {
        const auto other = y.find(name);
        if (other == y.end()) return testing::AssertionFailure() << "only in " << a << ": " << name;
        if (other->second != bytes) return testing::AssertionFailure() << "other bytes: " << name;
    }
    for (const auto& [name, bytes] : y)
        if (!x.count(name)) return testing::AssertionFailure() << "only in " << b << ": " << name;
    return testing::AssertionSuccess();
}

struct Entry {
    std::string name;
    std::string data;
    uint32_t mode = S_IFREG | 0644;  // Unix kind and permissions
};

// Packed by libzip (deflate) into `path`; false when libzip refused.
inline bool Pack(const std::string& path, const std::vector<Entry>& entries) {
    zip_t* z = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    if (!z) return false;
    for (const Entry& e : entries) {
        zip_source_t* s = zip_source_buffer(z, e.data.data(), e.data.size(), 0);
        const zip_int64_t i = s ? zip_file_add(z, e.name.c_str(), s, ZIP_FL_ENC_UTF_8) : -1;
        if (i < 0 || zip_file_set_external_attributes(z, zip_uint64_t(i), 0, ZIP_OPSYS_UNIX, e.mode << 16) != 0) {
            if (s && i < 0) zip_source_free(s);
            zip_discard(z);
            return false;
        }
    }
    return zip_close(z) == 0;
}

// An archive written byte by byte: stored entries whose headers declare `declared` bytes (the
// data's own size when 0), with zip64 sizes where they do not fit 32 bits.
class Raw {
public:
    void Add(const std::string& name, const std::string& data, uint64_t declared = 0, uint32_t mode = S_IFREG | 0644) {
        const uint64_t size = declared ? declared : data.size();
        const bool wide = size >= 0xFFFFFFFFu;
        std::string extra;
        if (wide) put(extra, 1, 2), put(extra, 16, 2), put(extra, size, 8), put(extra, data.size(), 8);
        const uint32_t offset = uint32_t(local_.size());
        const uint32_t crc = crc32(data);
        header(local_, 0x04034b50, name, extra, size, data.size(), crc, wide);
        local_ += data;
        header(central_, 0x02014b50, name, extra, size, data.size(), crc, wide, mode, offset);
        ++count_;
    }
    std::string Bytes() const {
        std::string end;
        put(end, 0x06054b50, 4), put(end, 0, 4), put(end, count_, 2), put(end, count_, 2);
        put(end, central_.size(), 4), put(end, local_.size(), 4), put(end, 0, 2);
        return local_ + central_ + end;
    }

private:
    static void put(std::string& s, uint64_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) s += char((v >> (8 * i)) & 0xFF);
    }
    // A local header (no mode) or a central one (with the mode and the local header's offset).
    static uint32_t crc32(const std::string& data) {
        uint32_t c = 0xFFFFFFFFu;
        for (const unsigned char b : data) {
            c ^= b;
            for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
        }
        return ~c;
    }
    static void header(std::string& s, uint32_t sig, const std::string& name, const std::string& extra, uint64_t size,
                       uint64_t packed, uint32_t crc, bool wide, uint32_t mode = 0, uint32_t offset = 0) {
        const bool central = sig == 0x02014b50;
        put(s, sig, 4);
        if (central) put(s, (3 << 8) | 45, 2);  // made on Unix
        put(s, 45, 2), put(s, 0x0800, 2), put(s, 0, 2), put(s, 0, 2), put(s, 0x21, 2), put(s, crc, 4);
        put(s, wide ? 0xFFFFFFFFu : packed, 4), put(s, wide ? 0xFFFFFFFFu : size, 4);
        put(s, name.size(), 2), put(s, extra.size(), 2);
        if (central) put(s, 0, 2), put(s, 0, 2), put(s, 0, 2), put(s, uint64_t(mode) << 16, 4), put(s, offset, 4);
        s += name + extra;
    }
    std::string local_, central_;
    size_t count_ = 0;
};

}  // namespace archive_test
