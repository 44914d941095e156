#include "util/date/date_format.h"

#include "util/date/day_number.h"

#include <cstdio>

namespace {

char* Vazio(char* buffer, int tamanho) {
    if (buffer && tamanho > 0) buffer[0] = '\0';
    return buffer;
}

bool AnoFormatavel(int ano) { return (ano >= 0 && ano <= 100) || (ano >= ZT_ANO_MINIMO && ano <= ZT_ANO_MAXIMO); }

// A two-digit type shows the century only when asked to and the window could not restore it (a
// year below 100 is never what the window reads, so the clock need not be asked about it).
bool MostraSeculo(int ano, bool quatroDigitos) {
    if (!quatroDigitos) return false;
    return ano < 100 || ZTJanelaAno(ano % 100) != ano;
}

// A text that snprintf had to cut would be a wrong date: refuse it instead.
char* Confere(char* buffer, int tamanho, int escritos) {
    if (escritos < 0 || escritos >= tamanho) return Vazio(buffer, tamanho);
    return buffer;
}

int TipoMesAno(int tipo) {
    switch (tipo) {
    case 0: case 2: case 6: return 6;
    case 1: case 3: case 7: return 7;
    case 4: case 8: return 8;
    case 5: case 9: return 9;
    default: return -1;
    }
}

}  // namespace

char* ZTFormataDataTipo(int dia, int mes, int ano, char* buffer, int tamanho, int tipo, char separador,
                        bool quatroDigitos) {
    if (tipo >= 6 && tipo <= 9) return ZTFormataMesAnoTipo(mes, ano, buffer, tamanho, tipo, separador, quatroDigitos);
    if (!buffer || tamanho <= 0) return buffer;
    if (tipo < 0 || tipo > 5) return Vazio(buffer, tamanho);
    const bool anoLongo = tipo == 1 || tipo == 3 || tipo == 5;
    if (tamanho < (anoLongo ? 11 : 9)) return Vazio(buffer, tamanho);
    if (dia < 0 || dia > 31 || mes < 0 || mes > 12 || !AnoFormatavel(ano)) return Vazio(buffer, tamanho);

    const char sep[2] = {separador, '\0'};
    const size_t n = static_cast<size_t>(tamanho);
    const bool quatro = anoLongo || MostraSeculo(ano, quatroDigitos);
    const int a = quatro ? ano : ano % 100;
    int escritos = -1;
    switch (tipo) {
    case 0: case 1:
        escritos = quatro ? std::snprintf(buffer, n, "%02d%s%02d%s%04d", dia, sep, mes, sep, a)
                          : std::snprintf(buffer, n, "%02d%s%02d%s%02d", dia, sep, mes, sep, a);
        break;
    case 2: case 3:
        escritos = quatro ? std::snprintf(buffer, n, "%02d%s%02d%s%04d", mes, sep, dia, sep, a)
                          : std::snprintf(buffer, n, "%02d%s%02d%s%02d", mes, sep, dia, sep, a);
        break;
    default:
        escritos = quatro ? std::snprintf(buffer, n, "%04d%s%02d%s%02d", a, sep, mes, sep, dia)
                          : std::snprintf(buffer, n, "%02d%s%02d%s%02d", a, sep, mes, sep, dia);
        break;
    }
    return Confere(buffer, tamanho, escritos);
}

char* ZTFormataMesAnoTipo(int mes, int ano, char* buffer, int tamanho, int tipo, char separador,
                          bool quatroDigitos) {
    if (!buffer || tamanho <= 0) return buffer;
    tipo = TipoMesAno(tipo);
    if (tipo < 0) return Vazio(buffer, tamanho);
    const bool anoLongo = tipo == 7 || tipo == 9;
    if (tamanho < (anoLongo ? 8 : 6)) return Vazio(buffer, tamanho);
    if (mes < 0 || mes > 12 || !AnoFormatavel(ano)) return Vazio(buffer, tamanho);

    const char sep[2] = {separador, '\0'};
    const size_t n = static_cast<size_t>(tamanho);
    const bool quatro = anoLongo || MostraSeculo(ano, quatroDigitos);
    const int a = quatro ? ano : ano % 100;
    int escritos = -1;
    if (tipo == 6 || tipo == 7) {
        escritos = quatro ? std::snprintf(buffer, n, "%02d%s%04d", mes, sep, a)
                          : std::snprintf(buffer, n, "%02d%s%02d", mes, sep, a);
    } else {
        escritos = quatro ? std::snprintf(buffer, n, "%04d%s%02d", a, sep, mes)
                          : std::snprintf(buffer, n, "%02d%s%02d", a, sep, mes);
    }
    return Confere(buffer, tamanho, escritos);
}
