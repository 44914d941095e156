#include "server/types/qd_tipdoc_log.h"

#include "server/log/qd_log_layout.h"

#include <array>
#include <cstddef>
#include <vector>

namespace {

// The items of the three lists: each list's interface elements back to back, kept alive here
// while the batch copies them.
class ItensListas {
public:
    explicit ItensListas(const QDListasTipDoc& listas) {
        Adiciona<QDListaUsuarios>(listas, m_usuarios);
        Adiciona<QDListaProcessos>(listas, m_processos);
        Adiciona<QDListaCampos>(listas, m_campos);
    }
    // False when a list holds more bytes than one log batch may (a damaged stored count).
    [[nodiscard]] bool Valido() const { return m_bValido; }
    [[nodiscard]] std::uint32_t Qtd() const { return m_qtd; }
    [[nodiscard]] const QD_LOG_PTRS_PS* Itens() const { return m_qtd ? m_itens.data() : nullptr; }

private:
    template <class L>
    void Adiciona(const QDListasTipDoc& listas, std::vector<typename L::Elemento>& elementos) {
        elementos = QDElementos<L>(listas.*L::kRegistros);
        if (elementos.empty()) return;  // an item of no bytes is not logged
        const std::size_t bytes = elementos.size() * sizeof(typename L::Elemento);
        if (bytes > kQDLogMaxBloco) {
            m_bValido = false;
            return;
        }
        QD_LOG_PTRS_PS& item = m_itens[m_qtd++];
        item = QD_LOG_PTRS_PS{};
        item.eType = L::kTipoLog;
        item.cbData = static_cast<std::uint32_t>(bytes);
        item.pData = reinterpret_cast<std::uint8_t*>(elementos.data());
    }

    std::vector<QDListaUsuarios::Elemento> m_usuarios;
    std::vector<QDListaProcessos::Elemento> m_processos;
    std::vector<QDListaCampos::Elemento> m_campos;
    std::array<QD_LOG_PTRS_PS, 3> m_itens{};
    std::uint32_t m_qtd = 0;
    bool m_bValido = true;
};

}  // namespace

platform::HRESULT QDAdicionaLogTipDoc(CQDBatchGravaLog& lote, QD_E_OPERACAO_LOG operacao, std::uint32_t lPosicao,
                                      const QD_TIPDOC_ARQ& tipo, const QDListasTipDoc* listas) {
    if (!listas) return lote.Add(operacao, lPosicao, &tipo, sizeof tipo, 0, nullptr);
    const ItensListas itens(*listas);
    if (!itens.Valido()) return platform::E_INVALIDARG;
    return lote.Add(operacao, lPosicao, &tipo, sizeof tipo, itens.Qtd(), itens.Itens());
}
