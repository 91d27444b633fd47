#include "tests/book/random_input.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "tests/book/editor_fixture.h"

namespace editor_test {

// Somewhere worth pointing at: an entry of a shown list or menu of the editor ("Koniec" only
// by chance), a shown button or dialog, an object; a quarter of the time anywhere.
std::pair<int, int> RandomInput::Spot() {
    if (rng_() % 4 == 0) return {int(rng_() % W), int(rng_() % H)};
    std::vector<RECT> spots;
    std::vector<tf_CPol*> widgets;
    for (int i = 0; i < REG.count; ++i) widgets.push_back(REG_Objekt(i));
    for (int i = 0; i < px_editor->group.vrstvy.count; ++i)
        if (tf_CPol* w = static_cast<tf_CUHSPol*>(px_editor->group.vrstvy.GET(i))->prvok; w->zivy) widgets.push_back(w);
    for (tf_CPol* w : widgets) {
        auto* list = dynamic_cast<tf_CDUI*>(w);
        for (int i = 0; list && i < list->volby.count; ++i)
            if (auto* v = static_cast<tf_TVOLBA*>(list->volby.GET(i)); v->hodnota != 100 || list->trieda != 1)
                spots.push_back(v->obdlz);
        int sir = 0, vys = 0;
        w->GetSize(&sir, &vys);
        if (!list) spots.push_back({w->x, w->y, w->x + sir, w->y + vys});
    }
    const RECT r = spots[rng_() % spots.size()];
    auto within = [&](int from, int to, int limit) {
        return std::clamp(from + int(rng_() % unsigned(std::max(1, to - from))), 0, limit - 1);
    };
    return {within(r.left, r.right, W), within(r.top, r.bottom, H)};
}

void RandomInput::Gesture(const Send& send) {
    static const int keys[] = {VK_BACK, VK_SPACE, VK_PRIOR, VK_NEXT, VK_DELETE, VK_F1,
                               VK_F2,   VK_RETURN, 'A',    'K',     'Z',       '1'};
    auto [x, y] = Spot();
    const unsigned gesture = rng_() % 7;
    auto at = [&](UINT msg) { send(msg, 0, std::clamp(x, 0, W - 1), std::clamp(y, 0, H - 1)); };
    at(WM_MOUSEMOVE);
    if (gesture == 1 || gesture == 2) at(WM_LBUTTONDOWN);
    for (int i = gesture == 2 ? int(rng_() % 8) : 0, dx = int(rng_() % 31) - 15, dy = int(rng_() % 31) - 15; i > 0;
         --i) {
        x += dx;
        y += dy;
        at(WM_MOUSEMOVE);
    }
    if (gesture == 1 || gesture == 2) at(WM_LBUTTONUP);
    if (gesture == 3) at(WM_RBUTTONDOWN);
    if (gesture == 4) send(WM_KEYDOWN, WPARAM(keys[rng_() % std::size(keys)]), 0, 0);
    if (gesture == 5) send(WM_TIMER, 1, 0, 0);
}

}  // namespace editor_test
