#include "server/types/qd_le_tipdoc.h"

#include "platform/idl/value_codec.h"
#include "server/record_file/qd_resultado_arq.h"
#include "server/types/qd_tipdoc_conversao.h"
#include "server/types/qd_tipdoc_listas.h"

#include <cstring>
#include <new>

namespace {

using platform::HRESULT;

// The dwFlags bit that leaves list L out.
template <class L>
constexpr std::uint32_t kBitOmite = 0;
template <>
constexpr std::uint32_t kBitOmite<QDListaUsuarios> = QD_LETIPDOC_SEM_USUARIOS;
template <>
constexpr std::uint32_t kBitOmite<QDListaProcessos> = QD_LETIPDOC_SEM_PROCESSOS;
template <>
constexpr std::uint32_t kBitOmite<QDListaCampos> = QD_LETIPDOC_SEM_CAMPOS;

// The files one read needs open.
struct Arquivos {
    explicit Arquivos(IQDArqBind& bind) : tipos(bind), listas(bind) {}
    CQDArqT<QD_TIPDOC_ARQ> tipos;
    QDArquivosListasTipDoc listas;
};

HRESULT Abre(Arquivos& arquivos, std::uint32_t dwFlags) {
    if (const int codigo = arquivos.tipos.Open('L', true, true)) return QDHResultArq(codigo);
    return QDParaCadaLista([&]<class L>(L) -> HRESULT {
        if (dwFlags & kBitOmite<L>) return platform::S_OK;
        return QDHResultArq((arquivos.listas.*L::kArquivo).Open('L', true, true));
    });
}

// One type at `lPos` into `ps` (zeroed first), with the lists not left out.
HRESULT LeUm(Arquivos& arquivos, std::uint32_t lPos, std::uint32_t dwFlags, QD_TIPDOC_PS& ps) try {
    std::memset(static_cast<void*>(&ps), 0, sizeof ps);
    std::int32_t posicao = 0;
    if (const int codigo = QDPosicaoRegistro(lPos, posicao)) return QDHResultArq(codigo);
    QD_TIPDOC_ARQ tipo{};
    if (const int codigo = arquivos.tipos.ReadRecord(posicao, &tipo)) return QDHResultArq(codigo);
    QDTipDocParaPS(tipo, ps);
    return QDParaCadaLista([&]<class L>(L) -> HRESULT {
        ps.*L::kQtdPS = 0;
        if (dwFlags & kBitOmite<L>) return platform::S_OK;
        std::vector<typename L::Arq> registros;
        if (const int codigo = QDLeLista<L>(arquivos.listas.*L::kArquivo, tipo, registros)) return QDHResultArq(codigo);
        return QDEntregaLista<L>(registros, ps);
    });
} catch (const std::bad_alloc&) {
    return platform::E_OUTOFMEMORY;
}

}  // namespace

HRESULT QDLeTipDoc(IQDArqBind& bind, std::uint32_t qtd, const std::uint32_t* pPos, QD_TIPDOC_PS* pTipDoc,
                   std::uint32_t dwFlags) {
    if (qtd != 0 && (!pPos || !pTipDoc)) return platform::E_POINTER;
    Arquivos arquivos(bind);
    if (const HRESULT hr = Abre(arquivos, dwFlags); platform::FAILED(hr)) return hr;
    for (std::uint32_t i = 0; i < qtd; ++i) {
        if (const HRESULT hr = LeUm(arquivos, pPos[i], dwFlags, pTipDoc[i]); platform::FAILED(hr)) {
            // The caller gets all or nothing: what the records filled so far hold is freed (the
            // later ones still hold the caller's bytes, never ours), then every record is zeroed.
            for (std::uint32_t j = 0; j <= i; ++j) platform::idl::Codec<QD_TIPDOC_PS>::Free(pTipDoc[j]);
            std::memset(static_cast<void*>(pTipDoc), 0, std::size_t{qtd} * sizeof *pTipDoc);
            return hr;
        }
    }
    return platform::S_OK;
}
