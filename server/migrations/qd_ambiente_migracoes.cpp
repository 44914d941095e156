#include "server/migrations/qd_ambiente_migracoes.h"

namespace {

QDAmbienteMigracoes& Instalado() {
    static QDAmbienteMigracoes ambiente;
    return ambiente;
}

}  // namespace

QDAmbienteMigracoes QDDefineAmbienteMigracoes(const QDAmbienteMigracoes& ambiente) {
    const QDAmbienteMigracoes anterior = Instalado();
    Instalado() = ambiente;
    return anterior;
}

QDAmbienteMigracoes QDAmbienteMigracoesAtual() { return Instalado(); }
