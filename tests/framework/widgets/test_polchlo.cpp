// The widget tree: containers routing events and actions, long names, ownership.
#include "framework/widgets/tf_polchlo.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "tests/support/test_support.h"

namespace {
std::string trail;
int destroyed = 0;
void note(const char* what, const char* tag) { trail = trail + what + tag; }

// A widget of any class id; stav 2 stands for a completed press: the poll reports 1
// and re-arms as a button does.
struct Probe : tf_CPol {
    Probe(tf_CPolCHLO* p, const char* tag, int cid = 0, int rx = 0, int ry = 0) : tf_CPol(p, rx, ry) {
        class_id = cid;
        Set_Nazov(tag);
    }
    ~Probe() override { ++destroyed; }
    void ZOBRAZ(IDirectDrawSurface*) override { note("d", nazov); }
    bool INFORMUJ_SA(int px, int py, int e) override { note("e", nazov); return tf_CPol::INFORMUJ_SA(px, py, e); }
    bool PollAction(int* v) override {
        note("p", nazov);
        if (stav != 2) return false;
        stav = 1;
        *v = 1;
        return true;
    }
};

// A container that records the actions reported to it.
struct Box : tf_CPolCHLO {
    Box(tf_CPolCHLO* p, const char* tag) : tf_CPolCHLO(p, -1) { Set_Nazov(tag); }
    ~Box() override { ++destroyed; }
    bool HandleFWInteraction(int id, int v, tf_CPol* src) override {
        note("h", (nazov + std::to_string(id) + "=" + std::to_string(v) + src->nazov).c_str());
        return tf_CPolCHLO::HandleFWInteraction(id, v, src);
    }
};

}  // namespace

TEST(TfPolCHLO, DrawsBottomFirstAsksTopmostFirstAndReportsActionsOnceToTheHolderThenUpward) {
    trail.clear();
    Box root{nullptr, "R"};  // A, B and C in that order, B and C on the same spot
    Probe* a = new Probe(&root, "A", 0, 10, 10);
    Probe* b = new Probe(&root, "B", 0, 50, 50);
    Probe* c = new Probe(&root, "C", 0, 50, 50);
    root.ZOBRAZ(nullptr);
    EXPECT_FALSE(root.INFORMUJ_SA(500, 500, 1));  // nobody's
    EXPECT_TRUE(root.INFORMUJ_SA(b->x, b->y, 0) && root.INFORMUJ_SA(b->x, b->y, 1));
    EXPECT_EQ(trail, "dAdBdC" "eCeBeA" "eC" "eC");  // the upper of the overlapping two takes it
    EXPECT_EQ(root.VratZasah(b->x, b->y), c);

    trail.clear();
    Probe* button = new Probe(new Box(&root, "I"), "T", TF_CLASS_TLAC);
    button->ID = 42;
    a->class_id = TF_CLASS_TLAC;
    b->stav = 2;  // a class that reports nothing: never polled
    int id = -1;
    EXPECT_FALSE(root.INFORMUJ_MA(&id));
    button->stav = 2;
    EXPECT_TRUE(root.INFORMUJ_MA(&id) && id == 42 && !root.INFORMUJ_MA(&id));
    EXPECT_EQ(trail, "pTpA" "pThI42=1ThR42=1T" "pTpA");
}

TEST(TfPolCHLO, OwnsItsSubtreeAndReportsUnknownClasses) {
    test_support::AssertCounter asserts;
    std::deque<Probe> strays;  // ids of no class: reported and left alone
    Box* root = new Box(nullptr, "R");
    Box* inner = new Box(root, "I");
    const int owned[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 20, 21, 22, 121, 122};
    for (int cid : owned) new Probe(inner, "x", cid);
    for (int cid : {10, 17, 19, 23, 120, 123, -1}) root->PRIDAJ(&strays.emplace_back(nullptr, "u", cid));
    destroyed = 0;
    delete root;
    EXPECT_EQ(destroyed, static_cast<int>(std::size(owned)) + 2);
    EXPECT_EQ(asserts.count(), static_cast<int>(strays.size()));
}
