// IQDConversaoConteudos (conversão de conteúdos: content conversion): how the properties write
// switches the encryption of every stored content, kept reversible until the new properties
// are written.
//
// GravaPropriedades calls Converte when `bUsaEncriptacao` changes, then, once the properties are
// written, Confirma; when anything after Converte fails, Desfaz. One object per write, on the
// server's thread.
#pragma once

#include "platform/hresult.h"

class IQDConversaoConteudos {
public:
    virtual ~IQDConversaoConteudos() = default;
    // Converts every content towards `bEncripta`, keeping what is needed to undo it. S_OK, or a
    // failure after which the contents are as they were.
    [[nodiscard]] virtual platform::HRESULT Converte(bool bEncripta) = 0;
    // The new contents stay; what was kept to undo the switch is dropped.
    virtual void Confirma() = 0;
    // Every content back as it was before Converte. S_OK or the failure of the restore.
    [[nodiscard]] virtual platform::HRESULT Desfaz() = 0;
};
