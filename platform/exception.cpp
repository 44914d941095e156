#include "platform/exception.h"

#include "platform/text/codepage.h"
#include "platform/interaction.h"
#include "platform/win32_error.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

bool CopyText(const String& text, char* buffer, unsigned length) {
    if (!buffer || length == 0) return !text.IsEmpty();
    const size_t n = std::min<size_t>(static_cast<size_t>(text.GetLength()), length - 1);
    std::memcpy(buffer, text.GetString(), n);
    buffer[n] = '\0';
    return !text.IsEmpty();
}

}  // namespace

bool Exception::GetErrorMessage(char* buffer, unsigned length, unsigned*) const {
    if (buffer && length > 0) buffer[0] = '\0';
    return false;
}

int Exception::ReportError(unsigned type, unsigned) {
    char text[512];
    if (!GetErrorMessage(text, sizeof text)) std::strcpy(text, "Erro desconhecido.");
    if ((type & MB_ICONMASK) == 0) type |= MB_ICONEXCLAMATION;
    return CurrentInteraction().ShowMessage(text, {}, type, true);
}

bool MemoryException::GetErrorMessage(char* buffer, unsigned length, unsigned*) const {
    return CopyText(String(AnsiFromUtf8("Memória insuficiente.")), buffer, length);
}

bool FileException::GetErrorMessage(char* buffer, unsigned length, unsigned*) const {
    String text(Win32ErrorText(m_lOsError > 0 ? static_cast<Win32Error>(m_lOsError) : ERROR_GEN_FAILURE));
    if (!m_strFileName.IsEmpty()) text += String(" (") + m_strFileName + ")";
    return CopyText(text, buffer, length);
}

}  // namespace platform
