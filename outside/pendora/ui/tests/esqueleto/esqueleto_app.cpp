#include "outside/pendora/ui/tests/esqueleto/esqueleto_app.h"

#include "framework/application/zt_fc_parametros.h"
#include "outside/pendora/ui/qd_main_frame.h"
#include "outside/pendora/ui/tests/esqueleto/esqueleto_documento.h"
#include "outside/pendora/ui/tests/esqueleto/esqueleto_frame.h"
#include "outside/pendora/ui/tests/esqueleto/esqueleto_recursos.h"
#include "platform/ui/document/single_doc_template.h"

namespace esqueleto {

AppEsqueleto::AppEsqueleto() { SetTitulo("Kelvo GED - Esqueleto"); }

platform::BOOL AppEsqueleto::InitInstance() {
    CQDCommonApp::InitInstance();
    RegistraRecursos();
    // The panes come from the frame's layout, so the template makes no view of its own.
    AddDocTemplate(new platform::ui::SingleDocTemplate(
        IDR_MAINFRAME, "Esqueleto\n\nEsqueleto\n\n\nEsqueleto.Document\nEsqueleto Document",
        [] { return new DocumentoTipos; }, [] { return new FrameEsqueleto; }, nullptr));
    CZTFCParametros parametros;
    ProcessaLinhaComando(parametros);
    return ProcessShellCommand(parametros);
}

}  // namespace esqueleto
