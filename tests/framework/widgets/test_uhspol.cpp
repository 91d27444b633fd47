// The layered group: events to every layer, keys and polls from the last, drags, limits.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "framework/widgets/tf_uhspol.h"
#include "tests/support/test_support.h"

namespace {
// A widget that writes its letter into a shared trace whenever it is asked anything.
struct Probe : tf_CPol {
    Probe(std::string* trace_, char name_, int cls, int eats_ = 0) : trace(trace_), name(name_), eats(eats_) {
        class_id = cls;
        Set_Nazov(std::string(1, name_).c_str());
    }
    bool INFORMUJ_SA(int, int, int) override { return *trace += name, false; }  // claims nothing
    bool HandleKey(int key) override { return *trace += name, key == eats; }
    void ZOBRAZ(IDirectDrawSurface*) override { *trace += name; }
    bool PollAction(int* value) override { return *trace += name, *value = 1, std::exchange(armed, false); }
    std::string* trace;
    char name;
    int eats;
    bool armed = false;
};
}  // namespace

TEST(UhsPol, EventsGoToEveryLayerKeysAndPollsFromTheLast) {
    std::string t;
    Probe a(&t, 'A', 7, 1), b(&t, 'B', 7, 2), c(&t, 'C', 7, 3), d(&t, 'D', 4);
    tf_CUHSPol g, *inner = new tf_CUHSPol(&d);
    for (Probe* p : {&a, &b, &c}) g.PRIDAJ(p);
    EXPECT_TRUE(g.INFORMUJ_SA(1, 1, 0));  // nobody cares, still taken
    g.ZOBRAZ(nullptr);
    EXPECT_TRUE(g.INFORMUJ_SA_KLAV(2));
    EXPECT_FALSE(g.INFORMUJ_SA_KLAV(9));
    EXPECT_EQ(t, "ABCABC" "CB" "CBA");

    ASSERT_TRUE(g.PRIDAJ(inner));
    d.ID = 77, d.armed = true;
    int id = 0;
    EXPECT_TRUE(g.INFORMUJ_MA(&id) && id == 77);
    EXPECT_FALSE(g.INFORMUJ_MA(&id));  // reported once; the edit boxes are never polled

    t.clear();
    inner->zivy = false;
    g.INFORMUJ_SA(1, 1, 1);
    g.ZOBRAZ(nullptr);
    EXPECT_FALSE(inner->INFORMUJ_MA(&id) || inner->INFORMUJ_SA_KLAV(1) || inner->INFORMUJ_SA(0, 0, 0));
    EXPECT_EQ(t, "ABCABC");
}

TEST(UhsPol, RefusesLoopsAndKeepsToFiftyLayers) {
    test_support::FreshLog();
    tf_CUHSPol g;
    tf_CPol w;
    tf_CUHSPol* a = g.PRIDAJ(&w);
    EXPECT_FALSE(g.PRIDAJ(a));  // already in the tree
    EXPECT_FALSE(a->PRIDAJ(&g));  // would contain itself
    EXPECT_EQ(g.PRIDAJ(static_cast<tf_CPol*>(nullptr)), nullptr);
    EXPECT_TRUE(test_support::LogHas({"TF_UHSPol_w(", "tf_CUHSPol::PRIDAJ - uzol uz je v strome [RETURN!]"}));
    for (int i = 3; i < 60; ++i) g.PRIDAJ(&w, i, i);
    EXPECT_EQ(g.vrstvy.count, 50);
    tf_CUHSPol spare;
    EXPECT_TRUE(!g.PRIDAJ(&spare) && !spare.rodic);
}
