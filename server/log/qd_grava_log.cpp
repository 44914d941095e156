#include "server/log/qd_grava_log.h"

#include "server/record_file/qd_caminho_dados.h"

#include "server/log/qd_log_bloco.h"
#include "server/log/qd_log_cauda.h"
#include "server/record_file/qd_arquivos.h"
#include "server/record_file/zt_arq_ex.h"
#include "util/file/zt_path.h"
#include "util/time/current_time.h"

#include <vector>

namespace {

using platform::HRESULT;
using platform::HResultFromMessage;
using platform::S_OK;

constexpr char kCabecalhoArquivo = '\0';

// Appends `bloco` at the end of the open log in one write, behind its last complete entry; on any
// failure the file is cut back to the length it had (when even that fails, the write's code is
// still what the caller learns, and the next append finds the torn bytes). A file without even its
// header byte gets that first.
int AnexaBloco(CZTArqEx& arquivo, const std::vector<std::uint8_t>& bloco) {
    std::int64_t comprimento = 0;
    if (const int codigo = arquivo.SeekEx('F', 0, comprimento)) return codigo;
    int codigo = comprimento == 0 ? arquivo.WriteHeader(&kCabecalhoArquivo, 1) : 0;
    if (codigo == 0) codigo = arquivo.WriteBytes(static_cast<std::uint32_t>(bloco.size()), bloco.data());
    if (codigo != 0) (void)arquivo.SetLengthEx(static_cast<std::uint64_t>(comprimento));
    return codigo;
}

// The batch's block onto the open log `caminho`, first cutting a torn tail that this process has
// not ruled out.
HRESULT GravaBloco(CZTArqEx& arquivo, const CZTString& caminho, const std::vector<std::uint8_t>& bloco) {
    if (bloco.empty()) return S_OK;
    if (const HRESULT hr = QDCortaCaudaRasgada(arquivo, caminho); hr != S_OK) return hr;
    const int codigo = AnexaBloco(arquivo, bloco);
    return codigo != 0 ? HResultFromMessage(codigo) : S_OK;
}

}  // namespace

HRESULT QDGravaLog(const QD_BATCH_GRAVA_LOG_PS& batch, std::uint16_t usuario, const char* pastaDados) {
    CZTArqEx arquivo;
    return QDGravaLog(arquivo, batch, usuario, pastaDados);
}

HRESULT QDGravaLog(CZTArqEx& arquivo, const QD_BATCH_GRAVA_LOG_PS& batch, std::uint16_t usuario,
                   const char* pastaDados) {
    std::uint32_t agora = 0;
    if (const HRESULT hr = ZTLeAgora(agora); hr != S_OK) return hr;
    std::vector<std::uint8_t> bloco;
    if (const HRESULT hr = QDMontaBlocoLog(batch, agora, usuario, bloco); hr != S_OK) return hr;

    const CZTString caminho = QDCaminhoArquivoDados(pastaDados, QD_ARQ_LOG);
    if (const int codigo = arquivo.Open(caminho, 'G', 1, true, true)) return HResultFromMessage(codigo);
    const HRESULT gravacao = GravaBloco(arquivo, caminho, bloco);
    const int fechamento = arquivo.CloseEx();
    if (gravacao != S_OK) {
        QDDesconfiaCaudaLog(caminho);
        return gravacao;
    }
    return fechamento != 0 ? HResultFromMessage(fechamento) : S_OK;
}
