#include <gtest/gtest.h>

#include <cstring>

#include "framework/core/tf_arre.h"
#include "tests/support/test_support.h"

using test_support::AssertCounter;
using test_support::FreshLog;
using test_support::LogHas;

namespace {
int a, b, c;
}

TEST(PointerArray, GrowsByDoublingOrByTheGivenStep) {
    tf_CARRE arr;
    EXPECT_EQ(arr.data, nullptr);
    for (int i = 0; i < 5; ++i) arr.Add(&a);
    EXPECT_EQ(arr.akt_alloc, 8);
    EXPECT_EQ(arr.count, 5);
    EXPECT_EQ(arr.data[5], nullptr);  // new storage is zero-filled

    tf_CARRE stepped(0, 3, 2);
    std::vector<int> caps;
    for (int i = 0; i < 10; ++i) {
        stepped.Add(&b);
        caps.push_back(stepped.akt_alloc);
    }
    EXPECT_EQ(caps, (std::vector<int>{4, 4, 4, 4, 7, 7, 7, 10, 10, 10}));
    for (int i = 0; i < 10; ++i) EXPECT_EQ(stepped.GET(i), &b);
}

TEST(PointerArray, OutOfRangeIsLoggedAndAnsweredWithNull) {
    FreshLog();
    tf_CARRE arr;
    arr.Add(&a);
    arr.Add(&b);
    arr.Add(&c);
    EXPECT_EQ(arr.GET(3), nullptr);
    EXPECT_TRUE(LogHas({"Chyba: Index je mimo rozsah [3] [3]"}));
    EXPECT_EQ(arr[-1], nullptr);
    EXPECT_TRUE(LogHas({"Chyba: Index je mimo rozsah [-1] [3]"}));
    arr.SET(7, &a);
    EXPECT_TRUE(LogHas({"[7] [3]"}));
    EXPECT_EQ(arr.count, 3);
    EXPECT_EQ(arr[2], &c);
}

TEST(PointerArray, BlankAndShiftUpCloseTheGap) {
    AssertCounter asserts;
    tf_CARRE arr;
    arr.Add(&a);
    arr.Add(&b);
    arr.Add(&c);
    arr.Blenduj(1);
    arr.ShiftUp(1);
    EXPECT_EQ(arr.count, 2);
    EXPECT_EQ(arr[0], &a);
    EXPECT_EQ(arr[1], &c);
    EXPECT_EQ(arr.data[2], nullptr);

    arr.Add(nullptr);
    arr.ShiftUp(2);  // last entry: only the count drops
    EXPECT_EQ(arr.count, 2);

    FreshLog();
    arr.ShiftUp(0);  // not blanked
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "assert: ocakavana NULL hodnota"}));
    arr.ShiftUp(5);
    EXPECT_TRUE(LogHas({"assert: index mimo rozsah"}));
    EXPECT_EQ(asserts.count(), 2);
    EXPECT_EQ(arr.count, 2);
}

TEST(PointerArray, CountChangesAreGuarded) {
    FreshLog();
    tf_CARRE arr;
    arr.Del();  // empty: refused
    EXPECT_EQ(arr.count, 0);
    arr.Add(&a);
    arr.SET_count(-5);
    EXPECT_EQ(arr.count, 1);
    arr.SET_count(9);  // beyond the 4 slots
    EXPECT_EQ(arr.count, 1);
    arr.SET_count(3);
    EXPECT_EQ(arr.count, 3);
    arr.Zhod_count();
    EXPECT_EQ(arr.count, 0);
    EXPECT_EQ(arr.data[0], &a);  // entries are neither destroyed nor cleared
}

TEST(PointerArray, NonOwningDetachKeepsEntriesAndStorage) {
    tf_CARRE none;
    none.SET_count(0);
    none.DetachAll();  // no storage: nothing changes
    EXPECT_EQ(none.count, 0);

    tf_CARRE arr;
    arr.Add(&a);
    arr.Add(&b);
    arr.DetachAll();
    EXPECT_EQ(arr.count, 0);
    EXPECT_EQ(arr.akt_alloc, 4);
    EXPECT_EQ(arr.data[1], &b);
}

TEST(PointerArray, OwnedStringsAreReleasedAndLogged) {
    FreshLog();
    tf_CARRE arr;
    arr.Add(strdup("prva"));
    arr.Add(strdup("druha"));
    arr.VYPIS_LOG_char();
    EXPECT_TRUE(LogHas({"tf_CARRE::VYPIS_LOG_char(): count[2]; akt_alloc[4]; next_alloc_delta[0]; mode[2]"}));
    EXPECT_TRUE(LogHas({"  ARR[1]: [druha]"}));
    arr.UVOLNI_char();
    EXPECT_EQ(arr.count, 0);
    EXPECT_EQ(arr.data[0], nullptr);
    arr.VYPIS_LOG();
    EXPECT_TRUE(LogHas({"tf_CARRE::VYPIS_LOG(): count[0]; akt_alloc[4]; next_alloc_delta[0]; mode[2]"}));
}
