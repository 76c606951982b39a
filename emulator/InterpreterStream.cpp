// The byte stream: pieces of any size become whole commands. A command that has
// not ended when a piece does waits in pending_, and every later piece goes on
// from where its measure stopped: no byte is read twice, and no command holds
// more than MAX_HELD_COMMAND bytes, whether its length was known at its start or
// shows only on the way.
#include "emulator/Interpreter.h"

#include <algorithm>

namespace vprinter {

namespace {
// New bytes looked at with the first bytes of a command not yet known: enough
// for its name and the fixed part of most commands.
constexpr size_t OPENING_LOOK = 16;
// New bytes put beside the unwalked bytes of a command past the limit: more than
// the longest part a measure reads at once (an image header, four bytes).
constexpr size_t TAIL_LOOK = 16;
} // namespace

void Interpreter::Feed(const uint8_t* data, size_t length) {
    if (length > 0) Process(data, length);
}

void Interpreter::Process(const uint8_t* data, size_t length) {
    size_t at = 0;
    while (at < length) {
        if (raster_.active || skipRemaining_ > 0) {
            const size_t used = raster_.active ? ConsumeRaster(data + at, length - at)
                                               : SkipLongCommand(length - at);
            at += used;
            consumed_ += used;
            continue;
        }
        if (pending_.stage != PendingCommand::Stage::None) {
            at += ContinuePending(data + at, length - at);
            continue;
        }
        commandOffset_ = consumed_;
        const size_t used = ParseOne(data + at, length - at);
        if (used == 0) return; // the rest waits in pending_
        at += used;
        consumed_ += used;
    }
}

size_t Interpreter::SkipLongCommand(size_t available) {
    const size_t used = static_cast<size_t>(std::min<uint64_t>(skipRemaining_, available));
    skipRemaining_ -= used;
    return used;
}

void Interpreter::RunCommand(const CommandEntry* entry, const uint8_t* command, size_t length) {
    if (entry->handler == nullptr) {
        LogOnce(entry->mnemonic, std::string(entry->mnemonic) + " is not supported, skipped " +
                                     std::to_string(length) + " bytes (logged once)");
        return;
    }
    (this->*entry->handler)(command, length);
}

// A command of known length too long to hold: skipped as it streams by.
void Interpreter::SkipTooLong(const CommandEntry* entry, size_t length, size_t taken) {
    LogAt(std::string(entry->mnemonic) + " of " +
          std::to_string(length) + " bytes is too long for this printer, skipped");
    skipRemaining_ = length - taken;
}

void Interpreter::HoldUnfinished(const CommandEntry* entry, const lengths::Walk& walk,
                                 size_t need, const uint8_t* data, size_t available) {
    using Stage = PendingCommand::Stage;
    pending_.entry = entry;
    pending_.walk = walk;
    pending_.need = need;
    pending_.from = 0;
    pending_.arrived = 0;
    if (entry != nullptr && need == lengths::NEED_MORE && available >= MAX_HELD_COMMAND) {
        StartStreaming(data, available);
        return;
    }
    pending_.stage = entry == nullptr ? Stage::Opening : need > 0 ? Stage::Held : Stage::Walking;
    pending_.bytes.assign(data, data + available);
}

size_t Interpreter::ContinuePending(const uint8_t* data, size_t length) {
    using Stage = PendingCommand::Stage;
    switch (pending_.stage) {
    case Stage::Opening:
        return ContinueOpening(data, length);
    case Stage::Held: {
        const size_t take = std::min(pending_.need - pending_.bytes.size(), length);
        pending_.bytes.insert(pending_.bytes.end(), data, data + take);
        if (pending_.bytes.size() == pending_.need) FinishPending();
        return take;
    }
    case Stage::Walking:
        return ContinueWalking(data, length);
    case Stage::Streaming:
        return ContinueStreaming(data, length);
    case Stage::None:
        break;
    }
    return 0;
}

// The first bytes did not tell which command this is: they are looked at again
// with a few new ones, and what they make is parsed as ever.
size_t Interpreter::ContinueOpening(const uint8_t* data, size_t length) {
    std::vector<uint8_t> work;
    work.swap(pending_.bytes);
    pending_ = PendingCommand{};
    const size_t held = work.size();
    const size_t take = std::min(length, OPENING_LOOK);
    work.insert(work.end(), data, data + take);
    commandOffset_ = consumed_;
    const size_t used = ParseOne(work.data(), work.size());
    if (used == 0) return take; // all of it waits again
    consumed_ += used;
    if (used >= held) return used - held;
    HoldUnfinished(nullptr, {}, 0, work.data() + used, held - used);
    return 0;
}

// Length still unknown, the command held whole: its measure goes on from where
// it stopped, over the new bytes only.
size_t Interpreter::ContinueWalking(const uint8_t* data, size_t length) {
    std::vector<uint8_t>& bytes = pending_.bytes;
    const size_t take = std::min(length, MAX_HELD_COMMAND - bytes.size());
    bytes.insert(bytes.end(), data, data + take);
    const size_t total =
        pending_.entry->measure(lengths::Piece{bytes.data(), 0, bytes.size()}, &pending_.walk);
    if (total == lengths::NEED_MORE) {
        if (bytes.size() >= MAX_HELD_COMMAND) {
            std::vector<uint8_t> whole;
            whole.swap(bytes);
            StartStreaming(whole.data(), whole.size());
        }
        return take;
    }
    if (total <= bytes.size()) {
        const size_t after = bytes.size() - total; // the next command's bytes
        bytes.resize(total);
        FinishPending();
        return take - after;
    }
    if (total <= MAX_HELD_COMMAND) {
        pending_.stage = PendingCommand::Stage::Held;
        pending_.need = total;
        return take;
    }
    commandOffset_ = consumed_;
    consumed_ += bytes.size();
    SkipTooLong(pending_.entry, total, bytes.size());
    pending_ = PendingCommand{};
    return take;
}

// Past the limit with its length unknown: the command is no longer held. Its
// measure walks on as bytes arrive; they count as worked through, and only the
// few its measure has not read yet are kept.
void Interpreter::StartStreaming(const uint8_t* bytes, size_t length) {
    commandOffset_ = consumed_;
    LogAt(std::string(pending_.entry->mnemonic) + " has not ended after " +
          std::to_string(length) + " bytes: too long for this printer, skipped to its end");
    consumed_ += length;
    pending_.stage = PendingCommand::Stage::Streaming;
    pending_.arrived = length;
    KeepUnwalked(bytes, 0, length);
}

// Keeps the bytes of [first, end) (bytes[0] is the command's byte `first`) that
// the measure has not walked yet.
void Interpreter::KeepUnwalked(const uint8_t* bytes, size_t first, size_t end) {
    const size_t from = std::max(pending_.walk.at, first);
    std::vector<uint8_t> kept;
    if (from < end) kept.assign(bytes + (from - first), bytes + (end - first));
    pending_.bytes.swap(kept);
    pending_.from = std::min(from, end);
}

size_t Interpreter::ContinueStreaming(const uint8_t* data, size_t length) {
    PendingCommand& p = pending_;
    const size_t newFrom = p.arrived; // the command's byte number of data[0]
    size_t taken = length;
    lengths::Piece piece{data, newFrom, newFrom + length};
    if (!p.bytes.empty()) {
        // A part its measure reads at once began in the last piece.
        taken = std::min(length, TAIL_LOOK);
        p.bytes.insert(p.bytes.end(), data, data + taken);
        piece = lengths::Piece{p.bytes.data(), p.from, p.from + p.bytes.size()};
    }
    const size_t total = p.entry->measure(piece, &p.walk);
    if (total == lengths::NEED_MORE) {
        consumed_ += taken;
        p.arrived += taken;
        std::vector<uint8_t> unwalked; // piece may point into p.bytes
        unwalked.swap(p.bytes);
        KeepUnwalked(unwalked.empty() ? data : unwalked.data(), piece.first, piece.end);
        return taken;
    }
    // It has ended: the bytes after its end are the next command's.
    const size_t end = newFrom + taken;
    const size_t used = total >= end ? taken : total > newFrom ? total - newFrom : 0;
    consumed_ += used;
    if (total > end) skipRemaining_ = total - end;
    pending_ = PendingCommand{};
    return used;
}

void Interpreter::FinishPending() {
    std::vector<uint8_t> command;
    command.swap(pending_.bytes);
    const CommandEntry* entry = pending_.entry;
    pending_ = PendingCommand{};
    commandOffset_ = consumed_;
    RunCommand(entry, command.data(), command.size());
    consumed_ += command.size();
}

} // namespace vprinter
