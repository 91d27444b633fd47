// Files dropped on the window: each drop's list kept until the program takes it.
#include <deque>

#include "platform/window_internal.h"

namespace {

struct Drop {
    WPARAM id;
    std::vector<std::string> files;
};

// A program that never takes its drops must not gather them for ever.
constexpr size_t KEPT = 16;

std::deque<Drop>& drops() {
    static std::deque<Drop> d;
    return d;
}

WPARAM last_id = 0;

}  // namespace

void plat_QueueDrop(std::vector<std::string> files) {
    std::deque<Drop>& d = drops();
    if (d.size() == KEPT) d.pop_front();
    d.push_back({++last_id, std::move(files)});
    plat_QueueInput(WM_DROPFILES, last_id, 0);
}

std::vector<std::string> plat_TakeDroppedFiles(WPARAM drop) {
    std::deque<Drop>& d = drops();
    for (auto i = d.begin(); i != d.end(); ++i)
        if (i->id == drop) {
            std::vector<std::string> files = std::move(i->files);
            d.erase(i);
            return files;
        }
    return {};
}
