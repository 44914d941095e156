#include "outside/pendora/ui/tests/esqueleto/esqueleto_frame.h"

#include "framework/status/zt_status_bar_ids.h"
#include "outside/pendora/ui/tests/esqueleto/esqueleto_views.h"
#include "platform/ui/tests/support/screenshot.h"

#include <QWidget>

#include <cstdio>
#include <vector>

namespace esqueleto {

FrameEsqueleto::FrameEsqueleto() {
    SetGravaSplitters(1);
    GetStatusBar()->SetPaineis(ZTSTATUS_PAINEIS_PADRAO | ZTSTATUS_PAINEL_USUARIO);
    MapCommand(ID_CAPTURA, [this] { Captura(); });
}

platform::BOOL FrameEsqueleto::OnCreateClient(platform::ui::CreateContext* contexto) {
    const std::vector<ZTFC_CLASSE_VIEW> classes{[] { return new ArvoreTipos; }, [] { return new ListaTipos; },
                                                [] { return new FormularioTipo; }};
    const std::vector<platform::ui::Size> tamanhos{{180, 100}, {100, 220}, {100, 100}};
    return CriaPaineis(ZTFC_LAYOUT_ARVORE_LISTA_FORM, classes, tamanhos, contexto);
}

void FrameEsqueleto::Captura() {
    // The window keeps its size: the picture is taken at the size it shows.
    QWidget& janela = *GetWidget();
    if (!kelvo::testing::SaveScreenshot(janela, "esqueleto", "janela", janela.size())) std::fprintf(stderr, "screenshot failed\n");
}

}  // namespace esqueleto
