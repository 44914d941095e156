#include "framework/form/zt_fc_formulario.h"

CZTString CZTFCFormulario::FormataMensagemValidacao(CZTFCValidador*) { return {}; }

void CZTFCFormulario::AdicionaValidador(CZTFCValidador* pValidador) {
    if (!pValidador) return;
    if (!m_pValidadores) m_pValidadores = std::make_unique<CZTFCValidadorCollection>();
    m_pValidadores->Adiciona(pValidador);
}
