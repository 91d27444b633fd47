// A book file of fuzzed bytes unpacked as an import unpacks it: whatever the archive says, nothing
// is written outside the folder it is unpacked into, and a refused archive leaves that folder empty.
#include <ftw.h>
#include <sys/stat.h>

#include <set>
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/archive.h"

namespace {
// Small enough that every input runs in a moment; the checks are those of the default limits.
constexpr plat_ArchiveLimits LIMITS = {.total_bytes = uint64_t(64) << 20, .file_bytes = uint64_t(16) << 20,
                                       .entries = 256};

std::set<std::string> tree_of(const std::string& dir) {
    static std::set<std::string>* seen;
    std::set<std::string> all;
    seen = &all;
    nftw(dir.c_str(), [](const char* p, const struct stat*, int, FTW*) {
        seen->insert(p);
        return 0;
    }, 16, FTW_PHYS);
    return all;
}

void remove_tree(const std::string& dir) {
    nftw(dir.c_str(), [](const char* p, const struct stat*, int, FTW*) { return remove(p); }, 16, FTW_DEPTH | FTW_PHYS);
}
}  // namespace

int pexlo_fuzz_archive(const uint8_t* data, size_t size) {
    const std::string root = pexlo_fuzz::Scratch() + "/archive", into = root + "/in";
    mkdir(root.c_str(), 0755);
    mkdir(into.c_str(), 0755);
    pexlo_fuzz::Put("archive/book.pexlo", data, size);
    const std::set<std::string> outside = tree_of(pexlo_fuzz::Scratch());
    const plat_ArchiveResult r = plat_ReadArchive(root + "/book.pexlo", into, ".str", LIMITS);
    std::set<std::string> after = tree_of(pexlo_fuzz::Scratch());
    for (auto it = after.begin(); it != after.end();) it = it->rfind(into + "/", 0) == 0 ? after.erase(it) : ++it;
    if (after != outside || (!r.ok() && tree_of(into).size() != 1) || (r.ok() && plat_ArchiveFaultText(r) != ""))
        abort();
    remove_tree(root);
    return 0;
}
