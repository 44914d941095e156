#include "server/bench/company_generator.h"

#include "outside/conexo/conexo_dados.h"
#include "outside/pendora/qd_campo_tipo_dado.h"
#include "outside/pendora/qd_campo_valor.h"
#include "platform/text/codepage.h"
#include "platform/com/bstr.h"
#include "platform/com/task_allocator.h"
#include "server/bench/direct_document_writer.h"
#include "server/bench/record_appender.h"
#include "server/document/qd_doc_arq.h"
#include "server/links/qd_vinculo_doc_arq.h"
#include "server/record_file/qd_resultado_arq.h"
#include "util/date/zt_data.h"
#include "util/time/current_time.h"
#include "util/time/short_date.h"
#include "util/time/zt_data1950.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <utility>

namespace kelvo::bench {

using platform::FAILED;
using platform::HRESULT;
using platform::SUCCEEDED;

namespace {

// GravaDoc's parts: users, fields and description; never a content.
constexpr std::uint32_t kPartesDoc = 0x1 | 0x2 | 0x8;
constexpr std::uint32_t kGrupo = 0x1;
constexpr std::uint32_t kMaximoPorLocal = 1000;

struct CampoCatalogo {
    QD_E_CAMPO_DOC id;
    const char* nome;  // UTF-8
};

// One group of types as an office files them: its name, the process its documents come from
// and the search fields its types ask for.
struct GrupoCatalogo {
    const char* nome;  // UTF-8
    QD_E_PROCESSO processo;
    std::array<CampoCatalogo, 4> campos;
    int nQtdCampos;
};

constexpr auto Livre(QD_E_CAMPO_DOC bloco, int k) { return static_cast<QD_E_CAMPO_DOC>(bloco + k); }

const std::array<GrupoCatalogo, 10> kGrupos = {{
    {"Notas fiscais de entrada", QD_PROCESSO_CM_RE,
     {{{QD_CAMPO_CLIFOR_CODIGO, "Fornecedor"}, {QD_CAMPO_NUM_NF, "Número da nota"},
       {QD_CAMPO_VALOR_NF, "Valor da nota"}, {QD_CAMPO_DATA_ENT_SAI, "Data de entrada"}}},
     4},
    {"Notas fiscais de saída", QD_PROCESSO_FT_NF,
     {{{QD_CAMPO_CLIFOR_CODIGO, "Cliente"}, {QD_CAMPO_NUM_NF, "Número da nota"},
       {QD_CAMPO_VALOR_NF, "Valor da nota"}, {QD_CAMPO_CFOP, "CFOP"}}},
     4},
    {"Contas a pagar", QD_PROCESSO_FN_CPA_LANC,
     {{{QD_CAMPO_FN_NUM_DOC, "Documento"}, {QD_CAMPO_FN_VALOR_TITULO, "Valor do título"},
       {QD_CAMPO_FN_DATA_VENCIMENTO, "Vencimento"}, {QD_CAMPO_FN_HISTORICO, "Histórico"}}},
     4},
    {"Contas a receber", QD_PROCESSO_FN_CRE_LANC,
     {{{QD_CAMPO_FN_NUM_DOC, "Documento"}, {QD_CAMPO_FN_VALOR_TITULO, "Valor do título"},
       {QD_CAMPO_FN_DATA_VENCIMENTO, "Vencimento"}, {}}},
     3},
    {"Contratos", QD_PROCESSO_GE_CONTRATOS,
     {{{QD_CAMPO_GE_NUM_CONTRATO, "Número do contrato"}, {QD_CAMPO_GE_CLIENTE_CONTRATO, "Contratante"},
       {QD_CAMPO_GE_DESCRICAO, "Objeto"}, {}}},
     3},
    {"Pedidos de venda", QD_PROCESSO_FT_PD,
     {{{QD_CAMPO_FT_PD_NUM_PEDIDO, "Pedido"}, {QD_CAMPO_FT_PD_VALOR_PEDIDO, "Valor do pedido"}, {}, {}}},
     2},
    {"Recursos humanos", QD_PROCESSO_GE_PROT_ENTRADA,
     {{{Livre(QD_CAMPO_LIVRE_TEXTO_0, 0), "Funcionário"}, {Livre(QD_CAMPO_LIVRE_DMA_0, 0), "Data"},
       {Livre(QD_CAMPO_LIVRE_MA_0, 0), "Competência"}, {}}},
     3},
    {"Qualidade", QD_PROCESSO_CQ_DOC,
     {{{Livre(QD_CAMPO_LIVRE_TEXTO_0, 1), "Norma"}, {Livre(QD_CAMPO_LIVRE_V0_0, 0), "Revisão"}, {}, {}}},
     2},
    {"Jurídico", QD_PROCESSO_GE_AST,
     {{{Livre(QD_CAMPO_LIVRE_TEXTO_0, 2), "Processo"}, {Livre(QD_CAMPO_LIVRE_DMA_0, 1), "Audiência"},
       {Livre(QD_CAMPO_LIVRE_V2_0, 0), "Valor da causa"}, {}}},
     3},
    {"Correspondência", QD_PROCESSO_GE_PROT_SAIDA,
     {{{QD_CAMPO_GE_DESTINATARIO, "Destinatário"}, {QD_CAMPO_GE_DATA_ENTREGA, "Entrega"},
       {QD_CAMPO_GE_HORA_ENTREGA, "Hora"}, {Livre(QD_CAMPO_LIVRE_V8_0, 0), "Valor"}}},
     4},
}};

constexpr std::array<const char*, 9> kQualificadores = {
    "matriz", "filiais", "serviços", "materiais", "importação", "exportação", "consumo", "ativo", "terceiros"};

constexpr std::array<const char*, 12> kNomesUsuarios = {
    "Ana Paula", "Bruno", "Carla", "Diego", "Elaine", "Fábio", "Gisele", "Hugo", "Inês", "João", "Karina", "Luís"};

std::string Ansi(const char* utf8) { return platform::AnsiFromUtf8(utf8); }

template <std::size_t N>
void Copia(char (&campo)[N], const std::string& texto) {
    std::strncpy(campo, texto.c_str(), N - 1);
    campo[N - 1] = '\0';
}

// A task-allocator copy of `elementos` for a data class to own; null for none.
template <class T>
T* CopiaTarefa(const std::vector<T>& elementos) {
    if (elementos.empty()) return nullptr;
    void* bloco = platform::CoTaskMemAlloc(elementos.size() * sizeof(T));
    if (!bloco) return nullptr;
    std::memcpy(bloco, elementos.data(), elementos.size() * sizeof(T));
    return static_cast<T*>(bloco);
}

double Segundos(std::chrono::steady_clock::duration duracao) {
    return std::chrono::duration<double>(duracao).count();
}

}  // namespace

// A link waiting to be appended once the batch of documents is written.
struct GeradorEmpresa::Vinculo {
    std::uint32_t lPosDoc;
    QD_E_PROCESSO eProc;
    std::uint32_t lChave;
};

GeradorEmpresa::GeradorEmpresa(CConexaoGedSrv& conexao, std::string empresa, std::string pastaDados,
                               const ParametrosEmpresa& parametros)
    : m_conexao(conexao),
      m_empresa(std::move(empresa)),
      m_pastaDados(std::move(pastaDados)),
      m_parametros(parametros),
      m_sorteio(parametros.semente) {}

HRESULT GeradorEmpresa::GeraCadastros() {
    if (const HRESULT hr = GeraUsuarios(); FAILED(hr)) return hr;
    if (const HRESULT hr = GeraTipos(); FAILED(hr)) return hr;
    return GeraLocais();
}

HRESULT GeradorEmpresa::GeraUsuarios() {
    m_gerada.usuarios.clear();
    for (int i = 0; i < m_parametros.nUsuarios; ++i) {
        REGUSU_PS reg;
        reg.iCodigo = static_cast<std::uint16_t>(2 + i);
        Copia(reg.szNome, Ansi(kNomesUsuarios[static_cast<std::size_t>(i) % kNomesUsuarios.size()]));
        if (const HRESULT hr = ConexoGravaUsuario(m_empresa.c_str(), reg, {1}); FAILED(hr)) return hr;
        m_gerada.usuarios.push_back(reg.iCodigo);
    }
    return platform::S_OK;
}

namespace {

// Type `t` of group `g` (t = 0: the group itself); `indice` counts the analytic types before it.
CQDTipDoc MontaTipo(int g, int t, std::size_t indice, const std::vector<std::uint16_t>& usuariosEmpresa) {
    const GrupoCatalogo& grupo = kGrupos[static_cast<std::size_t>(g) % kGrupos.size()];
    const bool bGrupo = t == 0;
    CQDTipDoc tipo;
    QD_TIPDOC_PS& ps = tipo.GetPS();
    char codigo[32];
    if (bGrupo) {
        std::snprintf(codigo, sizeof codigo, "%02d", g + 1);
    } else {
        std::snprintf(codigo, sizeof codigo, "%02d%02d", g + 1, t);
    }
    Copia(ps.szCodigo, codigo);
    std::string nome = Ansi(grupo.nome);
    if (!bGrupo) nome += " - " + Ansi(kQualificadores[static_cast<std::size_t>(t - 1) % kQualificadores.size()]);
    Copia(ps.szNome, nome);
    ps.dwFlags = bGrupo ? kGrupo : 0;
    ps.eValidade = QD_TIPDOC_VALIDADE_ANO;
    ps.iValorValidade = static_cast<std::uint8_t>(1 + g % 5);
    ps.iDiasEnviarEmail = 15;
    ps.nQtdProcessos = 1;
    ps.pProcessos = CopiaTarefa(std::vector<QD_E_PROCESSO>{grupo.processo});
    if (bGrupo) return tipo;
    // Every sixth analytic type is for a few users only: the supervisor and one more.
    if (indice % 6 == 5 && !usuariosEmpresa.empty()) {
        const std::vector<std::uint16_t> usuarios{1, usuariosEmpresa[(indice / 6) % usuariosEmpresa.size()]};
        ps.nQtdUsuarios = static_cast<std::uint32_t>(usuarios.size());
        ps.pUsuarios = CopiaTarefa(usuarios);
    }
    std::vector<QD_TIPDOC_CAMPO_PS> campos(static_cast<std::size_t>(grupo.nQtdCampos));
    for (std::size_t c = 0; c < campos.size(); ++c) {
        std::memset(static_cast<void*>(&campos[c]), 0, sizeof campos[c]);
        campos[c].id = grupo.campos[c].id;
        Copia(campos[c].szNome, Ansi(grupo.campos[c].nome));
    }
    ps.nQtdCampos = static_cast<std::uint32_t>(campos.size());
    ps.pCampos = CopiaTarefa(campos);
    return tipo;
}

}  // namespace

HRESULT GeradorEmpresa::GeraTipos() {
    for (int g = 0; g < m_parametros.nGruposTipos; ++g) {
        for (int t = 0; t <= m_parametros.nTiposPorGrupo; ++t) {
            const CQDTipDoc tipo = MontaTipo(g, t, m_gerada.tipos.size(), m_gerada.usuarios);
            std::uint32_t posicao = 0;
            if (const HRESULT hr = m_conexao.GravaTipDoc(&posicao, tipo); FAILED(hr)) return hr;
            // Group g's analytic types follow one another, so a type's group is its index / nTiposPorGrupo.
            (t == 0 ? m_gerada.gruposTipos : m_gerada.tipos).push_back(posicao);
        }
    }
    return platform::S_OK;
}

HRESULT GeradorEmpresa::GravaLocal(const std::string& codigo, const std::string& descricao, std::uint32_t dwFlags,
                                   std::uint32_t maximo, const std::vector<std::uint32_t>& tipos,
                                   std::uint32_t& posicao) {
    CQDLocArq local;
    QD_LOCARQ_PS& ps = local.GetPS();
    ps.dwFlags = dwFlags;
    ps.nQtdMaximaDocs = maximo;
    Copia(ps.szCodigo, codigo);
    Copia(ps.szDescricao, descricao);
    ps.nQtdTipDocs = static_cast<std::uint32_t>(tipos.size());
    ps.pPtrsTipDocs = CopiaTarefa(tipos);
    posicao = 0;
    return m_conexao.GravaLocArq(&posicao, local);
}

HRESULT GeradorEmpresa::GeraLocais() {
    const std::string sala = Ansi("Sala "), armario = Ansi("Armário "), caixa = Ansi("Caixa ");
    const std::size_t tiposPorGrupo = static_cast<std::size_t>(m_parametros.nTiposPorGrupo);
    char codigo[48];
    for (int g = 1; g <= m_parametros.nGruposLocais; ++g) {
        std::snprintf(codigo, sizeof codigo, "%d", g);
        std::uint32_t posicao = 0;
        if (const HRESULT hr = GravaLocal(codigo, sala + codigo, kGrupo, 0, {}, posicao); FAILED(hr)) return hr;
        m_gerada.gruposLocais.push_back(posicao);
        for (int s = 1; s <= m_parametros.nSubgruposPorGrupo; ++s) {
            std::snprintf(codigo, sizeof codigo, "%d.%03d", g, s);
            if (const HRESULT hr = GravaLocal(codigo, armario + codigo, kGrupo, 0, {}, posicao); FAILED(hr)) return hr;
            m_gerada.subgruposLocais.push_back(posicao);
            for (int l = 1; l <= m_parametros.nLocaisPorSubgrupo; ++l) {
                std::snprintf(codigo, sizeof codigo, "%d.%03d.%03d", g, s, l);
                // Every fifth box takes the types of one group only.
                std::vector<std::uint32_t> aceitos;
                const std::size_t indice = m_gerada.locais.size();
                if (indice % 5 == 4 && !m_gerada.gruposTipos.empty()) {
                    const std::size_t grupo = (indice / 5) % m_gerada.gruposTipos.size();
                    const auto inicio = m_gerada.tipos.begin() + static_cast<std::ptrdiff_t>(grupo * tiposPorGrupo);
                    aceitos.assign(inicio, inicio + static_cast<std::ptrdiff_t>(tiposPorGrupo));
                }
                if (const HRESULT hr = GravaLocal(codigo, caixa + codigo, 0, kMaximoPorLocal, aceitos, posicao);
                    FAILED(hr)) {
                    return hr;
                }
                m_gerada.locais.push_back(posicao);
            }
        }
    }
    return platform::S_OK;
}

namespace {

// The value of one field of a document, by the field's data type, around the issue day (a day
// number) and, for a month, before this month (`mesAnoHoje`).
QD_DOC_CAMPO_PS ValorCampo(QD_E_CAMPO_DOC id, std::uint32_t diaEmissao, std::uint16_t mesAnoHoje, Sorteio& sorteio,
                           const TextoPortugues& texto) {
    QD_DOC_CAMPO_PS campo;
    std::memset(static_cast<void*>(&campo), 0, sizeof campo);
    campo.id = id;
    switch (QDGetCampoDataType(id)) {
    case QD_TIPO_DADO_TEXTO:
        QDSetCampoTexto(campo.BinaryData, texto.Frase(sorteio, 3, 40));
        break;
    case QD_TIPO_DADO_DATA:
        QDSetCampoWord(campo.BinaryData,
                       ZTDiaNumeroParaDataCurta(diaEmissao + static_cast<std::uint32_t>(sorteio.Ate(90))));
        break;
    case QD_TIPO_DADO_MES_ANO:
        QDSetCampoWord(campo.BinaryData, static_cast<std::uint16_t>(mesAnoHoje - sorteio.Ate(60)));
        break;
    case QD_TIPO_DADO_MOEDA:
        QDSetCampoMoeda(campo.BinaryData, CyFromRaw(sorteio.Entre(1'0000, 500'000'0000)));
        break;
    case QD_TIPO_DADO_HORA:
        QDSetCampoWord(campo.BinaryData, static_cast<std::uint16_t>(sorteio.Entre(8 * 60, 18 * 60)));
        break;
    case QD_TIPO_DADO_NUMERICO:
        switch (QDGetSpecificDataType(id)) {
        case QD_SUBTIPO_FILIAL:
            QDSetCampoWord(campo.BinaryData, 1);
            break;
        case QD_SUBTIPO_INTEIRO:
        case QD_SUBTIPO_CENTESIMOS:
        case QD_SUBTIPO_DECIMILESIMOS:
            QDSetCampoLong(campo.BinaryData, static_cast<std::int32_t>(sorteio.Entre(1, 1'000'000)));
            break;
        default:
            QDSetCampoDWord(campo.BinaryData, static_cast<std::uint32_t>(sorteio.Entre(1, 999'999)));
            break;
        }
        break;
    default:
        break;
    }
    return campo;
}

}  // namespace

// Today as the documents of one batch are dated: read once, since every reading of the clock
// consults the test clock.
struct GeradorEmpresa::Hoje {
    std::uint32_t dia = CZTData().SetHoje().GetValor();  // a day number
    std::uint16_t mesAno = static_cast<std::uint16_t>(ZTGetMesAnoHoje(false));
};

DocumentoSorteado GeradorEmpresa::NovoDocumento(const Hoje& hoje) {
    const std::size_t t = m_sorteio.Ate(m_gerada.tipos.size());
    const auto tiposPorGrupo = static_cast<std::size_t>(m_parametros.nTiposPorGrupo);
    const GrupoCatalogo& grupo = kGrupos[(t / tiposPorGrupo) % kGrupos.size()];
    DocumentoSorteado doc;
    doc.processo = grupo.processo;
    // Counted in day numbers: a stored short day is no count of days across 4 June 2027.
    const auto diasAntes = static_cast<std::uint32_t>(m_sorteio.Ate(5 * 365));
    const std::uint32_t diaEmissao = std::max(ZTGetDataMinima(), hoje.dia - diasAntes);
    const std::uint16_t emissao = ZTDiaNumeroParaDataCurta(diaEmissao);

    QD_DOC_PS& ps = doc.ps;
    ps.dwFlags = QD_DOC_SEM_CONTEUDO | (m_sorteio.Chance(25) ? QD_DOC_ACESSO_WEB : 0);
    ps.lTipDoc = m_gerada.tipos[t];
    ps.lLocArq = m_gerada.locais[m_sorteio.Ate(m_gerada.locais.size())];
    ps.iNrLocalizacao = m_proximoNrLocalizacao++;
    ps.iDataEmissao = emissao;
    if (m_sorteio.Chance(40)) {
        // Validity dates are stored as day counts from 1950, not as short day numbers.
        const std::int64_t emissao1950 = CZTData1950().SetData(emissao).GetDias();
        ps.iDataValidade = static_cast<std::uint16_t>(emissao1950 + m_sorteio.Entre(30, 3 * 365));
    }
    ps.iFilial = 1;
    std::snprintf(ps.szOriginalFileName, sizeof ps.szOriginalFileName, "digitalizacao_%06u.pdf", ps.iNrLocalizacao);
    if (m_sorteio.Chance(15) && !m_gerada.usuarios.empty()) {
        doc.usuarios = {1, m_gerada.usuarios[m_sorteio.Ate(m_gerada.usuarios.size())]};
    }
    for (int c = 0; c < grupo.nQtdCampos; ++c) {
        doc.campos.push_back(ValorCampo(grupo.campos[c].id, diaEmissao, hoje.mesAno, m_sorteio, m_texto));
    }
    doc.descricao = m_texto.Descricao(m_sorteio, m_parametros.tamanhoDescricao);
    return doc;
}

namespace {

// The document as a client hands it to GravaDoc.
CQDDoc DocumentoCliente(const DocumentoSorteado& sorteado) {
    CQDDoc doc;
    QD_DOC_PS& ps = doc.GetPS();
    ps = sorteado.ps;
    ps.nQtdUsuarios = static_cast<std::uint32_t>(sorteado.usuarios.size());
    ps.pUsuarios = CopiaTarefa(sorteado.usuarios);
    ps.nQtdCampos = static_cast<std::uint32_t>(sorteado.campos.size());
    ps.pCampos = CopiaTarefa(sorteado.campos);
    ps.bsDescricao = platform::SysAllocStringFromAnsi(sorteado.descricao);
    return doc;
}

}  // namespace

void GeradorEmpresa::SorteiaVinculos(std::uint32_t posicao, QD_E_PROCESSO processo, std::vector<Vinculo>& vinculos) {
    // One document in three has links: one, or two for a fifth of those.
    if (m_gerada.nQtdDocumentos % 3 != 1) return;
    const int quantos = m_sorteio.Chance(20) ? 2 : 1;
    for (int v = 0; v < quantos; ++v) {
        vinculos.push_back({posicao, processo, static_cast<std::uint32_t>(m_sorteio.Entre(1, 9'999'999))});
    }
}

void GeradorEmpresa::Retoma(const EmpresaGerada& gerada) {
    m_gerada = gerada;
    m_proximoNrLocalizacao = gerada.nQtdDocumentos + 1;
}

HRESULT GeradorEmpresa::GeraDocumentos(std::uint32_t qtd, MedidaGravacao* medida) {
    if (m_gerada.tipos.empty() || m_gerada.locais.empty()) return platform::E_UNEXPECTED;
    const auto inicio = std::chrono::steady_clock::now();
    std::chrono::steady_clock::duration emGravaDoc{};
    std::vector<Vinculo> vinculos;
    const std::uint32_t primeiro = m_gerada.nQtdDocumentos;
    const Hoje hoje;
    HRESULT resultado = platform::S_OK;
    std::uint32_t posicao = 0;
    for (std::uint32_t i = 0; i < qtd; ++i) {
        const DocumentoSorteado sorteado = NovoDocumento(hoje);
        const CQDDoc doc = DocumentoCliente(sorteado);
        posicao = 0;
        const auto antes = std::chrono::steady_clock::now();
        resultado = m_conexao.GravaDoc(&posicao, doc, kPartesDoc);
        emGravaDoc += std::chrono::steady_clock::now() - antes;
        if (FAILED(resultado)) break;
        ++m_gerada.nQtdDocumentos;
        SorteiaVinculos(posicao, sorteado.processo, vinculos);
    }
    const HRESULT links = GravaVinculos(vinculos);
    if (SUCCEEDED(resultado)) resultado = links;
    if (SUCCEEDED(resultado) && m_gerada.nQtdDocumentos > primeiro) {
        if (primeiro == 0) resultado = LeInclusao(1, m_gerada.dataPrimeiraInclusao);
        if (SUCCEEDED(resultado)) resultado = LeInclusao(posicao, m_gerada.dataUltimaInclusao);
    }
    if (medida) {
        medida->nQtdDocumentos = m_gerada.nQtdDocumentos - primeiro;
        medida->segundosGravaDoc = Segundos(emGravaDoc);
        medida->segundosTotal = Segundos(std::chrono::steady_clock::now() - inicio);
    }
    return resultado;
}

HRESULT GeradorEmpresa::GeraDocumentosDireto(std::uint32_t qtd, std::uint16_t iUsuario, MedidaGravacao* medida) {
    if (m_gerada.tipos.empty() || m_gerada.locais.empty()) return platform::E_UNEXPECTED;
    const auto inicio = std::chrono::steady_clock::now();
    const std::uint32_t primeiro = m_gerada.nQtdDocumentos;
    GravadorDireto gravador(m_pastaDados, iUsuario);
    HRESULT resultado = gravador.Abre();
    std::vector<Vinculo> vinculos;
    const Hoje hoje;
    std::uint32_t agora = 0;
    for (std::uint32_t i = 0; i < qtd && SUCCEEDED(resultado); ++i) {
        // The clock consults the registry store at every reading: once per thousand documents
        // leaves a moment (whole seconds) at most some tens of milliseconds behind.
        if (i % 1000 == 0 && FAILED(resultado = ZTLeAgora(agora))) break;
        const DocumentoSorteado doc = NovoDocumento(hoje);
        std::uint32_t posicao = 0;
        if (FAILED(resultado = gravador.Grava(doc, agora, posicao))) break;
        ++m_gerada.nQtdDocumentos;
        SorteiaVinculos(posicao, doc.processo, vinculos);
        if (m_gerada.nQtdDocumentos == 1) m_gerada.dataPrimeiraInclusao = agora;
        m_gerada.dataUltimaInclusao = agora;
    }
    const HRESULT fechamento = gravador.Fecha();
    if (SUCCEEDED(resultado)) resultado = fechamento;
    const HRESULT links = GravaVinculos(vinculos);
    if (SUCCEEDED(resultado)) resultado = links;
    if (medida) {
        medida->nQtdDocumentos = m_gerada.nQtdDocumentos - primeiro;
        medida->segundosTotal = Segundos(std::chrono::steady_clock::now() - inicio);
    }
    return resultado;
}

HRESULT GeradorEmpresa::GravaVinculos(const std::vector<Vinculo>& vinculos) {
    if (vinculos.empty()) return platform::S_OK;
    AnexadorArquivo arquivo(m_pastaDados, QDArquivoDoRegistro<QD_VINCULO_DOC_ARQ>::kNome, sizeof(QD_VINCULO_DOC_ARQ));
    if (const int codigo = arquivo.Abre()) return QDHResultArq(codigo);
    for (const Vinculo& vinculo : vinculos) {
        const QD_VINCULO_DOC_ARQ registro{vinculo.lPosDoc, static_cast<std::uint32_t>(vinculo.eProc), vinculo.lChave,
                                          QD_VINCULO_VIVO};
        if (const int codigo = arquivo.Anexa(&registro, sizeof registro)) return QDHResultArq(codigo);
    }
    if (const int codigo = arquivo.Fecha()) return QDHResultArq(codigo);
    m_gerada.nQtdVinculos += static_cast<std::uint32_t>(vinculos.size());
    return platform::S_OK;
}

HRESULT GeradorEmpresa::LeInclusao(std::uint32_t posicao, std::uint32_t& data) {
    CQDDoc doc;
    // Users, fields, links, content and description left out: only the record is wanted.
    if (const HRESULT hr = m_conexao.LeDoc(1, &posicao, &doc, 0x1F); FAILED(hr)) return hr;
    data = doc->dataInclusao;
    return platform::S_OK;
}

}  // namespace kelvo::bench
