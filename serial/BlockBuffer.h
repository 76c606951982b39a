// A byte queue made of a chain of heap blocks, filled at the end and consumed at the
// front. Appending never moves queued bytes; a small emptied block is kept for reuse.
// Each buffer has its own lock. Operations that take the lock themselves say so; the
// others expect the caller to hold it (Lock/Unlock or LockScope).
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>

class BlockBuffer {
public:
    struct Block {
        uint32_t begin;    // first unread byte
        uint32_t end;      // one past the last written byte
        uint32_t capacity; // size of the data area
        Block* next;       // newer block, null for the last one
        uint8_t* Data() { return reinterpret_cast<uint8_t*>(this + 1); }
    };

    static constexpr uint32_t DEFAULT_MIN_BLOCK = 1024;
    // An emptied block up to this many times MinBlock_ is kept for reuse by Read;
    // Clear keeps a single block only when it is larger than that.
    static constexpr uint32_t RETAIN_FACTOR = 4;

    // Block memory comes from here; tests substitute one that fails.
    using Allocator = void* (*)(size_t bytes);

    BlockBuffer();
    virtual ~BlockBuffer();
    BlockBuffer(const BlockBuffer&) = delete;
    BlockBuffer& operator=(const BlockBuffer&) = delete;

    void Lock() { Lock_.lock(); }
    void Unlock() { Lock_.unlock(); }

    // Holds the buffer's lock for its lifetime; a null buffer means no locking.
    class LockScope {
    public:
        explicit LockScope(BlockBuffer* buffer) : buffer_(buffer) {
            if (buffer_) buffer_->Lock();
        }
        ~LockScope() {
            if (buffer_) buffer_->Unlock();
        }
        LockScope(const LockScope&) = delete;
        LockScope& operator=(const LockScope&) = delete;

    private:
        BlockBuffer* buffer_;
    };

    // Takes the lock.
    uint32_t Size();
    // No lock: a hint for polling threads.
    uint32_t SizeUnlocked() const { return Size_.load(std::memory_order_acquire); }

    // Caller holds the lock. Appends the bytes; returns the number stored (less than
    // `length` only when block memory ran out, in which case the rest is dropped and
    // reported to the diagnostics hook).
    uint32_t Write(const void* source, uint32_t length);
    // Caller holds the lock. Takes up to `length` bytes from the front into
    // `destination`, or discards them when it is null; returns the number taken.
    uint32_t Read(void* destination, uint32_t length);
    // Locking variant of Read when bLock is true.
    uint32_t Read(void* destination, uint32_t length, bool bLock);
    // Caller holds the lock. Empties the buffer.
    void Clear();
    // Locking variant of Clear when bLock is true.
    void Clear(bool bLock);

    // Caller holds the lock for all of the following.
    uint32_t FreeSpace() const;
    Block* NewBlock(uint32_t minCapacity);
    // Room for `length` bytes to be written in place and then committed; null when
    // no block could be allocated (or, for length 0, when there is no block).
    uint8_t* GetFreePtr(uint32_t length);
    uint32_t Commit(uint32_t length);
    const uint8_t* FirstPtr();
    uint32_t FirstSize() const;

    uint32_t MinBlock() const { return MinBlock_; }
    // Number of blocks in the chain (for tests and diagnostics; caller holds the lock).
    uint32_t BlockCount() const;
    const Block* FirstBlock() const { return First_; }
    const Block* LastBlock() const { return Last_; }

    void SetAllocator(Allocator allocate);

private:
    void ReleaseBlock(Block* block);

    Block* First_ = nullptr;
    Block* Last_ = nullptr;
    std::atomic<uint32_t> Size_{0};
    uint32_t MinBlock_ = DEFAULT_MIN_BLOCK;
    std::mutex Lock_;
    Allocator allocate_;
};
