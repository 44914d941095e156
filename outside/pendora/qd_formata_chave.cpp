#include "outside/pendora/qd_formata_chave.h"

#include "util/key/zt_chave_mes_ano.h"
#include "util/time/clock.h"

#include <algorithm>
#include <array>

CZTString QDFormataChave(CConexaoPlano& /*plano*/, QD_E_PROCESSO /*eProc*/, std::uint32_t lChave) {
    // The reading gives 0 for whatever is no month/key text, so 0 itself must not count as read back.
    CZTString texto = ZTChaveMesAnoParaTexto(lChave);
    if (lChave != 0 && ZTTextoChaveParaChaveMesAno(texto) == lChave) return texto;
    return CZTString::Formata("%u", static_cast<unsigned>(lChave));
}

namespace {

// The answers for the month parts, by 12-bit month part, for one current year.
struct MesesDoAno {
    struct Mes {
        bool bVisto = false;
        bool bFormaMesChave = false;  // its keys take the month/key form
        char mmaa[4] = {};
    };
    int nAno = 0;
    std::array<Mes, 4096> meses{};
};

MesesDoAno& Meses(int ano) {
    static MesesDoAno meses;
    if (meses.nAno != ano) meses = MesesDoAno{ano, {}};
    return meses;
}

int AnoCorrente() { return GetCurrentTime_LocalTime().wAno; }

// `numero` in decimal with at least `digitos` digits, zeros in front.
void AcrescentaDecimal(std::uint32_t numero, int digitos, std::string& texto) {
    char algarismos[10];
    int n = 0;
    do {
        algarismos[n++] = static_cast<char>('0' + numero % 10);
        numero /= 10;
    } while (numero != 0);
    for (int i = n; i < digitos; ++i) texto += '0';
    while (n > 0) texto += algarismos[--n];
}

}  // namespace

void CQDFormatadorChaves::Acrescenta(QD_E_PROCESSO eProc, std::uint32_t lChave, std::string& texto) {
    const std::uint32_t chave = ZTGetChaveDaChaveMesAno(lChave);
    if (chave == 0) return AcrescentaDecimal(lChave, 1, texto);
    if (m_nAno == 0) m_nAno = AnoCorrente();
    MesesDoAno::Mes& mes = Meses(m_nAno).meses[ZTGetMesAnoDaChaveMesAno(lChave)];
    if (!mes.bVisto) {
        const CZTString formatada = QDFormataChave(m_plano, eProc, lChave);
        if (AnoCorrente() != m_nAno) {
            texto += formatada.view();  // worked out across the turn of a year: used, never kept
            return;
        }
        const CZTString forma = ZTChaveMesAnoParaTexto(lChave);
        mes.bVisto = true;
        mes.bFormaMesChave = formatada == forma;
        std::copy_n(forma.GetString(), sizeof mes.mmaa, mes.mmaa);
    }
    if (!mes.bFormaMesChave) return AcrescentaDecimal(lChave, 1, texto);
    texto.append(mes.mmaa, sizeof mes.mmaa);
    texto += '-';
    AcrescentaDecimal(chave, 6, texto);
}
