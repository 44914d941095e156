// The view protocol: which handler each hint and block reach, and the grid's multi-row block.
#include "framework/view/zt_fc_blocos.h"
#include "framework/view/zt_fc_hints.h"
#include "framework/view/zt_fc_selecao_linhas.h"
#include "framework/view/zt_fc_view.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using platform::ui::Object;

// Writes down each handler call with the arguments that tell it apart.
class ViewQueAnota : public CZTFCView {
public:
    std::vector<std::string> chamadas;

    void OnSelecaoArvore(platform::ui::HTREEITEM, const char* texto, platform::ui::View*) override {
        Anota("OnSelecaoArvore " + std::string(texto));
    }
    void OnSelecionaRegistro(std::int32_t indice) override { Anota("OnSelecionaRegistro " + std::to_string(indice)); }
    void OnSelecionaRegistros(std::int32_t quantidade, const ROWCOL*) override {
        Anota("OnSelecionaRegistros " + std::to_string(quantidade));
    }
    void OnRegistroGravado(CZTFCDados*) override { Anota("OnRegistroGravado"); }
    void OnRegistroGravadoAviso(CZTFCDados*, std::int32_t status) override {
        Anota("OnRegistroGravadoAviso " + std::to_string(status));
    }
    void OnRegistrosGravados(std::int32_t quantidade, CZTFCDados**) override {
        Anota("OnRegistrosGravados " + std::to_string(quantidade));
    }
    void OnRegistrosGravadosAviso(std::int32_t quantidade, CZTFCDados**, std::int32_t status) override {
        Anota("OnRegistrosGravadosAviso " + std::to_string(quantidade) + " " + std::to_string(status));
    }
    void OnRegistroTemporario(CZTFCDados*) override { Anota("OnRegistroTemporario"); }
    void OnMultiSelecao() override { Anota("OnMultiSelecao"); }
    void OnInicializaView() override { Anota("OnInicializaView"); }
    void OnFinalizaView() override { Anota("OnFinalizaView"); }
    void OnLimpaView() override { Anota("OnLimpaView"); }

private:
    void Anota(std::string chamada) { chamadas.push_back(std::move(chamada)); }
};

using Fabrica = std::function<std::unique_ptr<Object>()>;

Fabrica Nenhum() {
    return [] { return nullptr; };
}

Fabrica UmaLinha(platform::DWORD tipo = ZTFC_BLOCO_SELECAO_REGISTRO) {
    return [tipo] {
        auto bloco = std::make_unique<ZTFC_BLOCO_REGISTRO>();
        bloco->dwTamanho = tipo;
        bloco->nIndice = 4;
        return bloco;
    };
}

Fabrica TresLinhas() {
    return [] {
        auto bloco = std::make_unique<ZTFC_BLOCO_REGISTROS>();
        bloco->nQuantidade = 3;
        return bloco;
    };
}

Fabrica Gravado(std::int32_t status) {
    return [status] {
        auto bloco = std::make_unique<ZTFC_BLOCO_GRAVADO>();
        bloco->lStatus = status;
        return bloco;
    };
}

Fabrica Lote(std::int32_t status) {
    return [status] {
        auto bloco = std::make_unique<ZTFC_BLOCO_LOTE>();
        bloco->lStatus = status;
        bloco->nQuantidade = 2;
        return bloco;
    };
}

Fabrica Arvore() {
    return [] {
        auto bloco = std::make_unique<ZTFC_BLOCO_ARVORE>();
        bloco->pszTexto = "Contratos";
        return bloco;
    };
}

Fabrica Temporario() {
    return [] { return std::make_unique<ZTFC_BLOCO_TEMPORARIO>(); };
}

TEST(CZTFCView, EachHintAndBlockReachesItsHandler) {
    const struct {
        const char* caso;
        platform::LPARAM hint;
        Fabrica bloco;
        const char* chamada;  // "" for no call
    } casos[] = {
        {"one row", ZTFC_HINT_SELECAO_GRID, UmaLinha(), "OnSelecionaRegistro 4"},
        {"several rows", ZTFC_HINT_SELECAO_GRID, TresLinhas(), "OnSelecionaRegistros 3"},
        // A kind the protocol does not know is left alone.
        {"a selection of another kind", ZTFC_HINT_SELECAO_GRID, UmaLinha(13), ""},
        {"a selection without block", ZTFC_HINT_SELECAO_GRID, Nenhum(), ""},
        {"tree", ZTFC_HINT_SELECAO_ARVORE, Arvore(), "OnSelecaoArvore Contratos"},
        {"tree without block", ZTFC_HINT_SELECAO_ARVORE, Nenhum(), ""},
        {"saved", ZTFC_HINT_GRAVACAO, Gravado(0), "OnRegistroGravado"},
        {"saved with a refusal", ZTFC_HINT_GRAVACAO, Gravado(0x40685), "OnRegistroGravadoAviso 263813"},
        // A failure reaches no save handler: the document raises the error afterwards.
        {"save failed", ZTFC_HINT_GRAVACAO, Gravado(-1), ""},
        {"batch saved", ZTFC_HINT_GRAVACAO, Lote(0), "OnRegistrosGravados 2"},
        {"batch saved with a warning", ZTFC_HINT_GRAVACAO, Lote(7), "OnRegistrosGravadosAviso 2 7"},
        {"batch failed", ZTFC_HINT_GRAVACAO, Lote(-1), ""},
        {"a selection block as a save result", ZTFC_HINT_GRAVACAO, UmaLinha(), ""},
        {"temporary copy", ZTFC_HINT_REGISTRO_TEMPORARIO, Temporario(), "OnRegistroTemporario"},
        {"temporary copy without block", ZTFC_HINT_REGISTRO_TEMPORARIO, Nenhum(), ""},
        {"new selection", ZTFC_HINT_MULTI_SELECAO, Nenhum(), "OnMultiSelecao"},
        {"current record replaced", ZTFC_HINT_REGISTRO_ATUAL, Nenhum(), ""},
        {"started", ZTFC_HINT_INICIALIZA, Nenhum(), "OnInicializaView"},
        {"stopped", ZTFC_HINT_FINALIZA, Nenhum(), "OnFinalizaView"},
        {"reset", ZTFC_HINT_LIMPA, Nenhum(), "OnLimpaView"},
        {"company opened", ZTFC_HINT_EMPRESA_ABERTA, Nenhum(), ""},
        {"clear the form", ZTFC_HINT_LIMPA_FORMULARIO, Nenhum(), ""},
        {"a program's hint", ZTFC_HINT_PROGRAMA, Gravado(0), ""},
    };
    for (const auto& caso : casos) {
        ViewQueAnota view;
        const std::unique_ptr<Object> bloco = caso.bloco();
        view.OnUpdateView(nullptr, caso.hint, bloco.get());
        const std::vector<std::string> esperadas =
            *caso.chamada ? std::vector<std::string>{caso.chamada} : std::vector<std::string>{};
        EXPECT_EQ(view.chamadas, esperadas) << caso.caso;
    }
}

// Rows of a selection the grid answers with its handles: the row of handle h is h - 1, and each
// row's record value is its place in `valores`; rows past `valores` have no record.
struct GradeFalsa {
    std::vector<int> valores = std::vector<int>(10);
    std::vector<int> linhasLidas;

    CZTFCSelecaoLinhas Seleciona(const std::vector<ROWCOL>& handles) {
        return CZTFCSelecaoLinhas(
            handles.data(), static_cast<int>(handles.size()),
            [](ROWCOL handle) { return static_cast<int>(handle) - 1; },
            [this](int linha) -> const void* {
                linhasLidas.push_back(linha);
                const auto indice = static_cast<std::size_t>(linha);
                return indice < valores.size() ? &valores[indice] : nullptr;
            });
    }
};

// Counting "one less when any handle is 0" gave three with two 0 handles and left a record unset;
// a row without a record must not reach the document, which would make a null record current.
TEST(CZTFCSelecaoLinhas, CountsOnlyTheRowsWithARecord) {
    const struct {
        std::vector<ROWCOL> handles;
        std::vector<int> linhasLidas;
        std::vector<int> linhasComRegistro;
    } casos[] = {
        {{3, 0, 5, 0}, {2, 4}, {2, 4}},
        {{0, 3, 5, 8}, {2, 4, 7}, {2, 4, 7}},
        {{3, 5, 8}, {2, 4, 7}, {2, 4, 7}},
        {{0, 0}, {}, {}},
        {{3, 12, 5}, {2, 11, 4}, {2, 4}},
    };
    for (const auto& caso : casos) {
        GradeFalsa grade;
        CZTFCSelecaoLinhas selecao = grade.Seleciona(caso.handles);
        const ZTFC_BLOCO_REGISTROS& bloco = selecao.GetBloco();
        EXPECT_EQ(bloco.dwTamanho, ZTFC_BLOCO_SELECAO_REGISTROS);
        EXPECT_EQ(grade.linhasLidas, caso.linhasLidas);
        ASSERT_EQ(bloco.nQuantidade, caso.linhasComRegistro.size());
        for (std::size_t i = 0; i < caso.linhasComRegistro.size(); ++i) {
            EXPECT_EQ(bloco.ppRegistros[i], &grade.valores[static_cast<std::size_t>(caso.linhasComRegistro[i])]);
        }
        EXPECT_EQ(bloco.pHandles, caso.handles.data());
    }
}

}  // namespace
