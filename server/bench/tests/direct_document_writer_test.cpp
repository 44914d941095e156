// The generator's two ways of writing documents: straight into the record files, a small company
// must come out as GravaDoc makes it, byte for byte but for the moments, and read back the same
// through the server.
#include "server/bench/company_generator.h"

#include "server/document/qd_doc_arq.h"
#include "server/log/qd_log_layout.h"
#include "server/bench/tests/small_company.h"
#include "server/tests/document_test_support.h"
#include "util/tests/time_test_clock.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace kelvo::testing;
using kelvo::bench::GeradorEmpresa;

namespace {

void Zera(std::string& bytes, std::size_t offset, std::size_t tamanho) {
    if (offset + tamanho <= bytes.size()) bytes.replace(offset, tamanho, tamanho, '\0');
}

// QDDOC.DAT without the moments of inclusion and change, which differ from run to run.
std::string DocsSemMomentos(std::string bytes) {
    for (std::size_t offset = sizeof(QD_DOC_ARQ); offset < bytes.size(); offset += sizeof(QD_DOC_ARQ)) {
        Zera(bytes, offset + offsetof(QD_DOC_ARQ, dataInclusao), 8);
    }
    return bytes;
}

// QDLOG.DAT without the entries' moments of writing and the moments of the document records they
// hold.
std::string LogSemMomentos(std::string bytes) {
    std::size_t offset = 1;
    while (offset + sizeof(QD_LOG_ARQ) <= bytes.size()) {
        const std::uint32_t cbDados = U32At(bytes, offset + offsetof(QD_LOG_ARQ, cbLogData));
        const std::uint32_t nItens = U32At(bytes, offset + offsetof(QD_LOG_ARQ, nQtdPtrs));
        Zera(bytes, offset + offsetof(QD_LOG_ARQ, dataGravacaoLog), 4);
        offset += sizeof(QD_LOG_ARQ);
        if (cbDados == sizeof(QD_DOC_ARQ)) Zera(bytes, offset + offsetof(QD_DOC_ARQ, dataInclusao), 8);
        offset += cbDados;
        for (std::uint32_t i = 0; i < nItens && offset + sizeof(QD_LOG_PTRS_ARQ) <= bytes.size(); ++i) {
            offset += sizeof(QD_LOG_PTRS_ARQ) + U32At(bytes, offset + offsetof(QD_LOG_PTRS_ARQ, cbData));
        }
    }
    return bytes;
}

// Everything a test can see of a company: every file of its folder (moments masked), and what
// the server answers for its documents, boxes and a word search.
struct Retrato {
    std::map<std::string, std::string> arquivos;
    std::vector<std::string> documentos;
    std::vector<std::int32_t> disponiveis;
    std::vector<std::uint32_t> achados;
};

std::string DescreveDoc(const CQDDoc& doc) {
    QD_DOC_PS ps = doc.GetPS();
    std::string texto(reinterpret_cast<const char*>(&ps.dwFlags), offsetof(QD_DOC_PS, dataInclusao));
    texto += std::to_string(ps.iDataEmissao) + "/" + std::to_string(ps.iDataValidade) + "/" +
             std::to_string(ps.iFilial) + "/" + ps.szOriginalFileName + "/" + std::to_string(ps.iUsuarioIncluiu) + "|";
    for (const std::uint16_t usuario : Usuarios(doc)) texto += std::to_string(usuario) + ",";
    for (std::uint32_t c = 0; c < ps.nQtdCampos; ++c) {
        texto.append(reinterpret_cast<const char*>(&ps.pCampos[c]), sizeof ps.pCampos[c]);
    }
    for (const auto& [processo, chave] : Origens(doc)) texto += "|" + std::to_string(processo) + ":" + std::to_string(chave);
    return texto + "|" + Descricao(doc);
}

// A company made by the generator in two batches, through GravaDoc or straight into the files.
Retrato Gera(bool direto) {
    EmpresaDocs empresa;
    const zt_time_test::RelogioFixado relogio(zt_time_test::Momento(2026, 6, 15, 10));
    GeradorEmpresa gerador(empresa.Conexao(), kEmpresaTeste, empresa.Empresa().Pasta(), EmpresaPequena());
    EXPECT_EQ(gerador.GeraCadastros(), platform::S_OK);
    for (const std::uint32_t lote : {25u, 17u}) {
        EXPECT_EQ(direto ? gerador.GeraDocumentosDireto(lote, 1) : gerador.GeraDocumentos(lote), platform::S_OK);
    }
    Retrato retrato;
    for (const auto& entrada : std::filesystem::directory_iterator(empresa.Empresa().Pasta())) {
        if (!entrada.is_regular_file()) continue;
        const std::string nome = entrada.path().filename().string();
        std::string bytes = Bytes(entrada.path().string());
        if (nome == QD_ARQ_DOC) bytes = DocsSemMomentos(bytes);
        if (nome == QD_ARQ_LOG) bytes = LogSemMomentos(bytes);
        retrato.arquivos[nome] = bytes;
    }
    for (std::uint32_t posicao = 1; posicao <= gerador.Gerada().nQtdDocumentos; ++posicao) {
        retrato.documentos.push_back(DescreveDoc(empresa.Le(posicao)));
    }
    for (const std::uint32_t local : gerador.Gerada().locais) retrato.disponiveis.push_back(empresa.Disponivel(local));
    CQDArrayPonteiros achados;
    const platform::BSTR palavras = platform::SysAllocStringFromAnsi("fornecedor contrato");
    EXPECT_EQ(empresa.Conexao().BuscaRapida(palavras, 0, achados), platform::S_OK);
    platform::SysFreeString(palavras);
    retrato.achados.assign(achados->pPtrs, achados->pPtrs + achados->qtd);
    const auto& gerada = gerador.Gerada();
    EXPECT_EQ(gerada.dataPrimeiraInclusao, empresa.Doc(1).dataInclusao);
    EXPECT_EQ(gerada.dataUltimaInclusao, empresa.Doc(gerada.nQtdDocumentos).dataInclusao);
    return retrato;
}

// A direct write that drifts from GravaDoc's bytes (a run's position, a location's count, the
// log's entry) would make the benchmark search another company than the server would hold.
TEST(GravadorDireto, WritesTheCompanyGravaDocWrites) {
    const Retrato gravaDoc = Gera(false);
    const Retrato direto = Gera(true);
    ASSERT_EQ(gravaDoc.documentos.size(), 42u);
    EXPECT_EQ(direto.documentos, gravaDoc.documentos);
    EXPECT_EQ(direto.disponiveis, gravaDoc.disponiveis);
    EXPECT_FALSE(gravaDoc.achados.empty());
    EXPECT_EQ(direto.achados, gravaDoc.achados);
    std::set<std::string> nomes, nomesDireto;
    for (const auto& [nome, bytes] : gravaDoc.arquivos) nomes.insert(nome);
    for (const auto& [nome, bytes] : direto.arquivos) nomesDireto.insert(nome);
    EXPECT_EQ(nomesDireto, nomes);
    for (const auto& [nome, bytes] : gravaDoc.arquivos) {
        const auto onde = direto.arquivos.find(nome);
        ASSERT_NE(onde, direto.arquivos.end()) << nome;
        EXPECT_EQ(onde->second.size(), bytes.size()) << nome;
        EXPECT_TRUE(onde->second == bytes) << nome << " differs";
    }
}

}  // namespace
