// The widget tree: plain widgets, containers routing events, keys and actions, hits and ownership.
#include "framework/widgets/tf_polchlo.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "tests/support/test_support.h"

namespace {
std::string trail;
int destroyed = 0;
void note(const char* what, const char* tag) { trail = trail + what + tag; }

// A widget of any class id; stav 2 stands for a completed press, or for a slider (id 5) a
// held knob: the poll reports `value` and, but for a slider, re-arms as a button does.
struct Probe : tf_CPol {
    Probe(tf_CPolCHLO* p, const char* tag, int cid = 0, int rx = 0, int ry = 0) : tf_CPol(p, rx, ry) {
        class_id = cid;
        Set_Nazov(tag);
    }
    ~Probe() override { ++destroyed; }
    void ZOBRAZ(IDirectDrawSurface*) override { note("d", nazov); }
    bool INFORMUJ_SA(int px, int py, int e) override { note("e", nazov); return tf_CPol::INFORMUJ_SA(px, py, e); }
    bool HandleKey(int) override { note("k", nazov); return takes_keys; }
    bool PollAction(int* v) override {
        note("p", nazov);
        if (stav != 2) return false;
        stav = class_id == TF_CLASS_POSUV ? 2 : 1;
        *v = value;
        return true;
    }
    bool takes_keys = false;
    int value = 1;
};

// A container that records its set-up, its re-placing and the actions reported to it.
struct Box : tf_CPolCHLO {
    Box(tf_CPolCHLO* p, const char* tag, int rx = 0, int ry = 0) : tf_CPolCHLO(p, -1) {
        Set_Nazov(tag);
        MoveToRel(rx, ry);
    }
    ~Box() override { ++destroyed; }
    int SetupVisual() override { note("s", nazov); return 0; }
    void Rodic_reset() override { note("r", nazov); tf_CPolCHLO::Rodic_reset(); }
    bool HandleFWInteraction(int id, int v, tf_CPol* src) override {
        note("h", (nazov + std::to_string(id) + "=" + std::to_string(v) + src->nazov).c_str());
        return tf_CPolCHLO::HandleFWInteraction(id, v, src);
    }
};

// A root holding A, B, C in that order, B and C on the same spot.
struct TfPolCHLORouting : ::testing::Test {
    void SetUp() override { trail.clear(); }
    Box root{nullptr, "R"};
    Probe* a = new Probe(&root, "A", 0, 10, 10);
    Probe* b = new Probe(&root, "B", 0, 50, 50);
    Probe* c = new Probe(&root, "C", 0, 50, 50);
    int id = -1;
};
}  // namespace

TEST_F(TfPolCHLORouting, DrawsBottomFirstAndAsksTopmostFirst) {
    root.ZOBRAZ(nullptr);
    EXPECT_FALSE(root.INFORMUJ_SA(500, 500, 1));  // nobody's
    EXPECT_TRUE(root.INFORMUJ_SA(b->x, b->y, 0));
    EXPECT_TRUE(root.INFORMUJ_SA(b->x, b->y, 1));
    EXPECT_EQ(trail, "dAdBdC" "eCeBeA" "eC" "eC");  // the upper of the overlapping two takes it
    EXPECT_EQ(root.VratZasah(b->x, b->y), c);
}

TEST_F(TfPolCHLORouting, KeysGoToEditBoxesAndShownContainersOnly) {
    a->class_id = c->class_id = TF_CLASS_DEDB;
    b->takes_keys = true;  // not an edit box: never asked
    Box* inner = new Box(&root, "I");
    Probe* edit = new Probe(inner, "E", TF_CLASS_DEDB);
    EXPECT_FALSE(root.INFORMUJ_SA_KLAV('x'));
    edit->takes_keys = true;
    EXPECT_TRUE(root.INFORMUJ_SA_KLAV('x'));
    inner->zivy = false;
    EXPECT_FALSE(root.INFORMUJ_SA_KLAV('x'));
    EXPECT_EQ(trail, "kEkCkA" "kE" "kCkA");
}

TEST_F(TfPolCHLORouting, ActionsAreReportedOnceToTheHolderThenUpward) {
    Probe* button = new Probe(new Box(&root, "I"), "T", TF_CLASS_TLAC);
    button->ID = 42;
    a->class_id = TF_CLASS_TLAC;
    b->stav = 2;  // a class that reports nothing: never polled
    EXPECT_FALSE(root.INFORMUJ_MA(&id));
    button->stav = 2;
    EXPECT_TRUE(root.INFORMUJ_MA(&id));
    EXPECT_EQ(id, 42);
    EXPECT_FALSE(root.INFORMUJ_MA(&id));
    EXPECT_EQ(trail, "pTpA" "pThI42=1ThR42=1T" "pTpA");
    button->stav = 2;
    button->zivy = false;
    c->class_id = TF_CLASS_POSUV;  // a held slider: every poll, with its current position
    c->stav = 2;
    for (int pos : {3, 9}) {
        c->value = pos;
        trail.clear();
        EXPECT_TRUE(root.INFORMUJ_MA(&id));
        EXPECT_EQ(trail, "pChR-1=" + std::to_string(pos) + "C");
    }
}

TEST(TfPolCHLO, HitsSearchesAndHiddenContainers) {
    Box root(nullptr, "R");
    Box* inner = new Box(&root, "I", 30, 30);
    Probe* leaf = new Probe(inner, "L", TF_CLASS_TLAC, 10, 10);
    Probe* other = new Probe(&root, "P", 0, 500, 500);  // topmost, elsewhere
    EXPECT_EQ(std::make_tuple(root.VratZasah(45, 45), root.VratZasah(35, 35), root.VratZasah(79, 0), root.VratZasah(80, 0)),
              std::make_tuple(static_cast<tf_CPol*>(leaf), static_cast<tf_CPol*>(inner), static_cast<tf_CPol*>(&root), nullptr));
    root.ID = leaf->ID = other->ID = 5;
    EXPECT_EQ(root.FindCHLWithID(5), leaf);  // depth first, the container left out
    EXPECT_EQ(std::make_tuple(root.GetCHLWithIndex(2), root.GetCHLWithIndex(-1)), std::make_tuple(nullptr, nullptr));
    leaf->stav = 2;
    inner->zivy = false;
    trail.clear();
    int id = 0;
    EXPECT_EQ(root.VratZasah(45, 45), &root);
    inner->ZOBRAZ(nullptr);
    EXPECT_FALSE(inner->INFORMUJ_SA(45, 45, 0) || root.INFORMUJ_MA(&id));
    EXPECT_EQ(trail, "");
}

TEST(TfPolCHLO, SetupWalkLaysOutThenPlacesThenDescends) {
    Box root(nullptr, "R");
    new Box(new Box(&root, "A"), "a");
    new Box(&root, "b");
    trail.clear();
    EXPECT_EQ(root.SetupVisual_Private(), 0);
    EXPECT_EQ(trail, "sR" "rAra" "rb" "sAra" "sa" "sb");
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

TEST(TfPol, LongNamesAreCut) {
    tf_CPol named;
    const std::string long_name(40, 'n');
    named.Set_Nazov(long_name.c_str());
    EXPECT_EQ(std::string(named.nazov), long_name.substr(0, sizeof named.nazov - 1));
}

TEST(TfPol, HandleCircleAndPlainDrag) {
    tf_CPolCHLO root;
    root.MoveToRel(10, 10);
    tf_CPol* w = new tf_CPol(&root, 40, 40);
    const int hx = w->x, hy = w->y;
    EXPECT_TRUE(w->CanDrag(hx + w->polomer, hy));  // on the circle
    EXPECT_FALSE(w->CanDrag(hx + 7, hy + 8));      // in the square, off the circle
    EXPECT_FALSE(w->INFORMUJ_SA(hx, hy, 1));       // a press before arming
    EXPECT_FALSE(w->INFORMUJ_SA(hx + 30, hy, 0));  // off the handle: not armed
    for (int e : {0, 1}) EXPECT_TRUE(w->INFORMUJ_SA(hx + 3, hy + 2 * e, e));  // grabbed 3, 2 off the origin
    EXPECT_TRUE(w->INFORMUJ_SA(hx + 103, hy + 52, 0) && w->INFORMUJ_SA(0, 0, -1));
    EXPECT_FALSE(w->INFORMUJ_SA(0, 0, 0));  // released: moves pass by
    EXPECT_EQ(std::make_pair(w->x, w->ry), std::make_pair(hx + 100, w->y - root.y));
}
