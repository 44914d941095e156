// The quick search while another process changes or cuts the company's files between searches: a
// child process, opening the same data folder with files of its own, rewrites descriptions and
// field values in place at their size, or cuts files shorter. The answers follow the files, as
// the reference (search_rapida_referencia.h) gives them, and a cut file never brings the server
// down.
#include "outside/pendora/qd_campo_valor.h"
#include "platform/file/file.h"
#include "platform/tests/support/child_processes.h"
#include "server/record_file/qd_arq_t.h"
#include "server/tests/search_referencia_test_support.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

using namespace kelvo::testing;

namespace {

constexpr std::uint32_t kDocs = 600;

class BuscaOutroProcesso : public BuscaComReferencia {
protected:
    void SetUp() override {
        EmpresaGeradaBusca empresa(empresa_, 4711);
        ASSERT_NO_FATAL_FAILURE(empresa.Gera(kDocs));
        for (int i = 0; i < 12; ++i) consultas_.push_back(empresa.Consulta());
        consultas_.push_back("zzqx");
        consultas_.push_back("\"zzqx nota\"");
    }

    // Runs `trabalho` in a child process, a copy of this one that opens the files anew, and waits
    // for it to end well.
    static void NoOutroProcesso(const std::function<bool()>& trabalho) {
        const pid_t filho = ::fork();
        ASSERT_GE(filho, 0);
        if (filho == 0) ::_exit(trabalho() ? 0 : 1);
        ASSERT_EQ(WaitForChild(filho), 0);
    }

    // Waits until the stamps of the text files are settled, so that the next search reads its
    // texts under stamps that vouch for them and the one after trusts them: the case in which
    // only the stamps can tell that another process changed a file.
    void EsperaAssentarem() {
        for (const char* nome : {QD_ARQ_DOC_DESCRICAO, QD_ARQ_DOC_CAMPO}) {
            platform::File arquivo;
            ASSERT_TRUE(arquivo.Open(empresa_.Arquivo(nome).c_str(), platform::File::modeRead | platform::File::shareDenyNone));
            const auto limite = std::chrono::steady_clock::now() + kWaitLimit;
            while (!arquivo.ReadStamp().settled) {
                ASSERT_LT(std::chrono::steady_clock::now(), limite) << nome;
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
    }

    // Searches once so that the texts are read under settled stamps.
    void PreparaCache() {
        ASSERT_NO_FATAL_FAILURE(EsperaAssentarem());
        (void)Rapida("nota");
    }

    std::vector<std::string> consultas_;
};

// Overwrites the start of the description of the document at `posicao` in place, at its size,
// with `texto`; false when it has none or a step fails.
bool ReescreveDescricao(IQDArqBind& bind, std::uint32_t posicao, const std::string& texto) {
    CQDArqT<QD_DOC_ARQ> docs(bind);
    QD_DOC_ARQ doc{};
    if (docs.Open('L', true, true) != 0 || docs.ReadRecord(static_cast<std::int32_t>(posicao), &doc) != 0) return false;
    if (doc.nTamDescricao < texto.size()) return false;
    CQDArqBytes descricoes(bind, QD_ARQ_DOC_DESCRICAO);
    std::int64_t lugar = 0;
    return descricoes.Open('G', true, true) == 0 && descricoes.SeekEx('P', doc.lPosDescricao, lugar) == 0 &&
           descricoes.WriteBytes(static_cast<std::uint32_t>(texto.size()), texto.data()) == 0;
}

// Overwrites the first field value of the document at `posicao` in place with the text `texto`.
bool ReescreveCampo(IQDArqBind& bind, std::uint32_t posicao, const std::string& texto) {
    CQDArqT<QD_DOC_ARQ> docs(bind);
    QD_DOC_ARQ doc{};
    if (docs.Open('L', true, true) != 0 || docs.ReadRecord(static_cast<std::int32_t>(posicao), &doc) != 0) return false;
    if (doc.nQtdCampos == 0) return false;
    CQDArqT<QD_DOC_CAMPO_ARQ> campos(bind);
    QD_DOC_CAMPO_ARQ campo{};
    campo.id = QD_CAMPO_LIVRE_TEXTO_0;
    (void)QDSetCampoTexto(campo.BinaryData, texto);
    auto lugar = static_cast<std::int32_t>(doc.lPrimeiroCampo);
    return campos.Open('G', true, true) == 0 && campos.WriteRecord(&campo, lugar) == 0;
}

// Points the record at `posicao` to the description and fields of the record at `outra`: the text
// files stay as they are, only QDDOC.DAT changes.
bool ApontaTextosDe(IQDArqBind& bind, std::uint32_t posicao, std::uint32_t outra) {
    CQDArqT<QD_DOC_ARQ> docs(bind);
    QD_DOC_ARQ doc{};
    QD_DOC_ARQ modelo{};
    if (docs.Open('G', true, true) != 0 || docs.ReadRecord(static_cast<std::int32_t>(posicao), &doc) != 0 ||
        docs.ReadRecord(static_cast<std::int32_t>(outra), &modelo) != 0) {
        return false;
    }
    doc.lPosDescricao = modelo.lPosDescricao;
    doc.nTamDescricao = modelo.nTamDescricao;
    doc.lPrimeiroCampo = modelo.lPrimeiroCampo;
    doc.nQtdCampos = modelo.nQtdCampos;
    auto lugar = static_cast<std::int32_t>(posicao);
    return docs.WriteRecord(&doc, lugar) == 0;
}

// Cuts the file `nome` to `fracao` of its length plus `mais` bytes.
bool Corta(IQDArqBind& bind, const char* nome, double fracao, std::uint64_t mais) {
    CQDArqBytes arquivo(bind, nome);
    std::int64_t comprimento = 0;
    if (arquivo.Open('G', true, true) != 0 || arquivo.SeekEx('F', 0, comprimento) != 0) return false;
    return arquivo.SetLengthEx(static_cast<std::uint64_t>(static_cast<double>(comprimento) * fracao) + mais) == 0;
}

// Guards the cache's trust in files that another process rewrites in place at the same size:
// neither the size nor this server's own writes tell of such a change; the answers must follow.
TEST_F(BuscaOutroProcesso, SameSizeChangesInPlaceAreSeenAtTheNextSearch) {
    const std::uint32_t docs[] = {7, 130, 131, 422, 599};
    int mudancas = 0;
    for (const std::uint32_t posicao : docs) {
        ASSERT_NO_FATAL_FAILURE(PreparaCache());
        IQDArqBind& bind = empresa_.Bind();
        ASSERT_NO_FATAL_FAILURE(NoOutroProcesso([&] {
            const bool descricao = ReescreveDescricao(bind, posicao, "zzqx nota ");
            const bool campo = ReescreveCampo(bind, posicao + 1, "zzqx");
            return descricao || campo;
        }));
        ++mudancas;
        const RespostaBusca achados = Rapida("zzqx");
        EXPECT_EQ(achados, Referencia({"zzqx"}).front()) << "after the change of " << posicao;
        EXPECT_FALSE(achados.pares.empty()) << "after the change of " << posicao;
        (void)Compara(consultas_, 0, "after the change of " + std::to_string(posicao));
    }
    EXPECT_EQ(mudancas, 5);
}

// Guards the cache's entries against a record that names other bytes while the text files stay
// unchanged: the document's texts are those the record names now.
TEST_F(BuscaOutroProcesso, ARecordNamingOtherTextsIsReadAgain) {
    IQDArqBind& bind = empresa_.Bind();
    ASSERT_NO_FATAL_FAILURE(NoOutroProcesso([&] { return ReescreveDescricao(bind, 40, "zzqx nota "); }));
    ASSERT_NO_FATAL_FAILURE(PreparaCache());
    ASSERT_NO_FATAL_FAILURE(PreparaCache());
    ASSERT_NO_FATAL_FAILURE(NoOutroProcesso([&] { return ApontaTextosDe(bind, 300, 40); }));
    const RespostaBusca achados = Rapida("zzqx");
    EXPECT_EQ(achados, Referencia({"zzqx"}).front());
    (void)Compara(consultas_, 0, "after the record changed");
}

// Guards reading instead of mapping the shared files: files cut shorter by another process, even
// in the middle of a record, answer what the reference answers (a failure of the read, or fewer
// documents) and never bring the process down.
TEST_F(BuscaOutroProcesso, FilesCutShorterByAnotherProcessNeverCrash) {
    struct Corte {
        const char* nome;
        double fracao;
        std::uint64_t mais;
    };
    const Corte cortes[] = {
        {QD_ARQ_DOC_DESCRICAO, 0.9, 0}, {QD_ARQ_DOC_CAMPO, 0.7, 13}, {QD_ARQ_VINCULO_DOC, 0.5, 3},
        {QD_ARQ_DOC_USUARIO, 0.5, 1},   {QD_ARQ_DOC, 0.6, 100},      {QD_ARQ_DOC_DESCRICAO, 0.0, 0},
    };
    for (const Corte& corte : cortes) {
        ASSERT_NO_FATAL_FAILURE(PreparaCache());
        IQDArqBind& bind = empresa_.Bind();
        ASSERT_NO_FATAL_FAILURE(NoOutroProcesso([&] { return Corta(bind, corte.nome, corte.fracao, corte.mais); }));
        (void)Compara(consultas_, 0, std::string("after cutting ") + corte.nome);
    }
}

}  // namespace
