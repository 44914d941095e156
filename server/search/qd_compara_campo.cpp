#include "server/search/qd_compara_campo.h"

#include "outside/pendora/qd_campo_tipo_dado.h"
#include "outside/pendora/qd_token_mngr.h"
#include "server/search/qd_docs_pontuados.h"
#include "util/money/cy_operators.h"
#include "util/time/short_date.h"

namespace {

template <class T>
bool Entre(T valor, T inferior, T superior) {
    return inferior <= valor && valor <= superior;
}

bool EntreWords(const QD_VALOR_CAMPO& v, const QD_VALOR_CAMPO& i, const QD_VALOR_CAMPO& s) {
    return Entre(QDLeCampoWord(v), QDLeCampoWord(i), QDLeCampoWord(s));
}

bool EntreDatas(const QD_VALOR_CAMPO& v, const QD_VALOR_CAMPO& i, const QD_VALOR_CAMPO& s) {
    const auto dia = [](const QD_VALOR_CAMPO& campo) { return ZTDataCurtaParaDiaNumero(QDLeCampoWord(campo)); };
    return Entre(dia(v), dia(i), dia(s));
}

bool ComparaMoeda(const QD_VALOR_CAMPO& v, const QD_VALOR_CAMPO& i, const QD_VALOR_CAMPO& s) {
    const CY valor = QDLeCampoMoeda(v);
    return !ZTCyMenor(valor, QDLeCampoMoeda(i)) && !ZTCyMaior(valor, QDLeCampoMoeda(s));
}

bool ComparaNumero(int subtipo, const QD_VALOR_CAMPO& v, const QD_VALOR_CAMPO& i, const QD_VALOR_CAMPO& s) {
    switch (subtipo) {
        case QD_SUBTIPO_CODIGO:
        case QD_SUBTIPO_NUMERO:
            return Entre(QDLeCampoDWord(v), QDLeCampoDWord(i), QDLeCampoDWord(s));
        case QD_SUBTIPO_INTEIRO:
        case QD_SUBTIPO_CENTESIMOS:
        case QD_SUBTIPO_DECIMILESIMOS:
            return Entre(QDLeCampoLong(v), QDLeCampoLong(i), QDLeCampoLong(s));
        case QD_SUBTIPO_FILIAL:
        case 6:
        case 7:
        case 8:
            return EntreWords(v, i, s);
        default:
            return true;
    }
}

}  // namespace

bool QDComparaValorCampo(QD_E_CAMPO_DOC id, const QD_VALOR_CAMPO& valor, const QD_VALOR_CAMPO& inferior,
                         const QD_VALOR_CAMPO& superior, CQDTokenMngr* texto, int& pontos) {
    bool combina = true;
    switch (QDGetCampoDataType(id)) {
        case QD_TIPO_DADO_TEXTO:
            return texto && texto->FazFiltroTexto(QDLeCampoTexto(valor), pontos);
        case QD_TIPO_DADO_DATA:
            combina = EntreDatas(valor, inferior, superior);
            break;
        case QD_TIPO_DADO_MES_ANO:
        case QD_TIPO_DADO_HORA:
            combina = EntreWords(valor, inferior, superior);
            break;
        case QD_TIPO_DADO_MOEDA:
            combina = ComparaMoeda(valor, inferior, superior);
            break;
        case QD_TIPO_DADO_NUMERICO:
            combina = ComparaNumero(QDGetSpecificDataType(id), valor, inferior, superior);
            break;
        default:
            break;
    }
    if (combina) QDSomaPontos(pontos, 1);
    return combina;
}
