#include "server/record_file/zt_arq_causas.h"

#include "server/record_file/record_file_codes.h"

#include <span>

namespace {

using Causa = platform::FileException::Cause;

struct CausaCodigo {
    Causa causa;
    int codigo;
    bool soNaUltima;  // before the last attempt the cause is retried
};

constexpr CausaCodigo kAbertura[] = {
    {platform::FileException::badPath, ZT_ERR_ARQ_CAMINHO, false},
    {platform::FileException::invalidFile, ZT_ERR_ARQ_INVALIDO, false},
    {platform::FileException::directoryFull, ZT_ERR_ARQ_PASTA_CHEIA, false},
    {platform::FileException::tooManyOpenFiles, ZT_ERR_ARQ_ABERTOS_DEMAIS, true},
    {platform::FileException::accessDenied, ZT_ERR_ARQ_ACESSO_NEGADO, true},
    {platform::FileException::sharingViolation, ZT_ERR_ARQ_COMPARTILHAMENTO, true},
    {platform::FileException::lockViolation, ZT_ERR_ARQ_BLOQUEIO, true},
    {platform::FileException::diskFull, ZT_ERR_ARQ_DISCO_CHEIO, true},
};

constexpr CausaCodigo kLeitura[] = {
    {platform::FileException::endOfFile, ZT_ERR_ARQ_FIM, false},
    {platform::FileException::badSeek, ZT_ERR_ARQ_POSICIONAMENTO, false},
    {platform::FileException::hardIO, ZT_ERR_ARQ_ES_DISCO, false},
    {platform::FileException::accessDenied, ZT_ERR_ARQ_ACESSO_NEGADO, false},
    {platform::FileException::invalidFile, ZT_ERR_ARQ_INVALIDO, false},
    {platform::FileException::sharingViolation, ZT_ERR_ARQ_COMPARTILHAMENTO, false},
    {platform::FileException::lockViolation, ZT_ERR_ARQ_BLOQUEIO, false},
};

constexpr CausaCodigo kGravacao[] = {
    {platform::FileException::badSeek, ZT_ERR_ARQ_POSICIONAMENTO, false},
    {platform::FileException::hardIO, ZT_ERR_ARQ_ES_DISCO, false},
    {platform::FileException::fileNotFound, ZT_ERR_ARQ_NAO_ENCONTRADO, false},
    {platform::FileException::badPath, ZT_ERR_ARQ_CAMINHO, false},
    {platform::FileException::invalidFile, ZT_ERR_ARQ_INVALIDO, false},
    {platform::FileException::accessDenied, ZT_ERR_ARQ_ACESSO_NEGADO, true},
    {platform::FileException::sharingViolation, ZT_ERR_ARQ_COMPARTILHAMENTO, true},
    {platform::FileException::lockViolation, ZT_ERR_ARQ_BLOQUEIO, true},
    {platform::FileException::diskFull, ZT_ERR_ARQ_DISCO_CHEIO, true},
};

constexpr CausaCodigo kFechamento[] = {
    {platform::FileException::hardIO, ZT_ERR_ARQ_ES_DISCO, false},
    {platform::FileException::accessDenied, ZT_ERR_ARQ_ACESSO_NEGADO, false},
    {platform::FileException::invalidFile, ZT_ERR_ARQ_INVALIDO, false},
    {platform::FileException::sharingViolation, ZT_ERR_ARQ_COMPARTILHAMENTO, false},
    {platform::FileException::lockViolation, ZT_ERR_ARQ_BLOQUEIO, false},
};

// What `operacao` answers for a cause missing from its table: retried operations try again,
// the others give the catch-all code.
struct Tabela {
    std::span<const CausaCodigo> linhas;
    int semLinha;
};

Tabela TabelaDe(ZTOperacaoArq operacao) {
    switch (operacao) {
        case ZTOperacaoArq::Abertura: return {kAbertura, 0};
        case ZTOperacaoArq::Leitura: return {kLeitura, ZT_ERR_ARQ_OUTRO};
        case ZTOperacaoArq::Gravacao: return {kGravacao, 0};
        case ZTOperacaoArq::Fechamento: return {kFechamento, ZT_ERR_ARQ_OUTRO};
    }
    return {{}, ZT_ERR_ARQ_OUTRO};
}

}  // namespace

int ZTCodigoCausaArq(ZTOperacaoArq operacao, Causa causa, bool ultimaTentativa, bool somenteLeitura) {
    const Tabela tabela = TabelaDe(operacao);
    for (const CausaCodigo& linha : tabela.linhas) {
        if (linha.causa != causa) continue;
        if (linha.soNaUltima && !ultimaTentativa) return 0;
        const bool negadoSomenteLeitura = operacao == ZTOperacaoArq::Abertura &&
                                          causa == platform::FileException::accessDenied && somenteLeitura;
        return negadoSomenteLeitura ? ZT_ERR_ARQ_SOMENTE_LEITURA : linha.codigo;
    }
    return tabela.semLinha;
}
