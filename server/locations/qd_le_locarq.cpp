#include "server/locations/qd_le_locarq.h"

#include "platform/com/task_allocator.h"
#include "server/locations/qd_copia_task_mem.h"
#include "server/locations/qd_locarq_conversao.h"
#include "server/locations/qd_locarq_resultado.h"
#include "server/record_file/qd_resultado_arq.h"
#include "server/record_file/qd_arq_t.h"
#include "server/record_file/record_file_codes.h"
#include "server/record_file/zt_sequencia.h"

#include <cstring>
#include <limits>
#include <optional>

namespace {

using platform::HRESULT;

constexpr std::uint32_t kMaiorQuantidade = static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max());

// The records read so far; what they point to is freed unless handed to the caller.
class Lidos {
public:
    explicit Lidos(std::size_t quantidade) { m_registros.reserve(quantidade); }
    ~Lidos() {
        for (QD_LOCARQ_PS& ps : m_registros) platform::CoTaskMemFree(ps.pPtrsTipDocs);
    }
    Lidos(const Lidos&) = delete;
    Lidos& operator=(const Lidos&) = delete;

    void Adiciona(const QD_LOCARQ_PS& ps) { m_registros.push_back(ps); }
    // Copies the records to `destino`; from then on the caller owns their arrays.
    void Entrega(QD_LOCARQ_PS* destino) {
        std::memcpy(static_cast<void*>(destino), m_registros.data(), m_registros.size() * sizeof(QD_LOCARQ_PS));
        m_registros.clear();
    }

private:
    std::vector<QD_LOCARQ_PS> m_registros;
};

// The accepted types of `arq` into `ps` as a task-allocator array.
HRESULT LeTipos(CZTArqEx& tipos, const QD_LOCARQ_ARQ& arq, QD_LOCARQ_PS& ps) {
    std::vector<std::uint32_t> lista;
    if (const int codigo = QDLeTiposLocArq(tipos, arq, lista)) return QDHResultArq(codigo);
    std::uint32_t* array = QDCopiaTaskMemLocArq(lista);
    if (!array) return platform::E_OUTOFMEMORY;
    ps.nQtdTipDocs = static_cast<std::uint32_t>(lista.size());
    ps.pPtrsTipDocs = array;
    return platform::S_OK;
}

}  // namespace

int QDLeRegistroLocArq(CZTArqEx& locais, std::uint32_t lPosicao, QD_LOCARQ_ARQ& arq) {
    return locais.ReadRecord(QDPosicaoArqLocArq(lPosicao), &arq);
}

int QDLeTiposLocArq(CZTArqEx& tipos, const QD_LOCARQ_ARQ& arq, std::vector<std::uint32_t>& lista) {
    lista.clear();
    if (arq.nQtdTipDocs == 0) return 0;
    if (arq.nQtdTipDocs > kMaiorQuantidade || arq.lPrimeiroTipDoc > kMaiorQuantidade) return ZT_ERR_ARQ_FIM;
    std::vector<char> bytes;
    if (const int codigo = ZTLeSequencia(tipos, static_cast<std::int32_t>(arq.lPrimeiroTipDoc),
                                         static_cast<std::int32_t>(arq.nQtdTipDocs), bytes)) {
        return codigo;
    }
    lista.resize(arq.nQtdTipDocs);
    for (std::size_t i = 0; i < lista.size(); ++i) {
        QD_LOCARQ_TIPDOC_ARQ registro{};
        std::memcpy(&registro, bytes.data() + i * sizeof registro, sizeof registro);
        lista[i] = registro.lTipDoc;
    }
    return 0;
}

HRESULT QDLeLocArq(IQDArqBind& bind, std::uint32_t qtd, const std::uint32_t* pPos, QD_LOCARQ_PS* pLocArq,
                   std::uint32_t dwFlags) {
    if (qtd != 0 && (!pPos || !pLocArq)) return platform::E_POINTER;
    CQDArqT<QD_LOCARQ_ARQ> locais(bind);
    if (const int codigo = locais.Open('L', true)) return QDHResultArq(codigo);
    std::optional<CQDArqT<QD_LOCARQ_TIPDOC_ARQ>> tipos;
    if (!(dwFlags & QD_LE_LOCARQ_SEM_TIPOS)) {
        tipos.emplace(bind);
        if (const int codigo = tipos->Open('L', true)) return QDHResultArq(codigo);
    }

    Lidos lidos(qtd);
    for (std::uint32_t i = 0; i < qtd; ++i) {
        QD_LOCARQ_ARQ arq{};
        if (const int codigo = QDLeRegistroLocArq(locais, pPos[i], arq)) return QDHResultArq(codigo);
        QD_LOCARQ_PS ps;
        QDLocArqParaPS(arq, ps);
        if (tipos) {
            if (const HRESULT hr = LeTipos(*tipos, arq, ps); platform::FAILED(hr)) return hr;
        }
        lidos.Adiciona(ps);
    }
    lidos.Entrega(pLocArq);
    return platform::S_OK;
}
