#include "server/content/zt_archive.h"
#include "server/content/zt_byte_array.h"

#include "content_test_support.h"

#include <gtest/gtest.h>

#include <span>
#include <string>

namespace {

using content_test::Bytes;
using content_test::FromHex;
using content_test::Hex;

struct ContagemCaso {
    std::uint64_t contagem;
    const char* hex;
};

TEST(CZTArchive, CountsUseTheFrameworkEncoding) {
    const ContagemCaso casos[] = {
        {0, "0000"},
        {0x41, "4100"},
        {0xFFFE, "feff"},
        {0xFFFF, "ffffffff0000"},
        {0xFFFFFFFE, "fffffeffffff"},
        {0xFFFFFFFF, "ffffffffffffffffffff00000000"},
    };
    for (const ContagemCaso& caso : casos) {
        Bytes bytes;
        CZTArchive gravacao(bytes);
        gravacao.WriteCount(caso.contagem);
        EXPECT_EQ(Hex(bytes), caso.hex) << caso.contagem;

        CZTArchive leitura{std::span<const std::uint8_t>(bytes)};
        std::uint64_t lida = 0;
        ASSERT_TRUE(leitura.ReadCount(lida));
        EXPECT_EQ(lida, caso.contagem);
        EXPECT_EQ(leitura.GetRestante(), 0u);
    }
}

struct TextoCaso {
    size_t tamanho;
    const char* prefixo;
};

TEST(CZTArchive, TextsUseTheFrameworkLengthEncoding) {
    const TextoCaso casos[] = {
        {0, "00"}, {254, "fe"}, {255, "ffff00"}, {0xFFFD, "fffdff"}, {0xFFFE, "fffffffeff0000"}, {0x10000, "ffffff00000100"},
    };
    for (const TextoCaso& caso : casos) {
        const CZTString texto(std::string(caso.tamanho, 'x'));
        Bytes bytes;
        CZTArchive gravacao(bytes);
        gravacao.WriteString(texto);
        const std::string prefixo = caso.prefixo;
        ASSERT_EQ(bytes.size(), prefixo.size() / 2 + caso.tamanho);
        EXPECT_EQ(Hex(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(prefixo.size() / 2))), prefixo);

        CZTArchive leitura{std::span<const std::uint8_t>(bytes)};
        CZTString lido;
        ASSERT_TRUE(leitura.ReadString(lido)) << caso.tamanho;
        EXPECT_EQ(lido, texto);
    }
}

TEST(CZTArchive, Utf16TextsAreReadAsWindows1252) {
    // The mark 0xFF 0xFFFE, then a length of 2 characters: 'a' and U+00E7.
    const Bytes bytes = FromHex("fffeff026100e700");
    CZTArchive leitura{std::span<const std::uint8_t>(bytes)};
    CZTString lido;
    ASSERT_TRUE(leitura.ReadString(lido));
    EXPECT_EQ(lido.str(), platform::AnsiFromUtf8("aç"));
}

// Guards against trusting a length that points beyond the bytes held.
TEST(CZTArchive, LengthsBeyondTheBytesLeftFailWithoutMoving) {
    const char* truncados[] = {"0500616263", "ffff06000000", "ff", "fffe", "ffff0100", "fffefffffe", "fffeff0a6100"};
    for (const char* hex : truncados) {
        const Bytes bytes = FromHex(hex);
        CZTArchive leitura{std::span<const std::uint8_t>(bytes)};
        CZTString texto = "antes";
        EXPECT_FALSE(leitura.ReadString(texto)) << hex;
        EXPECT_EQ(texto, "antes");
        EXPECT_EQ(leitura.GetRestante(), bytes.size()) << hex;
    }
    const Bytes contagem = FromHex("ffff0100");
    CZTArchive leitura{std::span<const std::uint8_t>(contagem)};
    std::uint64_t lida = 7;
    EXPECT_FALSE(leitura.ReadCount(lida));
    EXPECT_EQ(lida, 7u);
    EXPECT_EQ(leitura.GetRestante(), contagem.size());
}

TEST(CZTByteArray, SerialisesCountThenBytes) {
    CZTByteArray array(Bytes{'A'});
    Bytes bytes;
    CZTArchive gravacao(bytes);
    ASSERT_TRUE(array.Serialize(gravacao));
    EXPECT_EQ(Hex(bytes), "010041");

    CZTByteArray lido;
    CZTArchive leitura{std::span<const std::uint8_t>(bytes)};
    ASSERT_TRUE(lido.Serialize(leitura));
    EXPECT_EQ(lido.Bytes(), Bytes{'A'});
}

// Guards against a count read from damaged bytes sizing the array beyond them.
TEST(CZTByteArray, CountLargerThanTheBytesLeftIsRefused) {
    const char* casos[] = {"0300ffff", "ffff00000001", "ffffffffffffffffffffffffffff7f00", ""};
    for (const char* hex : casos) {
        const Bytes bytes = FromHex(hex);
        CZTByteArray array(Bytes{1, 2});
        CZTArchive leitura{std::span<const std::uint8_t>(bytes)};
        EXPECT_FALSE(array.Serialize(leitura)) << hex;
        EXPECT_EQ(array.Bytes(), (Bytes{1, 2})) << hex;
    }
}

}  // namespace
