#include "outside/empral/ui/zt_escolha_empresa_janela.h"

#include "outside/empral/ui/zt_dlg_escolha_empresa.h"
#include "outside/empral/zt_emp.h"
#include "platform/interaction.h"
#include "platform/ui/resource/resources.h"

bool CZTEscolhaEmpresaJanela::Escolhe(const ZT_PEDIDO_ESCOLHA&, const CZTCatalogoEmpresas& catalogo,
                                      ZT_ESCOLHA_EMPRESA& escolha) {
    CZTDlgEscolhaEmpresa dialogo(catalogo);
    if (dialogo.DoModal() != platform::IDOK) return false;
    escolha = dialogo.GetEscolha();
    return true;
}

IZTEscolhaEmpresa* ZTInstalaEscolhaEmpresaJanela() {
    static CZTEscolhaEmpresaJanela janela;
    if (!platform::ui::LoadDialogTemplate(IDD_ZTESCOLHA_EMPRESA)) {
        platform::ui::RegisterDialog(platform::GetModuleHandle(nullptr), IDD_ZTESCOLHA_EMPRESA, ZTModeloEscolhaEmpresa());
    }
    return CZTEmp::SetEscolhaEmpresa(&janela);
}
