#include "serial/BlockBuffer.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "serial/SerialLine.h"

namespace {

void* DefaultAllocate(size_t bytes) {
    return std::malloc(bytes);
}

// Out of memory is the only way a block cannot be had; the bytes that do not fit are
// dropped and the loss is reported, instead of writing through a null block.
void ReportDropped(uint32_t dropped) {
    char message[128];
    std::snprintf(message, sizeof message,
                  "BlockBuffer: no memory for a new block; %u bytes dropped; ", dropped);
    CnAssertFailed(message, 0);
}

} // namespace

BlockBuffer::BlockBuffer() : allocate_(DefaultAllocate) {}

BlockBuffer::~BlockBuffer() {
    Block* block = First_;
    while (block) {
        Block* next = block->next;
        ReleaseBlock(block);
        block = next;
    }
}

void BlockBuffer::SetAllocator(Allocator allocate) {
    allocate_ = allocate ? allocate : DefaultAllocate;
}

void BlockBuffer::ReleaseBlock(Block* block) {
    std::free(block);
}

uint32_t BlockBuffer::Size() {
    std::lock_guard<std::mutex> lock(Lock_);
    return Size_.load(std::memory_order_relaxed);
}

uint32_t BlockBuffer::FreeSpace() const {
    return Last_ ? Last_->capacity - Last_->end : 0;
}

uint32_t BlockBuffer::FirstSize() const {
    return First_ ? First_->end - First_->begin : 0;
}

const uint8_t* BlockBuffer::FirstPtr() {
    return First_ ? First_->Data() + First_->begin : nullptr;
}

uint32_t BlockBuffer::BlockCount() const {
    uint32_t count = 0;
    for (const Block* block = First_; block; block = block->next) ++count;
    return count;
}

BlockBuffer::Block* BlockBuffer::NewBlock(uint32_t minCapacity) {
    const uint32_t capacity = std::max(minCapacity, MinBlock_);
    void* memory = allocate_(sizeof(Block) + size_t{capacity});
    if (!memory) return nullptr;
    Block* block = static_cast<Block*>(memory);
    block->begin = 0;
    block->end = 0;
    block->next = nullptr;
    block->capacity = capacity;
    if (Last_)
        Last_->next = block;
    else
        First_ = block;
    Last_ = block;
    return block;
}

uint32_t BlockBuffer::Write(const void* source, uint32_t length) {
    if (length == 0) return 0;
    const uint8_t* bytes = static_cast<const uint8_t*>(source);
    uint32_t stored = 0;
    const uint32_t free = FreeSpace();
    if (free > 0) {
        stored = std::min(free, length);
        std::memcpy(Last_->Data() + Last_->end, bytes, stored);
        Last_->end += stored;
    }
    if (stored < length) {
        // Sized for the whole write, so a burst lands in one block.
        Block* block = NewBlock(length);
        if (block) {
            std::memcpy(block->Data(), bytes + stored, length - stored);
            block->end = length - stored;
            stored = length;
        } else {
            ReportDropped(length - stored);
        }
    }
    Size_.fetch_add(stored, std::memory_order_release);
    return stored;
}

uint32_t BlockBuffer::Read(void* destination, uint32_t length) {
    uint8_t* out = static_cast<uint8_t*>(destination);
    uint32_t taken = 0;
    Block* block = First_;
    while (taken < length && block) {
        const uint32_t held = block->end - block->begin;
        const uint32_t part = std::min(length - taken, held);
        if (out && part) std::memcpy(out + taken, block->Data() + block->begin, part);
        Block* next = block->next;
        taken += part;
        if (part == held) {
            if (next || block->capacity > RETAIN_FACTOR * MinBlock_) {
                ReleaseBlock(block);
                First_ = next;
                if (!First_) Last_ = nullptr;
            } else {
                block->begin = 0;
                block->end = 0;
            }
        } else {
            block->begin += part;
        }
        Size_.fetch_sub(part, std::memory_order_release);
        block = next;
    }
    return taken;
}

uint32_t BlockBuffer::Read(void* destination, uint32_t length, bool bLock) {
    LockScope scope(bLock ? this : nullptr);
    return Read(destination, length);
}

void BlockBuffer::Clear() {
    if (First_ && First_ == Last_ && First_->capacity > RETAIN_FACTOR * MinBlock_) {
        First_->begin = 0;
        First_->end = 0;
        First_->next = nullptr;
    } else {
        Block* block = First_;
        while (block) {
            Block* next = block->next;
            ReleaseBlock(block);
            block = next;
        }
        First_ = nullptr;
        Last_ = nullptr;
    }
    Size_.store(0, std::memory_order_release);
}

void BlockBuffer::Clear(bool bLock) {
    LockScope scope(bLock ? this : nullptr);
    Clear();
}

uint8_t* BlockBuffer::GetFreePtr(uint32_t length) {
    if (length == 0) return Last_ ? Last_->Data() + Last_->end : nullptr;
    if (FreeSpace() > length) return Last_->Data() + Last_->end;
    Block* block = NewBlock(length);
    return block ? block->Data() : nullptr;
}

uint32_t BlockBuffer::Commit(uint32_t length) {
    // Nothing to commit into, or more than the block could have taken.
    if (!Last_ || length > Last_->capacity - Last_->end) return 0;
    Last_->end += length;
    Size_.fetch_add(length, std::memory_order_release);
    return length;
}
