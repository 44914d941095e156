#include "util/message/zt_exception.h"

#include "platform/interaction.h"
#include "util/config/module_table.h"
#include "util/message/messages.h"

#include <algorithm>
#include <cstring>

CZTException::CZTException(std::int32_t mensagem, std::int32_t modulo, std::uint32_t erroSO)
    : m_nMensagem(mensagem), m_nModulo(modulo), m_nErroSO(erroSO) {}

CZTException::CZTException(const char* texto, std::int32_t modulo, std::uint32_t erroSO)
    : m_nMensagem(0), m_nModulo(modulo), m_nErroSO(erroSO), m_sTexto(texto) {}

const CZTString& CZTException::GetTexto() {
    if (m_sTexto.IsEmpty()) m_sTexto = ZTLeMensagem(m_nMensagem, m_nModulo);
    return m_sTexto;
}

bool CZTException::GetErrorMessage(char* buffer, unsigned length, unsigned*) const {
    // The framework's signature is const, yet the text is loaded and kept on first use.
    const CZTString& texto = const_cast<CZTException*>(this)->GetTexto();
    if (buffer && length > 0) {
        const size_t n = std::min<size_t>(static_cast<size_t>(texto.GetLength()), length - 1);
        std::memcpy(buffer, texto.GetString(), n);
        buffer[n] = '\0';
    }
    return !texto.IsEmpty();
}

int CZTException::ReportError(unsigned type, unsigned) {
    const CZTString texto = ZTMontaTextoErro(GetTexto(), m_nMensagem, m_nErroSO);
    if ((type & platform::MB_ICONMASK) == 0) type |= platform::MB_ICONWARNING;
    return platform::CurrentInteraction().ShowMessage(texto, ZTGetNomeModulo(m_nModulo), type, true);
}
