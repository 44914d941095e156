#include "platform/crypto/crypto.h"

#include "platform/text/codepage.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace platform {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes FromHex(const std::string& hex) {
    Bytes bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) bytes.push_back(static_cast<std::uint8_t>(std::stoul(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

std::string ToHex(const std::uint8_t* data, size_t length) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (size_t i = 0; i < length; ++i) {
        hex += digits[data[i] >> 4];
        hex += digits[data[i] & 0xF];
    }
    return hex;
}

// The pass phrase of the vectors: a branch name with a non-ASCII letter, as Windows-1252 bytes.
const std::string kPassPhrase = AnsiFromUtf8("Filial São Paulo");

// Provider, hash and key of the content key form for `passPhrase`.
struct ContentKey {
    CryptoProvider provider;
    Md5Hash hash;
    Rc2Key key;

    explicit ContentKey(const std::string& passPhrase) {
        EXPECT_EQ(provider.Acquire(), ERROR_SUCCESS);
        EXPECT_EQ(hash.Create(provider), ERROR_SUCCESS);
        EXPECT_EQ(hash.HashData(passPhrase.data(), passPhrase.size()), ERROR_SUCCESS);
        EXPECT_EQ(key.Derive(provider, hash), ERROR_SUCCESS);
    }
};

Bytes Encrypt(const Rc2Key& key, const std::string& plain) {
    Bytes buffer(plain.begin(), plain.end());
    size_t length = buffer.size();
    buffer.resize(Rc2Key::EncryptedLength(length));
    EXPECT_EQ(key.Encrypt(buffer.data(), length, buffer.size()), ERROR_SUCCESS);
    buffer.resize(length);
    return buffer;
}

// Expected values computed outside this code: the digest with md5sum of the Windows-1252 bytes
// (printf 'Filial S\xe3o Paulo' | md5sum), the cipher texts with
// openssl enc -rc2-cbc -K <digest> -iv 0000000000000000 -provider legacy -provider default.
TEST(ContentKeyForm, Md5OfTheWindows1252PassPhraseWithoutTerminator) {
    ContentKey content(kPassPhrase);
    Md5Digest digest{};
    ASSERT_EQ(content.hash.GetValue(digest), ERROR_SUCCESS);
    // Guards against hashing the UTF-8 form or a terminating NUL.
    EXPECT_EQ(ToHex(digest.data(), digest.size()), "b00f25ad8a206ba19525a2105a0e2e77");
}

TEST(ContentKeyForm, EmptyTextHasTheStandardDigest) {
    CryptoProvider provider;
    ASSERT_EQ(provider.Acquire(), ERROR_SUCCESS);
    Md5Hash hash;
    ASSERT_EQ(hash.Create(provider), ERROR_SUCCESS);
    ASSERT_EQ(hash.HashData(nullptr, 0), ERROR_SUCCESS);
    Md5Digest digest{};
    ASSERT_EQ(hash.GetValue(digest), ERROR_SUCCESS);
    EXPECT_EQ(ToHex(digest.data(), digest.size()), "d41d8cd98f00b204e9800998ecf8427e");
}

struct CipherVector {
    const char* name;
    std::string plain;
    const char* cipherHex;
};

// Guards against another block mode, IV, padding or effective key length: any of them changes
// every cipher text.
TEST(ContentKeyForm, Rc2CipherTextsMatchTheIndependentVectors) {
    const CipherVector vectors[] = {
        {"eighteen bytes", "Documento de teste", "4579ef8d1ebb3dc345a4a8b8d565e1d50032cef9a23c42fb"},
        {"one whole block gets a padding block", "Kelvo RC", "d938c823ed9d4c72ff53e48f60b55d2c"},
        {"nothing", "", "c703167e61198e73"},
        {"one NUL byte", std::string(1, '\0'), "b6f711bd961c3401"},
    };
    ContentKey content(kPassPhrase);
    for (const CipherVector& vector : vectors) {
        SCOPED_TRACE(vector.name);
        const Bytes cipher = Encrypt(content.key, vector.plain);
        EXPECT_EQ(ToHex(cipher.data(), cipher.size()), vector.cipherHex);

        Bytes buffer = FromHex(vector.cipherHex);
        size_t length = buffer.size();
        ASSERT_EQ(content.key.Decrypt(buffer.data(), length), ERROR_SUCCESS);
        EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + static_cast<long>(length)), vector.plain);
    }
}

TEST(Rc2Key, EncryptedLengthAlwaysAddsPadding) {
    const size_t table[][2] = {{0, 8}, {1, 8}, {7, 8}, {8, 16}, {9, 16}, {16, 24}};
    for (const auto& row : table) EXPECT_EQ(Rc2Key::EncryptedLength(row[0]), row[1]) << row[0];
}

// Guards against writing past a buffer that has no room for the padding block.
TEST(Rc2Key, TooSmallBufferAsksForMoreAndChangesNothing) {
    ContentKey content(kPassPhrase);
    Bytes buffer = {'a', 'b', 'c', 0xEE, 0xEE, 0xEE, 0xEE};
    size_t length = 3;
    EXPECT_EQ(content.key.Encrypt(buffer.data(), length, buffer.size()), ERROR_MORE_DATA);
    EXPECT_EQ(length, 8u);
    EXPECT_EQ(buffer, (Bytes{'a', 'b', 'c', 0xEE, 0xEE, 0xEE, 0xEE}));
}

TEST(Rc2Key, DecryptRefusesBrokenCipherTexts) {
    ContentKey content(kPassPhrase);
    ContentKey other(AnsiFromUtf8("Filial Sao Paulo"));
    const Bytes cipher = Encrypt(content.key, "Documento de teste");
    struct Case {
        const char* name;
        const Rc2Key& key;
        size_t length;
    } cases[] = {
        {"empty", content.key, 0},
        {"not whole blocks", content.key, cipher.size() - 1},
        {"another key", other.key, cipher.size()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes buffer = cipher;
        size_t length = c.length;
        EXPECT_EQ(c.key.Decrypt(buffer.data(), length), NTE_BAD_DATA);
    }
}

TEST(Rc2Key, OperationsNeedTheirObjects) {
    CryptoProvider provider;
    Md5Hash hash;
    Rc2Key key;
    Md5Digest digest{};
    EXPECT_EQ(hash.Create(provider), NTE_FAIL);
    EXPECT_EQ(hash.HashData("x", 1), NTE_BAD_HASH);
    EXPECT_EQ(hash.GetValue(digest), NTE_BAD_HASH);
    EXPECT_EQ(key.Derive(provider, hash), NTE_FAIL);
    ASSERT_EQ(provider.Acquire(), ERROR_SUCCESS);
    EXPECT_EQ(key.Derive(provider, hash), NTE_BAD_HASH);
    Bytes buffer(8);
    size_t length = 0;
    EXPECT_EQ(key.Encrypt(buffer.data(), length, buffer.size()), NTE_BAD_KEY);
    EXPECT_EQ(key.Decrypt(buffer.data(), length), NTE_BAD_KEY);
    // A finished hash takes no more data: the digest could no longer match what was fed.
    ASSERT_EQ(hash.Create(provider), ERROR_SUCCESS);
    ASSERT_EQ(hash.GetValue(digest), ERROR_SUCCESS);
    EXPECT_EQ(hash.HashData("x", 1), NTE_BAD_HASH_STATE);
}

// Guards against loading the legacy provider into OpenSSL's process-wide context.
TEST(CryptoProvider, LeavesTheProcessWideContextAlone) {
    ContentKey content(kPassPhrase);
    EVP_CIPHER* global = EVP_CIPHER_fetch(nullptr, "RC2-CBC", nullptr);
    EXPECT_EQ(global, nullptr);
    EVP_CIPHER_free(global);
}

TEST(CryptoProvider, MissingLegacyProviderIsReported) {
    // OpenSSL looks for provider modules where OPENSSL_MODULES points; an empty folder has none.
    ::setenv("OPENSSL_MODULES", "/nonexistent-kelvo-modules", 1);
    CryptoProvider provider;
    EXPECT_EQ(provider.Acquire(), NTE_PROV_DLL_NOT_FOUND);
    EXPECT_FALSE(provider.IsAcquired());
    ::unsetenv("OPENSSL_MODULES");
}

TEST(CryptoError, NteNumbersStayAndWin32NumbersGetTheirFacility) {
    EXPECT_EQ(HResultFromCryptoError(NTE_BAD_DATA), static_cast<HRESULT>(0x80090005));
    EXPECT_EQ(HResultFromCryptoError(ERROR_MORE_DATA), static_cast<HRESULT>(0x800700EA));
    EXPECT_EQ(HResultFromCryptoError(ERROR_SUCCESS), S_OK);
}

}  // namespace
}  // namespace platform
