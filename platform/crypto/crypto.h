// The crypto provider: MD5 hashing and the RC2 key that encrypts stored document contents.
//
// It stands where the original platform's cryptographic service stood, with only what the
// system uses of it: acquire a provider, hash a pass phrase with MD5, derive the RC2 key from
// the hash, and encrypt or decrypt one whole buffer in a single final call. The key form is
// fixed once (kContentKeyForm) and is the same in both directions; a content encrypted with
// another form is unreadable here.
//
// The algorithms come from OpenSSL's libcrypto, RC2 from its legacy provider, loaded into a
// library context owned by each CryptoProvider, so nothing of the process-wide OpenSSL state is
// touched. Results are the Win32-style error numbers the original service left as its last
// error (the NTE_ values below are such numbers); HResultFromCryptoError turns them into the
// HRESULT a caller returns. Each object owns its OpenSSL state and is not copied; one thread at
// a time per object. A hash or key lives no longer than the provider it was made with.
#pragma once

#include "platform/hresult.h"
#include "platform/win32_error.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

struct ossl_lib_ctx_st;
struct evp_md_ctx_st;
struct evp_cipher_st;

namespace platform {

// Error numbers of the cryptographic service, with their values on the original platform.
constexpr Win32Error NTE_BAD_HASH = 0x80090002;
constexpr Win32Error NTE_BAD_KEY = 0x80090003;
constexpr Win32Error NTE_BAD_DATA = 0x80090005;
constexpr Win32Error NTE_BAD_ALGID = 0x80090008;
constexpr Win32Error NTE_BAD_HASH_STATE = 0x8009000C;
constexpr Win32Error NTE_NO_MEMORY = 0x8009000E;
constexpr Win32Error NTE_PROV_DLL_NOT_FOUND = 0x8009001E;
constexpr Win32Error NTE_FAIL = 0x80090020;

// The one form of the content key: the RC2 key is the whole MD5 digest of the pass phrase's
// bytes, used with 128 effective key bits, in CBC mode with an all-zero IV and PKCS#5 padding.
struct KeyForm {
    const char* hash;            // the digest that turns the pass phrase into key bytes
    std::size_t hashBytes;       // its length
    const char* cipher;          // the cipher and block mode
    std::size_t keyBytes;        // key bytes taken from the digest (all of them)
    unsigned effectiveKeyBits;   // RC2's effective key length
    std::size_t blockBytes;      // cipher block, also the IV's length (the IV is all zero)
    bool pkcs5Padding;           // every cipher text ends with 1 to blockBytes padding bytes
};

inline constexpr KeyForm kContentKeyForm{"MD5", 16, "RC2-CBC", 16, 128, 8, true};
static_assert(kContentKeyForm.keyBytes == kContentKeyForm.hashBytes, "the key is the whole digest");

using Md5Digest = std::array<std::uint8_t, 16>;

// The crypto error `error` as an HRESULT: the NTE_ numbers already are HRESULTs and stay as they
// are, other Win32 errors get FACILITY_WIN32 (as the original platform's HRESULT_FROM_WIN32).
[[nodiscard]] constexpr HRESULT HResultFromCryptoError(Win32Error error) {
    return (error & 0x80000000u) != 0 ? static_cast<HRESULT>(error) : HResultFromWin32(error);
}

// Overwrites `length` bytes at `data` with zeros in a way the compiler keeps (for secrets about
// to be freed).
void SecureZero(void* data, std::size_t length);

// A provider: a library context of our own with OpenSSL's "default" and "legacy" providers.
class CryptoProvider {
public:
    CryptoProvider() = default;
    ~CryptoProvider();
    CryptoProvider(const CryptoProvider&) = delete;
    CryptoProvider& operator=(const CryptoProvider&) = delete;

    // Creates the library context and loads both providers. ERROR_SUCCESS; NTE_NO_MEMORY when no
    // context can be made; NTE_PROV_DLL_NOT_FOUND when a provider cannot be loaded (the provider
    // stays unacquired then). Acquiring again first releases the old context.
    [[nodiscard]] Win32Error Acquire();
    // Unloads the providers and frees the context; hashes and keys made with it must be gone.
    void Release();
    [[nodiscard]] bool IsAcquired() const { return context_ != nullptr; }

private:
    friend class Md5Hash;
    friend class Rc2Key;
    ossl_lib_ctx_st* context_ = nullptr;
    std::vector<void*> providers_;  // OSSL_PROVIDER handles, unloaded in reverse order
};

// An MD5 hash being fed; finished by GetValue.
class Md5Hash {
public:
    Md5Hash() = default;
    ~Md5Hash();
    Md5Hash(const Md5Hash&) = delete;
    Md5Hash& operator=(const Md5Hash&) = delete;

    // Starts a new hash in `provider` (an old one is destroyed first). ERROR_SUCCESS; NTE_FAIL
    // when the provider is not acquired; NTE_BAD_ALGID when it has no MD5; NTE_NO_MEMORY.
    [[nodiscard]] Win32Error Create(const CryptoProvider& provider);
    // Adds `length` bytes. NTE_BAD_HASH without a hash; NTE_BAD_HASH_STATE once finished.
    [[nodiscard]] Win32Error HashData(const void* data, std::size_t length);
    // Finishes the hash (if not yet) and gives its digest; may be asked again.
    [[nodiscard]] Win32Error GetValue(Md5Digest& digest);
    void Destroy();
    [[nodiscard]] bool IsCreated() const { return context_ != nullptr; }

private:
    evp_md_ctx_st* context_ = nullptr;
    bool finished_ = false;
    Md5Digest digest_{};
};

// The RC2 key of kContentKeyForm, derived from a finished (or finishable) MD5 hash.
class Rc2Key {
public:
    Rc2Key() = default;
    ~Rc2Key();
    Rc2Key(const Rc2Key&) = delete;
    Rc2Key& operator=(const Rc2Key&) = delete;

    // Takes the digest of `hash` as the key (an old key is destroyed first). ERROR_SUCCESS;
    // NTE_FAIL for an unacquired provider; NTE_BAD_HASH for a hash never created; NTE_BAD_ALGID
    // when the provider has no RC2.
    [[nodiscard]] Win32Error Derive(const CryptoProvider& provider, Md5Hash& hash);
    // Forgets the key (its bytes are wiped).
    void Destroy();
    [[nodiscard]] bool IsDerived() const { return cipher_ != nullptr; }

    // The cipher length of `plainLength` bytes: padded up to the next whole block, a whole block
    // more when it already is one.
    [[nodiscard]] static std::size_t EncryptedLength(std::size_t plainLength);

    // Encrypts the first `length` bytes of `buffer` in place, as one final call; `length` becomes
    // the cipher length. ERROR_MORE_DATA with `length` set to the length needed when `capacity`
    // is too small (nothing changed then); NTE_BAD_KEY without a key; NTE_FAIL when the library
    // fails.
    [[nodiscard]] Win32Error Encrypt(std::uint8_t* buffer, std::size_t& length, std::size_t capacity) const;
    // Decrypts `length` bytes of `buffer` in place, as one final call; `length` becomes the plain
    // length. NTE_BAD_DATA for a length that is not a whole number of blocks or a padding that
    // is not valid (a wrong key, or damaged bytes); NTE_BAD_KEY without a key.
    [[nodiscard]] Win32Error Decrypt(std::uint8_t* buffer, std::size_t& length) const;

private:
    [[nodiscard]] Win32Error Run(bool encrypt, std::uint8_t* buffer, std::size_t& length) const;

    evp_cipher_st* cipher_ = nullptr;
    std::array<std::uint8_t, 16> key_{};
};

}  // namespace platform
