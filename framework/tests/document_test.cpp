// The framework document's records and its side of the hints, and the document tied to a record
// cache: selections, temporary copies, resets, save results without a main window, saves of a
// new and of a stored record, and the synchronous save's result and wait cursor.
#include "framework/data/zt_fc_dados.h"
#include "framework/document/zt_fc_document.h"
#include "framework/document/zt_fc_document_sem_thread_templ.h"
#include "framework/tests/record_cache_fakes.h"
#include "framework/view/zt_fc_blocos.h"
#include "framework/view/zt_fc_hints.h"
#include "platform/ui/document/view.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

#include <memory>
#include <stdexcept>
#include <vector>

namespace {

using framework::testing::CacheContado;
using framework::testing::ChaveDoItem;
using framework::testing::Chaves;
using framework::testing::RegistroFalso;
using framework::testing::RegistroNoServidor;
using platform::ui::Object;

using Holder = CZTFCDadosClasseTempl<RegistroFalso>;

// A holder that counts the temporary copies made of it.
class HolderQueConta : public Holder {
public:
    explicit HolderQueConta(int& copias) : copias_(copias) {}
    void OnCopiaTemporaria() override { ++copias_; }

private:
    int& copias_;
};

// A view that keeps the hints it heard and, for hint 4, what the copy held.
class ViewQueOuve : public platform::ui::View {
public:
    std::vector<platform::LPARAM> hints;
    const CZTFCDados* copiaVista = nullptr;
    RegistroFalso valorDaCopia;

protected:
    void OnUpdate(platform::ui::View*, platform::LPARAM hint, Object* objeto) override {
        hints.push_back(hint);
        if (auto* temporario = dynamic_cast<ZTFC_BLOCO_TEMPORARIO*>(objeto)) {
            copiaVista = temporario->pRegistro;
            if (const RegistroFalso* valor = Holder::GetDados(temporario->pRegistro)) valorDaCopia = *valor;
        }
    }
};

// A document with a holder as current record and one listening view.
struct DocumentoComView {
    CZTFCDocument documento;
    ViewQueOuve* view = new ViewQueOuve;

    explicit DocumentoComView(bool multiSelecao = false) {
        documento.SetMultiSelecao(multiSelecao);
        documento.SetRegistroAtual(new Holder);
        documento.AddView(view);
    }
    ~DocumentoComView() {
        documento.RemoveView(view);
        delete view;
    }
    [[nodiscard]] RegistroFalso Atual() const { return *Holder::GetDados(documento.GetRegistroAtual()); }
};

TEST(CZTFCDocument, OneSelectedRowBecomesTheCurrentRecord) {
    DocumentoComView caso;
    const RegistroFalso valor = RegistroNoServidor(12);
    ZTFC_BLOCO_REGISTRO bloco;
    bloco.pRegistro = &valor;
    caso.documento.UpdateAllViews(nullptr, ZTFC_HINT_SELECAO_GRID, &bloco);
    EXPECT_EQ(caso.Atual(), valor);
    EXPECT_EQ(*Holder::GetCopia(caso.documento.GetRegistroAtual()), valor);
    EXPECT_TRUE(caso.documento.GetSelecao().empty());
    EXPECT_EQ(caso.view->hints, std::vector<platform::LPARAM>{ZTFC_HINT_SELECAO_GRID});
}

TEST(CZTFCDocument, ThreeSelectedRowsLeaveTheThirdCurrentAndCopiesOfAll) {
    DocumentoComView caso(true);
    const RegistroFalso valores[] = {RegistroNoServidor(1), RegistroNoServidor(2), RegistroNoServidor(3)};
    const void* registros[] = {&valores[0], &valores[1], &valores[2]};
    ZTFC_BLOCO_REGISTROS bloco;
    bloco.nQuantidade = 3;
    bloco.ppRegistros = registros;
    caso.documento.UpdateAllViews(nullptr, ZTFC_HINT_SELECAO_GRID, &bloco);

    EXPECT_EQ(caso.Atual(), valores[2]);
    const auto& selecao = caso.documento.GetSelecao();
    ASSERT_EQ(selecao.size(), 3U);
    for (std::size_t i = 0; i < 3; ++i) {
        // Copies: not the current record itself, which moves on to the next row.
        EXPECT_NE(selecao[i].get(), caso.documento.GetRegistroAtual());
        EXPECT_EQ(*Holder::GetDados(selecao[i].get()), valores[i]) << i;
    }

    // A new selection of one row drops the copies.
    ZTFC_BLOCO_REGISTRO um;
    um.pRegistro = &valores[0];
    caso.documento.UpdateAllViews(nullptr, ZTFC_HINT_SELECAO_GRID, &um);
    EXPECT_TRUE(caso.documento.GetSelecao().empty());
    EXPECT_EQ(caso.Atual(), valores[0]);
}

TEST(CZTFCDocument, NewSelectionAndResetClearTheCurrentRecord) {
    const struct {
        platform::LPARAM hint;
        bool multiSelecao;
        bool selecaoFica;
    } casos[] = {
        {ZTFC_HINT_MULTI_SELECAO, true, false},
        {ZTFC_HINT_MULTI_SELECAO, false, true},
        {ZTFC_HINT_LIMPA, true, true},
    };
    for (const auto& c : casos) {
        DocumentoComView caso(c.multiSelecao);
        const RegistroFalso valor = RegistroNoServidor(5);
        caso.documento.GetRegistroAtual()->Set(&valor);
        caso.documento.OnLoteGravadoAviso(1, std::vector<CZTFCDados*>{caso.documento.GetRegistroAtual()}.data(), 0);
        caso.documento.UpdateAllViews(nullptr, c.hint);
        EXPECT_EQ(caso.Atual(), RegistroFalso{}) << c.hint;
        EXPECT_EQ(caso.documento.GetSelecao().size(), c.selecaoFica ? 1U : 0U) << c.hint;
        EXPECT_EQ(caso.view->hints, std::vector<platform::LPARAM>{c.hint});
    }
}

TEST(CZTFCDocument, ViewsSeeATemporaryCopyOfTheCurrentRecord) {
    DocumentoComView caso;
    int copias = 0;
    caso.documento.SetRegistroAtual(new HolderQueConta(copias));
    caso.view->hints.clear();
    const RegistroFalso valor = RegistroNoServidor(9);
    caso.documento.GetRegistroAtual()->Set(&valor);

    caso.documento.UpdateAllViews(nullptr, ZTFC_HINT_REGISTRO_TEMPORARIO);
    EXPECT_EQ(caso.view->hints, std::vector<platform::LPARAM>{ZTFC_HINT_REGISTRO_TEMPORARIO});
    ASSERT_NE(caso.view->copiaVista, nullptr);
    EXPECT_NE(caso.view->copiaVista, caso.documento.GetRegistroAtual());
    EXPECT_EQ(caso.view->valorDaCopia, valor);
    EXPECT_EQ(copias, 1);
}

// A save result reaches neither the document's hooks nor its views without a main window.
TEST(CZTFCDocument, ASaveResultWithoutMainWindowTellsNobody) {
    DocumentoComView caso(true);
    const CZTFCDados* selecionado = caso.documento.GetSelecao().at(0).get();
    ZTFC_BLOCO_LOTE bloco;
    Holder salvo;
    CZTFCDados* registros[] = {&salvo, &salvo};
    bloco.lStatus = 5;
    bloco.nQuantidade = 2;
    bloco.ppRegistros = registros;
    caso.documento.UpdateAllViews(nullptr, ZTFC_HINT_GRAVACAO, &bloco);
    EXPECT_TRUE(caso.view->hints.empty());
    // OnLoteGravadoAviso would have made the selection copies of the two saved records.
    ASSERT_EQ(caso.documento.GetSelecao().size(), 1U);
    EXPECT_EQ(caso.documento.GetSelecao()[0].get(), selecionado);
}

TEST(CZTFCDocument, SetRegistroAtualInMultiSelectionSelectsTheRecordAndCopiesIt) {
    DocumentoComView caso(true);
    auto* dado = new Holder;
    const RegistroFalso valor = RegistroNoServidor(3);
    dado->Set(&valor);
    caso.documento.SetRegistroAtual(dado);

    ASSERT_EQ(caso.documento.GetSelecao().size(), 1U);
    EXPECT_EQ(caso.documento.GetSelecao()[0].get(), dado);
    EXPECT_NE(caso.documento.GetRegistroAtual(), dado);
    EXPECT_EQ(caso.Atual(), valor);
    // The first current record was set before the view came: only this replacement is heard.
    EXPECT_EQ(caso.view->hints, std::vector<platform::LPARAM>{ZTFC_HINT_REGISTRO_ATUAL});
}

// A framework document whose save result is kept (and may throw, as a failed save's does).
class DocumentoQueGuardaResultado : public CZTFCDocument {
public:
    std::unique_ptr<ZTFC_BLOCO_GRAVADO> resultado;
    bool lanca = false;
    // Whether the wait cursor showed while the result was handled.
    bool esperaDuranteResultado = false;

    void OnResultadoGravacao(ZTFC_BLOCO_RESULTADO* bloco) override {
        resultado.reset(dynamic_cast<ZTFC_BLOCO_GRAVADO*>(bloco));
        esperaDuranteResultado = QGuiApplication::overrideCursor() != nullptr;
        if (lanca) throw std::runtime_error("save failed");
    }
};

using CacheDoDocumento = CacheContado;

class DocumentoSemThread
    : public CZTFCDocumentSemThreadTempl<DocumentoQueGuardaResultado, CacheDoDocumento, RegistroFalso> {
public:
    ZTFC_STATUS_GRAVACAO status;
    RegistroFalso gravado;

    ZTFC_STATUS_GRAVACAO GravaRegistro(CZTFCDados* registro) override {
        gravado = *Holder::GetDados(registro);
        return status;
    }
};

// A document listing 250 stored records, the first page read.
void PreparaLista(DocumentoSemThread& documento) {
    documento.GetRegistros().SetTamanhoCache(100, 10);
    const auto chaves = Chaves(0, 250);
    documento.GetRegistros().SetChaves(250, chaves.data());
    ASSERT_NE(documento.GetRegistro(0), nullptr);
}

TEST(CZTFCDocumentSemThreadTempl, ANewRecordSavedJoinsTheEndOfTheListCached) {
    DocumentoSemThread documento;
    PreparaLista(documento);
    Holder salvo;
    *salvo.GetDados() = RegistroFalso{4321, 8};  // the server gave it a position; its copy has none
    documento.OnRegistroGravado(&salvo);

    auto& registros = documento.GetRegistros();
    EXPECT_EQ(registros.GetQtdChaves(), 251);
    EXPECT_EQ(registros.BuscaIndiceChave(4321), 250);
    const auto* ultimo = static_cast<const RegistroFalso*>(documento.GetRegistro(250));
    ASSERT_NE(ultimo, nullptr);
    EXPECT_EQ(*ultimo, (RegistroFalso{4321, 8}));
    EXPECT_EQ(registros.leituras.size(), 1U);
}

TEST(CZTFCDocumentSemThreadTempl, AStoredRecordSavedRefreshesItsCachedValue) {
    DocumentoSemThread documento;
    PreparaLista(documento);
    Holder salvo;
    const RegistroFalso antes = RegistroNoServidor(ChaveDoItem(3));
    salvo.Set(&antes);
    salvo.GetDados()->conteudo = -5;
    documento.OnRegistroGravado(&salvo);

    EXPECT_EQ(documento.GetRegistros().GetQtdChaves(), 250);
    EXPECT_EQ(*static_cast<const RegistroFalso*>(documento.GetRegistro(3)), (RegistroFalso{ChaveDoItem(3), -5}));
    EXPECT_EQ(documento.GetRegistros().leituras.size(), 1U);
}

// The wait cursor needs the application's cursor stack: an offscreen application.
class GravaAtual : public ::testing::Test {
protected:
    int argc_ = 3;
    char* argv_[4] = {const_cast<char*>("document_test"), const_cast<char*>("-platform"),
                      const_cast<char*>("offscreen"), nullptr};
    QGuiApplication app_{argc_, argv_};
};

TEST_F(GravaAtual, HandsTheStatusAndACopyOfTheCurrentRecordToTheResult) {
    DocumentoSemThread documento;
    const RegistroFalso valor = RegistroNoServidor(44);
    documento.GetRegistroAtual()->Set(&valor);
    auto* extra = new std::int32_t(6);
    documento.status = {0x40685, 2, extra};
    documento.GravaAtual();

    EXPECT_EQ(documento.gravado, valor);
    ASSERT_NE(documento.resultado, nullptr);
    const ZTFC_BLOCO_GRAVADO& bloco = *documento.resultado;
    EXPECT_EQ(bloco.dwTamanho, ZTFC_BLOCO_RESULTADO_REGISTRO);
    EXPECT_EQ(bloco.lStatus, 0x40685);
    EXPECT_EQ(bloco.lSubCodigo, 2);
    EXPECT_EQ(bloco.pExtra, extra);
    ASSERT_NE(bloco.pRegistro, nullptr);
    EXPECT_NE(bloco.pRegistro, documento.GetRegistroAtual());
    EXPECT_EQ(*Holder::GetDados(bloco.pRegistro), valor);
    EXPECT_TRUE(documento.esperaDuranteResultado);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    delete bloco.pRegistro;
    delete extra;
}

// A throwing result handler once skipped the end of the wait cursor.
TEST_F(GravaAtual, EndsTheWaitCursorWhenTheResultThrows) {
    DocumentoSemThread documento;
    documento.lanca = true;
    EXPECT_THROW(documento.GravaAtual(), std::runtime_error);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    delete documento.resultado->pRegistro;
}

}  // namespace
