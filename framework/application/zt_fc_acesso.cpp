#include "framework/application/zt_fc_acesso.h"

#include "framework/application/zt_kelvo_app.h"

CZTFCApp* ZTGetApp() { return dynamic_cast<CZTFCApp*>(platform::ui::AfxGetApp()); }

platform::ui::Wnd* ZTGetMainWnd() { return platform::ui::AfxGetMainWnd(); }

CZTFCUsuario* ZTGetUsuarioApp() {
    const CZTFCApp* app = ZTGetApp();
    return app ? app->GetUsuario() : nullptr;
}

CZTKelvoAppInfo* ZTGetAppInfo() {
    const auto* app = dynamic_cast<CZTKelvoApp*>(ZTGetApp());
    return app ? app->GetAppInfo() : nullptr;
}

bool ZTTemEmpresa() {
    const CZTKelvoAppInfo* appInfo = ZTGetAppInfo();
    return appInfo && appInfo->TemEmpresa();
}
