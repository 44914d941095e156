// Opening and closing a record file: modes, the 60 attempts and the answer to a missing file.
#include "server/record_file/zt_arq_ex.h"

#include "platform/file/file_status.h"
#include "server/record_file/record_file_codes.h"
#include "server/record_file/zt_arq_causas.h"
#include "server/record_file/zt_arq_falha.h"

#include <optional>

namespace {

constexpr int kTentativas = 60;
constexpr unsigned kEsperaTentativaMs = 10;

using platform::File;

// The framework flags of a mode letter.
std::optional<unsigned> FlagsDoModo(char modo) {
    switch (modo) {
        case 'L': return File::modeRead | File::shareDenyNone | File::modeNoTruncate | File::reuseIdleDescriptor;  // 0x2040
        case 'G': return File::modeReadWrite | File::shareDenyWrite | File::modeNoTruncate | File::reuseIdleDescriptor;  // 0x2022
        case 'C': return File::modeReadWrite | File::shareDenyWrite | File::modeCreate;       // 0x1022
        default: return std::nullopt;
    }
}

bool TemAtributoSomenteLeitura(const char* caminho) {
    platform::FileStatus status;
    return platform::GetFileStatus(caminho, status) == platform::ERROR_SUCCESS &&
           (status.m_attribute & platform::FileStatus::readOnly) != 0;
}

}  // namespace

CZTArqEx::CZTArqEx(platform::Ticker& relogio) : m_relogio(relogio) {}

CZTArqEx::~CZTArqEx() { (void)CloseEx(); }

int CZTArqEx::Open(const char* caminho, char modo, std::uint32_t tamanhoRegistro, bool criaAuto, bool forca) {
    if (tamanhoRegistro == 0) return ZT_ERR_ARQ_NOME_MODO;
    const CZTString novo(caminho);
    if (IsOpen()) {
        if (novo == m_strCaminho && modo == m_cModo && tamanhoRegistro == m_nTamRegistro) return 0;
        (void)CloseEx();  // never leave the old file open under the new settings
    }
    if (m_cache.Existe() && novo != m_strCaminho) m_cache.Libera();
    m_strCaminho = novo;
    m_cModo = modo;
    m_nTamRegistro = tamanhoRegistro;
    m_bCriaAuto = criaAuto;
    if (m_cache.Existe() && !forca) return 0;
    return AbreQuandoPreciso();
}

int CZTArqEx::AbreQuandoPreciso(bool podeCriar) {
    if (IsOpen()) return 0;
    const std::optional<unsigned> flags = FlagsDoModo(m_cModo);
    if (m_strCaminho.IsEmpty() || !flags || m_nTamRegistro == 0) return ZT_ERR_ARQ_NOME_MODO;
    return AbreComTentativas(*flags, podeCriar);
}

int CZTArqEx::AbreComTentativas(unsigned flags, bool podeCriar) {
    for (int tentativa = 0; tentativa < kTentativas; ++tentativa) {
        platform::FileException erro;
        // Through the base class's virtual open, so that a test can make it fail.
        if (static_cast<platform::File&>(*this).Open(m_strCaminho, flags, &erro)) {
            if (m_cModo == 'C') ZTLimpaFalhaArquivo(m_strCaminho);
            if (!m_cache.Existe()) m_cache.Aloca();
            return 0;
        }
        if (erro.m_cause == platform::FileException::fileNotFound) return TrataAusente(podeCriar);
        MarcaFalha();
        const bool ultima = tentativa == kTentativas - 1;
        const bool somenteLeitura = ultima && erro.m_cause == platform::FileException::accessDenied &&
                                    TemAtributoSomenteLeitura(m_strCaminho);
        if (const int codigo = ZTCodigoCausaArq(ZTOperacaoArq::Abertura, erro.m_cause, ultima, somenteLeitura)) {
            return codigo;
        }
        if (!ultima) m_relogio.Sleep(kEsperaTentativaMs);
    }
    MarcaFalha();
    return ZT_ERR_ARQ_OUTRO;
}

int CZTArqEx::TrataAusente(bool podeCriar) {
    if (!podeCriar || !m_bCriaAuto) {
        MarcaFalha();
        return ZT_ERR_ARQ_NAO_ENCONTRADO;
    }
    const int codigo = CriaPeloControle();
    if (codigo != 0) MarcaFalha();
    return codigo;
}

int CZTArqEx::CloseEx() {
    if (!IsOpen()) return 0;
    try {
        Close();
        return 0;
    } catch (const platform::FileException& erro) {
        MarcaFalha();
        return ZTCodigoCausaArq(ZTOperacaoArq::Fechamento, erro.m_cause);
    }
}

int CZTArqEx::ReadOnce(const char* caminho, std::int32_t posicao, void* buffer, std::uint32_t tamanhoRegistro) {
    if (const int codigo = Open(caminho, 'L', tamanhoRegistro, false, true)) return codigo;
    const int leitura = ReadRecord(posicao, buffer);
    const int fechamento = CloseEx();
    return leitura != 0 ? leitura : fechamento;
}

void CZTArqEx::MarcaFalha() const { ZTMarcaFalhaArquivo(m_strCaminho); }
