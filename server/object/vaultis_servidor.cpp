#include "server/object/vaultis_servidor.h"

#include "platform/com/proxy_stub.h"
#include "platform/file/idle_descriptors.h"
#include "server/idl/guids.h"
#include "server/idl/marshalling.h"
#include "server/object/zt_qd_srv_fabrica.h"

platform::HRESULT QDServeVaultis(const platform::com::LocalServerOptions& opcoes) {
    platform::com::RegisterStubFactory(IID_IZTQD_Srv, &server::idl::CreateZTQD_SrvStub);
    platform::DWORD cookie = 0;
    const platform::HRESULT registro = QDRegistraClasseZTQD_Srv(&cookie);
    if (platform::FAILED(registro)) return registro;
    // Every call opens and closes its record files: between calls they stay open while nobody
    // else asks for them.
    (void)platform::StartKeepingIdleDescriptors();
    const platform::HRESULT hr = platform::com::RunLocalServer(opcoes);
    platform::StopKeepingIdleDescriptors();
    (void)platform::CoRevokeClassObject(cookie);
    return hr;
}
