#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

#include "host/play/ValueChannel.h"

namespace {

using zuhost::play::Crossing;
using zuhost::play::DroppingQueue;
using zuhost::play::ValueChannel;

struct Received {
    Crossing crossing;
    std::vector<uint8_t> bytes;
};

std::vector<Received> drain(ValueChannel& channel) {
    std::vector<Received> received;
    channel.receive([&](const Crossing& crossing, std::span<const uint8_t> bytes) {
        received.push_back({crossing, {bytes.begin(), bytes.end()}});
    });
    return received;
}

std::vector<uint8_t> counting(size_t size, uint8_t first) {
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(first + i);
    return bytes;
}

TEST(ValueChannelTest, ShortValuesAndBlobsArriveInOrderWithTheirBytes) {
    ValueChannel channel(8, 2, 64);
    const std::vector<std::vector<uint8_t>> sent{
        counting(4, 1), counting(40, 10), {}, counting(16, 7), counting(64, 3)};
    for (size_t i = 0; i < sent.size(); ++i)
        ASSERT_TRUE(channel.send({static_cast<int32_t>(i), 10 + static_cast<int32_t>(i), 2, 99}, sent[i]));
    const auto received = drain(channel);
    ASSERT_EQ(received.size(), sent.size());
    for (size_t i = 0; i < sent.size(); ++i) {
        EXPECT_EQ(received[i].crossing.node, static_cast<int32_t>(i));
        EXPECT_EQ(received[i].crossing.pin, 10 + static_cast<int32_t>(i));
        EXPECT_EQ(received[i].crossing.voice, 2);
        EXPECT_EQ(received[i].crossing.stampNs, 99);
        EXPECT_EQ(received[i].bytes, sent[i]) << i;
    }
    EXPECT_EQ(channel.dropped(), 0u);
}

TEST(ValueChannelTest, WhatFindsNoRoomIsDroppedAndCountedAndRoomReturnsOnceReceived) {
    ValueChannel channel(4, 2, 32);
    // Two blobs take both slots; a third has none; a value too long for a slot never fits.
    EXPECT_TRUE(channel.send({}, counting(20, 0)));
    EXPECT_TRUE(channel.send({}, counting(20, 1)));
    EXPECT_FALSE(channel.send({}, counting(20, 2)));
    EXPECT_FALSE(channel.send({}, counting(33, 0)));
    // Short values fill the rest of the messages; then there is no room at all.
    EXPECT_TRUE(channel.send({}, counting(4, 0)));
    EXPECT_TRUE(channel.send({}, counting(4, 0)));
    EXPECT_FALSE(channel.send({}, counting(4, 0)));
    EXPECT_EQ(channel.dropped(), 3u);
    EXPECT_EQ(drain(channel).size(), 4u);
    // The slots came back: blobs fit again, and their bytes are theirs, not the earlier ones'.
    ASSERT_TRUE(channel.send({}, counting(24, 50)));
    ASSERT_TRUE(channel.send({}, counting(24, 60)));
    const auto received = drain(channel);
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].bytes, counting(24, 50));
    EXPECT_EQ(received[1].bytes, counting(24, 60));
}

// One thread sends, another receives, as the GUI and audio threads do: every
// value arrives once, in order and whole, or is counted as dropped.
TEST(ValueChannelTest, BetweenTwoThreadsEveryValueArrivesInOrderOrIsCounted) {
    constexpr int32_t count = 20000;
    ValueChannel channel(64, 8, 128);
    std::atomic<bool> done{false};
    std::vector<int32_t> arrived;
    bool intact = true;
    std::thread receiver([&] {
        const auto take = [&](const Crossing& crossing, std::span<const uint8_t> bytes) {
            arrived.push_back(crossing.node);
            const size_t size = crossing.node % 3 == 0 ? 100 : 4;
            intact = intact && bytes.size() == size && bytes[0] == static_cast<uint8_t>(crossing.node) &&
                     bytes[size - 1] == static_cast<uint8_t>(crossing.node);
        };
        while (!done.load()) channel.receive(take);
        channel.receive(take);
    });
    for (int32_t i = 0; i < count; ++i) {
        std::vector<uint8_t> bytes(i % 3 == 0 ? 100 : 4, static_cast<uint8_t>(i));
        channel.send({i, 0, 0, 0}, bytes);
    }
    done = true;
    receiver.join();
    EXPECT_TRUE(intact);
    EXPECT_EQ(arrived.size() + channel.dropped(), static_cast<size_t>(count));
    EXPECT_TRUE(std::is_sorted(arrived.begin(), arrived.end()));
    EXPECT_EQ(std::adjacent_find(arrived.begin(), arrived.end()), arrived.end());
}

TEST(DroppingQueueTest, AGroupOfItemsGoesInWholeOrIsDroppedWhole) {
    DroppingQueue<float> queue(5);
    const float frames[4] = {1, 2, 3, 4};
    EXPECT_TRUE(queue.push(frames, 4));
    EXPECT_FALSE(queue.push(frames, 2));
    EXPECT_EQ(queue.dropped(), 2u);
    float out[8];
    EXPECT_EQ(queue.pop(out, 8), 4u);
    EXPECT_EQ(out[3], 4.0f);
}

}  // namespace
