#include "util/com/zt_servidor_remoto.h"

#include "platform/com/class_registry.h"

using namespace platform;

namespace {

// The buffers of the registration reads, in characters, terminating zero included.
constexpr DWORD kAppIdChars = 64;
constexpr DWORD kMachineChars = 256;

}  // namespace

CZTString ZTGetServidorRemoto(const CLSID& clsid) {
    String appId;
    if (com::ReadClassAppId(clsid, appId, kAppIdChars) != ERROR_SUCCESS) return {};
    String machine;
    if (com::ReadAppIdRemoteServerName(appId, machine, kMachineChars) != ERROR_SUCCESS) return {};
    return machine;
}

CZTString ZTConverteCLSIDParaTexto(const CLSID& clsid) { return CZTString(GuidToString(clsid).c_str()); }
