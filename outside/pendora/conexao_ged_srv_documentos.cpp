// The connection's reads of documents beyond what one call may carry, and the extraction of a
// document's content to a file for viewing.
#include "outside/pendora/conexao_ged_srv.h"

#include "outside/pendora/conexao_ged_srv_leitura.h"
#include "outside/pendora/qd_grava_arquivo.h"
#include "outside/pendora/qd_texto_busca.h"
#include "platform/idl/value_codec.h"
#include "platform/idl/wire_limits.h"
#include "util/file/zt_path.h"
#include "util/file/zt_temp_file.h"

#include <string_view>

namespace {

using platform::HRESULT;

// LeDoc's bits that leave a part out.
constexpr std::uint32_t kSemUsuarios = 0x01;
constexpr std::uint32_t kSemCampos = 0x02;
constexpr std::uint32_t kSemVinculos = 0x04;
constexpr std::uint32_t kSemConteudo = 0x08;
constexpr std::uint32_t kSemDescricao = 0x10;
// Only the content is wanted for a file.
constexpr std::uint32_t kLeituraParaArquivo = kSemUsuarios | kSemCampos | kSemVinculos | kSemDescricao;

// A document flag: no content file is stored (a paper document).
constexpr std::uint32_t kNaoDigital = 0x04;

static_assert(CConexaoGedSrv::kQtdPorLeitura * platform::idl::Codec<QD_DOC_PS>::kWireSize <
              platform::idl::kMaxMessageBytes / 256);

// The name under which the document's content is written: the file-name part of the name it
// came from, never a path of its own, so that a stored name cannot reach outside the folder.
CZTString NomeDoArquivo(const CQDDoc& doc) {
    const std::string nome(pendora::detail::TextoDoCampo(doc->szOriginalFileName));
    CZTString parte = ZTExtraiNomeArquivo(nome.c_str());
    if (parte.IsEmpty() || parte == "." || parte == "..") parte = CZTString::Formata("Documento%u", doc.GetPosicao());
    return parte;
}

}  // namespace

HRESULT CConexaoGedSrv::LeDocEx(std::uint32_t qtd, const std::uint32_t* pPos, CQDDoc* pDoc, std::uint32_t dwFlags) {
    if (qtd == 0) return platform::S_OK;
    if (!pPos || !pDoc) return Trata(platform::E_POINTER);
    const std::uint32_t porChamada = (dwFlags & kSemConteudo) ? kQtdPorLeitura : 1;
    return pendora::detail::LeEmPartes(qtd, pPos, pDoc, porChamada,
                                       [&](std::uint32_t n, const std::uint32_t* pos, CQDDoc* docs) {
                                           return LeDoc(n, pos, docs, dwFlags);
                                       });
}

HRESULT CConexaoGedSrv::SaveDocToFile(std::uint32_t lPos, CZTString& strCaminho, bool bSomenteLeitura,
                                      std::int64_t* pTempo) {
    strCaminho.Empty();
    if (pTempo) *pTempo = 0;
    CQDDoc doc;
    if (const HRESULT hr = LeDocEx(1, &lPos, &doc, kLeituraParaArquivo); platform::FAILED(hr)) return hr;
    if (doc->dwFlags & kNaoDigital) return platform::S_OK;

    const CZTString caminho = ZTConcatenaPath(ZTGetDiretorioTemp(), NomeDoArquivo(doc));
    if (const HRESULT hr = doc.SaveToFile(caminho); platform::FAILED(hr)) return hr;
    if (bSomenteLeitura) {
        if (const HRESULT hr = pendora::detail::PoeSomenteLeitura(caminho); platform::FAILED(hr)) return hr;
    }
    std::int64_t tempo = 0;
    if (const HRESULT hr = pendora::detail::LeTempoArquivo(caminho, tempo); platform::FAILED(hr)) return hr;
    strCaminho = caminho;
    if (pTempo) *pTempo = tempo;
    return platform::S_OK;
}
