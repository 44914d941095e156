#include "util/number/weekday.h"

#include "util/date/date_parse.h"
#include "util/date/day_number.h"
#include "util/time/day_counts.h"
#include "util/time/short_date_text.h"

#include <limits>

namespace {

constexpr int kLetrasAbreviadas = 3;

// The dd/mm/yyyy text of the value into `texto`; false when the value has no text of its
// numbering (then nothing is to be checked and the value counts as bad text).
bool TextoDoValor(std::uint32_t valor, bool dias1850, char (&texto)[ZT_TEXTO_DATA_CURTA]) {
    texto[0] = '\0';
    if (dias1850) {
        if (valor > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())) return false;
        ZTDias1850ParaTexto(static_cast<std::int32_t>(valor), texto);
        return true;
    }
    // Cutting a wider value to 16 bits would name some unrelated day.
    if (valor > std::numeric_limits<std::uint16_t>::max()) return false;
    ZTDataParaTexto(static_cast<std::uint16_t>(valor), texto, true);
    return true;
}

}  // namespace

std::uint16_t ZTDiaDaSemana(std::uint32_t valor, bool dias1850) {
    char texto[ZT_TEXTO_DATA_CURTA];
    if (!TextoDoValor(valor, dias1850, texto)) return ZT_DIA_SEMANA_TEXTO_INVALIDO;
    int dia = 0, mes = 0, ano = 0;
    if (!ZTLeTextoDataEstados(texto, &dia, &mes, &ano, false)) return ZT_DIA_SEMANA_TEXTO_INVALIDO;

    const std::uint32_t numero = ZTCalculaDiaNumero(dia, mes, ano);
    if (numero == 0) return ZT_DIA_SEMANA_SEM_CALENDARIO;
    return static_cast<std::uint16_t>(ZTDiaSemana(numero));
}

CZTString ZTNomeDiaDaSemana(std::uint32_t valor, bool abrevia, bool dias1850) {
    const CZTString nome(ZTNomeDiaSemana(ZTDiaDaSemana(valor, dias1850)));
    if (!abrevia) return nome;
    return nome.Left(kLetrasAbreviadas);
}
