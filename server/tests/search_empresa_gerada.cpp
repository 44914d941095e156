#include "server/tests/search_empresa_gerada.h"

#include "outside/pendora/qd_campo_valor.h"
#include "outside/pendora/qd_nome_processo.h"
#include "server/record_file/qd_arq_t.h"
#include "server/tests/search_test_support.h"
#include "util/key/zt_chave_mes_ano.h"
#include "util/text/code_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace kelvo::testing {

namespace {

// Windows-1252 texts of UTF-8 literals.
std::vector<std::string> Ansis(std::initializer_list<const char*> textos) {
    std::vector<std::string> ansi;
    for (const char* texto : textos) ansi.push_back(Ansi(texto));
    return ansi;
}

const std::vector<std::string>& PalavrasComuns() {
    static const std::vector<std::string> palavras =
        Ansis({"Ação", "cobrança", "fornecedor", "nota fiscal", "nota", "contrato", "de", "aluguel", "pagamento",
               "recibo", "São Paulo", "guaraná", "imposto", "café", "órgão", "público", "Médico", "pão", "água",
               "balanço", "mensal", "banana", "ana", "aaa", "Œuvre", "façade", "naïve", "ÀÉÎÕÜ", "x"});
    return palavras;
}
const std::vector<std::string>& NomesTipos() {
    static const std::vector<std::string> nomes =
        Ansis({"Balancete Anual", "Procuração", "Escritura Pública", "Declaração", "Memorando"});
    return nomes;
}
const std::vector<std::string>& CodigosTipos() {
    static const std::vector<std::string> codigos = {"01", "0101", "0102", "02", "0305", "9"};
    return codigos;
}
const std::vector<std::string>& DescricoesLocais() {
    static const std::vector<std::string> descricoes = Ansis({"Arquivo Morto Sótão", "Estante Três", "Cofre", "Depósito"});
    return descricoes;
}
const std::vector<std::string>& CodigosLocais() {
    static const std::vector<std::string> codigos = {"9.004", "1.001", "A-12", "7"};
    return codigos;
}
const std::vector<QD_E_PROCESSO>& Processos() {
    static const std::vector<QD_E_PROCESSO> processos = {QD_PROCESSO_FT_NF, QD_PROCESSO_CN_LAN, QD_PROCESSO_GE_CONTRATOS,
                                                         QD_PROCESSO_FN_CRE_LANC};
    return processos;
}
// The words of the link origins' process names.
const std::vector<std::string>& PalavrasProcessos() {
    static const std::vector<std::string> palavras = [] {
        std::vector<std::string> todas;
        for (const QD_E_PROCESSO processo : Processos()) {
            const std::string nome = QDGetNomeProcesso(processo);
            for (std::size_t i = 0, j = 0; i <= nome.size(); ++i) {
                if (i < nome.size() && nome[i] != ' ') continue;
                if (i > j) todas.push_back(nome.substr(j, i - j));
                j = i + 1;
            }
            todas.push_back(nome);
        }
        return todas;
    }();
    return palavras;
}

// The whole of `registros` as file contents after a zeroed header record.
template <class T>
std::string Arquivo(const std::vector<T>& registros) {
    std::string bytes(sizeof(T), '\0');
    bytes.append(reinterpret_cast<const char*>(registros.data()), registros.size() * sizeof(T));
    return bytes;
}

// Writes `bytes` as the whole file of layout T (created or emptied).
template <class T>
void EscreveArquivo(IQDArqBind& bind, const std::string& bytes, const char* nome = QDArquivoDoRegistro<T>::kNome) {
    CQDArqT<T> arquivo(bind, nome);
    ASSERT_EQ(arquivo.Open('C', true, true), 0) << nome;
    ASSERT_EQ(arquivo.WriteHeader(bytes.data(), static_cast<std::uint32_t>(bytes.size())), 0) << nome;
}

}  // namespace

std::string EmpresaGeradaBusca::Palavra() { return Um(PalavrasComuns()); }

std::string EmpresaGeradaBusca::Frase(std::uint32_t minimo, std::uint32_t maximo) {
    std::string frase;
    for (std::uint32_t n = Entre(minimo, maximo); n > 0; --n) {
        if (!frase.empty()) frase += Chance(90) ? " " : ", ";
        frase += Variante(Palavra());
    }
    return frase;
}

std::string EmpresaGeradaBusca::FraseDeTamanho(std::size_t tamanho) {
    std::string frase;
    while (frase.size() < tamanho) frase += Variante(Palavra()) + " ";
    frase.resize(tamanho);
    return frase;
}

std::string EmpresaGeradaBusca::Variante(std::string palavra) {
    switch (Entre(0, 5)) {
        case 0: return ZTRetiraAcentos(palavra.c_str()).str();
        case 1: std::transform(palavra.begin(), palavra.end(), palavra.begin(), platform::AnsiToUpper); return palavra;
        case 2: std::transform(palavra.begin(), palavra.end(), palavra.begin(), platform::AnsiToLower); return palavra;
        default: return palavra;
    }
}

std::uint32_t EmpresaGeradaBusca::ChaveVinculo() {
    if (Chance(50)) return Entre(1, 99'999);
    const auto mes = static_cast<std::uint16_t>(Entre(1, 12) + 12 * (Entre(1990, 2030) - 1848));
    return ZTMontaChaveMesAno(mes, Entre(0, 2000));
}

DadosDoc EmpresaGeradaBusca::NovoDoc() {
    DadosDoc dados;
    dados.lTipDoc = Chance(80) ? Um(tipos_) : 0;
    dados.lLocArq = Chance(60) ? Um(locais_) : 0;
    dados.iNrLocalizacao = Chance(50) ? Entre(1, 9999) : 0;
    dados.dwFlags = Chance(30) ? QD_DOC_ACESSO_WEB : 0;
    dados.iFilial = static_cast<std::uint16_t>(Chance(5) ? 7 : Chance(20) ? 1 : 0);
    if (Chance(15)) dados.usuarios = Um(std::vector<std::vector<std::uint16_t>>{{1, 5}, {9}, {3, 1}, {4}});
    dados.descricao = Chance(95) ? Frase(2, 25) : "";
    for (std::uint32_t n = Entre(0, 3); n > 0; --n) {
        if (Chance(25)) {
            dados.campos.push_back({QD_CAMPO_LIVRE_DMA_0, ValorWord(static_cast<std::uint16_t>(Entre(1, 60000)))});
            continue;
        }
        const auto id = static_cast<QD_E_CAMPO_DOC>(QD_CAMPO_LIVRE_TEXTO_0 + Entre(0, 3));
        dados.campos.push_back({id, Frase(1, 4).substr(0, 60)});
    }
    dados.nome = Chance(50) ? ZTRetiraAcentos(Palavra().c_str()).str() + ".pdf" : "doc.pdf";
    return dados;
}

void EmpresaGeradaBusca::Gera(std::uint32_t quantidade) {
    GeraTiposELocais();
    GeraDocs(quantidade);
}

void EmpresaGeradaBusca::GeraTiposELocais() {
    CSilentConexaoGedSrv& conexao = empresa_.Conexao();
    for (std::size_t i = 0; i < 24; ++i) {
        const std::string codigo = CodigosTipos()[i % CodigosTipos().size()] + std::to_string(i / CodigosTipos().size());
        std::vector<std::uint16_t> usuarios;
        if (i % 7 == 3) usuarios = {9};
        if (i % 7 == 5) usuarios = {1, 9};
        const TipoTeste tipo{codigo, NomesTipos()[i % NomesTipos().size()], 0, usuarios, {},
                             {{0, QD_CAMPO_NUM_NF, Ansi("Número da nota")}, {0, QD_CAMPO_LIVRE_TEXTO_0, Ansi("Histórico")}}};
        std::uint32_t posicao = 0;
        ASSERT_EQ(conexao.GravaTipDoc(&posicao, Monta(tipo)), platform::S_OK);
        tipos_.push_back(posicao);
    }
    for (std::size_t i = 0; i < 16; ++i) {
        CQDLocArq local;
        const std::string codigo = CodigosLocais()[i % CodigosLocais().size()] + "." + std::to_string(i);
        std::strncpy(local->szCodigo, codigo.c_str(), sizeof local->szCodigo - 1);
        const std::string& descricao = DescricoesLocais()[i % DescricoesLocais().size()];
        std::strncpy(local->szDescricao, descricao.c_str(), sizeof local->szDescricao - 1);
        std::uint32_t posicao = 0;
        ASSERT_EQ(conexao.GravaLocArq(&posicao, local), platform::S_OK);
        locais_.push_back(posicao);
    }
}

void EmpresaGeradaBusca::GeraDocs(std::uint32_t quantidade) {
    std::vector<QD_DOC_ARQ> docs(quantidade, QD_DOC_ARQ{});
    std::string descricoes(1, '\0');
    std::vector<QD_DOC_CAMPO_ARQ> campos;
    std::vector<QD_DOC_USUARIO_ARQ> usuarios;
    std::vector<QD_VINCULO_DOC_ARQ> vinculos;
    for (std::uint32_t i = 0; i < quantidade; ++i) {
        const DadosDoc dados = NovoDoc();
        const std::uint32_t posicao = i + 1;
        QD_DOC_ARQ& doc = docs[i];
        doc.dwFlags = dados.dwFlags | (Chance(3) ? QD_DOC_EXCLUIDO : 0) | (Chance(5) ? QD_DOC_ESTADO_EXTRA : 0);
        doc.lTipDoc = dados.lTipDoc;
        doc.lLocArq = dados.lLocArq;
        doc.iNrLocalizacao = dados.iNrLocalizacao;
        doc.iFilial = dados.iFilial;
        if (i > 0 && docs[i - 1].lNextDoc == 0 && Chance(10)) {
            docs[i - 1].lNextDoc = posicao;
            doc.lPrevDoc = posicao - 1;
        }
        if (!dados.descricao.empty()) {
            doc.lPosDescricao = static_cast<std::uint32_t>(descricoes.size());
            doc.nTamDescricao = static_cast<std::uint32_t>(dados.descricao.size());
            descricoes += dados.descricao;
        }
        doc.nQtdCampos = static_cast<std::uint32_t>(dados.campos.size());
        doc.lPrimeiroCampo = dados.campos.empty() ? 0 : static_cast<std::uint32_t>(campos.size() + 1);
        for (const auto& [id, valor] : dados.campos) {
            QD_DOC_CAMPO_ARQ campo{};
            campo.id = id;
            std::memcpy(campo.BinaryData, valor.data(), std::min<std::size_t>(valor.size(), sizeof campo.BinaryData));
            campos.push_back(campo);
        }
        doc.nQtdUsuarios = static_cast<std::uint32_t>(dados.usuarios.size());
        doc.lPrimeiroUsuario = dados.usuarios.empty() ? 0 : static_cast<std::uint32_t>(usuarios.size() + 1);
        for (const std::uint16_t usuario : dados.usuarios) usuarios.push_back(QD_DOC_USUARIO_ARQ{usuario, {}});
        std::strncpy(doc.szOriginalFileName, dados.nome.c_str(), sizeof doc.szOriginalFileName - 1);
        for (std::uint32_t n = Chance(33) ? Entre(1, 2) : 0; n > 0; --n) {
            vinculos.push_back({posicao, static_cast<std::uint32_t>(Um(Processos())), ChaveVinculo(), QD_VINCULO_VIVO});
        }
    }
    IQDArqBind& bind = empresa_.Bind();
    ASSERT_NO_FATAL_FAILURE(EscreveArquivo<QD_DOC_ARQ>(bind, Arquivo(docs)));
    ASSERT_NO_FATAL_FAILURE(EscreveArquivo<std::uint8_t>(bind, descricoes, QD_ARQ_DOC_DESCRICAO));
    ASSERT_NO_FATAL_FAILURE(EscreveArquivo<QD_DOC_CAMPO_ARQ>(bind, Arquivo(campos)));
    ASSERT_NO_FATAL_FAILURE(EscreveArquivo<QD_DOC_USUARIO_ARQ>(bind, Arquivo(usuarios)));
    ASSERT_NO_FATAL_FAILURE(EscreveArquivo<QD_VINCULO_DOC_ARQ>(bind, Arquivo(vinculos)));
    quantidadeDocs_ = quantidade;
    quantidadeVinculos_ = static_cast<std::uint32_t>(vinculos.size());
}

std::string EmpresaGeradaBusca::Consulta() {
    std::string consulta;
    for (std::uint32_t n = Entre(1, 3); n > 0; --n) {
        std::string parte;
        switch (Entre(0, 19)) {
            case 0: case 1: case 2: case 3: case 4: case 5: parte = Variante(Palavra()); break;
            case 6: case 7: {
                const std::string palavra = ZTRetiraAcentos(Palavra().c_str()).str();
                parte = palavra.substr(Entre(0, static_cast<std::uint32_t>(palavra.size() / 2)), Entre(2, 4));
                break;
            }
            case 8: case 9: parte = "\"" + Variante(Palavra()) + " " + Variante(Palavra()) + "\""; break;
            case 10: parte = Variante(Um(NomesTipos())); break;
            case 11: parte = Um(CodigosTipos()); break;
            case 12: parte = Variante(Um(DescricoesLocais())); break;
            case 13: parte = Um(CodigosLocais()); break;
            case 14: case 15: parte = Variante(Um(PalavrasProcessos())); break;
            case 16: parte = std::to_string(Entre(0, 99)); break;
            case 17: parte = Chance(50) ? "-0" : std::to_string(Entre(1, 12)) + "-"; break;
            case 18: parte = "zzqx"; break;
            default: parte = std::string(1, static_cast<char>('a' + Entre(0, 25))); break;
        }
        if (parte.find(' ') != std::string::npos && parte.front() != '"' && Chance(50)) parte = "\"" + parte + "\"";
        consulta += (consulta.empty() ? "" : " ") + parte;
    }
    return consulta;
}

void EmpresaGeradaBusca::ReescreveDescricao(std::uint32_t posicao) {
    const QD_DOC_ARQ doc = empresa_.Doc(posicao);
    if (doc.nTamDescricao == 0) return;
    const std::string texto = FraseDeTamanho(doc.nTamDescricao);
    CQDArqBytes arquivo(empresa_.Bind(), QD_ARQ_DOC_DESCRICAO);
    ASSERT_EQ(arquivo.Open('G', true, true), 0);
    std::int64_t lugar = 0;
    ASSERT_EQ(arquivo.SeekEx('P', doc.lPosDescricao, lugar), 0);
    ASSERT_EQ(arquivo.WriteBytes(doc.nTamDescricao, texto.data()), 0);
}

void EmpresaGeradaBusca::ReescreveCampo(std::uint32_t posicao) {
    const QD_DOC_ARQ doc = empresa_.Doc(posicao);
    if (doc.nQtdCampos == 0) return;
    const std::uint32_t lugar = doc.lPrimeiroCampo + Entre(0, doc.nQtdCampos - 1);
    QD_DOC_CAMPO_ARQ campo = LeRegistro<QD_DOC_CAMPO_ARQ>(empresa_.Bind(), lugar);
    std::memset(campo.BinaryData, 0, sizeof campo.BinaryData);
    const std::string texto = Frase(1, 4).substr(0, 60);
    std::memcpy(campo.BinaryData, texto.data(), texto.size());
    GravaRegistro(empresa_.Bind(), campo, lugar);
}

void EmpresaGeradaBusca::AlteraRegistro(std::uint32_t posicao) {
    QD_DOC_ARQ doc = empresa_.Doc(posicao);
    switch (Entre(0, 5)) {
        case 0: doc.lTipDoc = Chance(80) ? Um(tipos_) : 0; break;
        case 5: {
            // Another document's description and fields, the text files themselves unchanged.
            const QD_DOC_ARQ outro = empresa_.Doc(DocQualquer());
            doc.lPosDescricao = outro.lPosDescricao;
            doc.nTamDescricao = outro.nTamDescricao;
            doc.lPrimeiroCampo = outro.lPrimeiroCampo;
            doc.nQtdCampos = outro.nQtdCampos;
            break;
        }
        case 1: doc.lLocArq = Chance(80) ? Um(locais_) : 0; break;
        case 2: doc.dwFlags ^= QD_DOC_ACESSO_WEB; break;
        case 3: doc.iNrLocalizacao = Entre(0, 9999); break;
        default: std::strncpy(doc.szOriginalFileName, Palavra().c_str(), sizeof doc.szOriginalFileName - 1); break;
    }
    GravaRegistro(empresa_.Bind(), doc, posicao);
}

void EmpresaGeradaBusca::Altera() {
    CSilentConexaoGedSrv& conexao = empresa_.Conexao();
    const std::uint32_t posicao = DocQualquer();
    switch (Entre(0, 9)) {
        case 0: case 1: ReescreveDescricao(posicao); break;
        case 2: ReescreveCampo(posicao); break;
        case 3: case 4: AlteraRegistro(posicao); break;
        case 5: {
            QD_VINCULO_DOC_ARQ vinculo{posicao, static_cast<std::uint32_t>(Um(Processos())), ChaveVinculo(), QD_VINCULO_VIVO};
            GravaRegistro(empresa_.Bind(), vinculo);
            ++quantidadeVinculos_;
            break;
        }
        case 6: {
            if (quantidadeVinculos_ == 0) break;
            const std::uint32_t lugar = Entre(1, quantidadeVinculos_);
            QD_VINCULO_DOC_ARQ vinculo = LeRegistro<QD_VINCULO_DOC_ARQ>(empresa_.Bind(), lugar);
            vinculo.lExcluido = QD_VINCULO_REMOVIDO;
            GravaRegistro(empresa_.Bind(), vinculo, lugar);
            break;
        }
        case 7: {
            std::uint32_t novo = 0;
            ASSERT_EQ(conexao.GravaDoc(&novo, Documento(NovoDoc()), 0x1 | 0x2 | 0x8), platform::S_OK);
            quantidadeDocs_ = std::max(quantidadeDocs_, novo);
            break;
        }
        case 8: {
            DadosDoc dados = NovoDoc();
            const QD_DOC_ARQ atual = empresa_.Doc(posicao);
            if (atual.dwFlags & QD_DOC_EXCLUIDO) break;
            dados.lPrevDoc = atual.lPrevDoc;
            dados.lNextDoc = atual.lNextDoc;
            std::uint32_t lugar = posicao;
            EXPECT_EQ(conexao.GravaDoc(&lugar, Documento(dados), 0x2 | 0x8), platform::S_OK) << posicao;
            break;
        }
        default: {
            if (empresa_.Doc(posicao).dwFlags & QD_DOC_EXCLUIDO) break;
            EXPECT_EQ(conexao.ExcluiDoc(1, &posicao), platform::S_OK) << posicao;
            break;
        }
    }
}

}  // namespace kelvo::testing
