#include "host/audio/EventList.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

namespace {

using namespace gmpi;
using zuhost::EventList;

std::vector<const MpEvent*> walk(const MpEvent* event) {
    std::vector<const MpEvent*> events;
    for (; event != nullptr; event = event->next) events.push_back(event);
    return events;
}

TEST(EventListTest, LinksEventsInTimeOrderKeepingTheOrderOfEqualTimes) {
    EventList list;
    const std::array<uint8_t, 4> value{};
    list.add(7, EVENT_PIN_SET, 1, value);
    list.addGraphStart(0);
    list.addStreaming(7, 2, true);
    list.add(3, EVENT_PIN_SET, 0, value);

    const auto events = walk(list.first());
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0]->eventType, EVENT_GRAPH_START);
    EXPECT_EQ(events[1]->timeDelta, 3);
    EXPECT_EQ(events[2]->parm1, 1);
    EXPECT_EQ(events[3]->eventType, EVENT_PIN_STREAMING_START);
    EXPECT_EQ(events[3]->parm1, 2);
    EXPECT_EQ(events[3]->timeDelta, 7);
}

TEST(EventListTest, CarriesValuesUpToEightBytesInlineAndLongerOnesThroughExtraData) {
    const std::array<uint8_t, 8> eight{1, 2, 3, 4, 5, 6, 7, 8};
    const std::array<uint8_t, 9> nine{9, 8, 7, 6, 5, 4, 3, 2, 1};
    EventList list;
    list.add(0, EVENT_PIN_SET, 0, eight);
    list.add(0, EVENT_PIN_SET, 1, nine);
    list.add(0, EVENT_PIN_SET, 2, std::span<const uint8_t>(eight).first(1));

    const auto events = walk(list.first());
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0]->parm2, 8);
    EXPECT_EQ(events[0]->extraData, nullptr);
    EXPECT_EQ(std::memcmp(&events[0]->parm3, eight.data(), 4), 0);
    EXPECT_EQ(std::memcmp(&events[0]->parm4, eight.data() + 4, 4), 0);
    EXPECT_EQ(events[1]->parm2, 9);
    EXPECT_EQ(events[1]->extraData, nine.data());
    EXPECT_EQ(events[2]->parm2, 1);
    EXPECT_EQ(events[2]->parm3 & 0xFF, 1);
    EXPECT_EQ(events[2]->parm4, 0);
}

TEST(EventListTest, ClearingEmptiesTheListAndKeepsItsCapacity) {
    EventList list;
    list.reserve(4);
    list.addGraphStart(0);
    list.clear();
    EXPECT_EQ(list.first(), nullptr);
    EXPECT_GE(list.capacity(), 4u);
}

}  // namespace
