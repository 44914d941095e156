#include "util/com/zt_filtro_mensagens.h"

#include <memory>

namespace {

thread_local std::unique_ptr<CZTFiltroMensagensOle> filtroDaThread;

}  // namespace

void ZTInstalaFiltroMensagens() { filtroDaThread = std::make_unique<CZTFiltroMensagensOle>(); }

CZTFiltroMensagensOle* ZTGetFiltroMensagens() { return filtroDaThread.get(); }
