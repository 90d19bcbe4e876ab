#include "framework/EnumListIterator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using gmpi::EnumListIterator;

struct Item {
    int32_t index;
    int32_t value;
    std::u16string text;
    bool operator==(const Item&) const = default;
};

std::vector<Item> walk(std::u16string_view list) {
    EnumListIterator it(list);
    std::vector<Item> items;
    for (it.first(); !it.isDone(); it.next()) items.push_back({it.index(), it.value(), it.text()});
    return items;
}

constexpr std::u16string_view sliderAppearances =
    u"Slider,H-Slider=2,Knob,Button, Button (toggle), Knob (small)=7, Button(small), Button (small toggle)";

TEST(EnumListIterator, RangeYieldsEachIntegerLabelledWithItsNumber) {
    EXPECT_EQ(walk(u"range 1,4"), (std::vector<Item>{{0, 1, u"1"}, {1, 2, u"2"}, {2, 3, u"3"}, {3, 4, u"4"}}));
    EXPECT_EQ(EnumListIterator(u"range 1,4").count(), 4);
    EXPECT_EQ(walk(u"range -2, -1"), (std::vector<Item>{{0, -2, u"-2"}, {1, -1, u"-1"}}));
}

TEST(EnumListIterator, BackwardRangeWalksNothingButCountsItsSpan) {
    EXPECT_TRUE(walk(u"range 5,2").empty());
    EXPECT_EQ(EnumListIterator(u"range 5,2").count(), 4);
}

TEST(EnumListIterator, RangeAtTheInt32LimitsEndsWithoutWrapping) {
    EXPECT_EQ(walk(u"range 2147483646,2147483647").size(), 2u);
    EXPECT_EQ(walk(u"range 99999999999,99999999999").size(), 1u);
    EXPECT_EQ(walk(u"range"), (std::vector<Item>{{0, 0, u"0"}}));
}

TEST(EnumListIterator, ItemsWithoutValueFollowThePreviousValue) {
    EXPECT_EQ(walk(u"a=3,b,c=10,d"), (std::vector<Item>{{0, 3, u"a"}, {1, 4, u"b"}, {2, 10, u"c"}, {3, 11, u"d"}}));
    const auto items = walk(sliderAppearances);
    ASSERT_EQ(items.size(), 8u);
    EXPECT_EQ(items[1], (Item{1, 2, u"H-Slider"}));
    EXPECT_EQ(items[4], (Item{4, 5, u"Button (toggle)"}));
    EXPECT_EQ(items[7], (Item{7, 9, u"Button (small toggle)"}));
}

TEST(EnumListIterator, LabelsAreTrimmedAndValuesReadAfterTheFirstEquals) {
    EXPECT_EQ(walk(u"  spaced  =7"), (std::vector<Item>{{0, 7, u"spaced"}}));
    EXPECT_EQ(walk(u"x=-1=5,y"), (std::vector<Item>{{0, -1, u"x"}, {1, 0, u"y"}}));
    EXPECT_EQ(walk(u"n=abc"), (std::vector<Item>{{0, 0, u"n"}}));
}

TEST(EnumListIterator, EmptyTextHasNoItems) {
    EXPECT_TRUE(walk(u"").empty());
    EXPECT_EQ(EnumListIterator(u"").count(), 0);
}

TEST(EnumListIterator, CountIsOnePlusCommasAfterTheFirstCharacter) {
    EXPECT_EQ(EnumListIterator(sliderAppearances).count(), 8);
    EXPECT_EQ(EnumListIterator(u",a").count(), 1);
    EXPECT_EQ(EnumListIterator(u"a,").count(), 2);
}

TEST(EnumListIterator, FindValueAndFindIndexPositionOnTheItem) {
    EnumListIterator it(sliderAppearances);
    EXPECT_FALSE(it.findValue(6));
    EXPECT_TRUE(it.isDone());
    ASSERT_TRUE(it.findValue(7));
    EXPECT_EQ(it.text(), u"Knob (small)");
    EXPECT_EQ(it.index(), 5);
    ASSERT_TRUE(it.findIndex(2));
    EXPECT_EQ(it.value(), 3);
    EXPECT_FALSE(it.findIndex(8));
    EXPECT_TRUE(EnumListIterator(u"None=-1,Slider").findValue(-1));
}

// Ranges of billions of items are searched without walking through them.
TEST(EnumListIterator, FindInAHugeRangePositionsAsTheWalkWould) {
    EnumListIterator it(u"range 0,2147483647");
    ASSERT_TRUE(it.findValue(2147483647));
    EXPECT_EQ(it.index(), 2147483647);
    EXPECT_EQ(it.text(), u"2147483647");
    EnumListIterator full(u"range -2147483648,2147483647");
    EXPECT_FALSE(full.findValue(-2147483647 - 1));  // the walk starts past the smallest int32
    EXPECT_TRUE(full.isDone());
    ASSERT_TRUE(full.findIndex(2147483647));
    EXPECT_EQ(full.value(), 0);
    EXPECT_FALSE(EnumListIterator(u"range 5,2").findIndex(0));
    EXPECT_FALSE(EnumListIterator(u"range 1,4").findIndex(-1));
    EXPECT_FALSE(EnumListIterator(u"range 1,4").findValue(5));
}

}  // namespace
