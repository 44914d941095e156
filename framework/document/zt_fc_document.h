// CZTFCDocument: the framework document's records and its side of the update hints.
//
// The document owns its current record (the one the form shows) and its selection (owned copies
// of the selected records), and does its part of each hint before its views hear it. The company
// start-up, the saving road and the commands of the framework document build on this.
// User-interface thread.
#pragma once

#include "framework/data/zt_fc_dados.h"
#include "platform/ui/document/document.h"

#include <cstdint>
#include <memory>
#include <vector>

class CZTFCDocument : public platform::ui::Document {
public:
    CZTFCDocument();
    ~CZTFCDocument() override;

    // Makes `registro` (owned) the current record: see the .cpp for the multi-selection rule.
    // When there was a current record before, the views hear hint 6.
    void SetRegistroAtual(CZTFCDados* registro);
    [[nodiscard]] CZTFCDados* GetRegistroAtual() const { return m_pRegistroAtual.get(); }
    [[nodiscard]] const std::vector<std::unique_ptr<CZTFCDados>>& GetSelecao() const { return m_selecao; }

    void SetMultiSelecao(bool multiSelecao) { m_bMultiSelecao = multiSelecao ? 1 : 0; }
    [[nodiscard]] bool GetMultiSelecao() const { return m_bMultiSelecao != 0; }

    // The record value of list item `indice`; null here (the record cache's documents answer).
    [[nodiscard]] virtual const void* GetRegistro(int indice);
    // The document's part of `hint` (see the .cpp), then every view but `sender`.
    virtual void UpdateAllViews(platform::ui::View* sender, platform::LPARAM hint, platform::ui::Object* objeto = nullptr);
    // Hint 5: the selection starts again.
    virtual void AtualizaSelecao();

    // Save hooks, reached through hint 3: a single save or a batch ended with status 0 or with a
    // positive `status`. Empty here but OnLoteGravadoAviso, which makes the selection copies of
    // the saved records.
    virtual void OnRegistroGravado(CZTFCDados* registro);
    virtual void OnLoteGravado(std::int32_t quantidade, CZTFCDados** registros);
    virtual void OnRegistroGravadoAviso(CZTFCDados* registro, std::int32_t status);
    virtual void OnLoteGravadoAviso(std::int32_t quantidade, CZTFCDados** registros, std::int32_t status);

private:
    void SelecionaDoBloco(platform::ui::Object* objeto);
    // False when nobody may hear a save result: no main window, or one without an active view.
    bool ChamaGanchoGravacao(platform::ui::Object* objeto);
    void AvisaComCopiaTemporaria(platform::ui::View* sender);
    void LimpaSelecao() { m_selecao.clear(); }

    std::unique_ptr<CZTFCDados> m_pRegistroAtual;
    std::vector<std::unique_ptr<CZTFCDados>> m_selecao;
    std::uint8_t m_bMultiSelecao = 0;
};
