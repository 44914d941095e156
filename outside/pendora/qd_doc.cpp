#include "outside/pendora/qd_doc.h"

#include "outside/pendora/qd_campo_tipo_dado.h"
#include "outside/pendora/qd_campo_valor.h"
#include "outside/pendora/qd_grava_arquivo.h"
#include "outside/pendora/qd_texto_busca.h"
#include "platform/com/bstr.h"

#include <span>

using pendora::detail::AcrescentaTextoBusca;

platform::HRESULT CQDDoc::SaveToFile(const char* caminho) const {
    const QD_DOC_PS& ps = GetPS();
    if (ps.cbArquivo != 0 && !ps.pArquivo) return platform::E_POINTER;
    return pendora::detail::GravaArquivo(caminho, std::span<const std::uint8_t>(ps.pArquivo, ps.cbArquivo));
}

void CQDDoc::ToStringQS(CZTStringArray& lista) const {
    const QD_DOC_PS& ps = GetPS();
    AcrescentaTextoBusca(lista, platform::AnsiFromBstr(ps.bsDescricao).view());
    AcrescentaTextoBusca(lista, pendora::detail::TextoDoCampo(ps.szOriginalFileName));
    if (ps.pCampos) {
        for (std::uint32_t i = 0; i < ps.nQtdCampos; ++i) {
            const QD_DOC_CAMPO_PS& campo = ps.pCampos[i];
            if (QDGetCampoDataType(campo.id) != QD_TIPO_DADO_TEXTO) continue;
            AcrescentaTextoBusca(lista, QDLeCampoTexto(campo.BinaryData));
        }
    }
    if (ps.iNrLocalizacao != 0) lista.push_back(CZTString::Formata("%u", ps.iNrLocalizacao));
}
