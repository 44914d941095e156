#include "server/log/qd_le_log.h"

#include "server/record_file/qd_caminho_dados.h"

#include "server/record_file/qd_arquivos.h"
#include "server/record_file/zt_arq_ex.h"
#include "server/record_file/zt_arq_falha.h"
#include "util/file/zt_path.h"

#include <cstdint>
#include <utility>
#include <vector>

using platform::HRESULT;
using platform::HResultFromMessage;
using platform::S_OK;

HRESULT QDLeLog(const char* pastaDados, std::vector<CQDLogEntrada>& entradas) {
    CZTArqEx arquivo;
    return QDLeLog(arquivo, pastaDados, entradas);
}

HRESULT QDLeLog(CZTArqEx& arquivo, const char* pastaDados, std::vector<CQDLogEntrada>& entradas) {
    entradas.clear();
    const CZTString caminho = QDCaminhoArquivoDados(pastaDados, QD_ARQ_LOG);
    if (const int codigo = arquivo.Open(caminho, 'L', 1, true, true)) return HResultFromMessage(codigo);
    std::uint64_t fimCompletas = 0;
    HRESULT hr = QDPercorreLog(
        arquivo, [&entradas](CQDLogEntrada&& entrada) { entradas.push_back(std::move(entrada)); }, fimCompletas);
    const int fechamento = arquivo.CloseEx();
    if (hr == S_OK && fechamento != 0) hr = HResultFromMessage(fechamento);
    if (hr == S_OK) return S_OK;
    entradas.clear();
    if (hr == QD_E_LOG_DANIFICADO) ZTMarcaFalhaArquivo(caminho);
    return hr;
}
