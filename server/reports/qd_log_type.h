// CQDLogType and its subclasses: the text the log report shows for one operations-log entry,
// built from the record and the items the entry carries (the record as it was), completed where
// the log holds only positions with what the database holds now.
//
// One object per record kind (CQDLogTypeNovo gives it); stateless apart from the report's
// connections that Texto receives. One thread.
#pragma once

#include "outside/conexo/conexao_plano.h"
#include "outside/pendora/qd_tipo_log.h"
#include "server/log/qd_log_entrada.h"
#include "util/text/zt_string.h"

#include <memory>
#include <vector>

class CConexaoGedSrv;

// What the entry texts read besides the log: the server's own connection, the account plan, and
// the footnote switch a text sets when it had to take the database's current state.
struct CQDLogContexto {
    CConexaoGedSrv& conexao;
    CConexaoPlano& plano;
    const std::vector<CQDLogEntrada>& entradas;
    bool bNotaEstadoAtual = false;
};

class CQDLogType {
public:
    virtual ~CQDLogType() = default;
    // The text of entry `entradas[nEntrada]` into `strTexto`. S_OK, or the failure of a read of the
    // database (the report ends with it).
    [[nodiscard]] virtual platform::HRESULT Texto(CQDLogContexto& contexto, std::size_t nEntrada,
                                                  CZTString& strTexto) const = 0;
};

// Type entries: the type record with its users, processes and fields.
class CQDLogTypeTipDoc : public CQDLogType {
public:
    [[nodiscard]] platform::HRESULT Texto(CQDLogContexto& contexto, std::size_t nEntrada, CZTString& strTexto) const override;
};
// Document entries: the document record with its users; its type as it was then.
class CQDLogTypeDoc : public CQDLogType {
public:
    [[nodiscard]] platform::HRESULT Texto(CQDLogContexto& contexto, std::size_t nEntrada, CZTString& strTexto) const override;
};
// Location entries: the location record; its accepted types by their current code and name.
class CQDLogTypeLocArq : public CQDLogType {
public:
    [[nodiscard]] platform::HRESULT Texto(CQDLogContexto& contexto, std::size_t nEntrada, CZTString& strTexto) const override;
};
// Viewings: the document's position and the name the viewer sent.
class CQDLogTypeVisualiza : public CQDLogType {
public:
    [[nodiscard]] platform::HRESULT Texto(CQDLogContexto& contexto, std::size_t nEntrada, CZTString& strTexto) const override;
};
// Properties: the properties record with its four texts.
class CQDLogTypeProp : public CQDLogType {
public:
    [[nodiscard]] platform::HRESULT Texto(CQDLogContexto& contexto, std::size_t nEntrada, CZTString& strTexto) const override;
};

// The text builder of record kind `eTipo`; null for a kind outside the five.
[[nodiscard]] std::unique_ptr<CQDLogType> CQDLogTypeNovo(QD_E_TIPO_REGISTRO_LOG eTipo);
