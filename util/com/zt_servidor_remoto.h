// What the registration says about a class's server: its machine and its class id as text.
//
// Reads the classes root of the registry store (platform/com/class_registry.h). Safe from any
// thread.
#pragma once

#include "platform/com/guid.h"
#include "util/text/zt_string.h"

// The machine named by the class's application registration ("RemoteServerName" of
// "AppID\<the class's AppID>"); empty when the class, its AppID or the name is missing, or a
// value is longer than its buffer (64 characters for the AppID, 256 for the name).
[[nodiscard]] CZTString ZTGetServidorRemoto(const platform::CLSID& clsid);

// The braced registry form of a class id ("{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}").
[[nodiscard]] CZTString ZTConverteCLSIDParaTexto(const platform::CLSID& clsid);
