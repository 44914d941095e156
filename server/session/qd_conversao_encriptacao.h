// CQDConversaoEncriptacao: the content conversion of a properties write (IQDConversaoConteudos)
// done by the encryption switch CQDEncriptacaoDocs with the session's key.
//
// Built on the stack by the properties write; neither the key object nor the directory is owned.
// The server's thread.
#pragma once

#include "server/content/qd_encripta_docs.h"
#include "server/session/qd_conversao_conteudos.h"

class CQDConversaoEncriptacao final : public IQDConversaoConteudos {
public:
    CQDConversaoEncriptacao(const char* diretorioDados, CCrypto& crypto) : m_troca(diretorioDados, crypto) {}

    platform::HRESULT Converte(bool bEncripta) override { return m_troca.EncryptDocumentFiles(bEncripta); }
    void Confirma() override { m_troca.Confirma(); }
    platform::HRESULT Desfaz() override { return m_troca.Desfaz(); }

private:
    CQDEncriptacaoDocs m_troca;
};
