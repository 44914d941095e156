#include "server/search/qd_textos_doc.h"

#include "outside/pendora/qd_campo_tipo_dado.h"
#include "outside/pendora/qd_campo_valor.h"
#include "server/document/qd_doc_conversao.h"
#include "server/search/qd_tabelas_texto.h"

#include <cstdint>
#include <charconv>
#include <cstring>

namespace {

// Folds `texto` in place as ZTRetiraAcentosBuffer does. Only bytes from 0x80 up have accents to
// fold, so every eight bytes without one are passed over in one test.
void DobraAcentos(std::string& texto) {
    const QDTabelaBytes& tabela = QDTabelaSemAcentos();
    constexpr std::uint64_t kBitsAltos = 0x8080808080808080ULL;
    char* p = texto.data();
    char* const fim = p + texto.size();
    for (; fim - p >= 8; p += 8) {
        std::uint64_t bloco = 0;
        std::memcpy(&bloco, p, sizeof bloco);
        if ((bloco & kBitsAltos) == 0) continue;
        for (int i = 0; i < 8; ++i) p[i] = tabela[static_cast<unsigned char>(p[i])];
    }
    for (; p < fim; ++p) *p = tabela[static_cast<unsigned char>(*p)];
}

}  // namespace

CQDTextosDoc::CQDTextosDoc(IQDArqBind& bind, bool minusculas)
    : m_bMinusculas(minusculas), m_descricoes(bind), m_campos(bind) {}

int CQDTextosDoc::Abre() {
    if (const int erro = m_descricoes.Abre()) return erro;
    return m_campos.Abre();
}

int CQDTextosDoc::Carimbos(platform::FileStampReading& descricoes, platform::FileStampReading& campos) {
    if (const int erro = m_descricoes.Carimbo(descricoes)) return erro;
    return m_campos.Carimbo(campos);
}

void CQDTextosDoc::Acrescenta(std::string_view texto) {
    texto = texto.substr(0, texto.find('\0'));
    if (texto.empty()) return;
    if (m_nUsados == m_buffers.size()) m_buffers.emplace_back();
    std::string& buffer = m_buffers[m_nUsados++];
    buffer.assign(texto);
    if (m_bMinusculas) {
        QDConverte(QDTabelaMinusculasSemAcentos(), buffer);
    } else {
        DobraAcentos(buffer);
    }
}

void CQDTextosDoc::Entrega(std::vector<std::string_view>& textos) const {
    textos.clear();
    for (std::size_t i = 0; i < m_nUsados; ++i) textos.emplace_back(m_buffers[i]);
}

int CQDTextosDoc::AcrescentaDescricao(const QD_DOC_ARQ& doc) {
    std::string_view descricao;
    if (const int erro = m_descricoes.Le(doc.lPosDescricao, doc.nTamDescricao, descricao)) return erro;
    Acrescenta(descricao);
    return 0;
}

int CQDTextosDoc::AcrescentaCampos(const QD_DOC_ARQ& doc) {
    if (const int erro = m_campos.Le(doc.lPrimeiroCampo, doc.nQtdCampos, m_valores)) return erro;
    for (const QD_DOC_CAMPO_ARQ& campo : m_valores) {
        if (QDGetCampoDataType(static_cast<QD_E_CAMPO_DOC>(campo.id)) != QD_TIPO_DADO_TEXTO) continue;
        Acrescenta(QDLeCampoTexto(campo.BinaryData));
    }
    return 0;
}

void CQDTextosDoc::AcrescentaNumero(const QD_DOC_ARQ& doc) {
    if (doc.iNrLocalizacao == 0) return;
    char numero[16];
    const auto fim = std::to_chars(numero, numero + sizeof numero, doc.iNrLocalizacao).ptr;
    Acrescenta(std::string_view(numero, static_cast<std::size_t>(fim - numero)));
}

int CQDTextosDoc::Le(const QD_DOC_ARQ& doc, std::vector<std::string_view>& textos) {
    textos.clear();
    Recomeca();
    if (const int erro = AcrescentaDescricao(doc)) return erro;
    Acrescenta(QDNomeOriginalDoc(doc));
    if (const int erro = AcrescentaCampos(doc)) return erro;
    AcrescentaNumero(doc);
    Entrega(textos);
    return 0;
}

int CQDTextosDoc::LeDosArquivos(const QD_DOC_ARQ& doc, std::vector<std::string_view>& textos) {
    textos.clear();
    Recomeca();
    if (const int erro = AcrescentaDescricao(doc)) return erro;
    if (const int erro = AcrescentaCampos(doc)) return erro;
    Entrega(textos);
    return 0;
}

void CQDTextosDoc::LeDoRegistro(const QD_DOC_ARQ& doc, std::vector<std::string_view>& textos) {
    Recomeca();
    Acrescenta(QDNomeOriginalDoc(doc));
    AcrescentaNumero(doc);
    Entrega(textos);
}
