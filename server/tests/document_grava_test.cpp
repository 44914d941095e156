// Writing documents through the client library: every part lands where the record says, runs
// stay in place or move, parts left out keep their runs, version links and location counts are
// kept, refusals come before any write, content follows the original name's extension and is
// complete before its record, files under an insert's position are kept aside, and the log holds
// the before and after records.
#include "server/content/qd_conteudo_provisorio.h"
#include "server/document/qd_grava_doc.h"
#include "server/tests/content_test_support.h"
#include "server/tests/document_test_support.h"
#include "server/tests/operacoes_arquivo_test_support.h"
#include "util/time/current_time.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

using namespace kelvo::testing;

namespace {

using platform::HRESULT;

constexpr HRESULT kFimArquivo = platform::HResultFromMessage(16021);
constexpr HRESULT kAcessoNegado = platform::HResultFromWin32(platform::ERROR_ACCESS_DENIED);

DadosDoc Completo() {
    DadosDoc dados;
    dados.dwFlags = 0x1;
    dados.iNrLocalizacao = 77;
    dados.iVersao = 3;
    dados.iDataEmissao = 40000;
    dados.iDataValidade = 40100;
    dados.iFilial = 1;
    dados.usuarios = {1, 4, 9};
    dados.campos = {{QD_CAMPO_NUM_NF, "12345"}, {QD_E_CAMPO_DOC(13), std::string(60, 'x')}};
    dados.descricao = "Nota de servi\xE7o";
    dados.conteudo = "%PDF-1.4 conteudo";
    return dados;
}

class GravaDoc : public ::testing::Test {
protected:
    // The bytes of the files a GravaDoc writes, to see that a refused call wrote none of them.
    [[nodiscard]] std::vector<std::string> Gravados() const {
        std::vector<std::string> bytes;
        for (const char* arquivo : {"QDDOC.DAT", "QDDOCUSU.DAT", "QDDOCCMP.DAT", "QDDOCDSC.DAT", "QDLOCARQ.DAT", "QDLOG.DAT"}) {
            bytes.push_back(Bytes(empresa_.Arquivo(arquivo)));
        }
        return bytes;
    }

    EmpresaDocs empresa_;
};

// Every part written reads back as it was written, the server's fields are set, and a client's
// own values for them are ignored.
TEST_F(GravaDoc, InsertReadsBackWithEveryPart) {
    DadosDoc dados = Completo();
    dados.lTipDoc = empresa_.NovoTipo();
    CQDDoc doc = Documento(dados);
    doc->dataInclusao = 5;
    doc->iUsuarioIncluiu = 99;
    std::uint32_t posicao = 0;
    const std::uint32_t antes = ZTGetAgora();
    ASSERT_EQ(empresa_.Conexao().GravaDoc(&posicao, doc, 0xF), platform::S_OK);
    const std::uint32_t depois = ZTGetAgora();
    EXPECT_EQ(posicao, 1u);

    const CQDDoc lido = empresa_.Le(posicao);
    EXPECT_EQ(lido->dwFlags, 0x1u);
    EXPECT_EQ(lido->lTipDoc, dados.lTipDoc);
    EXPECT_EQ(lido->iNrLocalizacao, 77u);
    EXPECT_EQ(lido->iVersao, 3u);
    EXPECT_EQ(lido->iDataEmissao, 40000);
    EXPECT_EQ(lido->iDataValidade, 40100);
    EXPECT_EQ(lido->iFilial, 1);
    EXPECT_STREQ(lido->szOriginalFileName, "nota.pdf");
    EXPECT_EQ(Usuarios(lido), dados.usuarios);
    ASSERT_EQ(lido->nQtdCampos, 2u);
    EXPECT_EQ(lido->pCampos[0].id, QD_CAMPO_NUM_NF);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(lido->pCampos[0].BinaryData), 5), "12345");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(lido->pCampos[1].BinaryData), 60), std::string(60, 'x'));
    EXPECT_EQ(Descricao(lido), dados.descricao);
    EXPECT_EQ(Conteudo(lido), dados.conteudo);
    EXPECT_GE(lido->dataInclusao, antes);
    EXPECT_LE(lido->dataInclusao, depois);
    EXPECT_EQ(lido->dataModificacao, lido->dataInclusao);
    EXPECT_EQ(lido->iUsuarioIncluiu, 1);
    EXPECT_EQ(lido->iUsuarioAlterou, 1);
    EXPECT_EQ(Bytes(empresa_.Docs("0000001.pdf")), dados.conteudo);
}

// The stored bytes of a document lie at the offsets of its layout, and its sub-records in their
// files where the record points.
TEST_F(GravaDoc, StoredBytesLieAtTheirOffsets) {
    empresa_.Insere(Completo());
    DadosDoc dados = Completo();
    dados.lLocArq = empresa_.NovoLocal(0, 0);
    dados.lTipDoc = 6;
    dados.descricao = "abc";
    const std::uint32_t posicao = empresa_.Insere(dados);
    ASSERT_EQ(posicao, 2u);

    const std::string docs = Bytes(empresa_.Arquivo("QDDOC.DAT"));
    ASSERT_EQ(docs.size(), 3u * 256);
    const std::string doc = docs.substr(512, 256);
    struct Campo {
        std::size_t offset;
        std::size_t largura;
        std::uint32_t valor;
    };
    const Campo campos[] = {
        {0, 4, 0x1},  {4, 4, 6},       {8, 4, dados.lLocArq}, {12, 4, 0},     {16, 4, 0},      {20, 4, 77},
        {24, 4, 3},   {36, 4, 3},      {40, 4, 4},            {44, 4, 2},     {48, 4, 3},      {52, 4, 3},
        {60, 2, 40000}, {62, 2, 40100}, {64, 2, 1},           {240, 2, 1},    {242, 2, 1},
    };
    for (const Campo& campo : campos) EXPECT_EQ(NumeroEm(doc, campo.offset, campo.largura), campo.valor) << campo.offset;
    EXPECT_EQ(NumeroEm(doc, 28, 4), NumeroEm(doc, 32, 4));
    EXPECT_EQ(doc.substr(66, 9), std::string("nota.pdf\0", 9));
    EXPECT_EQ(doc.substr(75, 165), std::string(165, '\0'));
    EXPECT_EQ(doc.substr(244), std::string(12, '\0'));

    const std::string usuarios = Bytes(empresa_.Arquivo("QDDOCUSU.DAT"));
    ASSERT_EQ(usuarios.size(), 7u * 8);
    EXPECT_EQ(usuarios.substr(4 * 8, 8), std::string("\x01\0\0\0\0\0\0\0", 8));
    EXPECT_EQ(usuarios.substr(6 * 8, 8), std::string("\x09\0\0\0\0\0\0\0", 8));
    const std::string campos2 = Bytes(empresa_.Arquivo("QDDOCCMP.DAT"));
    ASSERT_EQ(campos2.size(), 5u * 64);
    EXPECT_EQ(campos2.substr(3 * 64, 5), "12345");
    EXPECT_EQ(NumeroEm(campos2, 3 * 64 + 60, 4), static_cast<std::uint32_t>(QD_CAMPO_NUM_NF));
    const std::string descricoes = Bytes(empresa_.Arquivo("QDDOCDSC.DAT"));
    EXPECT_EQ(descricoes.substr(NumeroEm(doc, 56, 4), 3), "abc");
}

// A list no longer than the stored one is rewritten in place; a longer one moves to the end of
// its file, so it never runs over the next document's records.
TEST_F(GravaDoc, RunsStayInPlaceOrMoveToTheEnd) {
    struct Caso {
        std::vector<std::uint16_t> usuarios;
        bool noLugar;
    };
    const Caso casos[] = {{{7, 8}, true}, {{7, 8, 9}, true}, {{7, 8, 9, 10}, false}};
    for (const Caso& caso : casos) {
        EmpresaDocs empresa;
        DadosDoc dados = Completo();
        const std::uint32_t posicao = empresa.Insere(dados);
        empresa.Insere(Completo());  // the next run follows at once
        const std::uint32_t primeiro = empresa.Doc(posicao).lPrimeiroUsuario;
        const std::string outro = Bytes(empresa.Arquivo("QDDOCUSU.DAT")).substr(4 * 8, 3 * 8);

        dados.usuarios = caso.usuarios;
        std::uint32_t reescrita = posicao;
        ASSERT_EQ(empresa.Conexao().GravaDoc(&reescrita, Documento(dados), 0x1), platform::S_OK);
        EXPECT_EQ(reescrita, posicao);
        const QD_DOC_ARQ arq = empresa.Doc(posicao);
        EXPECT_EQ(arq.nQtdUsuarios, caso.usuarios.size());
        EXPECT_EQ(arq.lPrimeiroUsuario == primeiro, caso.noLugar) << caso.usuarios.size();
        if (!caso.noLugar) {
            EXPECT_EQ(arq.lPrimeiroUsuario, 7u);
        }
        EXPECT_EQ(Usuarios(empresa.Le(posicao)), caso.usuarios);
        EXPECT_EQ(Bytes(empresa.Arquivo("QDDOCUSU.DAT")).substr(4 * 8, 3 * 8), outro);
    }
}

// A rewrite that leaves a part out keeps its stored run whatever counts the client sends: a
// restricted document read without its users and written back stays restricted.
TEST_F(GravaDoc, PartsLeftOutKeepTheirStoredRuns) {
    const std::uint32_t posicao = empresa_.Insere(Completo());
    const QD_DOC_ARQ antes = empresa_.Doc(posicao);
    CQDDoc doc = empresa_.Le(posicao, 0x1F);  // counts 0, no arrays
    ASSERT_EQ(doc->nQtdUsuarios, 0u);
    doc->iFilial = 2;
    std::uint32_t reescrita = posicao;
    ASSERT_EQ(empresa_.Conexao().GravaDoc(&reescrita, doc, 0), platform::S_OK);

    const QD_DOC_ARQ depois = empresa_.Doc(posicao);
    EXPECT_EQ(depois.iFilial, 2);
    EXPECT_EQ(depois.nQtdUsuarios, 3u);
    EXPECT_EQ(depois.lPrimeiroUsuario, antes.lPrimeiroUsuario);
    EXPECT_EQ(depois.nQtdCampos, 2u);
    EXPECT_EQ(depois.lPrimeiroCampo, antes.lPrimeiroCampo);
    EXPECT_EQ(depois.nTamDescricao, antes.nTamDescricao);
    EXPECT_EQ(depois.lPosDescricao, antes.lPosDescricao);
    const CQDDoc lido = empresa_.Le(posicao);
    EXPECT_EQ(Usuarios(lido), Completo().usuarios);
    EXPECT_EQ(Descricao(lido), Completo().descricao);
    EXPECT_EQ(Conteudo(lido), Completo().conteudo);
}

// A description no longer than the stored one keeps its place; a longer one is appended; an empty
// one leaves no place at all.
TEST_F(GravaDoc, DescriptionKeepsItsPlaceOnlyWhenItFits) {
    DadosDoc dados = Completo();
    dados.descricao = "abcdef";
    const std::uint32_t posicao = empresa_.Insere(dados);
    const std::uint32_t lugar = empresa_.Doc(posicao).lPosDescricao;
    EXPECT_NE(lugar, 0u);
    struct Caso {
        const char* texto;
        bool noLugar;
    };
    for (const Caso caso : {Caso{"xyz", true}, Caso{"0123456789", false}, Caso{"", false}}) {
        const std::uint32_t antes = empresa_.Doc(posicao).lPosDescricao;
        dados.descricao = caso.texto;
        std::uint32_t reescrita = posicao;
        ASSERT_EQ(empresa_.Conexao().GravaDoc(&reescrita, Documento(dados), 0x8), platform::S_OK);
        const QD_DOC_ARQ arq = empresa_.Doc(posicao);
        EXPECT_EQ(arq.nTamDescricao, std::strlen(caso.texto));
        if (*caso.texto == '\0') {
            EXPECT_EQ(arq.lPosDescricao, 0u);
        } else {
            EXPECT_EQ(arq.lPosDescricao == antes, caso.noLugar) << caso.texto;
        }
        EXPECT_EQ(Descricao(empresa_.Le(posicao)), caso.texto);
    }
}

// An insert after version p becomes p's next version and keeps p as its previous one; a rewrite
// never takes version links from the client.
TEST_F(GravaDoc, InsertAfterAVersionChainsBothWays) {
    const std::uint32_t primeira = empresa_.Insere(Completo());
    DadosDoc dados = Completo();
    dados.lPrevDoc = primeira;
    const std::uint32_t segunda = empresa_.Insere(dados);
    EXPECT_EQ(empresa_.Doc(primeira).lNextDoc, segunda);
    EXPECT_EQ(empresa_.Doc(segunda).lPrevDoc, primeira);
    EXPECT_EQ(empresa_.Doc(segunda).lNextDoc, 0u);

    dados.lPrevDoc = 0;
    dados.lNextDoc = 9;
    std::uint32_t reescrita = segunda;
    ASSERT_EQ(empresa_.Conexao().GravaDoc(&reescrita, Documento(dados), 0), platform::S_OK);
    EXPECT_EQ(empresa_.Doc(segunda).lPrevDoc, primeira);
    EXPECT_EQ(empresa_.Doc(segunda).lNextDoc, 0u);
}

// A request that cannot be honoured is refused before any file changes: no location place taken,
// no run, text, record, chain link or log entry written.
TEST_F(GravaDoc, RefusalsComeBeforeAnyWrite) {
    const std::uint32_t velha = empresa_.Insere(Completo());
    DadosDoc nova = Completo();
    nova.lPrevDoc = velha;
    empresa_.Insere(nova);  // `velha` now has a next version
    const std::uint32_t apagada = empresa_.Insere(Completo());
    ASSERT_EQ(empresa_.Conexao().ExcluiDoc(1, &apagada), platform::S_OK);
    const std::uint32_t viva = empresa_.Insere(Completo());
    const std::uint32_t local = empresa_.NovoLocal(10, 10);

    struct Caso {
        const char* nome;
        std::uint32_t lPrevDoc;
        std::uint32_t lNextDoc;
        bool semUsuarios;
        bool semConteudo;
    };
    const Caso casos[] = {
        {"next version on insert", 0, viva, false, false},
        {"previous version past the end", 99, 0, false, false},
        {"previous version deleted", apagada, 0, false, false},
        {"previous version already has a next one", velha, 0, false, false},
        {"users promised behind a null pointer", viva, 0, true, false},
        {"content promised behind a null pointer", viva, 0, false, true},
    };
    for (const Caso& caso : casos) {
        const std::vector<std::string> antes = Gravados();
        DadosDoc dados = Completo();
        dados.lLocArq = local;
        dados.lPrevDoc = caso.lPrevDoc;
        dados.lNextDoc = caso.lNextDoc;
        CQDDoc doc = Documento(dados);
        if (caso.semUsuarios) {
            platform::CoTaskMemFree(doc->pUsuarios);
            doc->pUsuarios = nullptr;
        }
        if (caso.semConteudo) {
            platform::CoTaskMemFree(doc->pArquivo);
            doc->pArquivo = nullptr;
        }
        std::uint32_t posicao = 0;
        EXPECT_EQ(empresa_.Srv().GravaDoc(&posicao, doc.GetPS(), 0xF), platform::E_INVALIDARG) << caso.nome;
        EXPECT_EQ(Gravados(), antes) << caso.nome;
        EXPECT_EQ(posicao, 0u);
    }
    EXPECT_EQ(empresa_.Disponivel(local), 10);
}

// An insert into a location with a maximum takes one of its places; without a maximum it takes
// none; moving a document out of a location by a rewrite gives the place back (and does not
// charge the new one); a location that cannot be read ends the insert before anything is written.
TEST_F(GravaDoc, LocationCountsFollowTheDocuments) {
    const std::uint32_t comMaximo = empresa_.NovoLocal(5, 5);
    const std::uint32_t semMaximo = empresa_.NovoLocal(0, 3);
    DadosDoc dados = Completo();
    dados.lLocArq = comMaximo;
    const std::uint32_t posicao = empresa_.Insere(dados);
    EXPECT_EQ(empresa_.Disponivel(comMaximo), 4);
    dados.lLocArq = semMaximo;
    empresa_.Insere(dados);
    EXPECT_EQ(empresa_.Disponivel(semMaximo), 3);

    std::uint32_t reescrita = posicao;
    ASSERT_EQ(empresa_.Conexao().GravaDoc(&reescrita, Documento(dados), 0), platform::S_OK);
    EXPECT_EQ(empresa_.Disponivel(comMaximo), 5);
    EXPECT_EQ(empresa_.Disponivel(semMaximo), 3);
    ASSERT_EQ(empresa_.Conexao().GravaDoc(&reescrita, Documento(dados), 0), platform::S_OK);
    EXPECT_EQ(empresa_.Disponivel(semMaximo), 3);  // staying put gives nothing back

    const std::string antes = Bytes(empresa_.Arquivo("QDDOC.DAT"));
    dados.lLocArq = 50;
    std::uint32_t nova = 0;
    EXPECT_EQ(empresa_.Conexao().GravaDoc(&nova, Documento(dados), 0xF), kFimArquivo);
    EXPECT_EQ(Bytes(empresa_.Arquivo("QDDOC.DAT")), antes);
}

// An insert logs its record with the users; a rewrite logs the stored record and users before
// the new ones, and a rewrite that leaves the users out logs the stored users as the new ones.
TEST_F(GravaDoc, LogHoldsTheRecordsAndUsers) {
    const std::uint32_t posicao = empresa_.Insere(Completo());
    const QD_DOC_ARQ inserido = empresa_.Doc(posicao);
    DadosDoc dados = Completo();
    dados.usuarios = {5};
    std::uint32_t reescrita = posicao;
    ASSERT_EQ(empresa_.Conexao().GravaDoc(&reescrita, Documento(dados), 0x1), platform::S_OK);
    const QD_DOC_ARQ primeira = empresa_.Doc(posicao);
    dados.iFilial = 7;
    ASSERT_EQ(empresa_.Conexao().GravaDoc(&reescrita, Documento(dados), 0), platform::S_OK);
    const QD_DOC_ARQ segunda = empresa_.Doc(posicao);

    const std::vector<LogEntry> esperado = {
        {QD_OP_LOG_DOC_INCLUSAO, posicao, BytesDe(inserido), {{QD_TYPE_LOG_USUARIO, BytesUsuarios({1, 4, 9})}}},
        {QD_OP_LOG_DOC_ALTERACAO_DE, posicao, BytesDe(inserido), {{QD_TYPE_LOG_USUARIO, BytesUsuarios({1, 4, 9})}}},
        {QD_OP_LOG_DOC_ALTERACAO_PARA, posicao, BytesDe(primeira), {{QD_TYPE_LOG_USUARIO, BytesUsuarios({5})}}},
        {QD_OP_LOG_DOC_ALTERACAO_DE, posicao, BytesDe(primeira), {{QD_TYPE_LOG_USUARIO, BytesUsuarios({5})}}},
        {QD_OP_LOG_DOC_ALTERACAO_PARA, posicao, BytesDe(segunda), {{QD_TYPE_LOG_USUARIO, BytesUsuarios({5})}}},
    };
    EXPECT_EQ(empresa_.Log(), esperado);

    std::vector<CQDLogEntrada> entradas;
    ASSERT_EQ(QDLeLog(empresa_.Empresa().Pasta().c_str(), entradas), platform::S_OK);
    for (const CQDLogEntrada& entrada : entradas) EXPECT_EQ(entrada.GetLog().iUsuario, 1);
}

// A document without users is logged without an item: an item is written only when it holds bytes.
TEST_F(GravaDoc, NoUsersNoLogItem) {
    DadosDoc dados = Completo();
    dados.usuarios.clear();
    const std::uint32_t posicao = empresa_.Insere(dados);
    const std::vector<LogEntry> log = empresa_.Log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].posicao, posicao);
    EXPECT_TRUE(log[0].itens.empty());
}

// A rewrite that changes the original name's extension takes the stored content file along (its
// name carries the extension), or removes it when the call writes new content, so no content is
// orphaned and the document still reads its content.
TEST_F(GravaDoc, ContentFollowsTheExtension) {
    const std::uint32_t posicao = empresa_.Insere(Completo());
    ASSERT_TRUE(std::filesystem::exists(empresa_.Docs("0000001.pdf")));

    DadosDoc dados = Completo();
    dados.nome = "nota.TXT";
    std::uint32_t reescrita = posicao;
    ASSERT_EQ(empresa_.Conexao().GravaDoc(&reescrita, Documento(dados), 0), platform::S_OK);
    EXPECT_FALSE(std::filesystem::exists(empresa_.Docs("0000001.pdf")));
    EXPECT_EQ(Bytes(empresa_.Docs("0000001.TXT")), Completo().conteudo);
    EXPECT_EQ(Conteudo(empresa_.Le(posicao)), Completo().conteudo);

    dados.nome = "scan.tif";
    dados.conteudo = "novo";
    ASSERT_EQ(empresa_.Conexao().GravaDoc(&reescrita, Documento(dados), 0x4), platform::S_OK);
    EXPECT_FALSE(std::filesystem::exists(empresa_.Docs("0000001.TXT")));
    EXPECT_EQ(Bytes(empresa_.Docs("0000001.tif")), "novo");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(empresa_.Docs("")), {}), 1);

    // A stray file already under the new name belongs to nobody and gives way.
    WriteFile(empresa_.Docs("0000001.png"), "stray");
    dados.nome = "scan.png";
    ASSERT_EQ(empresa_.Conexao().GravaDoc(&reescrita, Documento(dados), 0), platform::S_OK);
    EXPECT_EQ(Bytes(empresa_.Docs("0000001.png")), "novo");
    EXPECT_FALSE(std::filesystem::exists(empresa_.Docs("0000001.tif")));
}

// A record names its content only once the content is complete under its name: when the new
// content cannot be written, an insert leaves no record and a rewrite keeps its stored record
// and content (the old content is replaced only by the rename of a complete new one).
TEST_F(GravaDoc, RecordComesOnlyAfterItsCompleteContent) {
    const std::uint32_t posicao = empresa_.Insere(Completo());
    struct Caso {
        const char* nome;
        std::uint32_t posicao;
        const char* arquivo;
    };
    const Caso casos[] = {{"insert", 0, "0000002.pdf"}, {"rewrite", posicao, "0000001.pdf"}};
    for (const Caso& caso : casos) {
        // A folder holds the name the new content is written under first.
        const std::string provisorio = QDCaminhoConteudoNovo(empresa_.Docs(caso.arquivo).c_str()).str();
        ASSERT_TRUE(std::filesystem::create_directory(provisorio));
        const std::string conteudoAntes = Bytes(empresa_.Docs(caso.arquivo));
        const std::vector<std::string> antes = Gravados();
        DadosDoc dados = Completo();
        dados.conteudo = "nova";
        std::uint32_t escrita = caso.posicao;
        EXPECT_EQ(empresa_.Conexao().GravaDoc(&escrita, Documento(dados), 0x4), kAcessoNegado) << caso.nome;
        EXPECT_EQ(escrita, caso.posicao) << caso.nome;
        EXPECT_EQ(Bytes(empresa_.Arquivo("QDDOC.DAT")), antes[0]) << caso.nome;
        EXPECT_EQ(Bytes(empresa_.Arquivo("QDLOG.DAT")), antes.back()) << caso.nome;
        EXPECT_EQ(Bytes(empresa_.Docs(caso.arquivo)), conteudoAntes) << caso.nome;
        std::filesystem::remove(provisorio);
    }
    EXPECT_EQ(Conteudo(empresa_.Le(posicao)), Completo().conteudo);
}

// An empty content is a document's valid content; a content file that went missing reads as
// file-not-found.
TEST_F(GravaDoc, EmptyContentIsStoredAndAMissingOneIsNotFound) {
    DadosDoc dados = Completo();
    dados.conteudo.clear();
    std::uint32_t posicao = empresa_.Insere(dados);
    ASSERT_TRUE(std::filesystem::exists(empresa_.Docs("0000001.pdf")));
    EXPECT_EQ(Conteudo(empresa_.Le(posicao)), "");
    std::filesystem::remove(empresa_.Docs("0000001.pdf"));
    CQDDoc doc;
    EXPECT_EQ(empresa_.Conexao().LeDoc(1, &posicao, &doc, 0), platform::MakeHResult(0x80070002));
}

// An insert takes the position after the last whole record; files already lying under that
// position's name (its record lost with the end of a damaged QDDOC.DAT) are kept under the first
// free ".NNN" name and the event log says so, instead of being taken over by the new document.
TEST_F(GravaDoc, InsertKeepsTheFilesOfItsPositionAside) {
    empresa_.Insere(Completo());
    DadosDoc segundo = Completo();
    segundo.conteudo = "segundo";
    ASSERT_EQ(empresa_.Insere(segundo), 2u);
    WriteFile(empresa_.Docs("0000002.txt"), "outra extensao");
    WriteFile(empresa_.Docs("0000002.pdf.001"), "guardado antes");
    WriteFile(empresa_.Docs("0000002"), "sem ponto: nenhum documento o nomeia");
    std::filesystem::resize_file(empresa_.Arquivo("QDDOC.DAT"), 3 * 256 - 100);

    content_test::EventLogRecorder eventos;
    DadosDoc terceiro = Completo();
    terceiro.conteudo = "terceiro";
    EXPECT_EQ(empresa_.Insere(terceiro), 2u);
    EXPECT_EQ(Conteudo(empresa_.Le(2)), "terceiro");
    const std::map<std::string, std::string> esperado = {
        {"0000001.pdf", Completo().conteudo},
        {"0000002.pdf", "terceiro"},
        {"0000002.pdf.001", "guardado antes"},
        {"0000002.pdf.002", "segundo"},
        {"0000002.txt.001", "outra extensao"},
        {"0000002", "sem ponto: nenhum documento o nomeia"},
    };
    EXPECT_EQ(Fotografia(empresa_.Docs("")), esperado);
    ASSERT_EQ(eventos.entries.size(), 2u);
    for (const platform::EventLogEntry& entrada : eventos.entries) {
        EXPECT_EQ(entrada.source.str(), "Vaultis");
        EXPECT_EQ(entrada.type, platform::EVENTLOG_WARNING_TYPE);
    }
    EXPECT_NE(eventos.Text().find("0000002.pdf.002"), std::string::npos) << eventos.Text();
    EXPECT_NE(eventos.Text().find("0000002.txt.001"), std::string::npos) << eventos.Text();
}

// Files of the next position that appear after the server last looked at "Docs" (put there by
// another process, a restore) are kept aside all the same: the new document gets a free name.
TEST_F(GravaDoc, FilesAppearingBetweenInsertsAreKeptAside) {
    ASSERT_EQ(empresa_.Insere(Completo()), 1u);
    WriteFile(empresa_.Docs("0000002.pdf"), "de fora");
    WriteFile(empresa_.Arquivo("fora.doc"), "trazido");
    std::filesystem::rename(empresa_.Arquivo("fora.doc"), empresa_.Docs("0000002.doc"));

    DadosDoc segundo = Completo();
    segundo.conteudo = "segundo";
    ASSERT_EQ(empresa_.Insere(segundo), 2u);
    const std::map<std::string, std::string> esperado = {
        {"0000001.pdf", Completo().conteudo},
        {"0000002.pdf", "segundo"},
        {"0000002.pdf.001", "de fora"},
        {"0000002.doc.001", "trazido"},
    };
    EXPECT_EQ(Fotografia(empresa_.Docs("")), esperado);
}

// When every ".NNN" name of a file under the insert's position is taken, the insert fails with
// already-exists before it writes anything.
TEST_F(GravaDoc, InsertThatCannotKeepAFileWritesNothing) {
    DadosDoc dados = Completo();
    dados.lLocArq = empresa_.NovoLocal(10, 10);
    empresa_.Insere(dados);
    for (int sufixo = 1; sufixo <= 999; ++sufixo) {
        WriteFile(empresa_.Docs(CZTString::Formata("0000001.pdf.%03d", sufixo).str()), "ocupado");
    }
    std::filesystem::resize_file(empresa_.Arquivo("QDDOC.DAT"), 256 + 100);
    const std::vector<std::string> antes = Gravados();
    const std::map<std::string, std::string> docsAntes = Fotografia(empresa_.Docs(""));

    std::uint32_t posicao = 0;
    EXPECT_EQ(empresa_.Conexao().GravaDoc(&posicao, Documento(dados), 0xF), platform::MakeHResult(0x800700B7));
    EXPECT_EQ(posicao, 0u);
    EXPECT_EQ(Gravados(), antes);
    EXPECT_EQ(Fotografia(empresa_.Docs("")), docsAntes);
}

// Opening a session clears what saves cut short by a crash left in "Docs" (a new content whose
// record was never written goes, a stored content caught between two renames comes back), but
// not while another writer holds QDDOC.DAT: its save may be under way.
TEST_F(GravaDoc, InicializaClearsWhatCutSavesLeft) {
    empresa_.Insere(Completo());
    DadosDoc segundo = Completo();
    segundo.conteudo = "segundo";
    empresa_.Insere(segundo);
    const auto novo = [this](const char* nome) { return QDCaminhoConteudoNovo(empresa_.Docs(nome).c_str()).str(); };
    const auto antigo = [this](const char* nome) { return QDCaminhoConteudoAntigo(empresa_.Docs(nome).c_str()).str(); };
    WriteFile(novo("0000003.pdf"), "insercao cortada");
    WriteFile(novo("0000001.pdf"), "reescrita cortada");
    std::filesystem::rename(empresa_.Docs("0000002.pdf"), antigo("0000002.pdf"));
    const std::map<std::string, std::string> sobras = Fotografia(empresa_.Docs(""));
    {
        CQDArqT<QD_DOC_ARQ> docs(empresa_.Bind());
        ASSERT_EQ(docs.Open('G', true, true), 0);
        EXPECT_EQ(empresa_.Srv().Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
        EXPECT_EQ(Fotografia(empresa_.Docs("")), sobras);
    }
    EXPECT_EQ(empresa_.Srv().Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
    const std::map<std::string, std::string> esperado = {{"0000001.pdf", Completo().conteudo}, {"0000002.pdf", "segundo"}};
    EXPECT_EQ(Fotografia(empresa_.Docs("")), esperado);
    EXPECT_EQ(Conteudo(empresa_.Le(2)), "segundo");
}

// The original file name is read up to its field's end even without a terminator: the stored
// name holds 173 characters and nothing of the bytes behind the field.
TEST_F(GravaDoc, OriginalNameIsReadUpToItsBound) {
    CQDDoc doc = Documento(Completo());
    std::memset(doc->szOriginalFileName, 'a', sizeof doc->szOriginalFileName);
    doc->szFiller[0] = 'Z';
    doc->szFiller[1] = 'Z';
    std::uint32_t posicao = 0;
    ASSERT_EQ(empresa_.Srv().GravaDoc(&posicao, doc.GetPS(), 0), platform::S_OK);
    const QD_DOC_ARQ arq = empresa_.Doc(posicao);
    EXPECT_EQ(std::string(arq.szOriginalFileName, 174), std::string(173, 'a') + '\0');
    EXPECT_EQ(arq.iUsuarioIncluiu, 1);
}

// A rewrite names a stored document: a position past the last record is the layer's end of file,
// and a null position pointer is refused.
TEST_F(GravaDoc, RewriteOfAMissingPositionFails) {
    std::uint32_t posicao = 3;
    EXPECT_EQ(empresa_.Conexao().GravaDoc(&posicao, Documento(Completo()), 0xF), kFimArquivo);
    EXPECT_EQ(Bytes(empresa_.Arquivo("QDDOC.DAT")).size(), 256u);
    EXPECT_EQ(empresa_.Srv().GravaDoc(nullptr, QD_DOC_PS{}, 0), platform::E_POINTER);
}

}  // namespace
