#include "framework/application/zt_fc_exception.h"

#include "framework/application/zt_fc_acesso.h"
#include "framework/application/zt_fc_app.h"

CZTFCException::CZTFCException(std::int32_t codigo, std::int32_t subCodigo, std::int32_t linha,
                               const char* arquivoFonte, const char* compilacao)
    : CZTFCException(SemRelato{}, codigo, subCodigo, linha, arquivoFonte, compilacao) {
    Relata();
}

CZTFCException::CZTFCException(SemRelato, std::int32_t codigo, std::int32_t subCodigo, std::int32_t linha,
                               const char* arquivoFonte, const char* compilacao)
    : m_strCompilacao(compilacao),
      m_strArquivoFonte(arquivoFonte),
      m_lSubCodigo(subCodigo),
      m_lLinha(linha),
      m_lCodigo(codigo) {}

void CZTFCException::Relata() {
    if (CZTFCApp* app = ZTGetApp()) (void)app->TrataErro(*this);
}
