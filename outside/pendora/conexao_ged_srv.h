// CConexaoGedSrv: a program's connection to one document-server object (conexão: connection;
// GED: electronic document management; srv: server), and CSilentConexaoGedSrv, the same without
// messages.
//
// One operation per method of IZTQD_Srv, with the method's name and parameters, except that the
// records with a data class travel as that class (conexao_ged_srv_parametros.h): [in] records by
// const reference, [out] records by reference (the object takes over what came back, whatever
// the result), [out] arrays as arrays of objects (each gets, on success, the position it was read
// from). Every operation returns the method's HRESULT unchanged. The plain connection shows each
// failure to the user through the message seam (platform/interaction.h); the silent one shows
// nothing. Without a bound object every operation answers E_POINTER. Beyond the methods: reads
// of any number of documents, types or locations, the look-up of types and locations by code,
// and the extraction of a document's content to a file of the user's temporary folder.
//
// The connection holds one reference to its object and releases it when it ends or is bound to
// another. Not copyable; used from one thread at a time.
#pragma once

#include "outside/pendora/conexao_ged_srv_parametros.h"
#include "server/idl/iztqd_srv.h"
#include "util/text/zt_string.h"

#include <cstdint>

class CConexaoGedSrv {
public:
    CConexaoGedSrv() = default;
    virtual ~CConexaoGedSrv();
    CConexaoGedSrv(const CConexaoGedSrv&) = delete;
    CConexaoGedSrv& operator=(const CConexaoGedSrv&) = delete;

    // Binds the connection to a new server object of the company (szEmpresa: the company path,
    // at most 23 characters are sent), then opens the session there for the user and session
    // number. Returns the activation's failure (the old binding stays then) or the result of
    // IZTQD_Srv::Inicializa (the new object stays bound whatever it is).
    platform::HRESULT Inicializa(const char* szEmpresa, std::uint16_t iUsuario, std::int32_t lNumeroSessao);

    // Binds the connection to `pSrv` (a reference is added), releasing the object held before;
    // null unbinds it.
    void SetInterface(IZTQD_Srv* pSrv);

    // True while bound to an object.
    [[nodiscard]] bool IsLigada() const { return m_pSrv != nullptr; }

#define KELVO_PENDORA_DECLARA_OPERACAO(number, name, ...) \
    platform::HRESULT name(KELVO_PENDORA_PARAMETROS(__VA_ARGS__));
    KELVO_IZTQD_SRV_METHODS(KELVO_PENDORA_DECLARA_OPERACAO)
#undef KELVO_PENDORA_DECLARA_OPERACAO

    // The most records that one call of LeTipDocEx or LeLocArqEx, or of LeDocEx without the
    // contents, asks for: far below what one response may carry, even with long lists behind
    // each record.
    static constexpr std::uint32_t kQtdPorLeitura = 256;

    // Reads the `qtd` documents at pPos[0..qtd-1] into pDoc[0..qtd-1] (dwFlags as LeDoc: 0x1
    // users, 0x2 fields, 0x4 links, 0x8 content, 0x10 description left out). A content may
    // fill a whole message, so while contents are read (0x8 clear) each call asks for one
    // document; otherwise for at most kQtdPorLeitura. Counts, failures, statuses and positions
    // as LeTipDocEx.
    platform::HRESULT LeDocEx(std::uint32_t qtd, const std::uint32_t* pPos, CQDDoc* pDoc, std::uint32_t dwFlags);

    // Reads the `qtd` types at pPos[0..qtd-1] into pTipDoc[0..qtd-1] (dwFlags as LeTipDoc) in
    // calls of at most kQtdPorLeitura records; each object read gets its position. 0 makes no
    // call and answers S_OK; a null array with a count answers E_POINTER; the first failure
    // ends the reading and is returned (the objects of later calls stay as they were);
    // otherwise S_OK or the first other success status.
    platform::HRESULT LeTipDocEx(std::uint32_t qtd, const std::uint32_t* pPos, CQDTipDoc* pTipDoc,
                                 std::uint32_t dwFlags);
    // The same for locations, with LeLocArq.
    platform::HRESULT LeLocArqEx(std::uint32_t qtd, const std::uint32_t* pPos, CQDLocArq* pLocArq,
                                 std::uint32_t dwFlags);

    // The position of the stored type whose code equals szCodigo, looked up with
    // BuscaPtrsTipDoc and the filter bits dwFlags, the code comparison (0x02) always on and the
    // prefix test (0x04) always off (0x22: exact code, whatever the user may see). 0 when there
    // is none, for a null code or one longer than a type's code field, and on a failure. When
    // found and pTipDoc is given, the type is read into it with all its lists; a failed read
    // answers 0 and leaves pTipDoc as it was. Of several types with the code, the first found.
    [[nodiscard]] std::uint32_t ExisteTipDoc(const char* szCodigo, std::uint32_t dwFlags = 0x22,
                                             CQDTipDoc* pTipDoc = nullptr);
    // The same for locations, with BuscaPtrsLocArq: the code comparison (0x01) always on and the
    // prefix test (0x02) always off; pLocArq is read with its accepted types.
    [[nodiscard]] std::uint32_t ExisteLocArq(const char* szCodigo, std::uint32_t dwFlags = 0x01,
                                             CQDLocArq* pLocArq = nullptr);

    // Writes the content of the document at lPos into the user's temporary folder
    // (ZTGetDiretorioTemp) under the file-name part of its szOriginalFileName (after the last
    // '/'; "Documento<lPos>" when that part is empty, "." or ".."), replacing a file of that
    // name, a read-only one included; with bSomenteLeitura the file is left read-only (mode
    // 0444). The document is read with LeDocEx without users, fields, links and description.
    // On success strCaminho is the file's path and *pTempo (when given) its last-write time in
    // seconds since 1970; a document without a content file (flag 0x4) writes nothing and gives
    // an empty path and time 0. Returns the read's failure (shown as any operation's), or the
    // file's as 0x80070000 | the Win32 error (0x80070020 while another open holds the file;
    // not shown: the caller names it); strCaminho is empty and *pTempo 0 on any failure. The
    // file is the caller's: nothing here removes it later.
    [[nodiscard]] platform::HRESULT SaveDocToFile(std::uint32_t lPos, CZTString& strCaminho, bool bSomenteLeitura,
                                                  std::int64_t* pTempo = nullptr);

protected:
    // Shows the failure `hr` to the user: a message code (0x8004xxxx without a system text) as
    // the module's message, anything else as the system's text with its number.
    virtual void MostraErro(platform::HRESULT hr);

private:
    // Shows `hr` when it is a failure and returns it.
    platform::HRESULT Trata(platform::HRESULT hr);

    IZTQD_Srv* m_pSrv = nullptr;
};

// The connection that never shows a message: for servers, services and callers that report
// failures their own way.
class CSilentConexaoGedSrv : public CConexaoGedSrv {
protected:
    void MostraErro(platform::HRESULT hr) override;
};
