// The pointer array: growth, range checks, closing gaps, guarded counts and owned strings.
#include "framework/core/tf_arre.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tests/support/test_support.h"

using test_support::LogHas;

namespace {
int a, b, c;
std::vector<void*> entries(tf_CARRE& arr) {
    std::vector<void*> v;
    for (int i = 0; i < arr.count; ++i) v.push_back(arr[i]);
    return v;
}
}  // namespace

TEST(PointerArray, GrowsKeepingEveryEntryAndAnswersOutOfRangeWithNull) {
    test_support::FreshLog();
    tf_CARRE doubling, stepped(0, 3, 2);
    for (int i = 0; i < 10; ++i) doubling.Add(i % 2 ? &a : &b), stepped.Add(i % 2 ? &a : &b);
    EXPECT_EQ(entries(doubling), entries(stepped));
    EXPECT_EQ(std::make_tuple(stepped.count, stepped[9], doubling.data[10]),
              std::make_tuple(10, static_cast<void*>(&a), nullptr));  // new storage is zero-filled
    EXPECT_EQ(std::make_tuple(doubling.GET(10), doubling[-1]), std::make_tuple(nullptr, nullptr));
    EXPECT_TRUE(LogHas({"Chyba: Index je mimo rozsah [10] [10]"}) && LogHas({"Chyba: Index je mimo rozsah [-1] [10]"}));
    doubling.SET(17, &c);
    EXPECT_TRUE(LogHas({"[17] [10]"}) && doubling.count == 10);
}

TEST(PointerArray, BlankAndShiftUpCloseTheGapAndRefuseAFullOrMissingSlot) {
    test_support::AssertCounter asserts;
    test_support::FreshLog();
    tf_CARRE arr;
    for (int* p : {&a, &b, &c, &a}) arr.Add(p);
    arr.Blenduj(1);
    arr.ShiftUp(1);
    EXPECT_EQ(entries(arr), (std::vector<void*>{&a, &c, &a}));
    EXPECT_EQ(arr.data[3], nullptr);
    arr.Blenduj(2);
    arr.ShiftUp(2);  // last entry: only the count drops
    EXPECT_EQ(entries(arr), (std::vector<void*>{&a, &c}));
    arr.ShiftUp(0);  // not blanked
    arr.ShiftUp(5);
    EXPECT_TRUE(LogHas({"TLFW ERROR: ", "assert: ocakavana NULL hodnota"}) && LogHas({"assert: index mimo rozsah"}));
    EXPECT_EQ(std::make_tuple(asserts.count(), arr.count), std::make_tuple(2, 2));
}

TEST(PointerArray, CountChangesAreGuardedAndDetachingKeepsTheStorage) {
    tf_CARRE arr, none;
    arr.Del();  // empty: refused
    arr.Add(&a);
    arr.Add(&b);
    arr.Del();
    std::vector<int> counts;
    for (int n : {-5, 9, 3}) arr.SET_count(n), counts.push_back(arr.count);  // 9: beyond the 4 slots
    EXPECT_EQ(counts, (std::vector<int>{1, 1, 3}));
    arr.Zhod_count();
    EXPECT_EQ(std::make_tuple(arr.count, arr.data[0]), std::make_tuple(0, static_cast<void*>(&a)));  // kept, not cleared
    arr.SET_count(2);
    arr.DetachAll();
    none.DetachAll();  // no storage: nothing changes
    EXPECT_EQ(std::make_tuple(arr.count, arr.akt_alloc, arr.data[0], none.count), std::make_tuple(0, 4, static_cast<void*>(&a), 0));
}

TEST(PointerArray, OwnedStringsAreListedAndReleased) {
    test_support::FreshLog();
    tf_CARRE arr;
    arr.Add(strdup("prva"));
    arr.Add(strdup("druha"));
    arr.VYPIS_LOG_char();
    EXPECT_TRUE(LogHas({"tf_CARRE::VYPIS_LOG_char(): count[2]; akt_alloc[4]"}) && LogHas({"  ARR[1]: [druha]"}));
    arr.UVOLNI_char();
    EXPECT_EQ(std::make_tuple(arr.count, arr.data[0]), std::make_tuple(0, static_cast<void*>(nullptr)));
}
