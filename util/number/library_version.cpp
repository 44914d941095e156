#include "util/number/library_version.h"

namespace {

constexpr int kVersaoMaior = 5;
constexpr int kVersaoMenor = 27;

}  // namespace

int ZTVersaoBiblioteca() { return kVersaoMaior * 100 + kVersaoMenor; }

CZTString ZTVersaoBibliotecaTexto() { return CZTString::Formata("%d.%02d", kVersaoMaior, kVersaoMenor); }
