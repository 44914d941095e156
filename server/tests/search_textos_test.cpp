// Reading a document's own texts during a scan: the description reader's window (across its
// edge, longer than it, damaged places, a file that grew after the open) and the document texts,
// which must be exactly those the client library's CQDDoc::ToStringQS gives.
#include "server/search/qd_leitor_descricoes.h"
#include "server/search/qd_textos_doc.h"
#include "server/tests/search_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

using namespace kelvo::testing;

namespace {

class TextosDoc : public BuscaTeste {
protected:
    // The description that the record at `posicao` points to, through a reader opened now.
    int LeDescricao(CQDLeitorDescricoes& leitor, std::uint32_t posicao, std::string& texto) {
        const QD_DOC_ARQ arq = empresa_.Doc(posicao);
        std::string_view visto;
        const int erro = leitor.Le(arq.lPosDescricao, arq.nTamDescricao, visto);
        texto.assign(visto);
        return erro;
    }
};

std::string Descricao(std::size_t tamanho, char letra) {
    std::string texto(tamanho, letra);
    texto.front() = '<';
    texto.back() = '>';
    return texto;
}

// Descriptions that together pass the window's edge, one longer than the window, read in
// position order and out of it, all come back whole.
TEST_F(TextosDoc, DescriptionsAcrossAndBeyondTheWindow) {
    std::vector<std::pair<std::uint32_t, std::string>> docs;
    for (int i = 0; i < 12; ++i) {
        const std::size_t tamanho = i == 7 ? CQDLeitorDescricoes::kTamanhoJanela + 100 : 30000 + 997 * i;
        DadosDoc dados;
        dados.descricao = Descricao(tamanho, static_cast<char>('a' + i));
        docs.emplace_back(Doc(dados), dados.descricao);
    }
    CQDLeitorDescricoes leitor(empresa_.Bind());
    ASSERT_EQ(leitor.Abre(), 0);
    std::string texto;
    for (const auto& [posicao, esperado] : docs) {
        ASSERT_EQ(LeDescricao(leitor, posicao, texto), 0) << posicao;
        EXPECT_EQ(texto, esperado) << posicao;
    }
    for (auto it = docs.rbegin(); it != docs.rend(); ++it) {
        ASSERT_EQ(LeDescricao(leitor, it->first, texto), 0) << it->first;
        EXPECT_EQ(texto, it->second) << it->first;
    }
}

// A description that begins inside the window and ends a few bytes past it is read from the
// file, never handed out with bytes the window does not hold.
TEST_F(TextosDoc, DescriptionEndingJustPastTheWindow) {
    DadosDoc dados;
    dados.descricao = Descricao(CQDLeitorDescricoes::kTamanhoJanela - 100, 'p');
    const std::uint32_t primeiro = Doc(dados);
    dados.descricao = Descricao(130, 's');
    const std::uint32_t segundo = Doc(dados);
    dados.descricao = Descricao(50, 't');
    const std::uint32_t terceiro = Doc(dados);
    ASSERT_EQ(empresa_.Doc(primeiro).lPosDescricao, 1u);  // the window will begin at byte 1
    CQDLeitorDescricoes leitor(empresa_.Bind());
    ASSERT_EQ(leitor.Abre(), 0);
    std::string texto;
    for (const auto& [posicao, esperado] : {std::pair{primeiro, Descricao(CQDLeitorDescricoes::kTamanhoJanela - 100, 'p')},
                                            std::pair{segundo, Descricao(130, 's')},
                                            std::pair{terceiro, Descricao(50, 't')}}) {
        ASSERT_EQ(LeDescricao(leitor, posicao, texto), 0) << posicao;
        EXPECT_EQ(texto, esperado) << posicao;
    }
}

// A place that does not lie inside the file is 16021, never a read past it; a description
// appended after the open is still found.
TEST_F(TextosDoc, DamagedPlacesFailAndGrowthIsSeen) {
    DadosDoc dados;
    dados.descricao = "primeira";
    const std::uint32_t primeiro = Doc(dados);
    const QD_DOC_ARQ arq = empresa_.Doc(primeiro);
    CQDLeitorDescricoes leitor(empresa_.Bind());
    ASSERT_EQ(leitor.Abre(), 0);
    std::string_view texto;
    EXPECT_EQ(leitor.Le(0, 5, texto), 16021);  // byte 0 is the header
    EXPECT_EQ(leitor.Le(arq.lPosDescricao, 1'000'000, texto), 16021);
    EXPECT_EQ(leitor.Le(4'000'000'000u, 5, texto), 16021);
    EXPECT_EQ(leitor.Le(arq.lPosDescricao + arq.nTamDescricao - 2, 5, texto), 16021);
    EXPECT_TRUE(texto.empty());
    ASSERT_EQ(leitor.Le(arq.lPosDescricao, arq.nTamDescricao, texto), 0);
    EXPECT_EQ(texto, "primeira");
    EXPECT_EQ(leitor.Le(0, 0, texto), 0);  // no description at all
    EXPECT_TRUE(texto.empty());

    dados.descricao = "depois da abertura";
    const std::uint32_t segundo = Doc(dados);
    std::string lido;
    ASSERT_EQ(LeDescricao(leitor, segundo, lido), 0);
    EXPECT_EQ(lido, "depois da abertura");
}

// The texts read straight from the files are those CQDDoc::ToStringQS gives for the same
// document: description, file name, text fields only, location number; folded; empty ones left
// out; a text field filled to its 60th byte read within it.
TEST_F(TextosDoc, SameTextsAsTheClientLibrary) {
    std::vector<DadosDoc> casos(4);
    casos[0].descricao = Ansi("Ação de COBRANÇA");
    casos[0].nome = Ansi("Relatório.pdf");
    casos[0].campos = {{QD_CAMPO_LIVRE_TEXTO_0, Ansi("Fornecedor Guaraná")},
                       {QD_CAMPO_LIVRE_DMA_0, ValorWord(41000)},
                       {QD_CAMPO_FN_HISTORICO, std::string(60, 'h')},
                       {static_cast<QD_E_CAMPO_DOC>(QD_CAMPO_LIVRE_TEXTO_0 + 1), ""}};
    casos[0].iNrLocalizacao = 4711;
    casos[1].nome = "";
    casos[2].descricao = std::string("antes\0depois", 12);
    casos[3].nome = "so.pdf";
    casos[3].campos = {{QD_CAMPO_NUM_NF, ValorDWord(77)}};
    CQDTextosDoc textos(empresa_.Bind());
    bool aberto = false;
    for (const DadosDoc& dados : casos) {
        const std::uint32_t posicao = Doc(dados);
        if (!aberto) {
            ASSERT_EQ(textos.Abre(), 0);
            aberto = true;
        }
        CZTStringArray esperado;
        empresa_.Le(posicao, 0x1 | 0x4 | 0x8).ToStringQS(esperado);
        std::vector<std::string_view> lidos;
        ASSERT_EQ(textos.Le(empresa_.Doc(posicao), lidos), 0) << posicao;
        std::vector<std::string> comoTexto(lidos.begin(), lidos.end());
        std::vector<std::string> comoEsperado;
        for (const CZTString& t : esperado) comoEsperado.push_back(t.str());
        EXPECT_EQ(comoTexto, comoEsperado) << posicao;
    }
    // The first case, spelled out, so that both sides agreeing on nothing cannot pass.
    std::vector<std::string_view> lidos;
    ASSERT_EQ(textos.Le(empresa_.Doc(1), lidos), 0);
    EXPECT_EQ(std::vector<std::string>(lidos.begin(), lidos.end()),
              (std::vector<std::string>{"Acao de COBRANCA", "Relatorio.pdf", "Fornecedor Guarana", std::string(60, 'h'),
                                        "4711"}));
}

}  // namespace
