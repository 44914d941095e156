// CCrypto: the encryption of stored document contents, one per server object and owned by it.
//
// At construction it asks the run-as identity source for the server's account and, unless there
// is none or it is "Interactive User", takes that account's identity through the profile control
// (see zt_user_profile_control.h); then it acquires the crypto provider and starts an MD5 hash.
// SetKey makes the content key from a pass phrase (the name of the company's branch 1), which is
// never stored. The key form is platform::kContentKeyForm.
//
// Objects and texts are serialised into a memory buffer (CZTArchive), and the whole
// serialisation is encrypted in one final call; decryption reverses it and reads the object back,
// which must take up the plain bytes exactly. Construction and SetKey throw CZTException* (module
// GED, the crypto error as its system error) with the texts below; the other operations return
// false and leave the crypto error in GetUltimoErro. Used on the server's one thread.
#pragma once

#include "platform/crypto/crypto.h"
#include "server/content/zt_archive.h"
#include "server/content/zt_byte_array.h"
#include "server/content/zt_fonte_identidade.h"
#include "server/content/zt_user_profile_control.h"
#include "util/text/zt_string.h"

#include <cstdint>
#include <memory>
#include <vector>

// The texts of the exceptions (Windows-1252 at run time; written here as UTF-8).
inline constexpr const char* ZT_CRYPTO_ERRO_CONTEXTO = "Não foi possível obter o contexto de criptografia.";
inline constexpr const char* ZT_CRYPTO_ERRO_HASH = "Não foi possível obter o hash de CSP (Cripto service provider).";
inline constexpr const char* ZT_CRYPTO_ERRO_HASH_CHAVE = "Não foi possível fazer hash da chave.";
inline constexpr const char* ZT_CRYPTO_ERRO_CHAVE = "Não foi possível gerar a chave de encriptação.";

// The account name for which no identity is taken (compared without regard to case).
inline constexpr const char* ZT_CONTA_USUARIO_INTERATIVO = "Interactive User";

class CCrypto {
public:
    // `pIdentidade` may be null (no run-as identity); `pPerfis` is owned, null gives a
    // CZTUserProfileControl. Throws CZTException*: ZT_CRYPTO_ERRO_CONTEXTO when the provider
    // cannot be acquired, ZT_CRYPTO_ERRO_HASH when the hash cannot be made, or the profile
    // control's exception.
    explicit CCrypto(IZTFonteIdentidade* pIdentidade, std::unique_ptr<IZTPerfilUsuario> pPerfis = nullptr);
    virtual ~CCrypto();
    CCrypto(const CCrypto&) = delete;
    CCrypto& operator=(const CCrypto&) = delete;

    // Makes the key from the bytes of `strTexto` (no terminator), replacing hash and key; true.
    // Throws CZTException*: ZT_CRYPTO_ERRO_HASH, ZT_CRYPTO_ERRO_HASH_CHAVE or ZT_CRYPTO_ERRO_CHAVE.
    virtual bool SetKey(const CZTString& strTexto);
    // The text in its length-prefixed form, encrypted into `cifra`; false without a key.
    [[nodiscard]] virtual bool EncryptString(const CZTString& strTexto, CZTByteArray& cifra);
    // The serialised object, encrypted into `cifra`; false without a key.
    [[nodiscard]] virtual bool EncryptObject(CZTSerializavel& objeto, CZTByteArray& cifra);
    // The text read back from `cifra`; false (text unchanged) without a key, for a cipher text
    // that does not decrypt, or for plain bytes that are not exactly one text.
    [[nodiscard]] virtual bool DecryptString(const CZTByteArray& cifra, CZTString& strTexto);
    // The object read back from `cifra`; false as for DecryptString (the object may then be
    // partly loaded, as the framework's objects are).
    [[nodiscard]] virtual bool DecryptObject(const CZTByteArray& cifra, CZTSerializavel& objeto);
    // The crypto error of the last operation that returned false (platform::NTE_..., or
    // ERROR_INVALID_DATA for plain bytes that hold no valid object); 0 after a success.
    [[nodiscard]] platform::Win32Error GetUltimoErro() const { return m_nUltimoErro; }

protected:
    // The serialisation steps the operations above share (and a derived class may replace).
    // The memory buffer's bytes, encrypted into `cifra`; false without a key.
    [[nodiscard]] virtual bool EncryptBuffer(CZTByteArray& cifra);
    // `cifra` decrypted into the memory buffer; false without a key or when it does not decrypt.
    [[nodiscard]] virtual bool DecryptBuffer(const CZTByteArray& cifra);

private:
    void CarregaPerfilExecucao(IZTFonteIdentidade* pIdentidade);
    [[nodiscard]] bool Falha(platform::Win32Error erro);
    [[nodiscard]] bool LeDoBuffer(CZTSerializavel* objeto, CZTString* texto);

    std::unique_ptr<IZTPerfilUsuario> m_pPerfis;  // the user-profile control
    platform::CryptoProvider m_provedor;
    platform::Md5Hash m_hash;
    platform::Rc2Key m_chave;
    std::vector<std::uint8_t> m_memFile;          // the serialisation buffer
    platform::Win32Error m_nUltimoErro = platform::ERROR_SUCCESS;
};
