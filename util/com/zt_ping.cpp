#include "util/com/zt_ping.h"

#include "platform/text/codepage.h"
#include "platform/system/process_spawn.h"

using namespace platform;

HRESULT ZTPing(const char* maquina, CZTString& saida) {
    saida.Empty();
    if (!maquina || !*maquina) {
        saida = "Falta informar o IP";
        return S_OK;
    }
    // "--": a machine name that starts with '-' is a name, never an option.
    const std::vector<std::string> arguments = {"ping", "-c", "4", "-w", "10", "--", Utf8FromAnsi(maquina)};
    std::string output;
    int exitCode = 0;
    if (const Win32Error error = RunAndCapture(arguments, output, &exitCode)) {
        saida.Format("%s \"ping -c 4 -w 10 %s\": %s", AnsiFromUtf8("Não foi possível executar").c_str(), maquina,
                     Win32ErrorText(error).c_str());
        return HResultFromWin32(error);
    }
    saida = CZTString(AnsiFromUtf8(output));
    return S_OK;
}
