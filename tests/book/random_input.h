// The author's hand at random but plausible: moves, clicks, drags, right clicks, the editor's
// keys, letters for a book's name and timer ticks, aimed mostly at what the editor shows
// (entries of its lists and menus, its buttons and dialog, the objects of the page).
#pragma once
#include <functional>
#include <random>
#include <utility>

#include "platform/win32.h"

namespace editor_test {

class RandomInput {
public:
    // Delivers one message; x and y lie on the screen.
    using Send = std::function<void(UINT msg, WPARAM wParam, int x, int y)>;
    explicit RandomInput(unsigned seed) : rng_(seed) {}
    // One gesture of the running editor, as one message or several.
    void Gesture(const Send& send);

private:
    std::pair<int, int> Spot();
    std::mt19937 rng_;
};

}  // namespace editor_test
