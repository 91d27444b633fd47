// A scratch folder in the system's temporary folder, made and read with the host's own calls
// so that the code under test never prepares its own fixtures. Removed with everything in it.
#pragma once
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

namespace test_support {

// A host file's bytes written or read whole; a file that cannot be read reads as empty.
inline void WriteFile(const std::string& host, const std::string& content) {
    std::ofstream(host, std::ios::binary) << content;
}
inline std::string ReadFile(const std::string& host) {
    std::ostringstream s;
    s << std::ifstream(host, std::ios::binary).rdbuf();
    return s.str();
}

class TempTree {
public:
    TempTree() {
        std::string pattern = (std::filesystem::temp_directory_path() / "pexlo-test-XXXXXX").string();
        root_ = mkdtemp(pattern.data()) ? pattern : "/nonexistent";
    }
    ~TempTree() {
        std::error_code ignored;  // a test may have left a folder unreadable; what can go, goes
        std::filesystem::remove_all(root_, ignored);
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    std::string Host(const std::string& rel = "") const { return rel.empty() ? root_ : root_ + "/" + rel; }
    // The program's path ("\" separators) of `rel` (UTF-8, "/" separators).
    std::string Path(const std::string& rel = "") const {
        std::string p = Host(rel);
        std::replace(p.begin(), p.end(), '/', '\\');
        return p;
    }
    void Dir(const std::string& rel) const { std::filesystem::create_directory(Host(rel)); }
    void File(const std::string& rel, const std::string& content = "") const { WriteFile(Host(rel), content); }
    std::string Read(const std::string& rel) const { return ReadFile(Host(rel)); }
    bool Exists(const std::string& rel) const { return std::filesystem::exists(Host(rel)); }
    // The names in folder `rel`, in byte order.
    std::vector<std::string> Names(const std::string& rel = "") const {
        std::vector<std::string> names;
        std::error_code missing;
        for (const auto& e : std::filesystem::directory_iterator(Host(rel), missing))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::string root_;
};

}  // namespace test_support
