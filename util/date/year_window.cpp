#include "util/date/year_window.h"

#include "util/time/clock.h"

namespace {

// The window's first year lies this far back; its hundred years then run to 19 years ahead.
constexpr int kAnosAntes = 80;

// The year of the window's hundred that ends in the two digits.
int AnoDaJanela(int doisDigitos, int anoCorrente) {
    const int primeiro = anoCorrente - kAnosAntes;
    return primeiro + ((doisDigitos - primeiro) % 100 + 100) % 100;
}

}  // namespace

int ZTJanelaAno(int ano) {
    if (ano < 0 || ano >= 100) return ano;
    return AnoDaJanela(ano, GetCurrentTime_LocalTime().wAno);
}
