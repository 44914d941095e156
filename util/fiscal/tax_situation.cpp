#include "util/fiscal/tax_situation.h"

#include "util/fiscal/fiscal_messages.h"
#include "util/text/zt_string.h"

namespace {

// The codes of one operation kind and the messages for a code not allowed and an empty one.
struct TipoOperacao {
    char tipo;
    const char* codigos[7];
    int mensagemInvalido;
    int mensagemVazio;
};

constexpr TipoOperacao kTipos[] = {
    {'E', {"00", "01", "02", "03", "04", "05", "49"}, ZT_MSG_SITUACAO_ENTRADA_INVALIDA, ZT_MSG_SITUACAO_ENTRADA_VAZIA},
    {'S', {"50", "51", "52", "53", "54", "55", "99"}, ZT_MSG_SITUACAO_SAIDA_INVALIDA, ZT_MSG_SITUACAO_SAIDA_VAZIA},
};

constexpr const char* kSemTributacao[] = {
    "040", "041", "050", "051", "090", "140", "141", "150", "151", "190", "240", "241", "250", "251", "290",
};

template <typename Lista>
bool ConstaNaLista(const CZTString& codigo, const Lista& lista) {
    for (const char* item : lista) {
        if (codigo.CompareNoCase(item) == 0) return true;
    }
    return false;
}

}  // namespace

int ZTValidaSituacaoTributaria(const char* szCodigo, char cTipo, int* pMensagem) {
    for (const TipoOperacao& tipo : kTipos) {
        if (tipo.tipo != cTipo) continue;
        const CZTString codigo(szCodigo);
        if (codigo.IsEmpty()) return fiscal::Informa(tipo.mensagemVazio, pMensagem);
        return fiscal::Informa(ConstaNaLista(codigo, tipo.codigos) ? 0 : tipo.mensagemInvalido, pMensagem);
    }
    return 0;
}

bool ZTSituacaoSemTributacao(const char* szCodigo) {
    const CZTString codigo(szCodigo);
    return !codigo.IsEmpty() && ConstaNaLista(codigo, kSemTributacao);
}
