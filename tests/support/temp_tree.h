// A scratch folder under /tmp, made and read with the host's own calls so that the code
// under test never prepares its own fixtures. Removed with everything in it.
#pragma once
#include <dirent.h>
#include <ftw.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace test_support {

class TempTree {
public:
    TempTree() {
        char tmpl[] = "/tmp/pexlo-test-XXXXXX";
        root_ = mkdtemp(tmpl) ? tmpl : "/nonexistent";
    }
    ~TempTree() {
        nftw(root_.c_str(), [](const char* p, const struct stat*, int, FTW*) { return remove(p); }, 16,
             FTW_DEPTH | FTW_PHYS);
    }
    std::string Host(const std::string& rel = "") const { return rel.empty() ? root_ : root_ + "/" + rel; }
    // The program's path ("\" separators) of `rel` (UTF-8, "/" separators).
    std::string Path(const std::string& rel = "") const {
        std::string p = Host(rel);
        std::replace(p.begin(), p.end(), '/', '\\');
        return p;
    }
    void Dir(const std::string& rel) const { mkdir(Host(rel).c_str(), 0755); }
    void File(const std::string& rel, const std::string& content = "") const {
        std::ofstream(Host(rel), std::ios::binary) << content;
    }
    std::string Read(const std::string& rel) const {
        std::ostringstream s;
        s << std::ifstream(Host(rel), std::ios::binary).rdbuf();
        return s.str();
    }
    // The names in folder `rel` without "." and "..", in byte order.
    std::vector<std::string> Names(const std::string& rel = "") const {
        std::vector<std::string> names;
        if (DIR* d = opendir(Host(rel).c_str())) {
            while (const dirent* e = readdir(d))
                if (e->d_name != std::string(".") && e->d_name != std::string("..")) names.push_back(e->d_name);
            closedir(d);
        }
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::string root_;
};

}  // namespace test_support
