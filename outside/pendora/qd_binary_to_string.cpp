#include "outside/pendora/qd_binary_to_string.h"

#include "outside/pendora/qd_campo_tipo_dado.h"
#include "outside/pendora/qd_campo_valor.h"
#include "outside/pendora/qd_texto_log.h"
#include "util/money/money_text.h"
#include "util/time/short_date.h"

#include <cstdlib>
#include <string>

namespace {

constexpr int kMinutosPorDia = 24 * 60;

// `valor` counted in units of 10^-casas: '.' between thousands, ',' before the decimals.
CZTString Decimal(std::int64_t valor, int casas) {
    const bool negativo = valor < 0;
    // The magnitude as unsigned, so that the most negative count has one too.
    std::uint64_t resto = negativo ? 0 - static_cast<std::uint64_t>(valor) : static_cast<std::uint64_t>(valor);
    std::string decimais;
    for (int i = 0; i < casas; ++i) {
        decimais.insert(decimais.begin(), static_cast<char>('0' + resto % 10));
        resto /= 10;
    }
    std::string inteiro = std::to_string(resto);
    for (int i = static_cast<int>(inteiro.size()) - 3; i > 0; i -= 3) inteiro.insert(static_cast<std::size_t>(i), 1, '.');
    std::string texto = (negativo ? "-" : "") + inteiro;
    if (casas > 0) texto += "," + decimais;
    return CZTString(std::move(texto));
}

CZTString Data(std::uint16_t numero) {
    int dia = 0, mes = 0, ano = 0;
    ZTDesmontaData(numero, dia, mes, ano);
    return dia == 0 ? CZTString() : CZTString::Formata("%02d/%02d/%04d", dia, mes, ano);
}

CZTString MesAno(std::uint16_t numero) {
    int mes = 0, ano = 0;
    ZTDesmontaMesAno(numero, mes, ano);
    return mes == 0 ? CZTString() : CZTString::Formata("%02d/%04d", mes, ano);
}

CZTString Hora(std::uint16_t minutos) {
    if (minutos >= kMinutosPorDia) return CZTString::Formata("%u", minutos);
    return CZTString::Formata("%02u:%02u", minutos / 60u, minutos % 60u);
}

CZTString Numerico(const QD_VALOR_CAMPO& valor, int subtipo, CQDContextoBinaryToString& contexto) {
    switch (subtipo) {
        case QD_SUBTIPO_CODIGO:
        case QD_SUBTIPO_NUMERO:
            return CZTString::Formata("%u", QDLeCampoDWord(valor));
        case QD_SUBTIPO_INTEIRO:
            return Decimal(QDLeCampoLong(valor), 0);
        case QD_SUBTIPO_CENTESIMOS:
            return Decimal(QDLeCampoLong(valor), 2);
        case QD_SUBTIPO_DECIMILESIMOS:
            return Decimal(QDLeCampoLong(valor), 4);
        case QD_SUBTIPO_FILIAL: {
            const std::uint16_t filial = QDLeCampoWord(valor);
            const CZTString nome = filial == 0 ? CZTString() : contexto.GetNomeFilial(filial);
            return nome.IsEmpty() ? CZTString::Formata("%u", filial) : CZTString::Formata("%u - %s", filial, nome.GetString());
        }
        default:
            return CZTString::Formata("%u", QDLeCampoWord(valor));
    }
}

}  // namespace

CQDContextoBinaryToString::CQDContextoBinaryToString() {
    m_filial.SetTrataErros(false);
    m_filial.SetTratarMensagens(false);
}

platform::HRESULT CQDContextoBinaryToString::Inicializa(const char* szEmpresa, std::uint16_t iUsuario,
                                                        std::int32_t lNumeroSessao) {
    m_nomes.clear();
    return m_filial.Inicializa(szEmpresa, iUsuario, lNumeroSessao);
}

CZTString CQDContextoBinaryToString::GetNomeFilial(std::uint16_t iFilial) {
    if (const auto achado = m_nomes.find(iFilial); achado != m_nomes.end()) return achado->second;
    CZTString nome;
    if (platform::FAILED(m_filial.GetNome(iFilial, nome))) nome.Empty();
    m_nomes.emplace(iFilial, nome);
    return nome;
}

CZTString QDBinaryDataToString(const std::uint8_t (&BinaryData)[60], QD_E_CAMPO_DOC id, CQDContextoBinaryToString& contexto) {
    switch (QDGetCampoDataType(id)) {
        case QD_TIPO_DADO_TEXTO: {
            const std::string_view texto = QDLeCampoTexto(BinaryData);
            return pendora::detail::TextoDoCampoLog(texto.data(), texto.size());
        }
        case QD_TIPO_DADO_DATA:
            return Data(QDLeCampoWord(BinaryData));
        case QD_TIPO_DADO_MES_ANO:
            return MesAno(QDLeCampoWord(BinaryData));
        case QD_TIPO_DADO_MOEDA: {
            const CY valor = QDLeCampoMoeda(BinaryData);
            if (QDGetSpecificDataType(id) == QD_CASAS_V8) return Decimal(valor.int64, QD_CASAS_V8);
            return ZTFormataCy(valor, 2);
        }
        case QD_TIPO_DADO_NUMERICO:
            return Numerico(BinaryData, QDGetSpecificDataType(id), contexto);
        case QD_TIPO_DADO_HORA:
            return Hora(QDLeCampoWord(BinaryData));
        case QD_TIPO_DADO_DESCONHECIDO:
            break;
    }
    return {};
}
