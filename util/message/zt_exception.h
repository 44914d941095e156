// CZTException: an error of the utility library on its way to being reported.
//
// Carries a message number of a module's message file, the module index (module table), an
// operating-system error number (0 = none) and, once known, the text. Thrown by pointer in the
// framework's style (`throw new CZTException(...)`); the catcher reports it and calls Delete().
// The text is loaded lazily from the message file the first time it is asked for.
#pragma once

#include "platform/exception.h"
#include "util/text/zt_string.h"

#include <cstdint>

class CZTException : public platform::Exception {
public:
    CZTException(std::int32_t mensagem, std::int32_t modulo, std::uint32_t erroSO = 0);
    CZTException(const char* texto, std::int32_t modulo, std::uint32_t erroSO = 0);

    // The text; loaded from the module's message file by number when still empty, then kept.
    [[nodiscard]] const CZTString& GetTexto();
    // Copies GetTexto() into buffer (at most length - 1 characters, always terminated); true
    // when the exception then has a text. The help context is not used.
    bool GetErrorMessage(char* buffer, unsigned length, unsigned* helpContext = nullptr) const override;
    // Shows the error (see ZTMontaTextoErro) captioned with the module's display name, owned by
    // the application's main window; a type without an icon gets the warning icon. Returns the
    // box's answer.
    int ReportError(unsigned type = 0, unsigned helpId = 0) override;

    [[nodiscard]] std::int32_t GetMensagem() const { return m_nMensagem; }
    [[nodiscard]] std::int32_t GetModulo() const { return m_nModulo; }
    [[nodiscard]] std::uint32_t GetErroSO() const { return m_nErroSO; }

private:
    std::int32_t m_nMensagem;
    std::int32_t m_nModulo;
    std::uint32_t m_nErroSO;
    CZTString m_sTexto;
};
