#include "server/content/zt_crypto.h"

#include "platform/text/codepage.h"
#include "util/config/module_table.h"
#include "util/message/zt_exception.h"

#include <span>

using platform::Win32Error;

namespace {

[[noreturn]] void Lanca(const char* textoUtf8, Win32Error erro) {
    throw new CZTException(platform::AnsiFromUtf8(textoUtf8).c_str(), ZT_MODULO_GED, erro);
}

void Apaga(CZTString& segredo) {
    if (segredo.IsEmpty()) return;
    platform::SecureZero(segredo.GetBuffer(), static_cast<std::size_t>(segredo.GetLength()));
    segredo.Empty();
}

void Apaga(std::vector<std::uint8_t>& bytes) {
    platform::SecureZero(bytes.data(), bytes.size());
    bytes.clear();
}

}  // namespace

CCrypto::CCrypto(IZTFonteIdentidade* pIdentidade, std::unique_ptr<IZTPerfilUsuario> pPerfis)
    : m_pPerfis(pPerfis ? std::move(pPerfis) : std::make_unique<CZTUserProfileControl>()) {
    CarregaPerfilExecucao(pIdentidade);
    if (const Win32Error erro = m_provedor.Acquire()) Lanca(ZT_CRYPTO_ERRO_CONTEXTO, erro);
    if (const Win32Error erro = m_hash.Create(m_provedor)) Lanca(ZT_CRYPTO_ERRO_HASH, erro);
}

CCrypto::~CCrypto() { Apaga(m_memFile); }

// The account comes as "domain\user"; without a backslash it is a local account (".").
void CCrypto::CarregaPerfilExecucao(IZTFonteIdentidade* pIdentidade) {
    if (!pIdentidade) return;
    CZTString strConta;
    CZTString strSenha;
    const bool temConta = pIdentidade->GetUserProfileInfo(strConta, strSenha);
    if (temConta && !strConta.IsEmpty() && strConta.CompareNoCase(ZT_CONTA_USUARIO_INTERATIVO) != 0) {
        const int barra = strConta.Find('\\');
        const CZTString dominio = barra < 0 ? CZTString(".") : CZTString(strConta.Left(barra));
        const CZTString usuario = barra < 0 ? strConta : CZTString(strConta.Mid(barra + 1));
        try {
            m_pPerfis->CarregaPerfil(dominio, usuario, strSenha);
        } catch (...) {
            Apaga(strSenha);
            throw;
        }
    }
    Apaga(strSenha);
}

bool CCrypto::SetKey(const CZTString& strTexto) {
    m_chave.Destroy();
    if (const Win32Error erro = m_hash.Create(m_provedor)) Lanca(ZT_CRYPTO_ERRO_HASH, erro);
    const auto tamanho = static_cast<std::size_t>(strTexto.GetLength());
    if (const Win32Error erro = m_hash.HashData(strTexto.GetString(), tamanho)) Lanca(ZT_CRYPTO_ERRO_HASH_CHAVE, erro);
    if (const Win32Error erro = m_chave.Derive(m_provedor, m_hash)) Lanca(ZT_CRYPTO_ERRO_CHAVE, erro);
    m_nUltimoErro = platform::ERROR_SUCCESS;
    return true;
}

bool CCrypto::Falha(Win32Error erro) {
    m_nUltimoErro = erro;
    return false;
}

bool CCrypto::EncryptString(const CZTString& strTexto, CZTByteArray& cifra) {
    Apaga(m_memFile);
    CZTArchive ar(m_memFile);
    ar.WriteString(strTexto);
    return EncryptBuffer(cifra);
}

bool CCrypto::EncryptObject(CZTSerializavel& objeto, CZTByteArray& cifra) {
    Apaga(m_memFile);
    CZTArchive ar(m_memFile);
    if (!objeto.Serialize(ar)) return Falha(platform::ERROR_INVALID_DATA);
    return EncryptBuffer(cifra);
}

bool CCrypto::DecryptString(const CZTByteArray& cifra, CZTString& strTexto) {
    return DecryptBuffer(cifra) && LeDoBuffer(nullptr, &strTexto);
}

bool CCrypto::DecryptObject(const CZTByteArray& cifra, CZTSerializavel& objeto) {
    return DecryptBuffer(cifra) && LeDoBuffer(&objeto, nullptr);
}

// The buffer gets room for the padding block: a cipher text is always longer than its plain
// text, by a whole block when the plain text fills its last one.
bool CCrypto::EncryptBuffer(CZTByteArray& cifra) {
    if (!m_chave.IsDerived()) return Falha(platform::NTE_BAD_KEY);
    std::size_t tamanho = m_memFile.size();
    m_memFile.resize(platform::Rc2Key::EncryptedLength(tamanho));
    if (const Win32Error erro = m_chave.Encrypt(m_memFile.data(), tamanho, m_memFile.size())) {
        Apaga(m_memFile);
        return Falha(erro);
    }
    m_memFile.resize(tamanho);
    cifra = CZTByteArray(m_memFile);
    m_nUltimoErro = platform::ERROR_SUCCESS;
    return true;
}

bool CCrypto::DecryptBuffer(const CZTByteArray& cifra) {
    Apaga(m_memFile);
    if (!m_chave.IsDerived()) return Falha(platform::NTE_BAD_KEY);
    m_memFile = cifra.Bytes();
    std::size_t tamanho = m_memFile.size();
    if (const Win32Error erro = m_chave.Decrypt(m_memFile.data(), tamanho)) {
        Apaga(m_memFile);
        return Falha(erro);
    }
    m_memFile.resize(tamanho);
    m_nUltimoErro = platform::ERROR_SUCCESS;
    return true;
}

// Reads one object or one text from the plain bytes, which it must take up exactly: anything
// left over means the bytes were not what this key encrypted. The plain bytes are wiped after.
bool CCrypto::LeDoBuffer(CZTSerializavel* objeto, CZTString* texto) {
    CZTArchive ar{std::span<const std::uint8_t>(m_memFile)};
    CZTString lido;
    bool valido = objeto ? objeto->Serialize(ar) : ar.ReadString(lido);
    valido = valido && ar.GetRestante() == 0;
    Apaga(m_memFile);
    if (!valido) return Falha(platform::ERROR_INVALID_DATA);
    if (texto) *texto = lido;
    m_nUltimoErro = platform::ERROR_SUCCESS;
    return true;
}
