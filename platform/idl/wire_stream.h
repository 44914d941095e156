// Byte streams of the wire form: a bounded writer for outgoing messages and a checked reader
// over the bytes of a message that arrived.
//
// Both are little-endian, as every record layout is. The writer never grows a message beyond
// kMaxMessageBytes and remembers when it had to stop; the reader never reads past its bytes and
// remembers the first failure (a malformed message or an allocation that failed). One stream
// belongs to one call on one thread.
#pragma once

#include "platform/com/channel.h"
#include "platform/hresult.h"
#include "platform/idl/wire_limits.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

namespace platform::idl {

static_assert(std::endian::native == std::endian::little, "the wire form is little-endian");

class WireWriter {
public:
    explicit WireWriter(platform::com::Bytes& out) : out_(out) {}

    // Appends `size` bytes; a write that would pass the message bound writes nothing, and so does
    // every write after it.
    void Write(const void* data, std::size_t size) {
        if (overflowed_ || size > kMaxMessageBytes - out_.size()) {
            overflowed_ = true;
            return;
        }
        if (size == 0) return;
        const std::size_t at = out_.size();
        out_.resize(at + size);
        std::memcpy(out_.data() + at, data, size);
    }
    void WriteU32(std::uint32_t value) { Write(&value, sizeof value); }
    // Records that the message cannot be sent (something larger than the bound was asked for).
    void MarkOverflow() { overflowed_ = true; }
    // True when the message was cut short and must not be sent.
    [[nodiscard]] bool Overflowed() const { return overflowed_; }

private:
    platform::com::Bytes& out_;
    bool overflowed_ = false;
};

class WireReader {
public:
    explicit WireReader(std::span<const std::byte> bytes) : bytes_(bytes) {}

    // Copies the next `size` bytes out; false (and the message marked bad) when fewer remain.
    [[nodiscard]] bool Read(void* data, std::size_t size) {
        if (error_ != platform::S_OK) return false;
        if (size > Remaining()) return Fail(RPC_X_BAD_STUB_DATA);
        if (size != 0) std::memcpy(data, bytes_.data() + position_, size);
        position_ += size;
        return true;
    }
    [[nodiscard]] bool ReadU32(std::uint32_t& value) { return Read(&value, sizeof value); }
    // Bytes not read yet.
    [[nodiscard]] std::size_t Remaining() const { return bytes_.size() - position_; }
    [[nodiscard]] bool AtEnd() const { return position_ == bytes_.size(); }
    // Marks the message failed (the first cause is kept); always returns false.
    bool Fail(platform::HRESULT cause) {
        if (error_ == platform::S_OK) error_ = cause;
        return false;
    }
    // S_OK while every read succeeded, else the first cause of failure.
    [[nodiscard]] platform::HRESULT Error() const { return error_; }

private:
    std::span<const std::byte> bytes_;
    std::size_t position_ = 0;
    platform::HRESULT error_ = platform::S_OK;
};

}  // namespace platform::idl
