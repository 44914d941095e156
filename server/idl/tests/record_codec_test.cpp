// Records through their wire form and back: every record with random contents, every prefix of
// an encoding, texts without their zero, counts that the bytes cannot hold.
#include "server/idl/records.h"
#include "server/idl/tests/support/all_records.h"
#include "server/idl/tests/support/record_values.h"
#include "platform/idl/wire_size.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

namespace server::idl {
namespace {

using namespace platform::idl;  // the marshalling that these tests exercise

using testing::Encode;
using testing::ForEachRecord;
using testing::Random;

// Decodes all of `bytes` into a fresh value; false when they are not exactly one T.
template <class T>
bool DecodeAll(std::span<const std::byte> bytes, T& value) {
    std::memset(static_cast<void*>(&value), 0, sizeof value);
    WireReader in(bytes);
    return Codec<T>::Decode(in, value) && in.AtEnd();
}

// Guards the round trip of every field kind: numbers, texts, BSTRs, arrays nested three deep,
// null and empty arrays and BSTRs, and counts sent without their arrays.
TEST(IdlRecordCodec, EveryRecordRoundTrips) {
    ForEachRecord([](auto record) {
        using T = decltype(record);
        SCOPED_TRACE(RecordTraits<T>::kName);
        Random random(7);
        for (int round = 0; round < 200; ++round) {
            T sent;
            testing::Fill(sent, random);
            const platform::com::Bytes bytes = Encode(sent);
            T received;
            ASSERT_TRUE(DecodeAll(bytes, received));
            EXPECT_TRUE(testing::Equal(sent, received));
            testing::Free(sent);
            testing::Free(received);
        }
    });
}

// Guards the server's reply budget: a size counted short would let a method build more than a
// reply carries, one counted long would refuse a reply that fits.
TEST(IdlRecordCodec, WireSizeIsTheLengthOfTheEncoding) {
    ForEachRecord([](auto record) {
        using T = decltype(record);
        SCOPED_TRACE(RecordTraits<T>::kName);
        Random random(5);
        for (int round = 0; round < 200; ++round) {
            T sent;
            testing::Fill(sent, random);
            EXPECT_EQ(WireSize(sent), Encode(sent).size());
            testing::Free(sent);
        }
    });
    Random random(6);
    for (int round = 0; round < 20; ++round) {
        platform::BSTR text = testing::MakeBstr(random);
        EXPECT_EQ(WireSize(text), Encode(text).size());
        platform::SysFreeString(text);
    }
}

// Guards against reading past a message, and against leaks or half-built values when one ends
// early: no prefix of an encoding decodes.
TEST(IdlRecordCodec, NoPrefixOfAnEncodingDecodes) {
    ForEachRecord([](auto record) {
        using T = decltype(record);
        SCOPED_TRACE(RecordTraits<T>::kName);
        Random random(11);
        for (int round = 0; round < 20; ++round) {
            T sent;
            testing::Fill(sent, random);
            const platform::com::Bytes bytes = Encode(sent);
            for (std::size_t size = 0; size < bytes.size(); ++size) {
                T received;
                const std::vector<std::byte> prefix(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
                EXPECT_FALSE(DecodeAll(std::span<const std::byte>(prefix), received)) << "prefix " << size;
                testing::Free(received);
            }
            testing::Free(sent);
        }
    });
}

// Guards the text fields: one that arrives filled to its last byte is cut to N - 1 characters.
TEST(IdlRecordCodec, TextWithoutItsZeroIsCutToItsField) {
    ForEachRecord([](auto record) {
        using T = decltype(record);
        T sent{};
        std::vector<std::size_t> sizes;
        RecordTraits<T>::ForEachField([&](auto field) {
            if constexpr (requires { field.name; }) {
                if constexpr (decltype(field)::FieldKind::kIsText) {
                    auto& text = sent.*decltype(field)::kMemory;
                    std::memset(text, 'x', sizeof text);
                    sizes.push_back(sizeof text);
                }
            }
        });
        T received;
        ASSERT_TRUE(DecodeAll(Encode(sent), received));
        std::size_t index = 0;
        RecordTraits<T>::ForEachField([&](auto field) {
            if constexpr (requires { field.name; }) {
                if constexpr (decltype(field)::FieldKind::kIsText) {
                    const auto& text = received.*decltype(field)::kMemory;
                    EXPECT_EQ(strnlen(text, sizeof text), sizes[index++] - 1)
                        << RecordTraits<T>::kName << "." << field.name;
                }
            }
        });
        testing::Free(received);
    });
}

// Guards null against empty: both travel, and each arrives as it left.
TEST(IdlRecordCodec, NullAndEmptyStayApart) {
    QD_DOC_PS sent{};
    sent.pUsuarios = testing::AllocateArray<std::uint16_t>(0);
    sent.nQtdCampos = 2;  // a count whose array was left out
    sent.bsDescricao = platform::SysAllocStringLen(nullptr, 0);
    QD_DOC_PS received;
    ASSERT_TRUE(DecodeAll(Encode(sent), received));
    EXPECT_NE(received.pUsuarios, nullptr);
    EXPECT_EQ(received.nQtdUsuarios, 0u);
    EXPECT_EQ(received.pCampos, nullptr);
    EXPECT_EQ(received.nQtdCampos, 2u);
    ASSERT_NE(received.bsDescricao, nullptr);
    EXPECT_EQ(platform::SysStringLen(received.bsDescricao), 0u);
    EXPECT_EQ(received.bsFiller, nullptr);
    EXPECT_EQ(received.pArquivo, nullptr);
    testing::Free(sent);
    testing::Free(received);
}

// An array record whose block claims `count` elements but carries only `carried` bytes after.
platform::com::Bytes PointerListClaiming(std::uint32_t recordCount, std::uint32_t blockCount, std::size_t carried) {
    platform::com::Bytes bytes;
    WireWriter out(bytes);
    out.WriteU32(recordCount);
    out.WriteU32(kPresent);
    out.WriteU32(blockCount);
    for (std::size_t i = 0; i < carried; ++i) out.Write("\x07", 1);
    return bytes;
}

struct CountCase {
    const char* what;
    std::uint32_t recordCount;
    std::uint32_t blockCount;
    std::size_t carried;
    bool decodes;
};

// Guards every count read from outside: it must match its record and fit the bytes received
// before anything is allocated for it.
TEST(IdlRecordCodec, CountsAreCheckedAgainstTheBytes) {
    const CountCase cases[] = {
        {"exact", 3, 3, 12, true},
        {"block count differs from the record", 3, 2, 8, false},
        {"one element short", 3, 3, 11, false},
        {"one byte too many", 3, 3, 13, false},
        {"huge count, few bytes", 0x40000000, 0x40000000, 16, false},
        {"largest count", 0xFFFFFFFF, 0xFFFFFFFF, 0, false},
    };
    for (const CountCase& c : cases) {
        QD_ARRAY_PONTEIROS_PS received;
        const platform::com::Bytes bytes = PointerListClaiming(c.recordCount, c.blockCount, c.carried);
        EXPECT_EQ(DecodeAll(bytes, received), c.decodes) << c.what;
        if (c.decodes) {
            EXPECT_EQ(received.qtd, c.recordCount);
            EXPECT_EQ(received.pPtrs[2], 0x07070707u);
        }
        testing::Free(received);
    }
}

// Guards BSTR lengths read from outside: a length beyond the bytes is refused.
TEST(IdlRecordCodec, TextLengthsAreCheckedAgainstTheBytes) {
    for (const std::uint32_t length : {3u, 4u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        platform::com::Bytes bytes;
        WireWriter out(bytes);
        out.WriteU32(kPresent);
        out.WriteU32(length);
        out.Write(u"abc", 6);
        platform::BSTR text = nullptr;
        WireReader in(bytes);
        const bool decoded = Codec<platform::BSTR>::Decode(in, text) && in.AtEnd();
        EXPECT_EQ(decoded, length == 3) << length;
        if (decoded) {
            EXPECT_EQ(std::u16string_view(text, platform::SysStringLen(text)), u"abc");
        }
        Codec<platform::BSTR>::Free(text);
    }
}

// Guards the sender: a count larger than any message stops encoding before the caller's memory
// is read past the array it really has.
TEST(IdlRecordCodec, OversizedArrayIsNotSent) {
    std::uint8_t content[4] = {1, 2, 3, 4};
    QD_DOC_PS doc{};
    doc.cbArquivo = 0xFFFFFFFF;
    doc.pArquivo = content;
    platform::com::Bytes bytes;
    WireWriter out(bytes);
    Codec<QD_DOC_PS>::Encode(out, doc);
    EXPECT_TRUE(out.Overflowed());
}

}  // namespace
}  // namespace server::idl
