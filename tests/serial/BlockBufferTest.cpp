// BlockBuffer: block sizing and retention, the in-place fill, failed allocations,
// and a randomized comparison against a plain queue.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <deque>
#include <random>
#include <thread>

#include "serial/BlockBuffer.h"
#include "tests/support/PrinterPeer.h"
#include "tests/support/SerialTestSupport.h"

namespace {

std::vector<uint8_t> ReadAll(BlockBuffer& buffer) {
    std::vector<uint8_t> out(buffer.Size());
    buffer.Read(out.data(), static_cast<uint32_t>(out.size()), true);
    return out;
}

void* NoMemory(size_t) {
    return nullptr;
}

TEST(BlockBuffer, WriteSizesTheNewBlockForTheWholeWrite) {
    BlockBuffer buffer;
    const auto a = Pattern(100);
    const auto b = Pattern(2000, 100);
    EXPECT_EQ(buffer.Write(nullptr, 0), 0u);
    EXPECT_EQ(buffer.BlockCount(), 0u);
    EXPECT_EQ(buffer.Write(a.data(), 100), 100u);
    EXPECT_EQ(buffer.Write(b.data(), 2000), 2000u);
    ASSERT_EQ(buffer.BlockCount(), 2u);
    EXPECT_EQ(buffer.FirstBlock()->capacity, 1024u);
    EXPECT_EQ(buffer.FirstBlock()->end, 1024u);
    EXPECT_EQ(buffer.LastBlock()->capacity, 2000u);
    EXPECT_EQ(buffer.LastBlock()->end, 1076u);
    EXPECT_EQ(buffer.Size(), 2100u);
    std::vector<uint8_t> out(1500);
    EXPECT_EQ(buffer.Read(out.data(), 1500), 1500u);
    EXPECT_EQ(out, Pattern(1500));
    EXPECT_EQ(buffer.BlockCount(), 1u) << "the emptied first block is released";
    EXPECT_EQ(buffer.Size(), 600u);
    EXPECT_EQ(ReadAll(buffer), Pattern(600, 1500));
}

TEST(BlockBuffer, ReadKeepsASmallEmptiedBlockAndReleasesALargeOne) {
    BlockBuffer buffer;
    auto data = Pattern(3000);
    buffer.Write(data.data(), 3000);
    EXPECT_EQ(buffer.FirstBlock()->capacity, 3000u);
    EXPECT_EQ(ReadAll(buffer), data);
    ASSERT_EQ(buffer.BlockCount(), 1u);
    EXPECT_EQ(buffer.FirstBlock()->begin, 0u);
    EXPECT_EQ(buffer.FirstBlock()->end, 0u);
    // The kept block takes the next write without a new allocation.
    buffer.Write(data.data(), 500);
    EXPECT_EQ(buffer.BlockCount(), 1u);
    buffer.Clear(true);

    BlockBuffer large;
    data = Pattern(5000);
    large.Write(data.data(), 5000);
    EXPECT_EQ(ReadAll(large), data);
    EXPECT_EQ(large.BlockCount(), 0u);
    EXPECT_EQ(large.FirstPtr(), nullptr);
    EXPECT_EQ(large.FirstSize(), 0u);
}

TEST(BlockBuffer, ClearKeepsOnlyASingleLargeBlock) {
    BlockBuffer buffer;
    const auto data = Pattern(5000);
    buffer.Write(data.data(), 5000);
    buffer.Clear(true);
    EXPECT_EQ(buffer.Size(), 0u);
    ASSERT_EQ(buffer.BlockCount(), 1u);
    EXPECT_EQ(buffer.FirstBlock()->capacity, 5000u);
    buffer.Write(data.data(), 10);
    EXPECT_EQ(ReadAll(buffer), Pattern(10));

    BlockBuffer two;
    two.Write(data.data(), 1000);
    two.Write(data.data(), 1000);
    EXPECT_EQ(two.BlockCount(), 2u);
    two.Clear(true);
    EXPECT_EQ(two.BlockCount(), 0u);
    EXPECT_EQ(two.Size(), 0u);
    EXPECT_EQ(two.Read(nullptr, 10, true), 0u);
}

TEST(BlockBuffer, ReadWithoutDestinationDiscards) {
    BlockBuffer buffer;
    buffer.Write("abcd", 4);
    EXPECT_EQ(buffer.Read(nullptr, 10), 4u);
    EXPECT_EQ(buffer.Size(), 0u);
    buffer.Write("ef", 2);
    EXPECT_EQ(ReadAll(buffer), (std::vector<uint8_t>{'e', 'f'}));
}

TEST(BlockBuffer, FreePointerAndCommitFillInPlace) {
    BlockBuffer buffer;
    EXPECT_EQ(buffer.GetFreePtr(0), nullptr);
    EXPECT_EQ(buffer.Commit(1), 0u) << "nothing to commit into";
    buffer.Write(Pattern(924).data(), 924); // 100 bytes left in the first block
    uint8_t* p = buffer.GetFreePtr(100);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(buffer.BlockCount(), 2u) << "exactly 100 free is not enough room";
    EXPECT_EQ(buffer.LastBlock()->capacity, 1024u);
    std::memcpy(p, "xyz", 3);
    EXPECT_EQ(buffer.Commit(3), 3u);
    EXPECT_EQ(buffer.Size(), 927u);
    EXPECT_EQ(buffer.Commit(2000), 0u) << "beyond the block: nothing committed";
    EXPECT_EQ(buffer.Commit(1022), 0u) << "beyond the free tail: nothing committed";
    EXPECT_EQ(buffer.Size(), 927u);
    uint8_t* q = buffer.GetFreePtr(10);
    EXPECT_EQ(q, p + 3) << "room in the last block is used in place";
    auto all = ReadAll(buffer);
    ASSERT_EQ(all.size(), 927u);
    EXPECT_EQ(std::string(all.end() - 3, all.end()), "xyz");
}

TEST(BlockBuffer, FirstPtrGivesTheFrontBlocksBytes) {
    BlockBuffer buffer;
    buffer.Write("hello", 5);
    buffer.Read(nullptr, 2);
    ASSERT_EQ(buffer.FirstSize(), 3u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(buffer.FirstPtr()), 3), "llo");
}

TEST(BlockBuffer, FailedAllocationDropsTheBytesWithoutCrashing) {
    DiagnosticsCapture diagnostics;
    BlockBuffer buffer;
    buffer.Write("ab", 2); // a first block of 1024
    buffer.SetAllocator(NoMemory);
    const auto data = Pattern(2000);
    EXPECT_EQ(buffer.Write(data.data(), 2000), 1022u) << "only the free tail is stored";
    EXPECT_EQ(buffer.Size(), 1024u);
    EXPECT_FALSE(diagnostics.Messages().empty());
    EXPECT_EQ(buffer.GetFreePtr(4096), nullptr);
    EXPECT_EQ(buffer.Commit(10), 0u);
    auto all = ReadAll(buffer);
    ASSERT_EQ(all.size(), 1024u);
    EXPECT_TRUE(std::equal(all.begin() + 2, all.end(), data.begin()));
    // Memory back: the buffer works on.
    buffer.SetAllocator(nullptr);
    EXPECT_EQ(buffer.Write(data.data(), 2000), 2000u);
    EXPECT_EQ(ReadAll(buffer), data);
}

TEST(BlockBuffer, FailedAllocationInTheReceivePathDropsAndGoesOn) {
    PrinterPeer peer;
    ASSERT_TRUE(peer.Ok());
    TestLine line(0);
    ASSERT_TRUE(line.Open(peer.Port(), 9600, NOPARITY, 8, ONESTOPBIT));
    line.CO_ = COMMTIMEOUTS{10, 0, 100, 0, 1000};
    ASSERT_TRUE(line.SetTimeouts());
    DiagnosticsCapture diagnostics;
    line.GetRxBuffer().SetAllocator(NoMemory);
    peer.Send("lost bytes");
    ASSERT_TRUE(WaitUntil([&] { return line.QueuedBytes(true) == 10; }, 2s));
    EXPECT_EQ(line.FillRxBuffer(10), 0u);
    EXPECT_EQ(line.GetRxBuffer().Size(), 0u);
    EXPECT_EQ(line.QueuedBytes(true), 0u)
        << "the bytes are taken off the line, not left to spin on";
    EXPECT_FALSE(diagnostics.Messages().empty());
    line.GetRxBuffer().SetAllocator(nullptr);
    peer.Send("ok");
    ASSERT_TRUE(WaitUntil([&] { return line.QueuedBytes(true) == 2; }, 2s));
    EXPECT_EQ(line.FillRxBuffer(2), 2u);
    EXPECT_EQ(ReadAll(line.GetRxBuffer()), (std::vector<uint8_t>{'o', 'k'}));
}

// Any interleaving of write, read, reserve-and-commit and clear gives the same bytes
// as a plain queue.
TEST(BlockBuffer, RandomOperationsMatchAPlainQueue) {
    std::mt19937 random(20261207);
    BlockBuffer buffer;
    std::deque<uint8_t> reference;
    uint8_t next = 0;
    auto makeBytes = [&](size_t n) {
        std::vector<uint8_t> bytes(n);
        for (auto& b : bytes) b = next++;
        return bytes;
    };
    for (int step = 0; step < 20000; ++step) {
        const int op = static_cast<int>(random() % 10);
        const size_t n = (random() % 4 == 0) ? random() % 6000 : random() % 300;
        BlockBuffer::LockScope lock(&buffer);
        if (op < 4) {
            const auto bytes = makeBytes(n);
            ASSERT_EQ(buffer.Write(bytes.data(), static_cast<uint32_t>(n)), n);
            reference.insert(reference.end(), bytes.begin(), bytes.end());
        } else if (op < 7) {
            std::vector<uint8_t> out(n);
            const bool discard = random() % 5 == 0;
            const uint32_t got =
                buffer.Read(discard ? nullptr : out.data(), static_cast<uint32_t>(n));
            ASSERT_EQ(got, std::min(n, reference.size()));
            if (!discard) {
                ASSERT_TRUE(std::equal(out.begin(), out.begin() + got, reference.begin()));
            }
            reference.erase(reference.begin(), reference.begin() + got);
        } else if (op < 9) {
            uint8_t* p = buffer.GetFreePtr(static_cast<uint32_t>(n));
            if (n == 0) continue;
            ASSERT_NE(p, nullptr);
            const size_t k = n == 0 ? 0 : random() % (n + 1);
            const auto bytes = makeBytes(k);
            std::copy(bytes.begin(), bytes.end(), p);
            ASSERT_EQ(buffer.Commit(static_cast<uint32_t>(k)), k);
            reference.insert(reference.end(), bytes.begin(), bytes.end());
        } else if (random() % 4 == 0) {
            buffer.Clear();
            reference.clear();
        }
        ASSERT_EQ(buffer.SizeUnlocked(), reference.size());
        const BlockBuffer::Block* block = buffer.FirstBlock();
        uint64_t sum = 0;
        for (; block; block = block->next) {
            ASSERT_LE(block->begin, block->end);
            ASSERT_LE(block->end, block->capacity);
            sum += block->end - block->begin;
        }
        ASSERT_EQ(sum, reference.size());
    }
}

// One thread fills, another drains; the bytes come out once and in order.
TEST(BlockBuffer, LockedProducerAndConsumerKeepTheOrder) {
    BlockBuffer buffer;
    constexpr size_t TOTAL = 1 << 20;
    const auto data = Pattern(TOTAL);
    std::thread producer([&] {
        size_t sent = 0;
        while (sent < TOTAL) {
            const size_t n = std::min<size_t>(777, TOTAL - sent);
            BlockBuffer::LockScope lock(&buffer);
            buffer.Write(data.data() + sent, static_cast<uint32_t>(n));
            sent += n;
        }
    });
    std::vector<uint8_t> out;
    out.reserve(TOTAL);
    uint8_t chunk[1024];
    while (out.size() < TOTAL) {
        if (buffer.SizeUnlocked() == 0) {
            std::this_thread::yield();
            continue;
        }
        const uint32_t n = buffer.Read(chunk, sizeof chunk, true);
        out.insert(out.end(), chunk, chunk + n);
    }
    producer.join();
    EXPECT_TRUE(out == data);
}

} // namespace
