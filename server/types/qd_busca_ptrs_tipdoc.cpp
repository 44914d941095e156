#include "server/types/qd_busca_ptrs_tipdoc.h"

#include "platform/com/task_allocator.h"
#include "server/object/qd_codigo_prefixo.h"
#include "server/types/qd_acesso_usuarios.h"
#include "server/record_file/qd_resultado_arq.h"
#include "server/types/qd_tipdoc_conversao.h"
#include "server/types/qd_tipdoc_listas.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <vector>

namespace {

using platform::HRESULT;

// A type that passed: its position and its code (at most 8 characters).
struct Achado {
    std::uint32_t lPosicao;
    char szCodigo[9];
};

// What one search needs: the filter with its code cut to its field, the session and the files.
class Busca {
public:
    Busca(IQDArqBind& bind, std::uint8_t bAcessoTotal, std::uint16_t iUsuario, std::uint16_t iUsuarioPai,
          const QD_TIPDOC_FILTRO_PS& filtro)
        : m_tipos(bind), m_usuarios(bind), m_processos(bind), m_filtro(filtro), m_bAcessoTotal(bAcessoTotal),
          m_iUsuario(iUsuario), m_iUsuarioPai(iUsuarioPai) {
        QDCopiaTextoCampo(m_szCodigo, filtro.szCodigo);
    }

    [[nodiscard]] HRESULT Abre() {
        if (const int codigo = m_tipos.Open('L', true, true)) return QDHResultArq(codigo);
        if (AplicaAcesso()) {
            if (const int codigo = m_usuarios.Open('L', true, true)) return QDHResultArq(codigo);
        }
        if (m_filtro.dwFlags & QD_FILTRO_TIPDOC_PROCESSO) {
            if (const int codigo = m_processos.Open('L', true, true)) return QDHResultArq(codigo);
        }
        return platform::S_OK;
    }

    // Every live type that passes, in position order.
    [[nodiscard]] HRESULT Percorre(std::vector<Achado>& achados) {
        // Bounded by the record count taken once (types appended meanwhile are not looked at) and
        // by the last position the layer can address.
        const std::int64_t qtd = std::min<std::int64_t>(m_tipos.RecordCount(), std::numeric_limits<std::int32_t>::max());
        for (std::int64_t posicao = 1; posicao <= qtd; ++posicao) {
            QD_TIPDOC_ARQ tipo{};
            if (const int codigo = m_tipos.ReadRecord(static_cast<std::int32_t>(posicao), &tipo)) {
                return QDHResultArq(codigo);
            }
            bool bPassa = false;
            if (const HRESULT hr = Passa(tipo, bPassa); platform::FAILED(hr)) return hr;
            if (!bPassa) continue;
            Achado achado{static_cast<std::uint32_t>(posicao), {}};
            QDCopiaTextoCampo(achado.szCodigo, tipo.szCodigo);
            achados.push_back(achado);
        }
        return platform::S_OK;
    }

private:
    [[nodiscard]] bool AplicaAcesso() const { return !(m_filtro.dwFlags & QD_FILTRO_TIPDOC_SEM_ACESSO); }

    [[nodiscard]] bool PassaFlags(const QD_TIPDOC_ARQ& tipo) const {
        if (tipo.dwFlags & QD_TIPDOC_EXCLUIDO) return false;
        const bool bGrupo = (tipo.dwFlags & QD_TIPDOC_GRUPO) != 0;
        if ((m_filtro.dwFlags & QD_FILTRO_TIPDOC_GRUPOS) && !bGrupo) return false;
        if ((m_filtro.dwFlags & QD_FILTRO_TIPDOC_NAO_GRUPOS) && bGrupo) return false;
        return true;
    }

    [[nodiscard]] bool PassaCodigo(const QD_TIPDOC_ARQ& tipo) const {
        if (!(m_filtro.dwFlags & QD_FILTRO_TIPDOC_CODIGO)) return true;
        char szCodigo[sizeof tipo.szCodigo];
        QDCopiaTextoCampo(szCodigo, tipo.szCodigo);
        if (m_filtro.dwFlags & QD_FILTRO_TIPDOC_INICIO) return QDCodigoIniciaCom(szCodigo, m_szCodigo);
        return std::strcmp(szCodigo, m_szCodigo) == 0;
    }

    // Whether the session may see `tipo`: a type without users is visible to all.
    [[nodiscard]] HRESULT PassaAcesso(const QD_TIPDOC_ARQ& tipo, bool& bPassa) {
        bPassa = true;
        if (!AplicaAcesso() || m_bAcessoTotal || tipo.nQtdUsuarios == 0) return platform::S_OK;
        std::vector<QD_TIPDOC_USUARIO_ARQ> registros;
        if (const int codigo = QDLeLista<QDListaUsuarios>(m_usuarios, tipo, registros)) return QDHResultArq(codigo);
        const std::vector<std::uint16_t> usuarios = QDElementos<QDListaUsuarios>(registros);
        bPassa = QDSessaoVeUsuarios(m_bAcessoTotal, m_iUsuario, m_iUsuarioPai, usuarios);
        return platform::S_OK;
    }

    [[nodiscard]] HRESULT PassaProcesso(const QD_TIPDOC_ARQ& tipo, bool& bPassa) {
        bPassa = true;
        if (!(m_filtro.dwFlags & QD_FILTRO_TIPDOC_PROCESSO)) return platform::S_OK;
        std::vector<QD_TIPDOC_PROCESSO_ARQ> registros;
        if (const int codigo = QDLeLista<QDListaProcessos>(m_processos, tipo, registros)) return QDHResultArq(codigo);
        bPassa = std::any_of(registros.begin(), registros.end(), [&](const QD_TIPDOC_PROCESSO_ARQ& registro) {
            return QDListaProcessos::ParaElemento(registro) == m_filtro.eProc;
        });
        return platform::S_OK;
    }

    [[nodiscard]] HRESULT Passa(const QD_TIPDOC_ARQ& tipo, bool& bPassa) {
        bPassa = PassaFlags(tipo) && PassaCodigo(tipo);
        if (!bPassa) return platform::S_OK;
        if (const HRESULT hr = PassaAcesso(tipo, bPassa); platform::FAILED(hr) || !bPassa) return hr;
        return PassaProcesso(tipo, bPassa);
    }

    CQDArqT<QD_TIPDOC_ARQ> m_tipos;
    CQDArqT<QD_TIPDOC_USUARIO_ARQ> m_usuarios;
    CQDArqT<QD_TIPDOC_PROCESSO_ARQ> m_processos;
    const QD_TIPDOC_FILTRO_PS& m_filtro;
    char m_szCodigo[sizeof(QD_TIPDOC_FILTRO_PS::szCodigo)];
    std::uint8_t m_bAcessoTotal;
    std::uint16_t m_iUsuario;
    std::uint16_t m_iUsuarioPai;
};

// The positions of `achados` sorted by code, into *pRegPtrs.
HRESULT Entrega(std::vector<Achado>& achados, QD_ARRAY_PONTEIROS_PS& regPtrs) {
    if (achados.empty()) return platform::S_OK;
    // Byte order of Windows-1252 codes (strcmp compares unsigned bytes); stable, so equal codes
    // keep their position order.
    std::stable_sort(achados.begin(), achados.end(),
                     [](const Achado& a, const Achado& b) { return std::strcmp(a.szCodigo, b.szCodigo) < 0; });
    auto* pPtrs = static_cast<std::uint32_t*>(platform::CoTaskMemAlloc(achados.size() * sizeof(std::uint32_t)));
    if (!pPtrs) return platform::E_OUTOFMEMORY;
    for (std::size_t i = 0; i < achados.size(); ++i) pPtrs[i] = achados[i].lPosicao;
    regPtrs.qtd = static_cast<std::uint32_t>(achados.size());
    regPtrs.pPtrs = pPtrs;
    return platform::S_OK;
}

}  // namespace

HRESULT QDBuscaPtrsTipDoc(IQDArqBind& bind, std::uint8_t bAcessoTotal, std::uint16_t iUsuario,
                          std::uint16_t iUsuarioPai, const QD_TIPDOC_FILTRO_PS& filtro,
                          QD_ARRAY_PONTEIROS_PS* pRegPtrs) {
    if (!pRegPtrs) return platform::E_POINTER;
    *pRegPtrs = QD_ARRAY_PONTEIROS_PS{};
    Busca busca(bind, bAcessoTotal, iUsuario, iUsuarioPai, filtro);
    if (const HRESULT hr = busca.Abre(); platform::FAILED(hr)) return hr;
    try {
        std::vector<Achado> achados;
        if (const HRESULT hr = busca.Percorre(achados); platform::FAILED(hr)) return hr;
        return Entrega(achados, *pRegPtrs);
    } catch (const std::bad_alloc&) {
        return platform::E_OUTOFMEMORY;
    }
}
