// A company written before June 2027 stays as it was when later sessions read it: the dates that
// the original range held keep their stored values and texts, and reading changes no byte.
#include "server/tests/document_test_support.h"
#include "util/time/short_date.h"
#include "util/time/short_date_text.h"
#include "util/tests/time_test_clock.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

namespace {

using namespace kelvo::testing;

// Every file under `pasta` with its bytes.
std::map<std::string, std::string> Fotografia(const std::string& pasta) {
    std::map<std::string, std::string> arquivos;
    for (const auto& entrada : std::filesystem::recursive_directory_iterator(pasta)) {
        if (entrada.is_regular_file()) arquivos[entrada.path().string()] = Bytes(entrada.path().string());
    }
    return arquivos;
}

// Guards against a session or a read that rewrites dates of the original range, or any other byte
// of a company whose migrations have all run.
TEST(DatasAntigas, ReadingACompanyWrittenBefore2027ChangesNoByte) {
    struct Caso { int dia, mes, ano; const char* texto; };
    const Caso casos[] = {
        {1, 1, 1927, "01/01/1927"}, {31, 12, 1945, "31/12/1945"}, {29, 2, 2000, "29/02/2000"},
        {31, 12, 2026, "31/12/2026"}, {4, 6, 2027, "04/06/2027"},
    };
    EmpresaDocs empresa;  // its first session has run every migration
    const zt_time_test::RelogioFixado hoje(zt_time_test::DiaDe2026());  // two-digit years in 1946..2045
    const std::uint32_t tipo = empresa.NovoTipo();
    const std::uint32_t local = empresa.NovoLocal(10, 10);
    std::vector<std::uint32_t> posicoes;
    for (const Caso& c : casos) {
        DadosDoc dados;
        dados.lTipDoc = tipo;
        dados.lLocArq = local;
        dados.iDataEmissao = ZTMontaData(c.dia, c.mes, c.ano);
        dados.iDataValidade = 27759;  // 31/12/2025 counted from 1950
        dados.descricao = c.texto;
        dados.conteudo = c.texto;
        posicoes.push_back(empresa.Insere(dados));
    }
    for (const std::uint32_t posicao : posicoes) (void)empresa.Le(posicao);  // the first read makes the links' file
    const auto antes = Fotografia(empresa.Empresa().Pasta());

    Servidor outra;
    ASSERT_EQ(outra->Inicializa(Sessao(kEmpresaTeste, 1)), platform::S_OK);
    CSilentConexaoGedSrv conexao;
    conexao.SetInterface(&*outra);
    for (std::size_t i = 0; i < posicoes.size(); ++i) {
        CQDDoc doc;
        ASSERT_EQ(conexao.LeDoc(1, &posicoes[i], &doc, 0), platform::S_OK);  // every part
        char texto[11];
        EXPECT_STREQ(ZTDataParaTexto(doc->iDataEmissao, texto, true), casos[i].texto);
        EXPECT_GE(doc->iDataEmissao, 28856u) << "stored in the original range";
        EXPECT_EQ(doc->iDataValidade, 27759u);
        EXPECT_EQ(Conteudo(doc), casos[i].texto);
    }
    CQDTipDoc tipoLido;
    EXPECT_EQ(conexao.LeTipDocEx(1, &tipo, &tipoLido, 0xFF), platform::S_OK);
    CQDLocArq localLido;
    EXPECT_EQ(conexao.LeLocArqEx(1, &local, &localLido, 0xFF), platform::S_OK);

    const auto depois = Fotografia(empresa.Empresa().Pasta());
    ASSERT_EQ(depois.size(), antes.size());
    for (const auto& [caminho, bytes] : antes) EXPECT_TRUE(depois.at(caminho) == bytes) << caminho;
}

}  // namespace
