#include "platform/com/wire.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace platform;
using namespace platform::com;

Bytes Le32(std::uint32_t value) {
    Bytes out;
    wire::PutU32(out, value);
    return out;
}

// The request frame is the documented layout byte for byte: a server and a client built apart
// must agree on it.
TEST(ComWire, RequestFrameLayout) {
    const Bytes payload = {std::byte{0xAA}, std::byte{0xBB}};
    const Bytes frame = wire::EncodeRequest(wire::Kind::Call, 0x01020304, 7, payload);
    const Bytes expected = {std::byte{14}, std::byte{0},    std::byte{0},    std::byte{0},     // body length
                            std::byte{2},  std::byte{0},    std::byte{0},    std::byte{0},     // kind Call
                            std::byte{4},  std::byte{3},    std::byte{2},    std::byte{1},     // object id
                            std::byte{7},  std::byte{0},    std::byte{0},    std::byte{0},     // method
                            std::byte{0xAA}, std::byte{0xBB}};
    EXPECT_EQ(frame, expected);
}

// A response keeps the status bits exactly, negative HRESULTs included.
TEST(ComWire, ResponseRoundTripKeepsStatus) {
    const Bytes payload = {std::byte{1}, std::byte{2}, std::byte{3}};
    for (const HRESULT status : {S_OK, S_FALSE, E_INVALIDARG, HR_RPC_S_SERVER_UNAVAILABLE}) {
        const Bytes frame = wire::EncodeResponse(status, payload);
        std::size_t size = 0;
        ASSERT_EQ(wire::ScanFrame(frame, wire::kResponseHead, &size), wire::Scan::Complete);
        ASSERT_EQ(size, frame.size());
        wire::Response response{};
        ASSERT_TRUE(wire::ParseResponse(std::span(frame).subspan(4), &response));
        EXPECT_EQ(response.status, status);
        EXPECT_EQ(Bytes(response.payload.begin(), response.payload.end()), payload);
    }
}

// Frames are judged by their length before anything is allocated for them.
TEST(ComWire, ScanJudgesTheAnnouncedLength) {
    struct Case {
        Bytes buffer;
        wire::Scan expected;
        const char* why;
    };
    Bytes complete = Le32(12);
    complete.resize(16);
    Bytes twoFrames = complete;
    twoFrames.insert(twoFrames.end(), complete.begin(), complete.end());
    const std::vector<Case> cases = {
        {{}, wire::Scan::Incomplete, "nothing yet"},
        {{std::byte{12}, std::byte{0}}, wire::Scan::Incomplete, "half a length"},
        {Le32(12), wire::Scan::Incomplete, "length without body"},
        {Le32(11), wire::Scan::Malformed, "body shorter than a request head"},
        {Le32(0), wire::Scan::Malformed, "empty body"},
        {Le32(static_cast<std::uint32_t>(wire::kMaxFrameBody + 1)), wire::Scan::Malformed, "beyond the limit"},
        {Le32(0xFFFFFFFF), wire::Scan::Malformed, "huge length"},
        {Le32(static_cast<std::uint32_t>(wire::kMaxFrameBody)), wire::Scan::Incomplete, "largest allowed, waiting"},
        {complete, wire::Scan::Complete, "one frame"},
        {twoFrames, wire::Scan::Complete, "first of two"},
    };
    for (const Case& c : cases) {
        std::size_t size = 99;
        EXPECT_EQ(wire::ScanFrame(c.buffer, wire::kRequestHead, &size), c.expected) << c.why;
        if (c.expected == wire::Scan::Complete) {
            EXPECT_EQ(size, 16u) << c.why;
        }
    }
}

// The activation payload carries both identities in the GUID wire layout and nothing else.
TEST(ComWire, ActivationPayloadRoundTripAndExactSize) {
    const CLSID clsid{0x11223344, 0x5566, 0x7788, {1, 2, 3, 4, 5, 6, 7, 8}};
    const IID iid{0xA1B2C3D4, 0xE5F6, 0x0718, {9, 10, 11, 12, 13, 14, 15, 16}};
    Bytes payload = wire::EncodeActivation(clsid, iid);
    ASSERT_EQ(payload.size(), 32u);
    EXPECT_EQ(payload[0], std::byte{0x44});  // Data1 little-endian
    EXPECT_EQ(payload[4], std::byte{0x66});  // Data2 little-endian
    CLSID gotClass{};
    IID gotInterface{};
    ASSERT_TRUE(wire::ParseActivation(payload, &gotClass, &gotInterface));
    EXPECT_EQ(gotClass, clsid);
    EXPECT_EQ(gotInterface, iid);
    payload.pop_back();
    EXPECT_FALSE(wire::ParseActivation(payload, &gotClass, &gotInterface));
    payload.resize(33);
    EXPECT_FALSE(wire::ParseActivation(payload, &gotClass, &gotInterface));
}

// A body too short for its head is refused instead of read past its end.
TEST(ComWire, ParseRefusesShortBodies) {
    const Bytes eleven(11);
    wire::Request request{};
    EXPECT_FALSE(wire::ParseRequest(eleven, &request));
    const Bytes three(3);
    wire::Response response{};
    EXPECT_FALSE(wire::ParseResponse(three, &response));
    const Bytes twelve(12);
    ASSERT_TRUE(wire::ParseRequest(twelve, &request));
    EXPECT_TRUE(request.payload.empty());
}

}  // namespace
