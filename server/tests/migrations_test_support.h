// Shared helpers of the migration tests: a company folder in the old layouts, written by the test
// from the old record formats (128-byte locations, legacy DFLOCARM.DAT records, validity dates as
// short day numbers, properties marks at 0); the records a correct conversion gives, built here
// field by field from the same inputs; and the surroundings the migrations wait and work with.
#pragma once

#include "platform/file/file_operations.h"
#include "platform/file/file_status.h"
#include "server/document/qd_doc_arq.h"
#include "server/log/qd_log_layout.h"
#include "server/migrations/qd_ambiente_migracoes.h"
#include "server/migrations/qd_locarq_antigo.h"
#include "server/record_file/zt_arq_bytes.h"
#include "server/record_file/zt_arq_ex.h"
#include "server/tests/record_file_test_support.h"
#include "server/tests/operacoes_arquivo_test_support.h"
#include "server/tests/session_test_support.h"
#include "util/file/zt_path.h"
#include "util/time/day_counts.h"
#include "util/time/short_date.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace kelvo::testing {

// ---- Old records ---------------------------------------------------------------------------

// Copies `texto` into a fixed field of `tamanho` bytes without a terminator when it fills it.
inline void Campo(char* campo, std::size_t tamanho, const std::string& texto) {
    std::memset(campo, 0, tamanho);
    std::memcpy(campo, texto.data(), std::min(tamanho, texto.size()));
}

inline QD_DOC_ARQ DocAntigo(std::uint32_t lTipDoc, std::uint16_t iDataValidade, const char* nome) {
    QD_DOC_ARQ doc{};
    doc.dwFlags = QD_DOC_ACESSO_WEB;
    doc.lTipDoc = lTipDoc;
    doc.lLocArq = 2;
    doc.iVersao = 1;
    doc.dataInclusao = 0x50000000;
    doc.iDataEmissao = ZTMontaData(2, 1, 2020);
    doc.iDataValidade = iDataValidade;
    doc.iFilial = 1;
    Campo(doc.szOriginalFileName, sizeof doc.szOriginalFileName, nome);
    return doc;
}

inline QD_LOCARQ_ARQ_1 LocalAntigo(std::uint32_t dwFlags, const std::string& codigo, const std::string& descricao,
                                   std::int32_t maximo = 0) {
    QD_LOCARQ_ARQ_1 local{};
    local.dwFlags = dwFlags;
    local.nQtdTipDocs = 2;
    local.lPrimeiroTipDoc = 5;
    local.nQtdMaximaDocs = maximo;
    local.nQtdDisponivel = maximo - 1;
    Campo(local.szCodigo, sizeof local.szCodigo, codigo);
    Campo(local.szDescricao, sizeof local.szDescricao, descricao);
    return local;
}

inline DF_LOCARM_ARQ Legado(const std::string& codigo, const std::string& descricao, char tipo) {
    DF_LOCARM_ARQ legado{};
    Campo(legado.szCodigo, sizeof legado.szCodigo, codigo);
    Campo(legado.szDescricao, sizeof legado.szDescricao, descricao);
    legado.cTipo = tipo;
    return legado;
}

// One log entry of the old company: operation, document position, user.
struct EntradaLogAntiga {
    QD_E_OPERACAO_LOG operacao;
    std::uint32_t posicao;
    std::uint16_t usuario;
};

// The four texts of the properties.
struct TextosAntigos {
    std::string dominio, modelo, para, cc;
};

// ---- Writing the old files -----------------------------------------------------------------

inline std::string BytesDe(const void* dados, std::size_t tamanho) {
    return std::string(static_cast<const char*>(dados), tamanho);
}

// A record file through the record-file layer (so that the folder's control list names it, as for
// any file the system made): the header, then the records appended in order.
inline void GravaArquivo(const std::string& caminho, std::uint32_t tamanho, const std::string& cabecalho,
                         const std::vector<std::string>& registros) {
    CZTArqEx arquivo;
    ASSERT_EQ(arquivo.Open(caminho.c_str(), 'G', tamanho, true, true), 0) << caminho;
    std::string primeiro = cabecalho;
    primeiro.resize(tamanho, '\0');
    ASSERT_EQ(arquivo.WriteHeader(primeiro.data(), tamanho), 0);
    for (const std::string& registro : registros) {
        ASSERT_EQ(registro.size(), tamanho);
        std::int32_t posicao = 0;
        ASSERT_EQ(arquivo.WriteRecord(registro.data(), posicao), 0);
    }
    ASSERT_EQ(arquivo.CloseEx(), 0);
}

template <class T>
std::vector<std::string> Registros(const std::vector<T>& registros) {
    std::vector<std::string> bytes;
    for (const T& registro : registros) bytes.push_back(BytesDe(&registro, sizeof registro));
    return bytes;
}

// QDMESTRE.DAT with the marks and the other fields of an old company, its texts in QDDOCDSC.DAT.
inline void GravaMestreAntigo(const std::string& pasta, std::uint8_t bFlags, std::uint16_t iVersaoSistema,
                              const TextosAntigos& textos) {
    QD_PROPRIEDADES_ARQ arq{};
    arq.iProxNumeroDoc = 41;
    arq.iCodigoCliente = 77;
    arq.bAcessoTotalSupervisor = 1;
    arq.bFlags = bFlags;
    arq.iVersaoSistema = iVersaoSistema;
    arq.iPorta = 25;
    {
        CZTArqEx descricoes;
        ASSERT_EQ(descricoes.Open((pasta + "/QDDOCDSC.DAT").c_str(), 'G', 1, true, true), 0);
        struct Texto {
            const std::string& texto;
            std::uint32_t& tamanho;
            std::uint32_t& posicao;
        };
        for (const Texto& t : {Texto{textos.dominio, arq.nTamDominio, arq.lPosDominio},
                               Texto{textos.modelo, arq.nTamModeloEmail, arq.lPosModeloEmail},
                               Texto{textos.para, arq.nTamEmailPara, arq.lPosEmailPara},
                               Texto{textos.cc, arq.nTamEmailCC, arq.lPosEmailCC}}) {
            std::int32_t offset = 0;
            ASSERT_EQ(ZTGravaBytesArq(descricoes, t.texto.data(), static_cast<std::int32_t>(t.texto.size()), 0, offset), 0);
            t.tamanho = static_cast<std::uint32_t>(t.texto.size());
            t.posicao = static_cast<std::uint32_t>(offset);
        }
        ASSERT_EQ(descricoes.CloseEx(), 0);
    }
    GravaArquivo(pasta + "/QDMESTRE.DAT", sizeof arq, BytesDe(&arq, sizeof arq), {});
}

// QDLOG.DAT: its header byte, then one bare entry per element (no data, no items).
inline void GravaLogAntigo(const std::string& pasta, const std::vector<EntradaLogAntiga>& entradas) {
    std::string bytes(1, '\0');
    for (const EntradaLogAntiga& entrada : entradas) {
        QD_LOG_ARQ log{};
        log.dataGravacaoLog = 0x4F000000;
        log.eOperacao = static_cast<std::uint16_t>(entrada.operacao);
        log.iUsuario = entrada.usuario;
        log.lPosicao = entrada.posicao;
        bytes += BytesDe(&log, sizeof log);
    }
    WriteFile(pasta + "/QDLOG.DAT", bytes);
}

// ---- What a correct conversion gives, built by offsets ----------------------------------------

// The 160-byte record of an old 128-byte one: bytes 0-19 as they were, the 10 code bytes at 20,
// the 66 description bytes at 60, all else zero.
inline std::string LocalConvertido(const std::string& antigo) {
    std::string novo(160, '\0');
    novo.replace(0, 20, antigo.substr(0, 20));
    novo.replace(20, 10, antigo.substr(20, 10));
    novo.replace(60, 66, antigo.substr(30, 66));
    return novo;
}

// The 128-byte record of a legacy one: the code's first 9 characters at 20, the description's
// first 65 at 30, flag 1 for a group, all else zero.
inline std::string LocalImportado(const DF_LOCARM_ARQ& legado) {
    std::string novo(128, '\0');
    const std::string codigo(legado.szCodigo, strnlen(legado.szCodigo, sizeof legado.szCodigo));
    const std::string descricao(legado.szDescricao, strnlen(legado.szDescricao, sizeof legado.szDescricao));
    novo.replace(20, std::min<std::size_t>(codigo.size(), 9), codigo.substr(0, 9));
    novo.replace(30, std::min<std::size_t>(descricao.size(), 65), descricao.substr(0, 65));
    if (legado.cTipo == 'G') novo[0] = 1;
    return novo;
}

// The record `posicao` (from 0) of `tamanho` bytes in `bytes`.
inline std::string RegistroEm(const std::string& bytes, std::size_t tamanho, std::size_t posicao) {
    return bytes.substr(posicao * tamanho, tamanho);
}

// ---- The old company of most cases --------------------------------------------------------

// What an old company holds, and the day, month and year of each document's validity date.
struct ConteudoAntigo {
    std::vector<QD_DOC_ARQ> documentos;
    std::vector<EntradaLogAntiga> log;
    std::vector<QD_LOCARQ_ARQ_1> locais;
    std::vector<DF_LOCARM_ARQ> legados;
    TextosAntigos textos;
};

// Four documents (a validity date in 2024, none, one before 1950, 1 January 1950), a log that
// includes and changes them, two locations (the second with a code and description that fill
// their fields), two legacy locations (a group, and one whose texts are longer than the new
// record keeps), and four texts.
inline ConteudoAntigo ConteudoPadrao() {
    ConteudoAntigo c;
    c.documentos = {DocAntigo(3, ZTMontaData(15, 3, 2024), "contrato.pdf"), DocAntigo(4, 0, "nota.pdf"),
                    DocAntigo(3, ZTMontaData(31, 12, 1940), "antigo.pdf"),
                    DocAntigo(5, ZTMontaData(1, 1, 1950), "virada.pdf")};
    c.log = {
        {QD_OP_LOG_DOC_INCLUSAO, 1, 7},        {QD_OP_LOG_DOC_ALTERACAO_PARA, 1, 9},
        {QD_OP_LOG_DOC_ALTERACAO_DE, 1, 5},    {QD_OP_LOG_DOC_INCLUSAO, 2, 8},
        {QD_OP_LOG_DOC_ALTERACAO_PARA, 1, 11}, {QD_OP_LOG_DOC_INCLUSAO, 99, 4},
        {QD_OP_LOG_DOC_INCLUSAO, 0, 4},        {QD_OP_LOG_DOC_EXCLUSAO, 3, 6},
    };
    c.locais = {LocalAntigo(1, "1.001", "Sala A", 10), LocalAntigo(0, "1.001.0001", std::string(66, 'D'), 3)};
    c.legados = {Legado("2", "Arquivo morto", 'G'), Legado("2.00100001", std::string(66, 'x'), 'C')};
    c.textos = {"empresa.com.br", "Prezado(a), o documento vence em breve.", "arquivo@empresa.com.br",
                "chefia@empresa.com.br"};
    return c;
}

// Writes `c` into the data folder `pasta` and DFLOCARM.DAT into `pastaBase` (none when empty),
// with the marks given; with a data version the locations are already 160-byte records.
inline void GravaEmpresaAntiga(const std::string& pasta, const std::string& pastaBase, const ConteudoAntigo& c,
                               std::uint8_t bFlags = 0, std::uint16_t iVersaoSistema = 0) {
    GravaMestreAntigo(pasta, bFlags, iVersaoSistema, c.textos);
    GravaArquivo(pasta + "/QDDOC.DAT", sizeof(QD_DOC_ARQ), "", Registros(c.documentos));
    GravaLogAntigo(pasta, c.log);
    std::vector<std::string> locais = Registros(c.locais);
    std::uint32_t tamanho = sizeof(QD_LOCARQ_ARQ_1);
    if (iVersaoSistema != 0) {
        for (std::string& local : locais) local = LocalConvertido(local);
        tamanho = sizeof(QD_LOCARQ_ARQ);
    }
    GravaArquivo(pasta + "/QDLOCARQ.DAT", tamanho, "", locais);
    if (!pastaBase.empty()) GravaArquivo(pastaBase + "/DFLOCARM.DAT", sizeof(DF_LOCARM_ARQ), "", Registros(c.legados));
}

// A test company (EmpresaTeste) whose base module has the folder "<scratch>/dados/BASE".
class EmpresaAntiga : public EmpresaTeste {
public:
    EmpresaAntiga() {
        std::filesystem::create_directories(PastaBase());
        EXPECT_EQ(ZTGravaStringRegistry(platform::HKEY_LOCAL_MACHINE,
                                        (CZTString(ZT_CHAVE_EMPRESAS) + kEmpresaTeste).GetString(),
                                        ZTGetPrefixoModulo(ZT_MODULO_EMPRESARIAL), (PastaBase() + "/").c_str()),
                  0u);
    }
    [[nodiscard]] std::string PastaBase() const { return Ambiente().Path("dados/BASE"); }
    // Writes the old company (see GravaEmpresaAntiga) into this company's folders.
    void Grava(const ConteudoAntigo& c, std::uint8_t bFlags = 0, std::uint16_t iVersaoSistema = 0) const {
        GravaEmpresaAntiga(Pasta(), PastaBase(), c, bFlags, iVersaoSistema);
    }
};

// ---- Surroundings --------------------------------------------------------------------------

// Installs a fake ticker (a busy lock is given up at once) and the given file operations for the
// scope of the object.
class AmbienteMigracoesTeste {
public:
    explicit AmbienteMigracoesTeste(IQDOperacoesArquivo* operacoes = nullptr) {
        QDAmbienteMigracoes ambiente;
        ambiente.relogio = &relogio;
        ambiente.operacoes = operacoes;
        anterior_ = QDDefineAmbienteMigracoes(ambiente);
    }
    ~AmbienteMigracoesTeste() { (void)QDDefineAmbienteMigracoes(anterior_); }
    AmbienteMigracoesTeste(const AmbienteMigracoesTeste&) = delete;
    AmbienteMigracoesTeste& operator=(const AmbienteMigracoesTeste&) = delete;

    FakeTicker relogio;

private:
    QDAmbienteMigracoes anterior_;
};

}  // namespace kelvo::testing
