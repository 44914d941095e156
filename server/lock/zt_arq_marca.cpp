#include "server/lock/zt_arq_marca.h"

#include "platform/hresult.h"
#include "server/lock/zt_marca_codigos.h"
#include "server/record_file/record_file_codes.h"

namespace {

constexpr unsigned kEsperaMinimaMs = 10;
constexpr unsigned kEsperaFaixaMs = 30;  // waits of 10 to 39 ms
// Read and write, no sharing, created or emptied: the mark is the open file itself.
constexpr unsigned kFlagsMarca = platform::File::modeReadWrite | platform::File::shareExclusive | platform::File::modeCreate;

}  // namespace

CZTArqMarca::CZTArqMarca(platform::Ticker& relogio, std::uint64_t prazoMs)
    // Seeded per object: processes that all started from the same seed would retry in step.
    : m_relogio(relogio), m_nPrazoMs(prazoMs), m_aleatorio(std::random_device{}()) {}

CZTArqMarca::~CZTArqMarca() { Release(); }

CZTString CZTArqMarca::NomeArquivoMarca(const char* pasta, int numero) {
    const CZTString folder(pasta);
    const bool semSeparador = folder.IsEmpty() || folder.GetAt(folder.GetLength() - 1) == '/';
    CZTString nome;
    nome.Format("%s%sXXMARCA%d.DAT", folder.GetString(), semSeparador ? "" : "/", numero & 0xFF);
    return nome;
}

std::int32_t CZTArqMarca::Acquire(const char* pasta, int numero) {
    if (IsHeld()) return ZT_ERR_MARCA_OCUPADA;
    m_strNome = NomeArquivoMarca(pasta, numero);
    const std::uint64_t inicio = m_relogio.GetTickCount64();
    std::uniform_int_distribution<unsigned> espera(kEsperaMinimaMs, kEsperaMinimaMs + kEsperaFaixaMs - 1);
    // Each round either takes the mark, answers, or sleeps at least 10 ms: the deadline bounds it.
    for (;;) {
        auto arquivo = std::make_unique<platform::File>();
        platform::FileException erro;
        if (arquivo->Open(m_strNome, kFlagsMarca, &erro)) {
            m_pArquivo = std::move(arquivo);
            return 0;
        }
        const auto win32 = static_cast<platform::Win32Error>(erro.m_lOsError);
        if (win32 == platform::ERROR_ACCESS_DENIED) return ZT_ERR_ARQ_ACESSO_NEGADO;
        if (win32 != platform::ERROR_SHARING_VIOLATION) return platform::HResultFromWin32(win32);
        if (m_relogio.GetTickCount64() - inicio >= m_nPrazoMs) return ZTCodigoMarcaOcupada(numero);
        m_relogio.Sleep(espera(m_aleatorio));
    }
}

int CZTArqMarca::Release() {
    if (m_pArquivo) {
        m_pArquivo->Abort();
        m_pArquivo.reset();
    }
    return 0;
}
