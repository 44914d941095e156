// CQDContextoMigracao (contexto: what a run shares): one run of the one-time conversions of a
// company. It holds the session's object (a conversion's mark is written as GravaPropriedades
// writes, logged through the object like any other change, without touching the counter the
// object's client last read), the data folder and company, the surroundings
// (qd_ambiente_migracoes.h), and the database lock.
//
// The database lock (CQDDBLock, mark 255 of the data folder) is taken at most once per run, by the
// first conversion that needs it, and held until the run ends: another server process starting a
// session of the same company meanwhile waits for it, and a busy lock costs one wait, not one per
// conversion. Built on the stack by QDExecutaMigracoes; the server's one thread.
#pragma once

#include "platform/hresult.h"
#include "server/lock/qd_db_lock.h"
#include "server/migrations/qd_ambiente_migracoes.h"
#include "server/migrations/qd_pasta_bind.h"
#include "server/session/qd_propriedades_arq.h"
#include "util/text/zt_string.h"

#include <cstdint>
#include <memory>
#include <optional>

class IZTQD_Srv;

class CQDContextoMigracao {
public:
    // A run for the company `empresa` whose data folder is `pasta`, writing marks through `srv`.
    CQDContextoMigracao(IZTQD_Srv& srv, const CZTString& pasta, const CZTString& empresa,
                        const QDAmbienteMigracoes& ambiente);
    CQDContextoMigracao(const CQDContextoMigracao&) = delete;
    CQDContextoMigracao& operator=(const CQDContextoMigracao&) = delete;

    // The data folder as a bind for the typed record files.
    [[nodiscard]] IQDArqBind& Bind() { return m_bind; }
    [[nodiscard]] const CZTString& Pasta() const { return m_strPasta; }
    [[nodiscard]] const CZTString& Empresa() const { return m_strEmpresa; }
    // The path of the file `nome` in the data folder.
    [[nodiscard]] CZTString Caminho(const char* nome) const;
    [[nodiscard]] IQDOperacoesArquivo& Operacoes() { return *m_pOperacoes; }

    // The database lock for the rest of the run: 0 when held (taken now or earlier in the run),
    // else the answer of the one attempt made (17396 when it stayed busy until the deadline, 16080,
    // or 0x80070000 | Win32 error); a failed attempt is not repeated within the run.
    [[nodiscard]] std::int32_t Trava();

    // The properties record as stored now, for its marks. S_OK or 0x80040000 | the record-file code.
    [[nodiscard]] platform::HRESULT LeMarcas(QD_PROPRIEDADES_ARQ& arq);
    // Sets the mark `bFlag` in bFlags. The properties are read again first, texts included, and
    // written back with only the mark changed, so nothing else of them is lost. S_OK or the
    // failure of the read or the write.
    [[nodiscard]] platform::HRESULT MarcaFlag(std::uint8_t bFlag);
    // Sets iVersaoSistema to the current data version, likewise.
    [[nodiscard]] platform::HRESULT MarcaVersaoSistema();

private:
    [[nodiscard]] platform::HRESULT GravaMarca(std::uint8_t bFlag, bool bVersao);

    IZTQD_Srv& m_srv;
    CZTString m_strPasta;
    CZTString m_strEmpresa;
    CQDPastaBind m_bind;
    platform::Ticker& m_relogio;
    std::uint64_t m_nPrazoTravaMs;
    IQDOperacoesArquivo* m_pOperacoes;
    std::unique_ptr<CQDDBLock> m_pTrava;
    std::optional<std::int32_t> m_nCodigoTrava;  // the answer of the attempt, once made
};

// The HRESULT of a lock answer: 0x80040000 | a message code, or the HRESULT it already is.
[[nodiscard]] platform::HRESULT QDHResultTrava(std::int32_t codigo);
