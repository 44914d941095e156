#include "server/session/qd_propriedades.h"

#include "outside/pendora/qd_batch_grava_log.h"
#include "platform/com/bstr.h"
#include "server/object/local_conexao_ged_srv.h"
#include "server/record_file/qd_arq_t.h"
#include "server/record_file/zt_arq_bytes.h"
#include "server/session/qd_conversao_conteudos.h"
#include "server/session/qd_conversao_encriptacao.h"
#include "server/session/qd_propriedades_arq.h"
#include "server/session/qd_propriedades_mescla.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

namespace {

using platform::HRESULT;

HRESULT DeCodigo(int codigo) { return codigo == 0 ? platform::S_OK : platform::HResultFromMessage(codigo); }

// One of the four texts: its log tag, where the record keeps its length and offset, and its BSTR.
struct Texto {
    const char* pszMarca;
    std::size_t offsetTamanho;
    std::size_t offsetPosicao;
    platform::BSTR QD_PROPRIEDADES_PS::*pbs;
};

constexpr std::size_t kQtdTextos = 4;
constexpr std::array<Texto, kQtdTextos> kTextos = {{
    {"<Dominio>", offsetof(QD_PROPRIEDADES_ARQ, nTamDominio), offsetof(QD_PROPRIEDADES_ARQ, lPosDominio),
     &QD_PROPRIEDADES_PS::bsDominio},
    {"<ModeloEmail>", offsetof(QD_PROPRIEDADES_ARQ, nTamModeloEmail), offsetof(QD_PROPRIEDADES_ARQ, lPosModeloEmail),
     &QD_PROPRIEDADES_PS::bsModeloEmail},
    {"<EmailPara>", offsetof(QD_PROPRIEDADES_ARQ, nTamEmailPara), offsetof(QD_PROPRIEDADES_ARQ, lPosEmailPara),
     &QD_PROPRIEDADES_PS::bsEmailPara},
    {"<EmailCC>", offsetof(QD_PROPRIEDADES_ARQ, nTamEmailCC), offsetof(QD_PROPRIEDADES_ARQ, lPosEmailCC),
     &QD_PROPRIEDADES_PS::bsEmailCC},
}};

using Textos = std::array<std::string, kQtdTextos>;

// The record's 32-bit fields by offset, as bytes (the record is packed).
std::int32_t LeCampo(const QD_PROPRIEDADES_ARQ& arq, std::size_t offset) {
    std::int32_t valor = 0;
    std::memcpy(&valor, reinterpret_cast<const char*>(&arq) + offset, sizeof valor);
    return valor;
}
void GravaCampo(QD_PROPRIEDADES_ARQ& arq, std::size_t offset, std::int32_t valor) {
    std::memcpy(reinterpret_cast<char*>(&arq) + offset, &valor, sizeof valor);
}

// The four texts the record points to.
int LeTextos(CZTArqEx& descricoes, const QD_PROPRIEDADES_ARQ& arq, Textos& textos) {
    for (std::size_t i = 0; i < kQtdTextos; ++i) {
        const Texto& texto = kTextos[i];
        if (const int codigo = ZTLeBytesArq(descricoes, LeCampo(arq, texto.offsetPosicao),
                                            LeCampo(arq, texto.offsetTamanho), textos[i])) {
            return codigo;
        }
    }
    return 0;
}

// The log items of the texts: each its tag followed by the text, no terminator.
struct ItensLog {
    explicit ItensLog(const Textos& textos) {
        for (std::size_t i = 0; i < kQtdTextos; ++i) {
            bytes[i] = std::string(kTextos[i].pszMarca) + textos[i];
            itens[i] = QD_LOG_PTRS_PS{};
            itens[i].eType = QD_TYPE_LOG_STRING;
            itens[i].cbData = static_cast<std::uint32_t>(bytes[i].size());
            itens[i].pData = reinterpret_cast<std::uint8_t*>(bytes[i].data());
        }
    }
    Textos bytes;
    std::array<QD_LOG_PTRS_PS, kQtdTextos> itens;
};

HRESULT AdicionaEntrada(CQDBatchGravaLog& lote, QD_E_OPERACAO_LOG operacao, const QD_PROPRIEDADES_ARQ& arq,
                        const Textos& textos) {
    const ItensLog itens(textos);
    return lote.Add(operacao, 0, &arq, sizeof arq, kQtdTextos, itens.itens.data());
}

// The new texts written where the record says (a longer one appended) and their places stored.
HRESULT GravaTextos(CZTArqEx& descricoes, const QD_PROPRIEDADES_PS& prop, QD_PROPRIEDADES_ARQ& novo,
                    Textos& novos) {
    for (std::size_t i = 0; i < kQtdTextos; ++i) {
        const Texto& texto = kTextos[i];
        novos[i] = platform::AnsiFromBstr(prop.*texto.pbs).str();
        if (novos[i].size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
            return platform::E_INVALIDARG;
        }
        const auto tamanho = static_cast<std::int32_t>(novos[i].size());
        const std::int32_t tamanhoGravado = LeCampo(novo, texto.offsetTamanho);
        std::int32_t offset = tamanho > tamanhoGravado ? 0 : LeCampo(novo, texto.offsetPosicao);
        if (const int codigo = ZTGravaBytesArq(descricoes, novos[i].data(), tamanho, tamanhoGravado, offset)) {
            return DeCodigo(codigo);
        }
        GravaCampo(novo, texto.offsetTamanho, tamanho);
        GravaCampo(novo, texto.offsetPosicao, offset);
    }
    return platform::S_OK;
}

// Steps 3 to 7 of the write: the record `novo` with the texts of `prop`, and the log entries in
// `lote`.
HRESULT GravaRegistro(IQDArqBind& bind, CZTArqEx& mestre, const QD_PROPRIEDADES_ARQ& antigo,
                      QD_PROPRIEDADES_ARQ novo, const QD_PROPRIEDADES_PS& prop, CQDBatchGravaLog& lote) {
    CQDArqBytes descricoes(bind, QD_ARQ_DOC_DESCRICAO);
    if (const int codigo = descricoes.Open('G', true, true)) return DeCodigo(codigo);
    Textos antigos;
    if (const int codigo = LeTextos(descricoes, antigo, antigos)) return DeCodigo(codigo);
    if (const HRESULT hr = AdicionaEntrada(lote, QD_OP_LOG_PROP_ALTERACAO_DE, antigo, antigos); platform::FAILED(hr)) {
        return hr;
    }
    Textos novos;
    if (const HRESULT hr = GravaTextos(descricoes, prop, novo, novos); platform::FAILED(hr)) return hr;
    if (const int codigo = descricoes.CloseEx()) return DeCodigo(codigo);

    if (const int codigo = mestre.WriteHeader(&novo, sizeof novo)) return DeCodigo(codigo);
    return AdicionaEntrada(lote, QD_OP_LOG_PROP_ALTERACAO_PARA, novo, novos);
}

}  // namespace

HRESULT QDLePropriedades(IQDArqBind& bind, QD_PROPRIEDADES_PS* pProp) {
    if (!pProp) return platform::E_POINTER;
    CQDArqBytes descricoes(bind, QD_ARQ_DOC_DESCRICAO);
    if (const int codigo = descricoes.Open('L', true, true)) return DeCodigo(codigo);
    CQDArqT<QD_PROPRIEDADES_ARQ> mestre(bind);
    QD_PROPRIEDADES_ARQ arq{};
    if (const int codigo = mestre.ReadOnce(mestre.GetCaminhoArquivo(), 0, &arq, sizeof arq)) return DeCodigo(codigo);
    Textos textos;
    if (const int codigo = LeTextos(descricoes, arq, textos)) return DeCodigo(codigo);

    QD_PROPRIEDADES_PS ps = *pProp;
    QDPropriedadesParaPS(arq, ps);
    bool faltouMemoria = false;
    for (std::size_t i = 0; i < kQtdTextos; ++i) {
        ps.*kTextos[i].pbs = platform::SysAllocStringFromAnsi(textos[i]);
        faltouMemoria = faltouMemoria || !(ps.*kTextos[i].pbs);
    }
    if (faltouMemoria) {
        for (const Texto& texto : kTextos) platform::SysFreeString(ps.*texto.pbs);
        return platform::E_OUTOFMEMORY;
    }
    *pProp = ps;
    return platform::S_OK;
}

HRESULT QDGravaPropriedades(IQDArqBind& bind, IZTQD_Srv& srv, const QD_PROPRIEDADES_PS& prop,
                            IQDConversaoConteudos* pConversao, std::optional<std::uint32_t> iProxNumeroLido) {
    CQDArqT<QD_PROPRIEDADES_ARQ> mestre(bind);
    if (const int codigo = mestre.Open('G', false, true)) return DeCodigo(codigo);
    QD_PROPRIEDADES_ARQ antigo{};
    if (const int codigo = mestre.ReadRecord(0, &antigo)) return DeCodigo(codigo);

    // Any non-zero byte means "encrypted": comparing the bytes would convert encrypted contents
    // a second time when a client sends another non-zero value.
    const bool bEncripta = prop.bUsaEncriptacao != 0;
    const bool bTroca = bEncripta != (antigo.bUsaEncriptacao != 0);
    if (bTroca) {
        if (!pConversao) return platform::E_UNEXPECTED;
        if (const HRESULT hr = pConversao->Converte(bEncripta); platform::FAILED(hr)) return hr;
    }

    CQDBatchGravaLog lote;
    const QD_PROPRIEDADES_ARQ novo = QDMesclaPropriedades(antigo, prop, iProxNumeroLido);
    const HRESULT hr = GravaRegistro(bind, mestre, antigo, novo, prop, lote);
    if (platform::FAILED(hr)) {
        if (!bTroca) return hr;
        const HRESULT desfeito = pConversao->Desfaz();
        return platform::FAILED(desfeito) ? desfeito : hr;
    }
    if (bTroca) pConversao->Confirma();
    (void)mestre.CloseEx();
    CLocalConexaoGedSrv local(&srv);
    return local.GravaLog(lote);
}

HRESULT QDGravaPropriedades(IQDArqBind& bind, IZTQD_Srv& srv, const QD_PROPRIEDADES_PS& prop, CCrypto* pCrypto,
                            std::optional<std::uint32_t> iProxNumeroLido) {
    const CZTString diretorio = bind.GetDiretorio();
    std::optional<CQDConversaoEncriptacao> conversao;
    if (pCrypto) conversao.emplace(diretorio, *pCrypto);
    return QDGravaPropriedades(bind, srv, prop, conversao ? &*conversao : nullptr, iProxNumeroLido);
}

HRESULT QDGetProximoNrLocalizacao(IQDArqBind& bind, std::uint32_t* pProx) {
    if (!pProx) return platform::E_POINTER;
    CQDArqT<QD_PROPRIEDADES_ARQ> mestre(bind);
    if (const int codigo = mestre.Open('G', false, true)) return DeCodigo(codigo);
    QD_PROPRIEDADES_ARQ arq{};
    if (const int codigo = mestre.ReadRecord(0, &arq)) return DeCodigo(codigo);
    const std::uint32_t proximo = arq.iProxNumeroDoc;
    arq.iProxNumeroDoc = proximo + 1;
    if (const int codigo = mestre.WriteHeader(&arq, sizeof arq)) return DeCodigo(codigo);
    if (const int codigo = mestre.CloseEx()) return DeCodigo(codigo);
    *pProx = proximo;
    return platform::S_OK;
}
