#include "server/search/qd_condicoes_campos.h"

#include "outside/pendora/qd_campo_tipo_dado.h"
#include "outside/pendora/qd_campo_valor.h"
#include "server/search/qd_compara_campo.h"

#include <utility>

CQDCondicoesCampos::CQDCondicoesCampos(std::span<const QD_DOC_CAMPO_PS> condicoes) : m_nQtdCondicoes(condicoes.size()) {
    for (std::size_t i = 0; i < condicoes.size(); ++i) {
        const std::int32_t id = static_cast<std::int32_t>(condicoes[i].id);
        if (m_porId.contains(id)) continue;  // only the first of an id is ever reached
        Condicao condicao;
        condicao.inferior = condicoes[i];
        const bool faixa = i + 1 < condicoes.size() && static_cast<std::int32_t>(condicoes[i + 1].id) == id;
        condicao.superior = faixa ? condicoes[i + 1] : condicoes[i];
        condicao.valor = faixa ? 2 : 1;
        if (QDGetCampoDataType(condicoes[i].id) == QD_TIPO_DADO_TEXTO) {
            condicao.texto = std::make_unique<CQDTokenMngr>(QDLeCampoTexto(condicoes[i].BinaryData));
        }
        m_porId.emplace(id, m_condicoes.size());
        m_condicoes.push_back(std::move(condicao));
    }
}

CQDCondicoesCampos::Condicao* CQDCondicoesCampos::Primeira(std::int32_t id) {
    const auto achado = m_porId.find(id);
    return achado == m_porId.end() ? nullptr : &m_condicoes[achado->second];
}

bool CQDCondicoesCampos::Avalia(std::span<const QD_DOC_CAMPO_ARQ> campos, bool qualquer, int& pontos) {
    std::size_t combinados = 0;
    for (const QD_DOC_CAMPO_ARQ& campo : campos) {
        Condicao* condicao = Primeira(campo.id);
        if (!condicao) continue;
        const bool combina = QDComparaValorCampo(static_cast<QD_E_CAMPO_DOC>(campo.id), campo.BinaryData,
                                                 condicao->inferior.BinaryData, condicao->superior.BinaryData,
                                                 condicao->texto.get(), pontos);
        if (!combina && !qualquer) return false;
        combinados += condicao->valor;
    }
    return qualquer || combinados == m_nQtdCondicoes;
}
