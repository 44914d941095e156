#include "server/content/qd_encripta_docs.h"

#include "platform/text/codepage.h"
#include "server/content/qd_arquivo_conteudo.h"
#include "server/content/qd_evento_conteudo.h"
#include "server/content/qd_nome_conteudo.h"
#include "server/content/zt_crypto.h"
#include "util/file/zt_path.h"

using platform::FAILED;
using platform::HRESULT;
using platform::SUCCEEDED;

namespace {

CZTString PastaBackup(const char* diretorioDados) {
    if (!diretorioDados || !*diretorioDados) return {};
    return ZTConcatenaPath(diretorioDados, platform::AnsiFromUtf8(QD_PASTA_BACKUP_ENCRIPTACAO).c_str());
}

void Registra(platform::WORD tipo, const char* formatoUtf8, const CZTString& pasta, unsigned erro = 0) {
    const CZTString texto = CZTString::Formata(platform::AnsiFromUtf8(formatoUtf8).c_str(), pasta.GetString(), erro);
    QDRegistraEventoConteudo(tipo, texto);
}

}  // namespace

CQDEncriptacaoDocs::CQDEncriptacaoDocs(const char* diretorioDados, CCrypto& crypto, IQDListaConteudos* pLista,
                                       CQDArquivosTroca* pArquivos)
    : m_strDocs(QDPastaConteudos(diretorioDados)),
      m_strBackup(PastaBackup(diretorioDados)),
      m_crypto(crypto),
      m_pListaPropria(pLista ? nullptr : std::make_unique<CQDConteudosDaPasta>(m_strDocs)),
      m_pLista(pLista ? pLista : m_pListaPropria.get()),
      m_pArquivos(pArquivos ? pArquivos : &m_arquivosPadrao) {}

CQDEncriptacaoDocs::~CQDEncriptacaoDocs() {
    if (IsPendente()) (void)Desfaz();  // a failed undo keeps the backup and says so in the log
}

HRESULT CQDEncriptacaoDocs::EncryptDocumentFiles(bool bEncripta) {
    if (m_estado != Estado::inicial) return platform::E_UNEXPECTED;
    m_estado = Estado::encerrado;
    if (m_strBackup.IsEmpty()) return platform::HResultFromWin32(platform::ERROR_PATH_NOT_FOUND);
    if (const HRESULT hr = CriaBackup(); FAILED(hr)) return hr;
    if (const HRESULT hr = CopiaParaBackup(); FAILED(hr)) return hr;
    for (const CZTString& nome : m_nomes) {
        ++m_nProcessados;
        const HRESULT hr = ConverteArquivo(nome, bEncripta);
        if (FAILED(hr)) {
            const HRESULT restauracao = Restaura();
            return FAILED(restauracao) ? restauracao : hr;
        }
    }
    m_estado = Estado::pendente;
    return platform::S_OK;
}

void CQDEncriptacaoDocs::Confirma() {
    if (!IsPendente()) return;
    m_estado = Estado::encerrado;
    DescartaBackup();
}

HRESULT CQDEncriptacaoDocs::Desfaz() {
    if (!IsPendente()) return platform::S_OK;
    m_estado = Estado::encerrado;
    return Restaura();
}

// An existing folder is taken only when it is empty: files in it may be the one good copy of a
// content from an earlier switch whose restore failed.
HRESULT CQDEncriptacaoDocs::CriaBackup() {
    const platform::FileError criacao = m_pArquivos->CriaPasta(m_strBackup);
    if (!criacao.Failed()) return platform::S_OK;
    if (criacao.error != platform::ERROR_ALREADY_EXISTS) return platform::HResultFromWin32(criacao.error);
    bool temEntradas = false;
    if (m_pArquivos->PastaTemEntradas(m_strBackup, temEntradas) != platform::ERROR_SUCCESS) {
        return platform::HResultFromWin32(platform::ERROR_ALREADY_EXISTS);
    }
    if (!temEntradas) return platform::S_OK;
    Registra(platform::EVENTLOG_ERROR_TYPE,
             "A pasta \"%s\" ainda contém arquivos de uma troca de encriptação anterior; a encriptação dos "
             "documentos não foi trocada.",
             m_strBackup);
    return platform::HResultFromWin32(platform::ERROR_DIR_NOT_EMPTY);
}

HRESULT CQDEncriptacaoDocs::CopiaParaBackup() {
    if (const HRESULT hr = m_pLista->ListaConteudos(m_nomes); FAILED(hr)) {
        DescartaBackup();
        return hr;
    }
    for (const CZTString& nome : m_nomes) {
        if (m_pArquivos->Copia(ZTConcatenaPath(m_strDocs, nome), ZTConcatenaPath(m_strBackup, nome)).Failed()) {
            DescartaBackup();
            return QD_E_ENCRIPTA_BACKUP;
        }
        m_copias.push_back(nome);
    }
    return platform::S_OK;
}

HRESULT CQDEncriptacaoDocs::ConverteArquivo(const CZTString& nome, bool bEncripta) {
    const CZTString caminho = ZTConcatenaPath(m_strDocs, nome);
    CZTByteArray lidos;
    {
        const std::unique_ptr<platform::File> arquivo = m_pArquivos->NovoArquivo();
        if (FAILED(QDAbreArquivoConteudo(caminho, 'L', *arquivo))) return QD_E_ENCRIPTA_ABRE;
        const HRESULT leitura = QDLeArquivoInteiro(*arquivo, lidos);
        arquivo->Abort();
        if (FAILED(leitura)) return QD_E_ENCRIPTA_LE;
    }
    CZTByteArray convertidos;
    const bool convertido = bEncripta ? m_crypto.EncryptObject(lidos, convertidos) : m_crypto.DecryptObject(lidos, convertidos);
    if (!convertido) return QD_E_ENCRIPTA_CONVERTE;
    return GravaConvertido(caminho, convertidos);
}

// The file is made anew and must end up exactly as long as the bytes written.
HRESULT CQDEncriptacaoDocs::GravaConvertido(const CZTString& caminho, const CZTByteArray& bytes) {
    const std::unique_ptr<platform::File> arquivo = m_pArquivos->NovoArquivo();
    const unsigned modo = platform::File::modeCreate | platform::File::modeWrite | platform::File::shareExclusive |
                          platform::File::typeBinary;
    if (!arquivo->Open(caminho, modo)) return QD_E_ENCRIPTA_RECRIA;
    try {
        const bool gravado = SUCCEEDED(QDGravaBytes(*arquivo, bytes.GetData(), bytes.GetSize())) &&
                             arquivo->GetLength() == bytes.GetSize();
        arquivo->Close();
        return gravado ? platform::S_OK : QD_E_ENCRIPTA_TAMANHO;
    } catch (const platform::FileException&) {
        arquivo->Abort();
        return QD_E_ENCRIPTA_TAMANHO;
    }
}

// Copies back every file touched so far. Only when all came back is the backup removed;
// otherwise it stays whole, as the one place the lost originals still are.
HRESULT CQDEncriptacaoDocs::Restaura() {
    platform::Win32Error primeiroErro = platform::ERROR_SUCCESS;
    for (std::size_t i = 0; i < m_nProcessados && i < m_nomes.size(); ++i) {
        const CZTString& nome = m_nomes[i];
        const platform::FileError copia =
            m_pArquivos->Copia(ZTConcatenaPath(m_strBackup, nome), ZTConcatenaPath(m_strDocs, nome));
        if (copia.Failed() && primeiroErro == platform::ERROR_SUCCESS) primeiroErro = copia.error;
    }
    if (primeiroErro == platform::ERROR_SUCCESS) {
        DescartaBackup();
        return platform::S_OK;
    }
    Registra(platform::EVENTLOG_ERROR_TYPE,
             "Não foi possível restaurar todos os arquivos de documentos a partir de \"%s\" (erro %u); a pasta "
             "foi mantida com as cópias originais.",
             m_strBackup, primeiroErro);
    return platform::HResultFromWin32(primeiroErro);
}

void CQDEncriptacaoDocs::DescartaBackup() {
    for (const CZTString& nome : m_copias) (void)m_pArquivos->Apaga(ZTConcatenaPath(m_strBackup, nome));
    m_copias.clear();
    if (m_pArquivos->RemovePasta(m_strBackup).Failed()) {
        Registra(platform::EVENTLOG_WARNING_TYPE, "Não foi possível remover a pasta \"%s\".", m_strBackup);
    }
}
