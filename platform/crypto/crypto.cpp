#include "platform/crypto/crypto.h"

#include <openssl/core_names.h>
#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/params.h>
#include <openssl/provider.h>

#include <cstring>
#include <memory>

namespace platform {

namespace {

static_assert(sizeof(Md5Digest) == kContentKeyForm.hashBytes);

struct CipherContextFree {
    void operator()(EVP_CIPHER_CTX* context) const { EVP_CIPHER_CTX_free(context); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, CipherContextFree>;

// The providers a content key needs: "default" for MD5, "legacy" for RC2.
constexpr const char* kProviders[] = {"default", "legacy"};

// A cipher context ready for one final run of the content key form in direction `encrypt`.
CipherContext StartCipher(EVP_CIPHER* cipher, const std::uint8_t* key, bool encrypt) {
    CipherContext context(EVP_CIPHER_CTX_new());
    if (!context) return nullptr;
    const int direction = encrypt ? 1 : 0;
    // The effective key length is set before the key goes in, so that the key schedule uses it.
    size_t effectiveBits = kContentKeyForm.effectiveKeyBits;
    const OSSL_PARAM parameters[] = {
        OSSL_PARAM_construct_size_t(OSSL_CIPHER_PARAM_RC2_KEYBITS, &effectiveBits),
        OSSL_PARAM_construct_end(),
    };
    const std::uint8_t iv[kContentKeyForm.blockBytes] = {};
    if (EVP_CipherInit_ex2(context.get(), cipher, nullptr, nullptr, direction, nullptr) != 1) return nullptr;
    if (EVP_CIPHER_CTX_set_key_length(context.get(), static_cast<int>(kContentKeyForm.keyBytes)) != 1) return nullptr;
    if (EVP_CIPHER_CTX_set_params(context.get(), parameters) != 1) return nullptr;
    if (EVP_CipherInit_ex2(context.get(), nullptr, key, iv, direction, nullptr) != 1) return nullptr;
    if (EVP_CIPHER_CTX_set_padding(context.get(), kContentKeyForm.pkcs5Padding ? 1 : 0) != 1) return nullptr;
    return context;
}

}  // namespace

void SecureZero(void* data, std::size_t length) {
    if (data && length > 0) OPENSSL_cleanse(data, length);
}

// ---- CryptoProvider ----

CryptoProvider::~CryptoProvider() { Release(); }

Win32Error CryptoProvider::Acquire() {
    Release();
    context_ = OSSL_LIB_CTX_new();
    if (!context_) return NTE_NO_MEMORY;
    for (const char* name : kProviders) {
        OSSL_PROVIDER* provider = OSSL_PROVIDER_load(context_, name);
        if (!provider) {
            Release();
            return NTE_PROV_DLL_NOT_FOUND;
        }
        providers_.push_back(provider);
    }
    return ERROR_SUCCESS;
}

void CryptoProvider::Release() {
    for (auto it = providers_.rbegin(); it != providers_.rend(); ++it) {
        (void)OSSL_PROVIDER_unload(static_cast<OSSL_PROVIDER*>(*it));
    }
    providers_.clear();
    OSSL_LIB_CTX_free(context_);
    context_ = nullptr;
}

// ---- Md5Hash ----

Md5Hash::~Md5Hash() { Destroy(); }

Win32Error Md5Hash::Create(const CryptoProvider& provider) {
    Destroy();
    if (!provider.IsAcquired()) return NTE_FAIL;
    EVP_MD* md5 = EVP_MD_fetch(provider.context_, kContentKeyForm.hash, nullptr);
    if (!md5) return NTE_BAD_ALGID;
    context_ = EVP_MD_CTX_new();
    const bool started = context_ && EVP_DigestInit_ex2(context_, md5, nullptr) == 1;
    EVP_MD_free(md5);  // the started context keeps its own reference
    if (started) return ERROR_SUCCESS;
    Destroy();
    return NTE_NO_MEMORY;
}

Win32Error Md5Hash::HashData(const void* data, std::size_t length) {
    if (!context_) return NTE_BAD_HASH;
    if (finished_) return NTE_BAD_HASH_STATE;
    if (length == 0) return ERROR_SUCCESS;
    return EVP_DigestUpdate(context_, data, length) == 1 ? ERROR_SUCCESS : NTE_FAIL;
}

Win32Error Md5Hash::GetValue(Md5Digest& digest) {
    if (!context_) return NTE_BAD_HASH;
    if (!finished_) {
        unsigned length = 0;
        if (EVP_DigestFinal_ex(context_, digest_.data(), &length) != 1 || length != digest_.size()) return NTE_FAIL;
        finished_ = true;
    }
    digest = digest_;
    return ERROR_SUCCESS;
}

void Md5Hash::Destroy() {
    EVP_MD_CTX_free(context_);
    context_ = nullptr;
    finished_ = false;
    OPENSSL_cleanse(digest_.data(), digest_.size());
}

// ---- Rc2Key ----

Rc2Key::~Rc2Key() { Destroy(); }

Win32Error Rc2Key::Derive(const CryptoProvider& provider, Md5Hash& hash) {
    Destroy();
    if (!provider.IsAcquired()) return NTE_FAIL;
    Md5Digest digest{};
    if (const Win32Error error = hash.GetValue(digest)) return error;
    cipher_ = EVP_CIPHER_fetch(provider.context_, kContentKeyForm.cipher, nullptr);
    if (!cipher_) return NTE_BAD_ALGID;
    std::memcpy(key_.data(), digest.data(), kContentKeyForm.keyBytes);
    OPENSSL_cleanse(digest.data(), digest.size());
    return ERROR_SUCCESS;
}

void Rc2Key::Destroy() {
    EVP_CIPHER_free(cipher_);
    cipher_ = nullptr;
    OPENSSL_cleanse(key_.data(), key_.size());
}

std::size_t Rc2Key::EncryptedLength(std::size_t plainLength) {
    return (plainLength / kContentKeyForm.blockBytes + 1) * kContentKeyForm.blockBytes;
}

Win32Error Rc2Key::Encrypt(std::uint8_t* buffer, std::size_t& length, std::size_t capacity) const {
    if (!cipher_) return NTE_BAD_KEY;
    const std::size_t needed = EncryptedLength(length);
    if (needed < length || capacity < needed) {
        length = needed;
        return ERROR_MORE_DATA;
    }
    return Run(true, buffer, length);
}

Win32Error Rc2Key::Decrypt(std::uint8_t* buffer, std::size_t& length) const {
    if (!cipher_) return NTE_BAD_KEY;
    if (length == 0 || length % kContentKeyForm.blockBytes != 0) return NTE_BAD_DATA;
    return Run(false, buffer, length);
}

// One final run over `length` bytes; the result (never longer than the room Encrypt checked,
// never longer than the input when decrypting) replaces them in `buffer`.
Win32Error Rc2Key::Run(bool encrypt, std::uint8_t* buffer, std::size_t& length) const {
    // OpenSSL counts in int: a buffer beyond that cannot be handled in one call.
    if (length > static_cast<std::size_t>(INT32_MAX) - kContentKeyForm.blockBytes) return NTE_BAD_DATA;
    CipherContext context = StartCipher(cipher_, key_.data(), encrypt);
    if (!context) return NTE_FAIL;
    std::vector<std::uint8_t> output(length + kContentKeyForm.blockBytes);
    int written = 0;
    int last = 0;
    const bool ran = EVP_CipherUpdate(context.get(), output.data(), &written, buffer, static_cast<int>(length)) == 1 &&
                     EVP_CipherFinal_ex(context.get(), output.data() + written, &last) == 1;
    if (ran) {
        length = static_cast<std::size_t>(written) + static_cast<std::size_t>(last);
        std::memcpy(buffer, output.data(), length);
    }
    OPENSSL_cleanse(output.data(), output.size());
    if (ran) return ERROR_SUCCESS;
    // A final block whose padding does not check out is the one way decryption fails here.
    return encrypt ? NTE_FAIL : NTE_BAD_DATA;
}

}  // namespace platform
