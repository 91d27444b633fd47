// The pointer array: growth, range checks and closing gaps.
#include "framework/core/tf_arre.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/test_support.h"

namespace {
int a, b, c;
}  // namespace

TEST(PointerArray, GrowsKeepingEveryEntryAndAnswersOutOfRangeWithNull) {
    test_support::FreshLog();
    tf_CARRE stepped(0, 3, 2);
    for (int i = 0; i < 10; ++i) stepped.Add(i % 2 ? &a : &b);
    EXPECT_EQ(std::make_tuple(stepped[9], stepped.GET(10), stepped[-1]), std::make_tuple(&a, nullptr, nullptr));
    stepped.SET(17, &c);
    EXPECT_TRUE(test_support::LogHas({"Chyba: Index je mimo rozsah [17] [10]"}) && stepped.count == 10);
}

TEST(PointerArray, BlankAndShiftUpCloseTheGap) {
    test_support::AssertCounter asserts;
    tf_CARRE arr;
    for (int* p : {&a, &b, &c, &a}) arr.Add(p);
    arr.Blenduj(1);
    arr.ShiftUp(1);
    EXPECT_EQ(std::vector<void*>(arr.data, arr.data + 4), (std::vector<void*>{&a, &c, &a, nullptr}));
    arr.ShiftUp(5);  // beyond the end: refused
    EXPECT_EQ(std::make_tuple(asserts.count(), arr.count), std::make_tuple(1, 3));
}
