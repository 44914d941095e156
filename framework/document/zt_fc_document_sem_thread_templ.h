// CZTFCDocumentSemThreadTempl<TDoc, TRegistro, TDados>: a document tied to one record cache that
// saves its current record synchronously, without a saving thread.
//
// TDoc is a framework document with OnResultadoGravacao (which takes the result block, tells the
// views with hint 3 and may throw); TRegistro a CZTRegistroClasse<DWORD, TDados> subclass, the
// record source; TDados a client-library data class with GetPosicao. The current record is a
// CZTFCDadosClasseTempl<TDados>. User-interface thread.
#pragma once

#include "framework/data/zt_fc_dados.h"
#include "framework/data/zt_fc_status_gravacao.h"
#include "framework/status/zt_status_bar_envio.h"
#include "framework/view/zt_fc_blocos.h"
#include "platform/ui/app/wait_cursor.h"

template <class TDoc, class TRegistro, class TDados>
class CZTFCDocumentSemThreadTempl : public TDoc {
    using THolder = CZTFCDadosClasseTempl<TDados>;

public:
    CZTFCDocumentSemThreadTempl() { this->SetRegistroAtual(new THolder); }

    // Saves the current record now and hands the result to OnResultadoGravacao; the wait cursor
    // ends on every path, also when that throws.
    void GravaAtual() {
        const platform::ui::WaitCursor espera;
        ZTSetIndicadorStatusBar(2);
        const ZTFC_STATUS_GRAVACAO status = GravaRegistro(this->GetRegistroAtual());
        auto* bloco = new ZTFC_BLOCO_GRAVADO;
        bloco->lStatus = status.lStatus;
        bloco->lSubCodigo = status.lSubCodigo;
        bloco->pExtra = status.pExtra;
        bloco->pRegistro = this->GetRegistroAtual() ? this->GetRegistroAtual()->Clone() : nullptr;
        ZTSetIndicadorStatusBar(0);
        this->OnResultadoGravacao(bloco);
    }

    // The synchronous save of the current record.
    void GravaSelecao() override { GravaAtual(); }

    // The record source's value of list item `indice`.
    [[nodiscard]] const void* GetRegistro(int indice) override { return m_registros.GetRegistro(indice); }

    // Keeps the record source in step with a saved holder: a record that existed is refreshed
    // in the cache, a new one joins the end of the list and the cache.
    void OnRegistroGravado(CZTFCDados* registro) override {
        TDoc::OnRegistroGravado(registro);
        const TDados* dados = THolder::GetDados(registro);
        const TDados* copia = THolder::GetCopia(registro);
        if (!dados) return;
        if (copia->GetPosicao() != 0) {
            m_registros.AtualizaRegistro(dados->GetPosicao(), *dados);
        } else {
            m_registros.AdicionaChave(dados->GetPosicao(), dados);
        }
    }

    // The program's save of `registro`; all zeros here.
    [[nodiscard]] virtual ZTFC_STATUS_GRAVACAO GravaRegistro(CZTFCDados* registro) {
        static_cast<void>(registro);
        return {};
    }

    [[nodiscard]] TRegistro& GetRegistros() { return m_registros; }

protected:
    TRegistro m_registros;
};
