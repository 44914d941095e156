#include "platform/com/hresult_text.h"

#include "platform/text/codepage.h"
#include "platform/win32_error.h"

#include <array>
#include <utility>

namespace platform {

namespace {

// Texts in UTF-8 here for readability; handed out as Windows-1252.
constexpr std::array<std::pair<HRESULT, const char*>, 19> kTexts = {{
    {E_NOTIMPL, "Não implementado"},
    {E_NOINTERFACE, "Interface sem suporte"},
    {E_POINTER, "Ponteiro inválido"},
    {E_ABORT, "Operação anulada"},
    {E_FAIL, "Erro não especificado"},
    {E_UNEXPECTED, "Falha catastrófica"},
    {REGDB_E_CLASSNOTREG, "Classe não registrada"},
    {CLASS_E_NOAGGREGATION, "A classe não oferece suporte a agregação (ou o objeto de classe é remoto)"},
    {CLASS_E_CLASSNOTAVAILABLE, "ClassFactory não pode fornecer a classe solicitada"},
    {CO_E_OBJNOTREG, "Objeto não registrado"},
    {CO_E_OBJISREG, "Objeto já registrado"},
    {CO_E_SERVER_EXEC_FAILURE, "Falha na execução do servidor"},
    {RPC_E_INVALID_DATAPACKET, "O pacote de dados com os dados de parâmetro empacotados está incorreto."},
    {RPC_E_CLIENT_CANTMARSHAL_DATA, "O cliente (chamador) não pode empacotar os dados de parâmetro."},
    {RPC_E_SERVER_CANTMARSHAL_DATA, "O servidor (receptor) não pode empacotar os dados de retorno."},
    {RPC_E_SERVERFAULT, "O servidor gerou uma exceção."},
    {RPC_E_INVALIDMETHOD, "O método chamado não existe no servidor."},
    {RPC_E_DISCONNECTED, "O objeto chamado foi desconectado de seus clientes."},
    {RPC_E_INVALID_OBJECT, "O objeto solicitado não existe."},
}};

constexpr std::uint32_t kFacilityWin32 = 0x80070000;

}  // namespace

std::string HResultText(HRESULT hr) {
    const auto bits = static_cast<std::uint32_t>(hr);
    if (bits <= 0xFFFF) return Win32ErrorText(bits);
    if ((bits & 0xFFFF0000) == kFacilityWin32) return Win32ErrorText(bits & 0xFFFF);
    for (const auto& [code, text] : kTexts) {
        if (code == hr) return AnsiFromUtf8(text);
    }
    return {};
}

}  // namespace platform
