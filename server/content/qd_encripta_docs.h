// CQDEncriptacaoDocs: switching the encryption of every stored content on or off, kept
// reversible until the caller has written the new property.
//
// EncryptDocumentFiles copies every content file into the data directory's backup folder
// "BackupEncriptação", then converts the files one by one in list order (read whole, encrypt or
// decrypt as a byte array, re-create and write). When a step fails, every file processed so far
// (the failing one included) is copied back from the backup, the backup is removed, and the
// step's code is returned. When all are converted the backup is kept: the caller writes the
// properties and then calls Confirma (the backup is removed) or, on any failure of its own,
// Desfaz (every content is copied back, then the backup is removed). An object destroyed while a
// conversion is pending undoes it.
//
// No content is ever lost to a failed restore: when a copy back fails, the backup folder is kept
// whole, the event log names it, and the copy's Win32 error is returned. For the same reason a
// backup folder that already holds files (a kept backup, or one left by a run that never ended)
// is never overwritten: the switch refuses to start. One object per switch, on the server's one
// thread; it does not own the crypto object.
#pragma once

#include "platform/hresult.h"
#include "server/content/qd_arquivos_troca.h"
#include "server/content/qd_lista_conteudos.h"
#include "util/text/zt_string.h"

#include <cstddef>
#include <memory>
#include <vector>

class CCrypto;
class CZTByteArray;

// The backup folder's name in the data directory (Windows-1252 at run time; UTF-8 here).
inline constexpr const char* QD_PASTA_BACKUP_ENCRIPTACAO = "BackupEncriptação";

// The codes of the steps that fail a switch.
inline constexpr platform::HRESULT QD_E_ENCRIPTA_BACKUP = platform::MakeHResult(0x80051F57);   // copying into the backup
inline constexpr platform::HRESULT QD_E_ENCRIPTA_ABRE = platform::MakeHResult(0x80051F5F);     // opening a content to read
inline constexpr platform::HRESULT QD_E_ENCRIPTA_LE = platform::MakeHResult(0x80051F68);       // reading it whole
inline constexpr platform::HRESULT QD_E_ENCRIPTA_CONVERTE = platform::MakeHResult(0x80051F7A); // encrypting or decrypting
inline constexpr platform::HRESULT QD_E_ENCRIPTA_RECRIA = platform::MakeHResult(0x80051F82);   // re-creating the file
inline constexpr platform::HRESULT QD_E_ENCRIPTA_TAMANHO = platform::MakeHResult(0x80051F8A);  // writing it whole

class CQDEncriptacaoDocs {
public:
    // Works on the data directory `diretorioDados` with the session's key object. `pLista` (not
    // owned; null lists the "Docs" folder) names the contents; `pArquivos` (not owned; null uses
    // the file layer) does the file work.
    CQDEncriptacaoDocs(const char* diretorioDados, CCrypto& crypto, IQDListaConteudos* pLista = nullptr,
                       CQDArquivosTroca* pArquivos = nullptr);
    ~CQDEncriptacaoDocs();
    CQDEncriptacaoDocs(const CQDEncriptacaoDocs&) = delete;
    CQDEncriptacaoDocs& operator=(const CQDEncriptacaoDocs&) = delete;

    // Converts every content towards `bEncripta` (true: encrypt). S_OK with the backup kept
    // (pending); 0x80070000 | ERROR_PATH_NOT_FOUND without a data directory; the HRESULT of a
    // backup folder that cannot be made (0x80070000 | ERROR_ALREADY_EXISTS when a file holds its
    // name, | ERROR_DIR_NOT_EMPTY when it holds files); the listing's failure; a QD_E_ENCRIPTA_
    // code with the contents restored; or, when the restore itself failed, the copy's Win32
    // error as HRESULT with the backup kept. E_UNEXPECTED when called a second time.
    [[nodiscard]] platform::HRESULT EncryptDocumentFiles(bool bEncripta);
    // Ends a pending switch: the new contents stay, the backup is removed. A backup that cannot
    // be removed is left in place and named in the event log.
    void Confirma();
    // Undoes a pending switch: every content is copied back and the backup removed. S_OK (also
    // when nothing is pending), or the first copy's Win32 error as HRESULT with the backup kept.
    [[nodiscard]] platform::HRESULT Desfaz();

    // True between a successful EncryptDocumentFiles and Confirma or Desfaz.
    [[nodiscard]] bool IsPendente() const { return m_estado == Estado::pendente; }
    // The backup folder's path (empty without a data directory).
    [[nodiscard]] const CZTString& GetPastaBackup() const { return m_strBackup; }

private:
    enum class Estado { inicial, pendente, encerrado };

    [[nodiscard]] platform::HRESULT CriaBackup();
    [[nodiscard]] platform::HRESULT CopiaParaBackup();
    [[nodiscard]] platform::HRESULT ConverteArquivo(const CZTString& nome, bool bEncripta);
    [[nodiscard]] platform::HRESULT GravaConvertido(const CZTString& caminho, const CZTByteArray& bytes);
    [[nodiscard]] platform::HRESULT Restaura();
    void DescartaBackup();

    CZTString m_strDocs;
    CZTString m_strBackup;
    CCrypto& m_crypto;
    std::unique_ptr<IQDListaConteudos> m_pListaPropria;
    IQDListaConteudos* m_pLista;
    CQDArquivosTroca m_arquivosPadrao;
    CQDArquivosTroca* m_pArquivos;
    std::vector<CZTString> m_nomes;     // the contents, in list order
    std::vector<CZTString> m_copias;    // the ones copied into the backup so far
    std::size_t m_nProcessados = 0;     // how many of m_nomes have been touched
    Estado m_estado = Estado::inicial;
};
