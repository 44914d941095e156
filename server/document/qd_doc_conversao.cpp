#include "server/document/qd_doc_conversao.h"

#include "server/types/qd_tipdoc_conversao.h"

#include <cstring>

void QDDocParaPS(const QD_DOC_ARQ& arq, QD_DOC_PS& ps) {
    std::memset(static_cast<void*>(&ps), 0, sizeof ps);
    ps.dwFlags = arq.dwFlags;
    ps.lTipDoc = arq.lTipDoc;
    ps.lLocArq = arq.lLocArq;
    ps.lNextDoc = arq.lNextDoc;
    ps.lPrevDoc = arq.lPrevDoc;
    ps.iNrLocalizacao = arq.iNrLocalizacao;
    ps.iVersao = arq.iVersao;
    ps.dataInclusao = arq.dataInclusao;
    ps.dataModificacao = arq.dataModificacao;
    ps.nQtdUsuarios = arq.nQtdUsuarios;
    ps.nQtdCampos = arq.nQtdCampos;
    ps.iDataEmissao = arq.iDataEmissao;
    ps.iDataValidade = arq.iDataValidade;
    ps.iFilial = arq.iFilial;
    QDCopiaTextoCampo(ps.szOriginalFileName, arq.szOriginalFileName);
    ps.iUsuarioIncluiu = arq.iUsuarioIncluiu;
    ps.iUsuarioAlterou = arq.iUsuarioAlterou;
}

void QDDocDePS(const QD_DOC_PS& ps, QD_DOC_ARQ& arq) {
    arq.dwFlags = ps.dwFlags;
    arq.lTipDoc = ps.lTipDoc;
    arq.lLocArq = ps.lLocArq;
    arq.iNrLocalizacao = ps.iNrLocalizacao;
    arq.iVersao = ps.iVersao;
    arq.iDataEmissao = ps.iDataEmissao;
    arq.iDataValidade = ps.iDataValidade;
    arq.iFilial = ps.iFilial;
    QDCopiaTextoCampo(arq.szOriginalFileName, ps.szOriginalFileName);
}

std::string_view QDNomeOriginalDoc(const QD_DOC_ARQ& arq) {
    const char* nome = arq.szOriginalFileName;
    return {nome, strnlen(nome, sizeof arq.szOriginalFileName)};
}
