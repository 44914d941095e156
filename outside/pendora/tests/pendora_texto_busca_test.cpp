// The texts that the quick search looks through: CQDDoc::ToStringQS and CQDTipDoc::ToStringQS
// (which parts, folded accents, what is left out), and that a folded search finds them.
#include "outside/pendora/qd_campo_tipo_dado.h"
#include "outside/pendora/qd_campo_valor.h"
#include "outside/pendora/qd_doc.h"
#include "outside/pendora/qd_tip_doc.h"
#include "outside/pendora/qd_token_mngr.h"
#include "platform/text/codepage.h"
#include "platform/com/bstr.h"
#include "platform/com/task_allocator.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Windows-1252 text from UTF-8 source text.
CZTString A(const char* utf8) { return CZTString(platform::AnsiFromUtf8(utf8)); }

std::vector<std::string> Textos(const CZTStringArray& lista) {
    std::vector<std::string> textos;
    for (const CZTString& s : lista) textos.push_back(s.str());
    return textos;
}

QD_DOC_CAMPO_PS CampoTexto(QD_E_CAMPO_DOC id, const std::string& texto) {
    QD_DOC_CAMPO_PS campo{};
    campo.id = id;
    EXPECT_TRUE(QDSetCampoTexto(campo.BinaryData, texto));
    return campo;
}

// A document with a description, an accented file name, fields of several data types and a
// location number.
CQDDoc DocExemplo(std::uint32_t iNrLocalizacao) {
    CQDDoc doc;
    doc->bsDescricao = platform::SysAllocStringFromAnsi(A("Contrato de LOCAÇÃO").str());
    std::snprintf(doc->szOriginalFileName, sizeof doc->szOriginalFileName, "%s", A("Relatório.pdf").GetString());
    QD_DOC_CAMPO_PS campos[4]{};
    campos[0] = CampoTexto(QD_CAMPO_LIVRE_TEXTO_0, A("São Paulo").str());
    QDSetCampoWord(campos[1].BinaryData, 0x4141);  // "AA" as bytes: a date must not pass for a text
    campos[1].id = QD_CAMPO_LIVRE_DMA_0;
    campos[2] = CampoTexto(static_cast<QD_E_CAMPO_DOC>(QD_CAMPO_LIVRE_TEXTO_0 + 1), std::string(60, 'x'));
    campos[3] = CampoTexto(static_cast<QD_E_CAMPO_DOC>(QD_CAMPO_LIVRE_TEXTO_0 + 2), "");
    doc->nQtdCampos = 4;
    doc->pCampos = static_cast<QD_DOC_CAMPO_PS*>(platform::CoTaskMemAlloc(sizeof campos));
    std::memcpy(doc->pCampos, campos, sizeof campos);
    doc->iNrLocalizacao = iNrLocalizacao;
    return doc;
}

// The fields chosen above have the data types the cases rely on.
TEST(ToStringQS, FieldIdsOfTheExamplesHaveTheExpectedTypes) {
    EXPECT_EQ(QDGetCampoDataType(QD_CAMPO_LIVRE_TEXTO_0), QD_TIPO_DADO_TEXTO);
    EXPECT_EQ(QDGetCampoDataType(static_cast<QD_E_CAMPO_DOC>(QD_CAMPO_LIVRE_TEXTO_0 + 2)), QD_TIPO_DADO_TEXTO);
    EXPECT_EQ(QDGetCampoDataType(QD_CAMPO_LIVRE_DMA_0), QD_TIPO_DADO_DATA);
}

// Description, file name, every text field (a full 60-byte value whole, not beyond) and the
// location number, each folded, appended after what the list held; a date field's bytes and an
// empty text are not texts to search.
TEST(ToStringQS, DocumentGivesItsFoldedTextsInOrder) {
    CZTStringArray lista{CZTString("antes")};
    DocExemplo(1234).ToStringQS(lista);
    const std::vector<std::string> esperado = {"antes", "Contrato de LOCACAO", "Relatorio.pdf", "Sao Paulo",
                                               std::string(60, 'x'), "1234"};
    EXPECT_EQ(Textos(lista), esperado);
}

// Location number 0 means none and gives no text; a record with nothing read gives nothing.
TEST(ToStringQS, DocumentLeavesOutWhatItDoesNotHold) {
    CZTStringArray lista;
    DocExemplo(0).ToStringQS(lista);
    EXPECT_EQ(Textos(lista).back(), std::string(60, 'x'));
    EXPECT_EQ(lista.size(), 4u);

    CZTStringArray vazia;
    CQDDoc().ToStringQS(vazia);
    EXPECT_TRUE(vazia.empty());

    // A file name that fills its field without a NUL is read to the field's end, no further.
    CQDDoc cheio;
    std::memset(cheio->szOriginalFileName, 'n', sizeof cheio->szOriginalFileName);
    cheio->iNrLocalizacao = 5;
    cheio.ToStringQS(vazia);
    EXPECT_EQ(Textos(vazia), (std::vector<std::string>{std::string(sizeof cheio->szOriginalFileName, 'n'), "5"}));
}

// The type gives its code, name and the names of its search fields, folded; an empty field name
// gives nothing.
TEST(ToStringQS, TypeGivesCodeNameAndFieldNamesFolded) {
    CQDTipDoc tipo;
    std::snprintf(tipo->szCodigo, sizeof tipo->szCodigo, "01.2");
    std::snprintf(tipo->szNome, sizeof tipo->szNome, "%s", A("Nota de Serviço").GetString());
    QD_TIPDOC_CAMPO_PS campos[3]{};
    std::snprintf(campos[0].szNome, sizeof campos[0].szNome, "%s", A("Número").GetString());
    std::snprintf(campos[2].szNome, sizeof campos[2].szNome, "%s", A("Emissão").GetString());
    tipo->nQtdCampos = 3;
    tipo->pCampos = static_cast<QD_TIPDOC_CAMPO_PS*>(platform::CoTaskMemAlloc(sizeof campos));
    std::memcpy(tipo->pCampos, campos, sizeof campos);

    CZTStringArray lista{CZTString("antes")};
    tipo.ToStringQS(lista);
    EXPECT_EQ(Textos(lista), (std::vector<std::string>{"antes", "01.2", "Nota de Servico", "Numero", "Emissao"}));

    CZTStringArray vazia;
    CQDTipDoc().ToStringQS(vazia);
    EXPECT_TRUE(vazia.empty());
}

// Why the texts are folded: the quick search folds its text and the word filter does not, so an
// accented description is found by its plain spelling, in any case.
TEST(ToStringQS, FoldedSearchFindsAccentedTexts) {
    CZTStringArray lista;
    DocExemplo(0).ToStringQS(lista);
    CQDTokenMngr filtro("locacao relatorio paulo");
    int acertos = 0;
    for (const CZTString& texto : lista) filtro.FazFiltroTexto(texto.GetString(), acertos);
    EXPECT_TRUE(filtro.Consist());
    EXPECT_EQ(acertos, 3);
}

}  // namespace
