#include "util/com/zt_seguranca_com.h"

using namespace platform;

HRESULT ZTInicializaSegurancaCOM() { return S_OK; }

HRESULT ZTDefineSegurancaProxy(IUnknown* pInterface) { return pInterface ? S_OK : E_INVALIDARG; }
