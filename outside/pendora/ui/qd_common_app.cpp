#include "outside/pendora/ui/qd_common_app.h"

#include "outside/pendora/ui/roteiro/roteiro_teste.h"
#include "util/com/zt_filtro_mensagens.h"

namespace {

// The suite's registry key, under which every program's profile lives.
constexpr char kChaveSuite[] = "Quorvel";

}  // namespace

platform::BOOL CQDCommonApp::InitInstance() {
    kelvo::roteiro::IniciaRoteiroTeste();
    if (!CZTKelvoApp::InitInstance()) return platform::FALSE;
    SetChaveRegistro(kChaveSuite);
    ZTInstalaFiltroMensagens();
    return platform::TRUE;
}

int CQDCommonApp::ExitInstance() { return kelvo::roteiro::FinalizaRoteiroTeste(CZTKelvoApp::ExitInstance()); }
