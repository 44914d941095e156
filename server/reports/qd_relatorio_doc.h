// CQDRelatorioDoc: the registered-documents report. One line per document the request's filter
// finds (type, location, validity period, and a period of issue, inclusion or change dates), and,
// when a type was given, one more column per search field of the type with the document's value.
// One report object per request; one thread.
#pragma once

#include "outside/pendora/qd_binary_to_string.h"
#include "server/reports/qd_monta_relatorio.h"
#include "server/reports/qd_nomes_usuarios.h"

#include <map>

class CConexaoGedSrv;
class CQDDoc;
class CQDDocFiltro;
class CQDTipDoc;

// Which dates the request's period (iShort3..iShort4) limits (lLong1).
enum QD_E_PERIODO_REL_DOC : std::int32_t {
    QD_PERIODO_REL_DOC_EMISSAO = 0,
    QD_PERIODO_REL_DOC_INCLUSAO = 1,
    QD_PERIODO_REL_DOC_MODIFICACAO = 2,
};

// The document filter of request `rel`: the type (one-element list) and location, the validity
// bounds, and the period on the dates `lLong1` chooses; inclusion and change periods become
// moments from the first day's local midnight to the last day's last second (a period from before
// 1970 starts at the first moment, one past 7 February 2106 ends at the last). The validity bounds
// (`iShort1`..`iShort2`) are day counts from 1950, the scale of the stored validity dates and of
// the filter's `iDataValidadeIni`..`iDataValidadeFim`, so they are copied as they come. S_OK, or
// E_INVALIDARG (the unrepresentable moment) for an inclusion or change period that starts after
// 7 February 2106.
[[nodiscard]] platform::HRESULT QDRelDocFiltro(const QD_RELATORIO_PS& rel, CQDDocFiltro& filtro);

class CQDRelatorioDoc : public CQDRelatorio {
public:
    using CQDRelatorio::CQDRelatorio;

    // S_OK; what the clock raised; the base's answer.
    [[nodiscard]] platform::HRESULT Inicializa(const QD_RELATORIO_PS& rel) override;
    // S_OK; the failure of a read, of the search or of the generator.
    [[nodiscard]] platform::HRESULT Gera() override;

private:
    [[nodiscard]] platform::HRESULT Coluna(CConexaoGedSrv& conexao, const CQDDoc& doc, int iCodigo);
    [[nodiscard]] platform::HRESULT CamposDoTipo(const CQDTipDoc& tipo, const CQDDoc& doc);
    [[nodiscard]] platform::HRESULT DescricaoLocal(CConexaoGedSrv& conexao, std::uint32_t lLocArq, CZTString& strDescricao);

    QD_RELATORIO_PS m_rel{};  // the filter part of the request (its texts are not kept)
    std::int32_t m_lHoje = 0;  // today as a day count from 1950, the validity dates' scale
    CQDNomesUsuarios m_usuarios;
    CQDContextoBinaryToString m_contexto;
    std::map<std::uint32_t, CZTString> m_locais;  // descriptions of the locations read
};
