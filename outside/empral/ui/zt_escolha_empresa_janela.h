// The company dialog as CZTEmp's chooser, for programs with a window layer. Nothing installs it
// by itself: a program's start-up calls ZTInstalaEscolhaEmpresaJanela once its application
// object exists. User-interface thread.
#pragma once

#include "outside/empral/zt_escolha_empresa.h"

// Shows the company dialog (over the main window) for each choice.
class CZTEscolhaEmpresaJanela final : public IZTEscolhaEmpresa {
public:
    // True with `escolha` filled when the user pressed OK; false when cancelled.
    bool Escolhe(const ZT_PEDIDO_ESCOLHA& pedido, const CZTCatalogoEmpresas& catalogo,
                 ZT_ESCOLHA_EMPRESA& escolha) override;
};

// Registers the dialog's template in the program's module (once) and makes the dialog the
// process's chooser (CZTEmp::SetEscolhaEmpresa); the chooser it replaces.
IZTEscolhaEmpresa* ZTInstalaEscolhaEmpresaJanela();
